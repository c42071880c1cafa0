#include "portrait/portrait.h"  // before Qt, whose macros clash with its names

#include "gui/random_events_support.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstring>
#include <sstream>

#include "library/component.h"
#include "library/container.h"
#include "library/type_library.h"

namespace kelvo::test {
namespace {

// A name as the file dialog hands it back: Windows separators after the root.
std::string DialogForm(std::string path) {
  for (size_t i = 1; i < path.size(); ++i) {
    if (path[i] == '/') path[i] = '\\';
  }
  return path;
}

const char* AnswerName(MessageAnswer answer) {
  switch (answer) {
    case MessageAnswer::Ok:
      return "Ok";
    case MessageAnswer::Cancel:
      return "Cancel";
    case MessageAnswer::Yes:
      return "Yes";
    case MessageAnswer::No:
      return "No";
    case MessageAnswer::Save:
      return "Save";
    case MessageAnswer::Discard:
      return "Discard";
  }
  return "?";
}

std::string Short(const std::string& text) {
  std::string line = text.substr(0, 60);
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return line.size() < text.size() ? line + "..." : line;
}

}  // namespace

int RandomPrompter::Below(int n) {
  return n <= 0 ? 0 : static_cast<int>((*random)() % static_cast<unsigned>(n));
}

MessageAnswer RandomPrompter::Message(MessageKind, const std::string& caption,
                                      const std::string& text, MessageButtons buttons) {
  std::vector<MessageAnswer> choices;
  switch (buttons) {
    case MessageButtons::Ok:
      choices = {MessageAnswer::Ok};
      break;
    case MessageButtons::OkCancel:
      choices = {MessageAnswer::Ok, MessageAnswer::Cancel};
      break;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoDefaultNo:
      choices = {MessageAnswer::Yes, MessageAnswer::No};
      break;
    case MessageButtons::SaveDiscardCancel:
      choices = {MessageAnswer::Save, MessageAnswer::Discard, MessageAnswer::Cancel};
      break;
  }
  const MessageAnswer answer = choices[static_cast<size_t>(Below(int(choices.size())))];
  log(caption + " \"" + Short(text) + "\": " + AnswerName(answer));
  return answer;
}

std::optional<std::string> RandomPrompter::OpenFile(const FileDialogRequest& request) {
  std::vector<std::string> files = open_files;
  files.insert(files.end(), written.begin(), written.end());
  if (files.empty() || Below(6) == 0) {
    log("open \"" + request.Title + "\": cancelled");
    return std::nullopt;
  }
  const std::string name = files[static_cast<size_t>(Below(int(files.size())))];
  log("open \"" + request.Title + "\": " + name);
  return DialogForm(name);
}

std::optional<std::string> RandomPrompter::SaveFile(const FileDialogRequest& request) {
  if (Below(6) == 0) {
    log("save \"" + request.Title + "\": cancelled");
    return std::nullopt;
  }
  std::string name;
  if (!written.empty() && Below(3) == 0) {
    name = written[static_cast<size_t>(Below(int(written.size())))];
  } else if (Below(10) == 0) {
    name = folder + "/nowhere/new";
  } else {
    std::string ext = request.DefaultExt;
    if (!ext.empty() && ext.front() != '.') ext = "." + ext;
    name = folder + "/saved " + std::to_string(++saved_) + ext;
    written.push_back(name);
  }
  log("save \"" + request.Title + "\": " + name);
  return DialogForm(name);
}

std::optional<std::string> RandomPrompter::ChooseDirectory(const std::string& title,
                                                           const std::string&) {
  if (directories.empty() || Below(3) == 0) {
    log("folder \"" + title + "\": cancelled");
    return std::nullopt;
  }
  const std::string name = directories[static_cast<size_t>(Below(int(directories.size())))];
  log("folder \"" + title + "\": " + name);
  return DialogForm(name);
}

std::optional<std::uint32_t> RandomPrompter::ChooseColour(std::uint32_t) {
  if (Below(2) == 0) {
    log("colour: cancelled");
    return std::nullopt;
  }
  const auto colour = static_cast<std::uint32_t>((*random)() & 0xFFFFFFu);
  log("colour: " + std::to_string(colour));
  return colour;
}

std::optional<std::string> RandomPrompter::InputText(const std::string& caption, const std::string&,
                                                     const std::string&) {
  const std::vector<std::string> texts = {"",       "a",         "new name", std::string(300, 'n'),
                                          "..\\up", "\"quoted\""};
  if (Below(3) == 0) {
    log("input \"" + caption + "\": cancelled");
    return std::nullopt;
  }
  const std::string text = texts[static_cast<size_t>(Below(int(texts.size())))];
  log("input \"" + caption + "\": \"" + Short(text) + "\"");
  return text;
}

std::vector<QWidget*> OpenWindows() {
  std::vector<QWidget*> windows;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->windowType() != Qt::Popup &&
        window->windowType() != Qt::ToolTip) {
      windows.push_back(window);
    }
  }
  std::sort(windows.begin(), windows.end(), [](const QWidget* a, const QWidget* b) {
    return Describe(a) + a->windowTitle().toStdString() <
           Describe(b) + b->windowTitle().toStdString();
  });
  return windows;
}

