// Helpers for the library tests: keyword text read from and written to files of a test
// context's data folder, and 24-bit bitmaps built in memory.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "archive/pak.h"
#include "foundation/errors.h"
#include "foundation/keyword_file.h"
#include "support/test_support.h"

namespace kelvo::test {

class LibraryTest : public ::testing::Test {
 protected:
  TPak& Archive() { return context->Archive(); }
  // Writes `text` to data/<name> and opens it for reading.
  void OpenText(KeywordFile& file, const std::string& text, const std::string& name = "in.txt") {
    context.folder.Write("data/" + name, text);
    file.OpenRead(name);
  }
  // Runs `write` on a keyword file open for data/out.txt and returns what it wrote.
  std::string Written(const std::function<void(KeywordFile&)>& write) {
    KeywordFile file(Archive());
    file.OpenWrite("out.txt");
    write(file);
    file.Close();
    return context.folder.Read("data/out.txt");
  }
  // The folder data/<name> as an absolute name in the program's form.
  std::string DataDir(const std::string& name) const {
    return context.folder.Dir() + "data/" + name;
  }

  TestContext context;
};

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
};

// A bottom-up 24-bit bitmap with a 40-byte info header; pixel(x, y) counts y from the top.
inline std::string MakeBitmap(int32_t w, int32_t h, const std::function<Rgb(int, int)>& pixel) {
  const int32_t rowSize = (3 * w + 3) / 4 * 4;
  std::string bytes(54, '\0');
  auto put32 = [&bytes](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, static_cast<uint32_t>(54 + rowSize * h));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(h));
  bytes[26] = 1;
  bytes[28] = 24;
  for (int32_t row = h - 1; row >= 0; --row) {
    std::string line(static_cast<size_t>(rowSize), '\0');
    for (int32_t x = 0; x < w; ++x) {
      const Rgb c = pixel(x, row);
      line[size_t(3 * x)] = static_cast<char>(c.b);
      line[size_t(3 * x + 1)] = static_cast<char>(c.g);
      line[size_t(3 * x + 2)] = static_cast<char>(c.r);
    }
    bytes += line;
  }
  return bytes;
}

inline constexpr Rgb kKeyGreen{0, 255, 0};

// Runs `action` and returns the text of the exception of type E it throws ("" if none).
template <typename E, typename F>
std::string ErrorText(F action) {
  try {
    action();
  } catch (const E& error) {
    return error.what();
  }
  return "";
}

}  // namespace kelvo::test
