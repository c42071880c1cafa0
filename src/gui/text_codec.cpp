#include "gui/text_codec.h"

#include "foundation/text_encoding.h"

namespace kelvo {

QString FromAnsi(std::string_view text) {
  std::u32string chars;
  chars.reserve(text.size());
  for (char b : text) chars.push_back(AnsiToChar(static_cast<unsigned char>(b)));
  return QString::fromStdU32String(chars);
}

std::string ToAnsi(const QString& text) {
  std::string out;
  for (char32_t c : text.toStdU32String()) out.push_back(CharToAnsi(c));
  return out;
}

}  // namespace kelvo
