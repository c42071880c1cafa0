#include "gui/text_codec.h"

#include <iconv.h>

#include <array>
#include <unordered_map>

namespace kelvo {
namespace {

// The 256 code points of Windows-1250, read once from glibc iconv.
class CodePage {
 public:
  CodePage() {
    chars_.fill(U'\uFFFD');
    iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1250");
    for (int b = 0; b < 256; ++b) {
      if (b < 0x80 || cd == reinterpret_cast<iconv_t>(-1)) {
        if (b < 0x80) chars_[b] = static_cast<char32_t>(b);
      } else {
        char in = static_cast<char>(b);
        std::array<unsigned char, 8> out{};
        char* in_ptr = &in;
        char* out_ptr = reinterpret_cast<char*>(out.data());
        size_t in_left = 1;
        size_t out_left = out.size();
        if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) != static_cast<size_t>(-1) &&
            out.size() - out_left == 4) {
          chars_[b] = static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
        }
      }
      if (chars_[b] != U'\uFFFD') bytes_.emplace(chars_[b], static_cast<char>(b));
    }
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
  }

  char32_t ToChar(unsigned char b) const { return chars_[b]; }

  char ToByte(char32_t c) const {
    const auto it = bytes_.find(c);
    return it == bytes_.end() ? '?' : it->second;
  }

 private:
  std::array<char32_t, 256> chars_{};
  std::unordered_map<char32_t, char> bytes_;
};

const CodePage& Cp1250() {
  static const CodePage page;
  return page;
}

}  // namespace

QString FromAnsi(std::string_view text) {
  const CodePage& page = Cp1250();
  std::u32string chars;
  chars.reserve(text.size());
  for (char b : text) chars.push_back(page.ToChar(static_cast<unsigned char>(b)));
  return QString::fromStdU32String(chars);
}

std::string ToAnsi(const QString& text) {
  const CodePage& page = Cp1250();
  std::string out;
  for (char32_t c : text.toStdU32String()) out.push_back(page.ToByte(c));
  return out;
}

}  // namespace kelvo
