#include "library/subcomponent.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

#include "archive/pak.h"
#include "foundation/errors.h"
#include "foundation/paths.h"

namespace kelvo {

namespace {

constexpr size_t kImageHeaderSize = 5;

int16_t ReadInt16(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<int16_t>(static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8)));
}

void AppendInt16(std::vector<uint8_t>& bytes, int16_t value) {
  const auto u = static_cast<uint16_t>(value);
  bytes.push_back(static_cast<uint8_t>(u & 0xFF));
  bytes.push_back(static_cast<uint8_t>(u >> 8));
}

}  // namespace

void TKelvoSubKomp::LoadImage(TPak& archive, const std::string& path) {
  std::vector<uint8_t> file = archive.LoadFileOrFail(path);
  if (file.size() < kImageHeaderSize) {
    throw KelvoError("Picture file shorter than its header: " + ShownName(path));
  }
  const uint8_t bits = file[0];
  if (bits != 8 && bits != 16) {
    throw KelvoError("Picture of colour depth " + std::to_string(bits) +
                     " (only 8 and 16 exist): " + ShownName(path));
  }
  const int16_t width = ReadInt16(file, 1);
  const int16_t height = ReadInt16(file, 3);
  const int32_t pixels = int32_t{width} * height;
  if (pixels > kMaxImagePixels) {
    throw KelvoError("Picture 4x bigger than size of the window: " + ShownName(path));
  }
  if (width < 0 || height < 0) throw KelvoError("Picture with a negative size: " + ShownName(path));
  const size_t bytes = static_cast<size_t>(pixels) * (bits / 8);
  if (file.size() - kImageHeaderSize < bytes) {
    throw KelvoError("Picture file shorter than its header announces: " + ShownName(path));
  }
  // The file's own buffer becomes the pixels: no second allocation of the image.
  file.erase(file.begin(), file.begin() + kImageHeaderSize);
  file.resize(bytes);
  Pixels = std::move(file);
  Bits = bits;
  Width = width;
  Height = height;
  UpdateOpaque();
}

namespace {

bool HasTransparentWord(const uint8_t* bytes, size_t words) {
  // Eight pixels per step in a vector the compiler maps onto the machine's registers; this
  // runs over every 16-bit image a library loads.
  static_assert(std::endian::native == std::endian::little, "pixels are stored little-endian");
  using Words = uint16_t __attribute__((vector_size(16)));
  using Mask = int16_t __attribute__((vector_size(16)));
  constexpr size_t kLanes = sizeof(Words) / sizeof(uint16_t);
  const Words key = Words{} + kTransparentKey;
  constexpr size_t kBlock = 64 * kLanes;
  size_t i = 0;
  while (i + kLanes <= words) {
    const size_t end = std::min(words - kLanes, i + kBlock);
    Mask found{};
    for (; i <= end; i += kLanes) {
      Words chunk;
      std::memcpy(&chunk, bytes + 2 * i, sizeof chunk);
      found |= chunk == key;
    }
    for (size_t lane = 0; lane < kLanes; ++lane) {
      if (found[lane] != 0) return true;
    }
  }
  for (; i < words; ++i) {
    if ((bytes[2 * i] | (bytes[2 * i + 1] << 8)) == kTransparentKey) return true;
  }
  return false;
}

}  // namespace

void TKelvoSubKomp::UpdateOpaque() {
  Opaque = false;
  if (Bits != 16 || Width < 1 || Height < 1) return;
  const size_t words = static_cast<size_t>(Width) * static_cast<size_t>(Height);
  if (Pixels.size() < 2 * words) return;
  Opaque = !HasTransparentWord(Pixels.data(), words);
}

bool TKelvoSubKomp::operator==(const TKelvoSubKomp& other) const {
  return FileName == other.FileName && X == other.X && Y == other.Y && Clip == other.Clip &&
         Pixels == other.Pixels && Width == other.Width && Height == other.Height &&
         Bits == other.Bits;
}

void TKelvoSubKomp::SaveImage(const std::string& path) const {
  if (Pixels.empty()) return;
  const size_t count = static_cast<size_t>(Width < 0 ? 0 : Width) *
                       static_cast<size_t>(Height < 0 ? 0 : Height) * (Bits == 16 ? 2 : 1);
  if (count != Pixels.size()) {
    throw KelvoError("Failed to create " + ShownName(path) +
                     ": the image size does not match its pixels");
  }
  std::vector<uint8_t> bytes;
  bytes.reserve(kImageHeaderSize + count);
  bytes.push_back(Bits);
  AppendInt16(bytes, Width);
  AppendInt16(bytes, Height);
  bytes.insert(bytes.end(), Pixels.begin(), Pixels.end());
  try {
    WriteFileAtomically(path, std::span<const uint8_t>(bytes));
  } catch (const KelvoError&) {
    throw KelvoError("Failed to create " + ShownName(path));
  }
}

}  // namespace kelvo
