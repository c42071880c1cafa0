// The desktop port on Qt: PNG files through QImage and QSaveFile (whole or not at all) and the
// system clipboard. Names and texts are the program's 8-bit strings.
#pragma once

#include <QImage>

#include "editor/session/desktop_port.h"

namespace kelvo {

// The picture as a 32-bit image with straight alpha.
QImage ToQImage(const RgbaImage& image);

class QtDesktopPort : public DesktopPort {
 public:
  void WritePng(const std::string& path, const RgbaImage& image) override;
  void CopyPicture(const RgbaImage& image) override;
  void CopyText(const std::string& text) override;
  std::optional<std::string> ClipboardText() override;
};

}  // namespace kelvo
