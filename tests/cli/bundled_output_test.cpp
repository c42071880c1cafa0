// Image files of portraits of the bundled data sets: the one-pass encoders give the bytes of
// the encoders through 24-bit pictures, and a canvas reused across a batch the pixels of a
// fresh one.
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
#include "support/bundled_library.h"
#include "support/param_names.h"
#include "support/test_support.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

namespace kelvo::cli {
namespace {

// PNG bytes as the tool wrote them before it took a level: quality 50 through an RGB picture.
std::string QualityFiftyPng(const RgbImage& rgb) {
  QImage image(rgb.width, rgb.height, QImage::Format_RGB888);
  for (int y = 0; y < rgb.height; ++y) {
    for (int x = 0; x < rgb.width; ++x) {
      const Rgb& p = rgb.At(x, y);
      uchar* at = image.scanLine(y) + 3 * x;
      at[0] = p.r, at[1] = p.g, at[2] = p.b;
    }
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "PNG", 50));
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

using BundledOutput = test::BundledLibraryTest;

TEST_P(BundledOutput, BytesAndPixelsMatchTheReferenceEncoders) {
  RenderScratch scratch;  // shared by the whole batch, as a worker's is
  for (int i = 0; i < 6; ++i) {
    auto portrait = NextRandomPortrait(*library, context->Random(), std::nullopt);
    const int scale = i % 2 == 0 ? 1 : 4;
    const std::unique_ptr<TKelvoPortret> twin = portrait->Clone();
    const Layer& image = RenderPortraitImage(*portrait, scale, scratch);
    const Layer fresh = RenderPortraitImage(*twin, scale);
    ASSERT_EQ(fresh.pixels, image.pixels) << GetParam() << " portrait " << i;

    const RgbImage rgb = LayerToRgb(image);
    const std::vector<uint8_t> bmp = EncodeBmp24(rgb);
    EXPECT_EQ(std::string(bmp.begin(), bmp.end()), EncodeImage(image, ImageFileType::kBmp))
        << GetParam() << " portrait " << i;
    EXPECT_EQ(QualityFiftyPng(rgb), EncodeImage(image, ImageFileType::kPng, 4));
    for (int level : {0, kDefaultPngLevel, 9}) {
      const std::string png = EncodeImage(image, ImageFileType::kPng, level);
      EXPECT_EQ(EncodePng(rgb, level), png) << "level " << level;
      QImage decoded;
      ASSERT_TRUE(decoded.loadFromData(QByteArray(png.data(), static_cast<int>(png.size()))));
      for (int y = 0; y < image.height; y += 7) {
        for (int x = 0; x < image.width; x += 5) {
          const Rgb& p = rgb.At(x, y);
          ASSERT_EQ(qRgb(p.r, p.g, p.b), decoded.pixel(x, y)) << x << ", " << y;
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(DataSets, BundledOutput, ::testing::Values("male", "female", "ape"),
                         test::ParamName{});

}  // namespace
}  // namespace kelvo::cli
