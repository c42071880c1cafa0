// The one reader of whole decimal numbers typed by users or read from files and settings:
// the number must fill the text; blanks around it and a leading "+" only where the caller's
// syntax allows them ("+-5" is never a number).
#pragma once

#include <charconv>
#include <concepts>
#include <optional>
#include <string_view>
#include <system_error>

namespace kelvo {

struct WholeNumberSyntax {
  bool blanks_around = false;  // blanks, tabs and line ends before and after
  bool plus_sign = false;
};

enum class WholeNumberResult { kNumber, kNoNumber, kOutOfRange };

template <std::integral T>
WholeNumberResult ParseWholeNumber(std::string_view text, T& value, WholeNumberSyntax syntax = {}) {
  if (syntax.blanks_around) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return WholeNumberResult::kNoNumber;
    text = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
  }
  if (syntax.plus_sign && !text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return WholeNumberResult::kNoNumber;
  }
  if (text.empty()) return WholeNumberResult::kNoNumber;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ptr != end || ec == std::errc::invalid_argument) return WholeNumberResult::kNoNumber;
  return ec == std::errc() ? WholeNumberResult::kNumber : WholeNumberResult::kOutOfRange;
}

// The number, or nothing when the text is not one or it does not fit T.
template <std::integral T>
std::optional<T> WholeNumber(std::string_view text, WholeNumberSyntax syntax = {}) {
  T value{};
  if (ParseWholeNumber(text, value, syntax) != WholeNumberResult::kNumber) return std::nullopt;
  return value;
}

}  // namespace kelvo
