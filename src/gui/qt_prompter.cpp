#include "gui/qt_prompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "gui/text_codec.h"

namespace kelvo {
namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning:
      return QMessageBox::Warning;
    case MessageKind::Error:
      return QMessageBox::Critical;
    case MessageKind::Information:
      return QMessageBox::Information;
    case MessageKind::Confirmation:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return QMessageBox::Ok;
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoDefaultNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::SaveDiscardCancel:
      return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// The dialog's answer back in the program's form: Windows separators, Windows-1250 bytes. The
// leading "/" stays: it is what makes the name absolute ("\tmp" would be read as relative).
std::string FromDialogPath(const QString& path) {
  std::string name = ToAnsi(path);
  for (size_t i = 1; i < name.size(); ++i) {
    if (name[i] == '/') name[i] = '\\';
  }
  return name;
}

QString DialogStart(const FileDialogRequest& request) {
  const QString dir = ToDialogPath(request.InitialDir);
  if (request.FileName.empty()) return dir;
  const QString file = ToDialogPath(request.FileName);
  return dir.isEmpty() || file.startsWith('/') ? file : dir + '/' + file;
}

}  // namespace

QString QtFileFilter(const std::string& filter) {
  const QStringList parts = FromAnsi(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
    QString description = parts[i].trimmed();
    // Qt takes the patterns from a closing "(...)" of the description.
    if (!description.endsWith("(" + patterns + ")")) description += " (" + patterns + ")";
    filters << description;
  }
  return filters.join(";;");
}

QString ToDialogPath(const std::string& name) {
  return FromAnsi(name).replace('\\', '/');
}

MessageAnswer QtPrompter::Message(MessageKind kind, const std::string& caption,
                                  const std::string& text, MessageButtons buttons) {
  QMessageBox box(IconOf(kind), FromAnsi(caption), FromAnsi(text), ButtonsOf(buttons), parent_);
  if (buttons == MessageButtons::YesNoDefaultNo) {
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
  } else if (buttons == MessageButtons::SaveDiscardCancel) {
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
  }
  switch (box.exec()) {
    case QMessageBox::Ok:
      return MessageAnswer::Ok;
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Save:
      return MessageAnswer::Save;
    case QMessageBox::Discard:
      return MessageAnswer::Discard;
    default:
      return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoDefaultNo
                 ? MessageAnswer::No
                 : MessageAnswer::Cancel;
  }
}

std::optional<std::string> QtPrompter::OpenFile(const FileDialogRequest& request) {
  const QString name = QFileDialog::getOpenFileName(
      parent_, FromAnsi(request.Title), DialogStart(request), QtFileFilter(request.Filter));
  if (name.isEmpty()) return std::nullopt;
  return FromDialogPath(name);
}

std::optional<std::string> QtPrompter::SaveFile(const FileDialogRequest& request) {
  QFileDialog dialog(parent_, FromAnsi(request.Title), DialogStart(request),
                     QtFileFilter(request.Filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  QString suffix = FromAnsi(request.DefaultExt);
  if (suffix.startsWith('.')) suffix.remove(0, 1);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromDialogPath(dialog.selectedFiles().front());
}

std::optional<std::string> QtPrompter::ChooseDirectory(const std::string& title,
                                                       const std::string& initialDir) {
  const QString dir =
      QFileDialog::getExistingDirectory(parent_, FromAnsi(title), ToDialogPath(initialDir));
  if (dir.isEmpty()) return std::nullopt;
  return FromDialogPath(dir);
}

std::optional<std::uint32_t> QtPrompter::ChooseColour(std::uint32_t initial) {
  const QColor start(int(initial & 0xFF), int((initial >> 8) & 0xFF), int((initial >> 16) & 0xFF));
  // The chooser belongs to the window that asked (the colours dialog), so that closing it
  // brings that window back to the front and not the main window.
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = QApplication::activeWindow();
  if (owner == nullptr) owner = parent_;
  const QColor chosen = QColorDialog::getColor(start, owner);
  if (!chosen.isValid()) return std::nullopt;
  return static_cast<std::uint32_t>(chosen.red()) |
         static_cast<std::uint32_t>(chosen.green()) << 8 |
         static_cast<std::uint32_t>(chosen.blue()) << 16;
}

std::optional<std::string> QtPrompter::InputText(const std::string& caption,
                                                 const std::string& prompt,
                                                 const std::string& initial) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent_, FromAnsi(caption), FromAnsi(prompt),
                                             QLineEdit::Normal, FromAnsi(initial), &ok);
  if (!ok) return std::nullopt;
  return ToAnsi(text);
}

}  // namespace kelvo
