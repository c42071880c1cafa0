#include "portrait/bmp_writer.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "foundation/paths.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#endif

namespace kelvo {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// Blue, green and red bytes of every 5-6-5 pixel, as split_rgb16 gives them.
struct BgrTable {
  BgrTable() {
    for (uint32_t p = 0; p < 65536; ++p) {
      const Rgb c = split_rgb16(static_cast<uint16_t>(p));
      bgr[3 * p] = c.b;
      bgr[3 * p + 1] = c.g;
      bgr[3 * p + 2] = c.r;
    }
  }
  std::array<uint8_t, 3 * 65536> bgr{};
};

// One row of 24-bit pixels from the table.
void EncodeRowFromTable(const uint16_t* src, uint32_t width, char* out) {
  static const BgrTable table;
  const uint8_t* bgr = table.bgr.data();
  for (uint32_t x = 0; x < width; ++x, out += 3) std::memcpy(out, bgr + 3 * size_t{src[x]}, 3);
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define KELVO_SSSE3_ROWS 1

// Eight pixels at a time: widened to words of blue, green and red, then packed to 24 bytes
// with byte shuffles. Each 16-byte store runs 4 bytes past its 12, into pixels still to come,
// so the last pixels of a row go through the table.
__attribute__((target("ssse3"))) void EncodeRowShuffled(const uint16_t* src, uint32_t width,
                                                        char* out) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i pack = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
  const auto bgr = [](__m128i p) {
    const __m128i b = _mm_slli_epi32(_mm_and_si128(p, _mm_set1_epi32(0x1F)), 3);
    const __m128i g = _mm_slli_epi32(_mm_and_si128(p, _mm_set1_epi32(0x7E0)), 5);
    const __m128i r = _mm_slli_epi32(_mm_and_si128(p, _mm_set1_epi32(0xF800)), 8);
    return _mm_or_si128(b, _mm_or_si128(g, r));
  };
  uint32_t x = 0;
  for (; x + 10 <= width; x += 8, out += 24) {
    const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + x));
    const __m128i low = _mm_shuffle_epi8(bgr(_mm_unpacklo_epi16(p, zero)), pack);
    const __m128i high = _mm_shuffle_epi8(bgr(_mm_unpackhi_epi16(p, zero)), pack);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), low);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 12), high);
  }
  EncodeRowFromTable(src + x, width - x, out);
}

bool ProcessorHasShuffles() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("ssse3");
}
#endif

void EncodeRow(const uint16_t* src, uint32_t width, char* out) {
#if defined(KELVO_SSSE3_ROWS)
  static const bool shuffles = ProcessorHasShuffles();
  if (shuffles) return EncodeRowShuffled(src, width, out);
#endif
  EncodeRowFromTable(src, width, out);
}

void Store32(char* at, uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<char>(v >> (8 * i));
}

}  // namespace

void EncodeBmp24(const Layer& layer, std::string& out) {
  const uint32_t width = static_cast<uint32_t>(std::max(layer.width, 0));
  const uint32_t height = static_cast<uint32_t>(std::max(layer.height, 0));
  const size_t row_size = (3 * size_t{width} + 3) / 4 * 4;
  out.resize(kBmpHeaderSize + row_size * height);
  char* p = out.data();
  std::memset(p, 0, kBmpHeaderSize);
  p[0] = 'B';
  p[1] = 'M';
  Store32(p + 2, static_cast<uint32_t>(out.size()));
  Store32(p + 10, kBmpHeaderSize);
  Store32(p + 14, 40);
  Store32(p + 18, width);
  Store32(p + 22, height);
  p[26] = 1;
  p[28] = 24;
  Store32(p + 38, 3149);
  Store32(p + 42, 3149);
  char* row = p + kBmpHeaderSize;
  for (uint32_t r = height; r-- > 0; row += row_size) {
    EncodeRow(layer.Row(static_cast<int32_t>(r)), width, row);
    std::memset(row + 3 * size_t{width}, 0, row_size - 3 * size_t{width});
  }
}

std::vector<uint8_t> EncodeBmp24(const RgbImage& image) {
  const uint32_t width = static_cast<uint32_t>(std::max(image.width, 0));
  const uint32_t height = static_cast<uint32_t>(std::max(image.height, 0));
  const size_t row_size = (3 * size_t{width} + 3) / 4 * 4;
  std::vector<uint8_t> out;
  out.reserve(kBmpHeaderSize + row_size * height);
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<uint32_t>(kBmpHeaderSize + row_size * height));
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, kBmpHeaderSize);
  Put32(out, 40);
  Put32(out, width);
  Put32(out, height);
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 3149);
  Put32(out, 3149);
  Put32(out, 0);
  Put32(out, 0);
  for (uint32_t r = height; r-- > 0;) {
    const size_t row_start = out.size();
    for (uint32_t x = 0; x < width; ++x) {
      const Rgb& p = image.At(static_cast<int32_t>(x), static_cast<int32_t>(r));
      out.push_back(p.b);
      out.push_back(p.g);
      out.push_back(p.r);
    }
    out.resize(row_start + row_size, 0);
  }
  return out;
}

void WriteBmp24(const std::string& path, const RgbImage& image) {
  WriteFileAtomically(path, EncodeBmp24(image));
}

RgbImage LayerToRgb(const Layer& layer) {
  RgbImage image(layer.width, layer.height);
  for (int32_t y = 0; y < layer.height; ++y) {
    const uint16_t* row = layer.Row(y);
    for (int32_t x = 0; x < layer.width; ++x) image.At(x, y) = split_rgb16(row[x]);
  }
  return image;
}

}  // namespace kelvo
