// Import of 24-bit bitmaps (and colour-mask bitmaps) into subcomponent images.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "archive/pak.h"
#include "archive/pak_vfs.h"
#include "foundation/errors.h"
#include "foundation/paths.h"
#include "library/subcomponent.h"

namespace kelvo {

namespace {

constexpr size_t kBitmapHeaderSize = 54;  // 14-byte file header and 40-byte info header

uint32_t U32(const std::array<uint8_t, kBitmapHeaderSize>& h, size_t at) {
  return uint32_t{h[at]} | uint32_t{h[at + 1]} << 8 | uint32_t{h[at + 2]} << 16 |
         uint32_t{h[at + 3]} << 24;
}

// One archive read handle, closed when the owner goes, also when a constructor throws.
class OpenFile {
 public:
  OpenFile(TPakVFS& files, const std::string& path) : files_(files), id_(files.FileOpen(path)) {}
  ~OpenFile() { Close(); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  int32_t Id() const { return id_; }
  bool IsOpen() const { return id_ != TPakVFS::kNoHandle; }
  void Close() {
    if (IsOpen()) files_.FileClose(id_);
    id_ = TPakVFS::kNoHandle;
  }

 private:
  TPakVFS& files_;
  int32_t id_;
};

// An open bitmap file: its header is read and checked on construction, its rows on demand.
class BitmapFile {
 public:
  BitmapFile(TPak& archive, const std::string& path)
      : files_(archive.Files()), path_(path), file_(files_, path) {
    if (!file_.IsOpen()) throw KelvoError("Failed to open " + ShownName(path));
    std::array<uint8_t, kBitmapHeaderSize> h{};
    if (files_.FileRead(file_.Id(), h) != static_cast<int32_t>(h.size())) {
      Fail("Bitmap file too short: ");
    }
    width_ = static_cast<int32_t>(U32(h, 18));
    height_ = static_cast<int32_t>(U32(h, 22));
    const uint32_t offset = U32(h, 10);
    const bool supported = h[0] == 'B' && h[1] == 'M' && U32(h, 14) == 40 &&
                           (h[28] | h[29] << 8) == 24 && U32(h, 30) == 0 &&
                           offset >= kBitmapHeaderSize && width_ > 0 && height_ > 0;
    if (!supported) Fail("Not an uncompressed bottom-up 24-bit bitmap: ");
    if (width_ > std::numeric_limits<int16_t>::max() ||
        height_ > std::numeric_limits<int16_t>::max()) {
      Fail("Bitmap too large: ");
    }
    row_size_ = (3 * static_cast<size_t>(width_) + 3) / 4 * 4;
    const auto needed = static_cast<int64_t>(offset + row_size_ * static_cast<size_t>(height_));
    if (files_.FileSize(file_.Id()) < needed)
      Fail("Bitmap file shorter than its header announces: ");
    skip_ = offset - kBitmapHeaderSize;
  }

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }

  // Every row as stored (bottom row first, padded to 4 bytes); closes the file.
  std::vector<uint8_t> ReadRows() {
    std::vector<uint8_t> skipped(skip_);
    if (!ReadFully(skipped.data(), skipped.size())) Fail("Bitmap file truncated: ");
    std::vector<uint8_t> rows(row_size_ * static_cast<size_t>(height_));
    for (size_t r = 0; r < static_cast<size_t>(height_); ++r) {
      if (!ReadFully(rows.data() + r * row_size_, row_size_)) Fail("Bitmap file truncated: ");
    }
    file_.Close();
    return rows;
  }
  // Blue, green, red of pixel (x, y), y counted from the top row.
  const uint8_t* PixelAt(const std::vector<uint8_t>& rows, int32_t x, int32_t y) const {
    return rows.data() + static_cast<size_t>(height_ - 1 - y) * row_size_ + 3 * size_t(x);
  }

 private:
  [[noreturn]] void Fail(const char* what) const { throw KelvoError(what + ShownName(path_)); }
  bool ReadFully(uint8_t* data, size_t count) {
    const auto got = files_.FileRead(file_.Id(), std::span<uint8_t>(data, count));
    return got >= 0 && static_cast<size_t>(got) == count;
  }

