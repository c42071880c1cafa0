// What the editor asks of the desktop beyond the prompter: PNG files and the clipboard. The GUI
// implements it with Qt; tests record what was asked. Owned by the program; models hold a
// pointer, and without one the commands that need it tell the user and do nothing.
#pragma once

#include <optional>
#include <string>

#include "portrait/transparent_picture.h"

namespace kelvo {

class DesktopPort {
 public:
  virtual ~DesktopPort() = default;
  // Writes the picture as a PNG file, whole or not at all; throws a KelvoError naming the file.
  virtual void WritePng(const std::string& path, const RgbaImage& image) = 0;
  // The clipboard: a picture (offered as PNG), plain text, and the text it holds if any.
  virtual void CopyPicture(const RgbaImage& image) = 0;
  virtual void CopyText(const std::string& text) = 0;
  virtual std::optional<std::string> ClipboardText() = 0;
};

}  // namespace kelvo
