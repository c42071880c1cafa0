// A prompter that answers without a person: it remembers every message, answers from a queue
// when one is given (else the preselected button: Ok, Yes to a question, No to a question that
// preselects No, Cancel to the unsaved-work question) and cancels every dialog but the file and
// folder dialogs given names to return.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "editor/session/prompter.h"

namespace kelvo::test {

struct PromptedMessage {
  MessageKind Kind;
  std::string Caption;
  std::string Text;
  MessageButtons Buttons = MessageButtons::Ok;
};

class FakePrompter : public Prompter {
 public:
  MessageAnswer Message(MessageKind kind, const std::string& caption, const std::string& text,
                        MessageButtons buttons) override {
    messages.push_back({kind, caption, text, buttons});
    if (!answers.empty()) {
      const MessageAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    switch (buttons) {
      case MessageButtons::Ok:
      case MessageButtons::OkCancel:
        return MessageAnswer::Ok;
      case MessageButtons::YesNoDefaultNo:
        return MessageAnswer::No;
      case MessageButtons::SaveDiscardCancel:
        return MessageAnswer::Cancel;
      case MessageButtons::YesNo:
        break;
    }
    return MessageAnswer::Yes;
  }
  // Answers from `files` while it holds names, else cancels.
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override {
    fileRequests.push_back(request);
    if (files.empty()) return std::nullopt;
    std::string name = files.front();
    files.pop_front();
    return name;
  }
  // Answers from `saveFiles` while it holds names, else cancels.
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return Next(saveFiles);
  }
  // Answers from `directories` while it holds names, else cancels.
  std::optional<std::string> ChooseDirectory(const std::string&, const std::string&) override {
    return Next(directories);
  }
  std::optional<std::uint32_t> ChooseColour(std::uint32_t) override { return std::nullopt; }
  std::optional<std::string> InputText(const std::string&, const std::string&,
                                       const std::string&) override {
    return std::nullopt;
  }

  std::vector<PromptedMessage> messages;
  std::deque<MessageAnswer> answers;
  std::deque<std::string> files;  // what the open-file dialog returns, in turn
  std::vector<FileDialogRequest> fileRequests;
  std::deque<std::string> saveFiles;  // what the save-file dialog returns, in turn
  std::vector<FileDialogRequest> saveRequests;
  std::deque<std::string> directories;  // what the folder dialog returns, in turn

 private:
  static std::optional<std::string> Next(std::deque<std::string>& queue) {
    if (queue.empty()) return std::nullopt;
    std::string name = queue.front();
    queue.pop_front();
    return name;
  }
};

}  // namespace kelvo::test
