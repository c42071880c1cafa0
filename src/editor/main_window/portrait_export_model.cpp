#include "editor/main_window/portrait_export_model.h"

#include <algorithm>
#include <cctype>
#include <exception>

#include "editor/session/file_folders.h"
#include "foundation/paths.h"
#include "portrait/bmp_writer.h"
#include "portrait/portrait.h"

namespace kelvo {
namespace {

std::string Extension(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = path.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

bool ValidReduction(int reduction) {
  return reduction == 1 || reduction == 2 || reduction == 4 || reduction == 8;
}

RgbImage WithoutAlpha(const RgbaImage& image) {
  RgbImage rgb(image.width, image.height);
  for (int32_t y = 0; y < image.height; ++y) {
    for (int32_t x = 0; x < image.width; ++x) {
      const uint8_t* p = image.At(x, y);
      rgb.At(x, y) = Rgb{p[0], p[1], p[2]};
    }
  }
  return rgb;
}

}  // namespace

std::optional<PictureFormat> PictureFormatOf(const std::string& path) {
  const std::string ext = Extension(path);
  if (ext.empty() || ext == ".png") return PictureFormat::kPng;
  if (ext == ".bmp") return PictureFormat::kBmp;
  return std::nullopt;
}

PortraitExportChoice PortraitExportModel::Proposal(const std::string& folder) const {
  if (last_) return *last_;
  PortraitExportChoice choice;
  std::string start = session_.State().Folders.Start(FileKind::Exports, folder);
  if (start.empty()) {
    choice.Path = "portrait.png";
  } else {
    while (!start.empty() && (start.back() == '\\' || start.back() == '/')) start.pop_back();
    choice.Path = start + "\\portrait.png";
  }
  return choice;
}

void PortraitExportModel::ExportPortraitClick(const std::string& folder) {
  if (dialog_ == nullptr || !session_.HasPortrait()) return;
  const std::optional<PortraitExportChoice> choice = dialog_->Execute(Proposal(folder));
  if (!choice || choice->Path.empty()) return;
  ExportTo(*choice);
}

bool PortraitExportModel::ExportTo(const PortraitExportChoice& requested) {
  EditorSession::Command cmd(session_);
  PortraitExportChoice choice = requested;
  const std::optional<PictureFormat> format = PictureFormatOf(choice.Path);
  if (!format) {
    ShowError(session_.prompter(),
              "Cannot export " + ShownName(choice.Path) + ": the name must end in .png or .bmp");
    return false;
  }
  if (Extension(choice.Path).empty()) choice.Path += ".png";
  if (!ValidReduction(choice.Reduction)) choice.Reduction = 1;
  const bool transparent = choice.Transparent && *format == PictureFormat::kPng;
  try {
    const RgbaImage picture = Picture(choice.Reduction, transparent);
    if (*format == PictureFormat::kBmp) {
      WriteBmp24(choice.Path, WithoutAlpha(picture));
    } else {
      if (port_ == nullptr) throw EditorError("Cannot write " + ShownName(choice.Path));
      port_->WritePng(ShownName(choice.Path), picture);
    }
  } catch (const std::exception& error) {
    ReportError(session_.prompter(), error);
    return false;
  }
  last_ = choice;
  session_.State().Folders.Chosen(FileKind::Exports, choice.Path);
  session_.Report("Exported " + ShownName(choice.Path));
  return true;
}

void PortraitExportModel::CopyPortraitClick() {
  if (port_ == nullptr || !session_.HasPortrait()) return;
  EditorSession::Command cmd(session_);
  const RgbaImage picture = Picture(1, false);
  port_->CopyPicture(picture);
  session_.Report("Copied the portrait to the clipboard (" + std::to_string(picture.width) + " x " +
                  std::to_string(picture.height) + ")");
}

RgbaImage PortraitExportModel::Picture(int reduction, bool transparent) {
  TKelvoPortret& portrait = session_.Portrait();
  if (!ValidReduction(reduction)) reduction = 1;
  if (!transparent) {
    if (!portrait.RenderLayer) session_.RefreshPortrait();
    const Layer& full = *portrait.RenderLayer;
    if (reduction == 1) return OpaqueRgba(full);
    auto reduced = create_layer(full.width / reduction, full.height / reduction, "Export");
    reduce_layer(reduction, full, *reduced);
    return OpaqueRgba(*reduced);
  }
  const SessionState& s = session_.State();
  // The drawing of the central redraw, so the picture is the preview's without its background;
  // positions are computed with the background still chosen.
  if (s.WithSpread.Checked) {
    portrait.ComputePositionsWithSpread();
  } else {
    portrait.ComputePositions();
  }
  const auto draw = [&s](TKelvoPortret& p) {
    if (s.OnlySelected) {
      p.RenderOnly(s.CurrentCategory);
    } else {
      p.RenderVisible();
    }
  };
  return RenderTransparentPicture(portrait, draw, reduction);
}

}  // namespace kelvo
