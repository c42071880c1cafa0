// Image files of portraits of the bundled data sets: the one-pass BMP encoder gives the bytes of
// the encoder through 24-bit pictures, every PNG the BMP's pixels, and a canvas reused across a
// batch the pixels of a fresh one.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Before Qt, whose "slots" macro the portrait's header would meet.
#include "cli/image_output.h"
#include "cli/random_portraits.h"
#include "cli/render_pipeline.h"
#include "library/type_library.h"
#include "portrait/bmp_writer.h"
#include "portrait/portrait.h"
#include "portrait/transparent_render.h"
#include "support/bundled_library.h"
#include "support/param_names.h"
#include "support/test_support.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

namespace kelvo::cli {
namespace {

QImage Decoded(const std::string& bytes, const char* format) {
  QImage image;
  image.loadFromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), format);
  return image.convertToFormat(QImage::Format_ARGB32);
}

// The size of the PNG the tool wrote before through Qt's writer, zlib level 1.
qsizetype QtLevelOnePngSize(const Layer& layer) {
  QImage image(layer.width, layer.height, QImage::Format_RGB888);
  for (int y = 0; y < layer.height; ++y) {
    for (int x = 0; x < layer.width; ++x) {
      const Rgb p = split_rgb16(layer.At(x, y));
      uchar* at = image.scanLine(y) + 3 * x;
      at[0] = p.r, at[1] = p.g, at[2] = p.b;
    }
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "PNG", 89));
  return bytes.size();
}

using BundledOutput = test::BundledLibraryTest;

// Every scale and PNG level, on a canvas the batch reuses: the PNG decodes to the BMP's pixels,
// smaller than the one of Qt's writer at level 1, and the BMP has the bytes of the encoder
// through a 24-bit picture.
TEST_P(BundledOutput, PngDecodesToTheBmpPixelsAtEveryScaleAndLevel) {
  RenderScratch scratch;  // shared by the whole batch, as a worker's is
  for (int i = 0; i < 8; ++i) {
    auto portrait = NextRandomPortrait(*library, context->Random(), std::nullopt);
    const int scale = 1 << (i % 4);
    const std::unique_ptr<TKelvoPortret> twin = portrait->Clone();
    const Layer& image = RenderPortraitImage(*portrait, scale, scratch);
    const Layer fresh = RenderPortraitImage(*twin, scale);
    ASSERT_EQ(fresh.pixels, image.pixels) << GetParam() << " portrait " << i;

    const std::vector<uint8_t> through_rgb = EncodeBmp24(LayerToRgb(image));
    const std::string bmp = EncodeImage(image, ImageFileType::kBmp);
    EXPECT_EQ(std::string(through_rgb.begin(), through_rgb.end()), bmp) << "portrait " << i;
    const QImage expected = Decoded(bmp, "BMP");
    ASSERT_EQ(expected.width(), kCanvasWidth / scale);
    for (int level : {0, kDefaultPngLevel, 6, 9}) {
      const std::string bytes = EncodeImage(image, ImageFileType::kPng, level);
      if (level == kDefaultPngLevel && scale == 1) {
        EXPECT_LT(static_cast<qsizetype>(bytes.size()), QtLevelOnePngSize(image)) << i;
      }
      const QImage png = Decoded(bytes, "PNG");
      ASSERT_FALSE(png.isNull()) << "portrait " << i << " level " << level;
      EXPECT_TRUE(png == expected)
          << GetParam() << " portrait " << i << " scale " << scale << " level " << level;
    }
  }
}

// Without the background: every fully covered pixel or block has the ordinary render's colour,
// the background's place is clear, and the RGBA PNG decodes to the same values.
TEST_P(BundledOutput, TransparentRenderMatchesTheOrdinaryOneWhereOpaque) {
  for (int i = 0; i < 4; ++i) {
    auto portrait = NextRandomPortrait(*library, context->Random(), std::nullopt);
    const int scale = i % 2 == 0 ? 1 : 4;
    const Layer ordinary = RenderPortraitImage(*portrait, scale);
    const RgbaImage clear = RenderTransparent(*portrait, scale);
    const QImage png = Decoded(EncodePng(clear), "PNG");
    ASSERT_EQ(png.width(), ordinary.width);
    int opaque = 0, transparent = 0;
    for (int y = 0; y < ordinary.height; ++y) {
      for (int x = 0; x < ordinary.width; ++x) {
        const uint8_t* p = clear.bytes.data() + (std::size_t(y) * clear.width + x) * 4;
        ASSERT_EQ(png.pixel(x, y), qRgba(p[0], p[1], p[2], p[3])) << x << ", " << y;
        if (p[3] == 0) ++transparent;
        if (p[3] != 255) continue;
        ++opaque;
        const Rgb o = split_rgb16(ordinary.At(x, y));
        ASSERT_EQ(qRgb(o.r, o.g, o.b), qRgb(p[0], p[1], p[2]))
            << GetParam() << " " << x << ", " << y;
      }
    }
    EXPECT_GT(opaque, ordinary.width * ordinary.height / 10) << GetParam() << " portrait " << i;
    EXPECT_GT(transparent, ordinary.width * ordinary.height / 10)
        << GetParam() << " portrait " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(DataSets, BundledOutput, ::testing::Values("male", "female", "ape"),
                         test::ParamName{});

}  // namespace
}  // namespace kelvo::cli
