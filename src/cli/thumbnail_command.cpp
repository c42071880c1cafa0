#include "cli/commands.h"

#include <algorithm>
#include <cmath>

#include "cli/gallery_access.h"
#include "cli/image_output.h"
#include "cli/render_pipeline.h"
#include "foundation/errors.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/bmp_writer.h"
#include "portrait/portrait.h"

// After the portrait's header, whose "slots" Qt's macros would meet.
#include <QImage>

namespace kelvo::cli {

int ThumbnailWidth(int size) {
  return static_cast<int>(std::lround(size * double{kCanvasWidth} / kCanvasHeight));
}

template <>
int Command<ThumbnailOptions>::Run() {
  const std::string out = CommandLinePath(options_.out);
  // No library of this name exists, so every portrait loads the one its PAK names.
  TKelvoTyp none(context_.Archive(), "?");
  auto gallery = LoadGalleryWithImages(context_, none, options_.gallery);
  TKelvoPortret& portrait = gallery->Portrait(1);
  const RgbImage full = LayerToRgb(RenderPortraitImage(portrait, 1));

  QImage picture(full.width, full.height, QImage::Format_RGB888);
  for (int y = 0; y < full.height; ++y) {
    uchar* line = picture.scanLine(y);
    for (int x = 0; x < full.width; ++x) {
      const Rgb& p = full.At(x, y);
      line[3 * x] = p.r, line[3 * x + 1] = p.g, line[3 * x + 2] = p.b;
    }
  }
  const int width = std::max(1, ThumbnailWidth(options_.size));
  const QImage small =
      picture.scaled(width, options_.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .convertToFormat(QImage::Format_RGB888);
  if (small.isNull()) throw KelvoError("Not enough memory for the thumbnail.");
  RgbImage thumbnail(small.width(), small.height());
  for (int y = 0; y < small.height(); ++y) {
    const uchar* line = small.constScanLine(y);
    for (int x = 0; x < small.width(); ++x) {
      thumbnail.At(x, y) = Rgb{line[3 * x], line[3 * x + 1], line[3 * x + 2]};
    }
  }
  WriteOutputFile(out, EncodePng(thumbnail));
  return 0;
}

}  // namespace kelvo::cli
