#include "foundation/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "support/param_names.h"

namespace kelvo {
namespace {

struct EncodingRow {
  const char* what;
  const char* codeset;
  std::string ansi;
  std::string encoded;
};

class AnsiEncoderTest : public testing::TestWithParam<EncodingRow> {};

TEST_P(AnsiEncoderTest, ConvertsWindows1250Text) {
  const EncodingRow& row = GetParam();
  EXPECT_EQ(row.encoded, AnsiEncoder(row.codeset).Encode(row.ansi)) << row.codeset;
}

const std::string kCzech = "velikost barevn\xE9 masky nesouhlas\xED \x8Elu\x9D";

INSTANTIATE_TEST_SUITE_P(
    Rows, AnsiEncoderTest,
    testing::Values(
        EncodingRow{"Czech to UTF-8", "UTF-8", kCzech,
                    "velikost barevn\xC3\xA9 masky nesouhlas\xC3\xAD \xC5\xBDlu\xC5\xA5"},
        EncodingRow{"Czech to ISO-8859-2", "ISO-8859-2", kCzech,
                    "velikost barevn\xE9 masky nesouhlas\xED \xAElu\xBB"},
        EncodingRow{"Czech unchanged in Windows-1250", "WINDOWS-1250", kCzech, kCzech},
        // Plain ASCII (the C locale): letters it lacks become "?".
        EncodingRow{"ASCII marks letters it lacks", "ANSI_X3.4-1968", kCzech,
                    "velikost barevn? masky nesouhlas? ?lu?"},
        // Byte 0x81 has no character in Windows-1250; an unknown codeset keeps only ASCII.
        EncodingRow{"byte 0x81 has no character", "UTF-8", "a\x81z", "a?z"},
        EncodingRow{"unknown codeset keeps ASCII only", "NO-SUCH-CODESET", "ok \xE9", "ok ?"},
        EncodingRow{"controls and NUL pass through", "UTF-8", std::string("tab\tline\r\n\0end", 14),
                    std::string("tab\tline\r\n\0end", 14)}),
    test::NameBy(&EncodingRow::what));

TEST(CodePage, MapsBytesToCharactersAndBack) {
  EXPECT_EQ(AnsiToChar(0xE9), U'\u00E9');
  EXPECT_EQ(AnsiToChar(0x8E), U'\u017D');
  EXPECT_EQ(AnsiToChar(0x81), U'\uFFFD');
  for (int b = 0; b < 256; ++b) {
    const char32_t c = AnsiToChar(static_cast<unsigned char>(b));
    if (c != U'\uFFFD') {
      EXPECT_EQ(static_cast<char>(b), CharToAnsi(c)) << b;
    }
  }
  EXPECT_EQ(CharToAnsi(U'\u4E2D'), '?');
}

}  // namespace
}  // namespace kelvo
