// The shared whole-number reader: what each syntax accepts, and the range of the target type.
#include "foundation/whole_number.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kelvo {
namespace {

TEST(WholeNumber, AcceptsOnlyWhatTheSyntaxAllows) {
  struct Row {
    const char* text;
    WholeNumberSyntax syntax;
    WholeNumberResult result;
    std::int32_t value;
  };
  constexpr WholeNumberSyntax kPlain{};
  constexpr WholeNumberSyntax kLoose{.blanks_around = true, .plus_sign = true};
  using R = WholeNumberResult;
  const Row rows[] = {
      {"42", kPlain, R::kNumber, 42},
      {"-7", kPlain, R::kNumber, -7},
      {"+7", kPlain, R::kNoNumber, 0},
      {"+7", kLoose, R::kNumber, 7},
      {"+-7", kLoose, R::kNoNumber, 0},
      {" 12 ", kPlain, R::kNoNumber, 0},
      {" \t12\r\n", kLoose, R::kNumber, 12},
      {"", kLoose, R::kNoNumber, 0},
      {"   ", kLoose, R::kNoNumber, 0},
      {"12a", kLoose, R::kNoNumber, 0},
      {"1 2", kLoose, R::kNoNumber, 0},
      {"2147483647", kPlain, R::kNumber, 2147483647},
      {"-2147483648", kPlain, R::kNumber, INT32_MIN},
      {"2147483648", kPlain, R::kOutOfRange, 0},
      {"99999999999999999999", kLoose, R::kOutOfRange, 0},
  };
  for (const Row& row : rows) {
    std::int32_t value = 0;
    EXPECT_EQ(ParseWholeNumber(row.text, value, row.syntax), row.result) << '"' << row.text << '"';
    if (row.result == R::kNumber) {
      EXPECT_EQ(value, row.value) << row.text;
    }
    EXPECT_EQ(WholeNumber<std::int32_t>(row.text, row.syntax).has_value(),
              row.result == R::kNumber);
  }
  EXPECT_FALSE(WholeNumber<std::uint8_t>("256"));
  EXPECT_FALSE(WholeNumber<unsigned>("-1"));
}

}  // namespace
}  // namespace kelvo
