// Shared helpers of the GUI tests: a settings folder per test and a prompter that answers
// without a person and remembers what it was asked.
#pragma once

#include <QSettings>
#include <QTemporaryDir>
#include <deque>
#include <string>
#include <vector>

#include "editor/prompter.h"

namespace kelvo::test {

// Points the per-user settings at a fresh folder for the lifetime of the object.
class SettingsFolder {
 public:
  SettingsFolder() {
    qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
  }
  QString Path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

struct PromptedMessage {
  MessageKind Kind;
  std::string Caption;
  std::string Text;
};

class RecordingPrompter : public Prompter {
 public:
  MessageAnswer Message(MessageKind kind, const std::string& caption, const std::string& text,
                        MessageButtons buttons) override {
    messages.push_back({kind, caption, text});
    if (!answers.empty()) {
      const MessageAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
  }
  std::optional<std::string> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> ChooseDirectory(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::uint32_t> ChooseColour(std::uint32_t) override { return std::nullopt; }
  std::optional<std::string> InputText(const std::string&, const std::string&,
                                       const std::string&) override {
    return std::nullopt;
  }

  std::vector<PromptedMessage> messages;
  std::deque<MessageAnswer> answers;
};

}  // namespace kelvo::test
