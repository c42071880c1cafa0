#include "cli/image_output.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <stdexcept>

#include "foundation/paths.h"

namespace kelvo::cli {
namespace {

bool EndsWithNoCase(const std::string& text, std::string_view tail) {
  if (text.size() < tail.size()) return false;
  return std::equal(
      tail.begin(), tail.end(), text.end() - static_cast<std::ptrdiff_t>(tail.size()),
      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace

ImageFileType ImageFileTypeOf(const std::string& path) {
  if (EndsWithNoCase(path, ".bmp")) return ImageFileType::kBmp;
  if (EndsWithNoCase(path, ".png")) return ImageFileType::kPng;
  throw std::runtime_error("The output file " + path + " must end in .bmp or .png.");
}

bool HasNumberField(const std::string& pattern) {
  return pattern.find("%d") != std::string::npos;
}

std::string NumberedPath(const std::string& pattern, int number) {
  const std::string digits = std::to_string(number);
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern.compare(i, 2, "%d") == 0) {
      out += digits;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string CommandLinePath(const std::string& path) {
  if (path.empty()) return path;
  std::filesystem::path p(path);
  if (p.is_absolute()) return path;
  return (std::filesystem::current_path() / p).lexically_normal().string();
}

namespace {

// Qt takes the zlib level as a quality: level = (100 - quality) * 9 / 91.
int QualityForLevel(int level) {
  level = std::clamp(level, 0, 9);
  return 100 - (91 * level + 8) / 9;
}

void SavePng(const QImage& rgb, int level, std::string& out) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!rgb.save(&buffer, "PNG", QualityForLevel(level))) {
    throw std::runtime_error("Cannot encode the image as PNG.");
  }
  out.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QImage NewRgbImage(int width, int height) {
  if (width < 1 || height < 1) throw std::runtime_error("Cannot write an empty image.");
  QImage rgb(width, height, QImage::Format_RGB888);
  if (rgb.isNull()) throw std::runtime_error("Not enough memory for the image.");
  return rgb;
}

}  // namespace

std::string EncodePng(const RgbImage& image, int level) {
  QImage rgb = NewRgbImage(image.width, image.height);
  for (int y = 0; y < image.height; ++y) {
    uchar* line = rgb.scanLine(y);
    for (int x = 0; x < image.width; ++x) {
      const Rgb& p = image.At(x, y);
      line[3 * x] = p.r;
      line[3 * x + 1] = p.g;
      line[3 * x + 2] = p.b;
    }
  }
  std::string out;
  SavePng(rgb, level, out);
  return out;
}

void EncodePng(const Layer& layer, int level, std::string& out) {
  QImage rgb = NewRgbImage(layer.width, layer.height);
  for (int y = 0; y < layer.height; ++y) {
    uchar* line = rgb.scanLine(y);
    const std::uint16_t* row = layer.Row(y);
    for (int x = 0; x < layer.width; ++x) {
      const Rgb p = split_rgb16(row[x]);
      line[3 * x] = p.r;
      line[3 * x + 1] = p.g;
      line[3 * x + 2] = p.b;
    }
  }
  SavePng(rgb, level, out);
}

void EncodeImage(const Layer& layer, ImageFileType type, int png_level, std::string& out) {
  if (type == ImageFileType::kPng) return EncodePng(layer, png_level, out);
  EncodeBmp24(layer, out);
}

std::string EncodeImage(const Layer& layer, ImageFileType type, int png_level) {
  std::string out;
  EncodeImage(layer, type, png_level, out);
  return out;
}

void WriteOutputFile(const std::string& path, std::string_view bytes, const WriteOptions& options) {
  WriteFileAtomically(path, bytes, options);
}

void FillRect(Layer& layer, int x, int y, int w, int h, std::uint16_t colour) {
  fill_rect(layer, x, y, std::int64_t{x} + w, std::int64_t{y} + h, colour);
}

void Blit(const Layer& src, Layer& dst, int x, int y) {
  const int left = std::max(0, -x);
  const int top = std::max(0, -y);
  const int right = std::min(src.width, dst.width - x);
  const int bottom = std::min(src.height, dst.height - y);
  for (int row = top; row < bottom && left < right; ++row) {
    std::copy(src.Row(row) + left, src.Row(row) + right, dst.Row(y + row) + x + left);
  }
}

}  // namespace kelvo::cli
