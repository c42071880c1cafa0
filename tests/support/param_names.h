// Name generators for parameterised tests, so that ctest lists what each row checks
// ("Rows/WriteTest.WritesExactBytes/EmptyToken") instead of a dump of the row's bytes.
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <string>
#include <string_view>

namespace kelvo::test {

// A description as one identifier: its words run together, each starting with a capital
// ("blanks and quotes" -> "BlanksAndQuotes"); every character but an ASCII letter or digit
// separates words, and a minus sign that starts a number is read as "Minus" ("x -5" -> "XMinus5",
// "ISO-8859-2" -> "ISO88592").
inline std::string CamelName(std::string_view text) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  std::string name;
  bool wordStart = true;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '-' && wordStart && i + 1 < text.size() && digit(text[i + 1])) {
      name += "Minus";
    } else if (!letter(c) && !digit(c)) {
      wordStart = true;
    } else {
      name += wordStart && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
      wordStart = false;
    }
  }
  return name;
}

// For rows that describe themselves: the generator names each row by the given member.
template <typename Row, typename Text>
auto NameBy(Text Row::*member) {
  return
      [member](const testing::TestParamInfo<Row>& info) { return CamelName(info.param.*member); };
}

// For parameters that are their own name: data set names, widths ("Width" + 7).
struct ParamName {
  std::string_view prefix;
  template <typename Param>
  std::string operator()(const testing::TestParamInfo<Param>& info) const {
    if constexpr (std::integral<Param>) {
      return CamelName(std::string(prefix) + " " + std::to_string(info.param));
    } else {
      return CamelName(std::string(prefix) + " " + std::string(std::string_view(info.param)));
    }
  }
};

}  // namespace kelvo::test