std::vector<QWidget*> ReachableWindows() {
  if (QWidget* modal = QApplication::activeModalWidget()) return {modal};
  return OpenWindows();
}

bool OnSomeScreen(const QPoint& point) {
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().contains(point)) return true;
  }
  return false;
}

std::string Describe(const QObject* object) {
  if (object == nullptr) return "(nothing)";
  std::string name = object->objectName().toStdString();
  if (name.empty()) name = object->metaObject()->className();
  if (const auto* widget = qobject_cast<const QWidget*>(object)) {
    if (!widget->isWindow()) {
      const QWidget* window = widget->window();
      std::string owner = window->objectName().toStdString();
      if (owner.empty()) owner = window->metaObject()->className();
      name += " in " + owner;
    }
  }
  return name;
}

bool SameImage(const QImage& shown, const ImageView& model) {
  if (model.Pixels == nullptr) return true;
  const int rows = std::min(model.Height, shown.height());
  const size_t bytes = static_cast<size_t>(std::min(model.Width, shown.width())) * 2;
  for (int y = 0; y < rows; ++y) {
    if (std::memcmp(shown.constScanLine(y), model.Pixels + static_cast<ptrdiff_t>(y) * model.Stride,
                    bytes) != 0) {
      return false;
    }
  }
  return true;
}

std::string LibraryFingerprint(const TKelvoTyp& library) {
  std::ostringstream out;
  for (int c = 1; c <= kCategoryCount; ++c) {
    const TKelvoKompKontejner& container = library.Container(c);
    out << "category " << c << ": " << container.ComponentCount() << " components\n";
    for (int32_t n = 1; n <= container.ComponentCount(); ++n) {
      const TKelvoKomp& komp = container.Komp(n);
      out << c << "/" << n << " " << komp.Name << " f" << komp.Frequency << " k" << komp.Kind
          << " s" << komp.Signature << " a" << komp.IsFrame;
      for (int p = 1; p <= kPropertyCount; ++p) out << " p" << komp.Properties[p];
      for (int f = 1; f < int(komp.Frames.size()); ++f) {
        out << " fr" << (komp.Frames[size_t(f)] ? komp.Frames[size_t(f)]->Name : "-");
      }
      for (const SnapPoint& point : komp.Points) {
        out << " pt(" << point.X << "," << point.Y << "," << point.SpreadLeft << ","
            << point.SpreadRight << "," << point.SpreadUp << "," << point.SpreadDown << ","
            << point.SpanX << "," << point.SpanY << ")";
      }
      for (int s = 1; s <= kSubcomponentCount; ++s) {
        const TKelvoSubKomp* sub = komp.Sub(s);
        if (sub == nullptr) continue;
        const std::string_view pixels(reinterpret_cast<const char*>(sub->Pixels.data()),
                                      sub->Pixels.size());
        out << " sub" << s << "(" << sub->FileName << "," << sub->X << "," << sub->Y << ","
            << sub->Clip << "," << sub->Width << "x" << sub->Height << "," << int(sub->Bits) << ","
            << std::hash<std::string_view>()(pixels) << ")";
      }
      out << "\n";
    }
  }
  return out.str();
}

std::string FirstDifference(const std::string& before, const std::string& after) {
  std::istringstream a(before);
  std::istringstream b(after);
  std::string line_a;
  std::string line_b;
  while (true) {
    const bool more_a = static_cast<bool>(std::getline(a, line_a));
    const bool more_b = static_cast<bool>(std::getline(b, line_b));
    if (!more_a && !more_b) return "(no difference)";
    if (!more_a) line_a = "(end)";
    if (!more_b) line_b = "(end)";
    if (line_a != line_b) return "\n  before: " + line_a + "\n  after:  " + line_b;
  }
}

}  // namespace kelvo::test
