#include "foundation/keyword_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/pak.h"
#include "foundation/errors.h"
#include "support/param_names.h"
#include "support/test_support.h"

namespace kelvo {
namespace {

const std::string kEnd(1, '\0');

struct TokenRow {
  const char* what;
  std::string input;
  std::vector<std::string> tokens;  // then the end marker, twice
};

class ReadTokenTest : public ::testing::TestWithParam<TokenRow> {};

TEST_P(ReadTokenTest, GivesTokensThenEndMarker) {
  const TokenRow& row = GetParam();
  test::TestContext ctx;
  ctx.folder.Write("data/in.txt", row.input);
  KeywordFile file(ctx->Archive());
  file.OpenRead("in.txt");
  for (const std::string& expected : row.tokens) EXPECT_EQ(expected, file.ReadToken()) << row.what;
  EXPECT_EQ(kEnd, file.ReadToken()) << row.what;
  EXPECT_EQ(kEnd, file.ReadToken()) << row.what;
  file.Close();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadTokenTest,
    ::testing::Values(
        TokenRow{"blanks and quotes", "MALE  \"two words\"\r\nx", {"MALE", "two words", "x"}},
        TokenRow{"tabs and line breaks",
                 " \tMALE\t\"two\twords\"\n\n x\r\n",
                 {"MALE", "two words", "x"}},
        TokenRow{"ampersand quote inside quotes", "\"say &\"hi&\"\" next", {"say \"hi\"", "next"}},
        TokenRow{"trailing & joins to the next quote", "\"a&\" b\" c", {"a\" b", "c"}},
        TokenRow{"empty quotes", "\"\" x", {"", "x"}},
        TokenRow{"quote open at end of file", "a \"open to the end", {"a", "open to the end"}},
        TokenRow{"comment between tokens", "a {skip \"this\"} b", {"a", "b"}},
        TokenRow{"two comments in a row", "a {one}{two} b", {"a", "{two}", "b"}},
        TokenRow{"comment after a closing quote", "\"q\"{c} b", {"q", "{c}", "b"}},
        TokenRow{"comment inside a bare token", "AB{x}CD", {"ABCD"}},
        TokenRow{"first character brace", "{c} a", {"{c}", "a"}},
        TokenRow{"first character tab", "\tx y", {"\tx", "y"}},
        TokenRow{"first character line break", "\nx y", {"\nx", "y"}},
        TokenRow{"code 0 ends the input", std::string("a b\0c d", 7), {"a", "b"}},
        TokenRow{"quote inside a bare token", "a\"b c", {"a\"b", "c"}},
        TokenRow{"unclosed comment", "a {never closed", {"a"}},
        TokenRow{"byte 26 is an ordinary byte",
                 "a\x1A"
                 "b",
                 {"a\x1A"
                  "b"}},
        TokenRow{"empty file", "", {}}),
    test::NameBy(&TokenRow::what));

TEST(KeywordFileRead, NumbersAndTheirErrors) {
  test::TestContext ctx;
  ctx.folder.Write("data/n.txt", "-12 +7 2147483647 80C0ff 0x1F zz 12a 2147483648 FFFFFFFFF");
  KeywordFile file(ctx->Archive());
  file.OpenRead("n.txt");
  EXPECT_EQ(-12, file.ReadInt());
  EXPECT_EQ(7, file.ReadInt());
  EXPECT_EQ(2147483647, file.ReadInt());
  EXPECT_EQ(8438015, file.ReadHex());
  EXPECT_EQ(31, file.ReadHex());
  EXPECT_EQ(0, file.ReadHex());
  try {
    file.ReadInt();
    FAIL() << "12a is no integer";
  } catch (const ConversionError& e) {
    EXPECT_EQ("'12a' is not a valid integer value\nin " + ctx.folder.Dir() + "data/n.txt, line 1",
              e.what());
  }
  EXPECT_THROW(file.ReadInt(), ConversionError);                 // out of range
  EXPECT_EQ(static_cast<int32_t>(0xFFFFFFFFu), file.ReadHex());  // wraps
  EXPECT_THROW(file.ReadInt(), ConversionError);                 // the end marker
}

TEST(KeywordFileRead, MissingFileFailsWithIoErrorNamingIt) {
  test::TestContext ctx;
  KeywordFile file(ctx->Archive());
  try {
    file.OpenRead("male\\missing");
    FAIL() << "a missing file must not open";
  } catch (const IoError& e) {
    EXPECT_EQ(5, e.Code());
    // The message writes the name the way this platform does.
    EXPECT_NE(std::string(e.what()).find("data/male/missing"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(file.IsReading());
}

// The place a fatal data error names: the file the platform's way and the line of the last
// token read, counting the lines of comments and quoted text too.
TEST(KeywordFileRead, FatalErrorsNameTheFileAndTheLineOfTheLastToken) {
  test::TestContext ctx;
  ctx.folder.Write("data/male/cmp",
                   "COMPONENTS\r\n{ a comment\r\nover two lines }\r\n\"quoted\r\ntext\"\r\n"
                   "\r\n  TYP NONSENSE\r\n");
  KeywordFile file(ctx->Archive());
  file.OpenRead("male\\cmp");
  try {
    ReadLocated(file, [&] {
      for (int i = 0; i < 4; ++i) file.ReadToken();
      throw FatalDataError("Unknown TYP NONSENSE");
    });
    FAIL() << "the error must leave";
  } catch (const FatalDataError& e) {
    EXPECT_EQ(e.File(), ctx.folder.Dir() + "data/male/cmp");
    EXPECT_EQ(e.Line(), 7);
    EXPECT_EQ(FatalDataText(e), "Kelvo ERROR: Unknown TYP NONSENSE\nin " + ctx.folder.Dir() +
                                    "data/male/cmp, line 7");
  }
  // The innermost reader's place is kept; an error without one shows its text alone.
  FatalDataError error("x");
  error.SetPlace("/a/gallery.xgl", 3);
  error.SetPlace("/a/dro", 9);
  EXPECT_EQ(FatalDataText(error), "Kelvo ERROR: x\nin /a/gallery.xgl, line 3");
  EXPECT_EQ(FatalDataText(FatalDataError("y")), "Kelvo ERROR: y");
}

TEST(KeywordFileRead, TokenLinesCountEveryLineBreakInBlankRuns) {
  test::TestContext ctx;
  ctx.folder.Write("data/male/cmp", "A\n\n\t  B \r\n\r\n\n   C{x\n}\n D\n\n");
  KeywordFile file(ctx->Archive());
  file.OpenRead("male\\cmp");
  std::vector<std::pair<std::string, int>> seen;
  for (std::string t = file.ReadToken(); !KeywordFile::IsEndMarker(t); t = file.ReadToken()) {
    seen.emplace_back(t, file.TokenLine());
  }
  const std::vector<std::pair<std::string, int>> expected{{"A", 1}, {"B", 3}, {"C", 6}, {"D", 8}};
  EXPECT_EQ(expected, seen);
}

TEST(KeywordFileRead, CloseReleasesTheFileAndTheRecordIsReused) {
  test::TestContext ctx;
  ctx.folder.Write("data/a.txt", "A");
  ctx.folder.Write("data/b.txt", "B");
  KeywordFile file(ctx->Archive());
  file.OpenRead("a.txt");
  EXPECT_EQ(1u, ctx->Archive().OpenNames().size());
  file.OpenRead("b.txt");
  EXPECT_EQ("B", file.ReadToken());
  file.Close();
  EXPECT_TRUE(ctx->Archive().OpenNames().empty());
}

struct WriteRow {
  const char* what;
  void (*write)(KeywordFile&);
  std::string expected;
};

class WriteTest : public ::testing::TestWithParam<WriteRow> {};

TEST_P(WriteTest, WritesExactBytes) {
  const WriteRow& row = GetParam();
  test::TestContext ctx;
  KeywordFile file(ctx->Archive());
  file.OpenWrite("out.txt");
  row.write(file);
  file.Close();
  EXPECT_EQ(row.expected, ctx.folder.Read("data/out.txt")) << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WriteTest,
    ::testing::Values(WriteRow{"tokens and lines",
                               [](KeywordFile& f) {
                                 f.WriteToken("TYP");
                                 f.WriteToken("two words");
                                 f.WriteLine();
                                 f.WriteTokenLine("END");
                               },
                               "TYP \"two words\"\r\nEND\r\n"},
                      WriteRow{"quote inside a token", [](KeywordFile& f) { f.WriteToken("a\"b"); },
                               "\"a&\"b\""},
                      WriteRow{"empty token", [](KeywordFile& f) { f.WriteToken(""); }, "\"\""},
                      WriteRow{"braces, tabs and line breaks unchanged",
                               [](KeywordFile& f) { f.WriteToken("{x}\t\n"); }, "{x}\t\n"},
                      WriteRow{"numbers",
                               [](KeywordFile& f) {
                                 f.WriteInt(-42);
                                 f.WriteInt(0);
                                 f.WriteHex(0, 6);
                                 f.WriteHex(255, 0);
                                 f.WriteHex(0x808080, 8);
                               },
                               "-42 0 000000 FF 00808080"},
                      WriteRow{"padded number at a line start with an indent of 6",
                               [](KeywordFile& f) {
                                 f.IndentMore(6);
                                 f.WriteIntPadded(7, 4);
                                 f.WriteIntPadded(12, 4);
                                 f.WriteIntPadded(12345, 2);
                               },
                               "         7   12 12345"},
                      WriteRow{"gap and nested indents",
                               [](KeywordFile& f) {
                                 f.WriteTokenLine("A");
                                 f.IndentMore(2);
                                 f.WriteInt(1);
                                 f.WriteGap();
                                 f.WriteInt(2);
                                 f.WriteLine();
                                 f.IndentLess(2);
                                 f.WriteTokenLine("B");
                               },
                               "A\r\n  1   2\r\nB\r\n"},
                      WriteRow{"IndentLess past zero leaves no indent",
                               [](KeywordFile& f) {
                                 f.IndentMore(2);
                                 f.IndentLess(5);
                                 f.IndentMore(1);
                                 f.WriteToken("X");
                               },
                               " X"}),
    test::NameBy(&WriteRow::what));

TEST(KeywordFileWrite, QuotedTokensReadBackUnchanged) {
  test::TestContext ctx;
  const std::vector<std::string> tokens = {"", "a b", "q\"uote", "\"", "end &", "x"};
  KeywordFile file(ctx->Archive());
  file.OpenWrite("round.txt");
  for (const std::string& t : tokens) file.WriteTokenLine(t);
  file.Close();
  file.OpenRead("round.txt");
  // A value ending in & cannot be closed by its quote; everything else returns.
  EXPECT_EQ("", file.ReadToken());
  EXPECT_EQ("a b", file.ReadToken());
  EXPECT_EQ("q\"uote", file.ReadToken());
  EXPECT_EQ("\"", file.ReadToken());
  EXPECT_EQ("end \"  x  ", file.ReadToken());
  EXPECT_EQ(kEnd, file.ReadToken());
}

TEST(KeywordFileWrite, NothingReachesDiskUntilCloseAndAnAbandonedWriteKeepsTheOldFile) {
  test::TestContext ctx;
  ctx.folder.Write("data/keep.txt", "OLD");
  {
    KeywordFile file(ctx->Archive());
    file.OpenWrite("keep.txt");
    file.WriteToken("NEW");
    EXPECT_EQ("OLD", ctx.folder.Read("data/keep.txt"));
  }  // dropped without Close, as when an exception unwinds
  EXPECT_EQ("OLD", ctx.folder.Read("data/keep.txt"));
  KeywordFile file(ctx->Archive());
  file.OpenWrite("keep.txt");
  file.WriteToken("NEW");
  file.Close();
  EXPECT_EQ("NEW", ctx.folder.Read("data/keep.txt"));
}

TEST(KeywordFileWrite, AbsoluteNameIsWrittenUnchangedAndMissingFolderFails) {
  test::TestContext ctx;
  KeywordFile file(ctx->Archive());
  file.OpenWrite(ctx.folder.Dir() + "abs.txt");
  file.WriteToken("A");
  file.Close();
  EXPECT_EQ("A", ctx.folder.Read("abs.txt"));
  EXPECT_THROW(file.OpenWrite("no\\such\\folder\\x.txt"), IoError);
}

}  // namespace
}  // namespace kelvo
