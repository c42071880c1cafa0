// File > "Export portrait..." and Edit > "Copy portrait": the portrait as one picture, the one
// the 1x preview shows (without the snapping-point marks), at full size or reduced by 2, 4 or 8,
// as a PNG or BMP file chosen by the name's extension, and for PNG optionally with a transparent
// background (portrait/transparent_picture.h). "Save As BMP" stays the game's frame set. The
// GUI supplies the export dialog and the desktop port (PNG files, clipboard); without them the
// commands do nothing. Works on one session by reference.
#pragma once

#include <optional>
#include <string>

#include "editor/session/desktop_port.h"
#include "editor/session/editor_session.h"

namespace kelvo {

struct PortraitExportChoice {
  std::string Path;          // the file; ".png" is added when the name has no extension
  int Reduction = 1;         // 1, 2, 4 or 8
  bool Transparent = false;  // PNG only; a BMP is always opaque
  friend bool operator==(const PortraitExportChoice&, const PortraitExportChoice&) = default;
};

// The export dialog: the file, the size and the background; nothing when cancelled.
class PortraitExportDialog {
 public:
  virtual ~PortraitExportDialog() = default;
  virtual std::optional<PortraitExportChoice> Execute(const PortraitExportChoice& proposed) = 0;
};

enum class PictureFormat { kPng, kBmp };

// The format a name asks for: ".png" or no extension PNG, ".bmp" BMP (any letter case);
// nothing for another extension.
std::optional<PictureFormat> PictureFormatOf(const std::string& path);

class PortraitExportModel {
 public:
  explicit PortraitExportModel(EditorSession& session) : session_(session) {}
  PortraitExportModel(const PortraitExportModel&) = delete;
  PortraitExportModel& operator=(const PortraitExportModel&) = delete;

  void SetPort(DesktopPort* port) { port_ = port; }
  void SetDialog(PortraitExportDialog* dialog) { dialog_ = dialog; }
  // What the dialog proposes: the last choice, else "portrait.png" in the folder of the last
  // export (kept in the settings), else in `folder`.
  PortraitExportChoice Proposal(const std::string& folder) const;

  // "Export portrait...": the dialog proposing Proposal(folder), then ExportTo.
  void ExportPortraitClick(const std::string& folder);
  // Writes the file and reports "Exported " + its name; false with the error shown.
  bool ExportTo(const PortraitExportChoice& choice);
  // "Copy portrait": the full-size opaque picture onto the clipboard.
  void CopyPortraitClick();
  // The picture as the export writes it.
  RgbaImage Picture(int reduction, bool transparent);

 private:
  EditorSession& session_;
  DesktopPort* port_ = nullptr;
  PortraitExportDialog* dialog_ = nullptr;
  std::optional<PortraitExportChoice> last_;
};

}  // namespace kelvo
