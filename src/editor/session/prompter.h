// The one door through which the editor talks to the user: message boxes, file and folder
// dialogs, the colour chooser and input boxes. The GUI implements it with Qt dialogs; tests
// answer it without a person. Texts are the program's own 8-bit strings; the implementation
// converts them for display. Owned by the program; the editor model only holds a reference.
#pragma once

#include <cstdint>
#include <exception>
#include <optional>
#include <string>

namespace kelvo {

enum class MessageKind { Warning, Error, Information, Confirmation };
// YesNoDefaultNo: Yes and No with No preselected, for a question whose Yes costs work.
// SaveDiscardCancel: the question about unsaved work, Cancel preselected, so that a stray Enter
// keeps the work and ends the command.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoDefaultNo, SaveDiscardCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No, Save, Discard };

struct FileDialogRequest {
  std::string Title;
  std::string Filter;  // "Bitmaps (*.bmp)|*.bmp": pairs of description and pattern
  std::string InitialDir;
  std::string FileName;
  std::string DefaultExt;
};

class Prompter {
 public:
  virtual ~Prompter() = default;

  // A modal message; returns the button pressed (Cancel or No when the box is closed otherwise).
  virtual MessageAnswer Message(MessageKind kind, const std::string& caption,
                                const std::string& text, MessageButtons buttons) = 0;

  // File and folder choosers: the chosen name, or nothing when cancelled.
  virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ChooseDirectory(const std::string& title,
                                                     const std::string& initialDir) = 0;

  // Colour values keep red in the low byte.
  virtual std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) = 0;
  virtual std::optional<std::string> InputText(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& initial) = 0;
};

// The usual boxes with their usual captions.
inline void ShowError(Prompter& p, const std::string& text) {
  p.Message(MessageKind::Error, "Error", text, MessageButtons::Ok);
}
// What the user reads about a failure: "Kelvo ERROR: " + the text (and its place) for a data
// error, the message of any other.
std::string FailureText(const std::exception& error);
// The one way a failure reaches the user: an "Error" box with FailureText(error).
void ReportError(Prompter& p, const std::exception& error);
inline void ShowWarning(Prompter& p, const std::string& text) {
  p.Message(MessageKind::Warning, "Warning", text, MessageButtons::Ok);
}
inline void ShowInformation(Prompter& p, const std::string& text) {
  p.Message(MessageKind::Information, "Information", text, MessageButtons::Ok);
}
// A yes/no question with the caption "Question"; true for Yes. With `defaultNo` the box
// preselects No, so a stray Enter keeps things as they are.
inline bool AskYesNo(Prompter& p, const std::string& text, bool defaultNo = false) {
  return p.Message(MessageKind::Confirmation, "Question", text,
                   defaultNo ? MessageButtons::YesNoDefaultNo : MessageButtons::YesNo) ==
         MessageAnswer::Yes;
}

// A question about unsaved work with the caption "Question": Save, Discard or Cancel. A box
// closed otherwise is Cancel.
inline MessageAnswer AskSaveDiscardCancel(Prompter& p, const std::string& text) {
  const MessageAnswer answer =
      p.Message(MessageKind::Confirmation, "Question", text, MessageButtons::SaveDiscardCancel);
  return answer == MessageAnswer::Save || answer == MessageAnswer::Discard ? answer
                                                                           : MessageAnswer::Cancel;
}

}  // namespace kelvo
