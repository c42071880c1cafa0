#include "foundation/text_encoding.h"

#include <iconv.h>
#include <langinfo.h>

#include <unordered_map>

namespace kelvo {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// One byte through an open converter; false when it has no conversion.
bool ConvertByte(iconv_t cd, unsigned char byte, std::string& out) {
  char in = static_cast<char>(byte);
  std::array<char, 32> buffer{};
  char* in_ptr = &in;
  char* out_ptr = buffer.data();
  size_t in_left = 1;
  size_t out_left = buffer.size();
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<size_t>(-1)) return false;
  out.assign(buffer.data(), buffer.size() - out_left);
  return true;
}

class CodePage {
 public:
  CodePage() {
    chars_.fill(U'\uFFFD');
    iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1250");
    for (int b = 0; b < 256; ++b) {
      std::string out;
      if (b < 0x80) {
        chars_[b] = static_cast<char32_t>(b);
      } else if (cd != kNoConverter && ConvertByte(cd, static_cast<unsigned char>(b), out) &&
                 out.size() == 4) {
        const auto u = [&](int i) {
          return static_cast<char32_t>(static_cast<unsigned char>(out[i]));
        };
        chars_[b] = u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24;
      }
      if (chars_[b] != U'\uFFFD') bytes_.emplace(chars_[b], static_cast<char>(b));
    }
    if (cd != kNoConverter) iconv_close(cd);
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

char32_t AnsiToChar(unsigned char byte) {
  return Cp1250().ToChar(byte);
}

char CharToAnsi(char32_t c) {
  return Cp1250().ToByte(c);
}

AnsiEncoder::AnsiEncoder(const std::string& codeset) {
  iconv_t cd = iconv_open((codeset + "//TRANSLIT").c_str(), "WINDOWS-1250");
  for (int b = 0; b < 256; ++b) {
    std::string& out = bytes_[static_cast<size_t>(b)];
    if (b < 0x80) {
      out.assign(1, static_cast<char>(b));
    } else if (cd == kNoConverter || !ConvertByte(cd, static_cast<unsigned char>(b), out) ||
               out.empty()) {
      out = "?";
    }
  }
  if (cd != kNoConverter) iconv_close(cd);
}

std::string AnsiEncoder::Encode(std::string_view text) const {
  std::string out;
  out.reserve(text.size());
  for (char c : text) out += bytes_[static_cast<unsigned char>(c)];
  return out;
}

std::string LocaleCodeset() {
  const char* codeset = nl_langinfo(CODESET);
  return codeset != nullptr ? codeset : "";
}

}  // namespace kelvo