  TPakVFS& files_;
  std::string path_;
  OpenFile file_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  size_t row_size_ = 0;
  size_t skip_ = 0;
};

// round((luma / 255) * 63) with halves going to the even neighbour.
int32_t GreyLevel(uint8_t r, uint8_t g, uint8_t b) {
  const double v = ((0.299 * r + 0.587 * g + 0.114 * b) / 255.0) * 63.0;
  const double low = std::floor(v);
  const double fraction = v - low;
  auto level = static_cast<int32_t>(low);
  if (fraction > 0.5 || (fraction == 0.5 && level % 2 != 0)) ++level;
  return level;
}

bool High(uint8_t c) {
  return c >= 240;
}
bool Low(uint8_t c) {
  return c <= 15;
}

// Slot offset from a mask pixel: magenta slot 2, white slot 3, blue slot 4, else slot 1.
int32_t MaskOffset(const uint8_t* bgr) {
  const uint8_t b = bgr[0], g = bgr[1], r = bgr[2];
  if (!High(b)) return 0;
  if (Low(g) && High(r)) return 64;
  if (High(g) && High(r)) return 128;
  if (Low(g) && Low(r)) return 192;
  return 0;
}

}  // namespace

bool TKelvoSubKomp::ImportBitmap(TPak& archive, const std::string& bitmapPath,
                                 const std::string& maskPath) {
  BitmapFile bitmap(archive, bitmapPath);
  const int32_t w = bitmap.Width();
  const int32_t h = bitmap.Height();
  // Refused before its rows are read, whatever part of it is visible.
  if (int64_t{w} * h > kMaxImagePixels) {
    throw KelvoError("Picture 4x bigger than size of the window: " + ShownName(bitmapPath));
  }
  const std::vector<uint8_t> rows = bitmap.ReadRows();

  if (Bits == 16) {
    std::vector<uint8_t> pixels;
    pixels.reserve(2 * static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int32_t y = 0; y < h; ++y) {
      for (int32_t x = 0; x < w; ++x) {
        const uint8_t* p = bitmap.PixelAt(rows, x, y);
        const auto word = static_cast<uint16_t>((p[2] >> 3) << 11 | (p[1] >> 2) << 5 | p[0] >> 3);
        pixels.push_back(static_cast<uint8_t>(word & 0xFF));
        pixels.push_back(static_cast<uint8_t>(word >> 8));
      }
    }
    Pixels = std::move(pixels);
    Width = static_cast<int16_t>(w);
    Height = static_cast<int16_t>(h);
    UpdateOpaque();
    return true;
  }

  std::vector<uint8_t> maskRows;
  std::optional<BitmapFile> mask;
  if (!maskPath.empty()) {
    mask.emplace(archive, maskPath);
    if (mask->Width() != w || mask->Height() != h) {
      // The original's Czech text, in Windows-1250.
      throw FatalDataError("velikost barevn\xE9 masky nesouhlas\xED");
    }
    maskRows = mask->ReadRows();
  }

  std::vector<uint8_t> values(static_cast<size_t>(w) * static_cast<size_t>(h));
  int32_t left = w, right = -1, top = h, bottom = -1;
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      const uint8_t* p = bitmap.PixelAt(rows, x, y);
      const uint8_t b = p[0], g = p[1], r = p[2];
      if (g >= 240 && r <= 15 && b <= 15) continue;  // the green key
      const int32_t level = GreyLevel(r, g, b);
      int32_t value = 64;
      if (level != 0) value = level + (mask ? MaskOffset(mask->PixelAt(maskRows, x, y)) : 0);
      values[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] =
          static_cast<uint8_t>(value);
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) {
    X = -(w / 2);
    Y = -(h / 2);
    return false;
  }

  const int32_t cropWidth = right - left + 1;
  const int32_t cropHeight = bottom - top + 1;
  std::vector<uint8_t> cropped;
  cropped.reserve(static_cast<size_t>(cropWidth) * static_cast<size_t>(cropHeight));
  for (int32_t y = top; y <= bottom; ++y) {
    const auto begin = values.begin() + static_cast<std::ptrdiff_t>(y) * w + left;
    cropped.insert(cropped.end(), begin, begin + cropWidth);
  }
  X = -(w / 2) + left;
  Y = -(h / 2) + top;
  Width = static_cast<int16_t>(cropWidth);
  Height = static_cast<int16_t>(cropHeight);
  Pixels = std::move(cropped);
  Opaque = false;
  return true;
}

}  // namespace kelvo
