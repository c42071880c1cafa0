#include "editor/main_window/frame_export_model.h"

#include <algorithm>
#include <exception>
#include <memory>

#include "foundation/paths.h"
#include "portrait/frame_export.h"
#include "portrait/portrait.h"

namespace kelvo {
namespace {

// Each picture as the full-size preview shows it after the central redraw.
class SessionDrawer : public FrameDrawer {
 public:
  explicit SessionDrawer(EditorSession& session)
      : session_(session),
        image_(create_layer(PreviewImages::kFullWidth, PreviewImages::kFullHeight, "FrameExport")) {
  }

  const Layer& Draw(TKelvoPortret&) override {
    session_.RefreshPortrait();
    const ImageView view = session_.Previews().View(1);
    for (int y = 0; y < std::min(view.Height, image_->height); ++y) {
      std::copy_n(view.Pixels + static_cast<size_t>(y) * view.Stride,
                  std::min(view.Width, image_->width), image_->Row(y));
    }
    return *image_;
  }

 private:
  EditorSession& session_;
  std::unique_ptr<Layer> image_;
};

}  // namespace

FileDialogRequest FrameExportModel::DialogRequest() const {
  FileDialogRequest request;
  request.Title = "Save As BMP";
  request.Filter = "Bitmaps (*.bmp)|*.bmp";
  request.DefaultExt = ".bmp";
  request.InitialDir = session_.State().Folders.Folder(FileKind::Frames);
  return request;
}

void FrameExportModel::Button6Click() {
  if (!session_.HasPortrait()) return;
  const std::optional<std::string> name = session_.prompter().SaveFile(DialogRequest());
  if (!name || name->empty()) return;
  session_.State().Folders.Chosen(FileKind::Frames, *name);
  ExportTo(*name);
}

bool FrameExportModel::ExportTo(const std::string& chosenName) {
  EditorSession::Command cmd(session_);
  state_.Written.clear();
  TKelvoPortret& portrait = session_.Portrait();
  SessionDrawer drawer(session_);
  bool complete = true;
  try {
    state_.Written = ExportFrameFiles(portrait, FrameFileBase(chosenName), drawer);
  } catch (const std::exception& error) {
    complete = false;
    ReportError(session_.prompter(), error);
  }
  // The hide boxes rule again, and the picture shows the portrait as it was.
  for (int c = 1; c <= kCategoryCount; ++c) {
    portrait.Hidden.at(c) = session_.State().Hidden.at(c);
  }
  session_.RefreshPortrait();
  const std::vector<std::string>& written = state_.Written;
  if (complete && !written.empty()) {
    const std::string first = ShownName(written.front());
    const size_t cut = first.find_last_of('/');
    const std::string folder = cut == std::string::npos ? "." : first.substr(0, cut + 1);
    const auto name = [](const std::string& file) {
      const std::string shown = ShownName(file);
      return shown.substr(shown.find_last_of('/') + 1);
    };
    session_.Report("Wrote " + std::to_string(written.size()) + " bitmaps to " + folder + " (" +
                    name(written.front()) + " to " + name(written.back()) + ")");
  }
  return complete;
}

}  // namespace kelvo
