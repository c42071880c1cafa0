// The prompter of the editor shown with Qt dialogs: message boxes, file and folder dialogs, the
// colour chooser and input boxes. Converts the program's Windows-1250 texts for display and the
// chosen names back. Dialogs are parented to the window given (may be null until it exists); the
// colour chooser to the window that asked for it.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "editor/session/prompter.h"

namespace kelvo {

class QtPrompter : public Prompter {
 public:
  void SetParentWindow(QWidget* window) { parent_ = window; }

  MessageAnswer Message(MessageKind kind, const std::string& caption, const std::string& text,
                        MessageButtons buttons) override;
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseDirectory(const std::string& title,
                                             const std::string& initialDir) override;
  std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override;
  std::optional<std::string> InputText(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) override;

 private:
  QPointer<QWidget> parent_;
};

// "Bitmaps (*.bmp)|*.bmp|All (*.*)|*.*" -> "Bitmaps (*.bmp);;All (*.*)"; patterns separated by
// ";" become blank-separated as Qt expects.
QString QtFileFilter(const std::string& filter);

// Names keep their Windows form inside the program; dialogs see "/" separators.
QString ToDialogPath(const std::string& name);

}  // namespace kelvo
