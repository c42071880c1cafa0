#include "library/colour_type.h"

#include "library_test_support.h"

namespace kelvo::test {
namespace {

class ColourTypeTest : public LibraryTest {
 protected:
  // Reads a record body (after "COLOR_TYPE n") from text.
  TDruhBarvy Read(const std::string& body) {
    TDruhBarvy type(4);
    KeywordFile file(Archive());
    OpenText(file, body);
    type.ReadRecord(file);
    return type;
  }
};

TEST_F(ColourTypeTest, WritesHexColoursAndOnlyPropertiesOtherThan50) {
  TDruhBarvy type(2);
  type.Name = "Skin tones";
  type.Selected = 1;
  type.DefaultEntry = 2;
  ColourEntry red = ColourEntry::WithDefaultProperties();
  red.Colour() = 255;
  red.Contrast() = 85;
  red.Frequency() = 10;
  red.Property(4) = 80;
  ColourEntry grey = ColourEntry::WithDefaultProperties();
  grey.Colour() = 8421504;
  type.Entries = {red, grey};
  EXPECT_EQ(Written([&](KeywordFile& f) { type.WriteRecord(f); }),
            "COLOR_TYPE 2 \"Skin tones\"\r\n"
            "  COUNT 2 1 2\r\n"
            "    COLOR 0000FF\r\n"
            "      KONT 85\r\n"
            "      CETN 10\r\n"
            "      VL 4 80\r\n"
            "    END_OF_COLOR\r\n"
            "    COLOR 808080\r\n"
            "      KONT 0\r\n"
            "      CETN 0\r\n"
            "    END_OF_COLOR\r\n"
            "END_OF_COLOR_TYPE\r\n");
}

TEST_F(ColourTypeTest, ReadsEntriesWithDefaultsAndKeepsSelectedUnchecked) {
  const TDruhBarvy type = Read(
      "Hair COUNT 2 5 1\n"
      " COLOR 80c0FF KONT 70 CETN 3 VL 2 10 VL 9 99 END_OF_COLOR\n"
      " COLOR ff END_OF_COLOR\n"
      "END_OF_COLOR_TYPE");
  EXPECT_EQ(type.Name, "Hair");
  ASSERT_EQ(type.EntryCount(), 2);
  EXPECT_EQ(type.Selected, 5);
  EXPECT_EQ(type.DefaultEntry, 1);
  const ColourEntry& first = type.Entry(1);
  EXPECT_EQ(first.Colour(), 0x80C0FF);
  EXPECT_EQ(first.Contrast(), 70);
  EXPECT_EQ(first.Frequency(), 3);
  EXPECT_EQ(first.Property(1), 50);
  EXPECT_EQ(first.Property(2), 10);
  EXPECT_EQ(type.Entry(2).Colour(), 255);
  EXPECT_EQ(type.Entry(2).Property(5), 50);
}

TEST_F(ColourTypeTest, EmptyCountAndRepeatedCountLines) {
  EXPECT_EQ(Read("Empty COUNT 0 0 0 END_OF_COLOR_TYPE").EntryCount(), 0);
  const TDruhBarvy type = Read(
      "Two COUNT 2 1 1 COLOR 1 END_OF_COLOR COLOR 2 END_OF_COLOR\n"
      "COUNT 3 7 2 COLOR 3 END_OF_COLOR COLOR 4 END_OF_COLOR COLOR 5 END_OF_COLOR\n"
      "END_OF_COLOR_TYPE");
  ASSERT_EQ(type.EntryCount(), 5);
  EXPECT_EQ(type.Entry(5).Colour(), 5);
  EXPECT_EQ(type.Selected, 7);
  EXPECT_EQ(type.DefaultEntry, 2);
}

TEST_F(ColourTypeTest, ReadWriteReadGivesTheSameType) {
  const TDruhBarvy type = Read(
      "\"Two words\" COUNT 2 2 0 COLOR 123456 KONT -3 CETN 100 VL 5 0 END_OF_COLOR\n"
      "COLOR FFFFFF KONT 1 END_OF_COLOR END_OF_COLOR_TYPE");
  const std::string text = Written([&](KeywordFile& f) { type.WriteRecord(f); });
  KeywordFile file(Archive());
  OpenText(file, text, "again.txt");
  ASSERT_EQ(file.ReadToken(), "COLOR_TYPE");
  TDruhBarvy again(file.ReadInt());
  again.ReadRecord(file);
  EXPECT_EQ(again, type);
}

TEST_F(ColourTypeTest, MalformedRecordsRaiseTheirTexts) {
  EXPECT_EQ(ErrorText<FatalDataError>([&] { Read("X COUNT 0 0 0 COLOUR"); }),
            "END_OF_COLOR_TYPE expected instead ofCOLOUR");
  // The other errors name the file and line themselves.
  const std::string place = "\nin " + Archive().FullName("in.txt") + ", line 1";
  EXPECT_EQ(ErrorText<KelvoError>([&] { Read("X COUNT 2 0 0 COLOR 1 END_OF_COLOR END"); }),
            "COLOR expected instead of END" + place);
  EXPECT_EQ(ErrorText<KelvoError>([&] { Read("X COUNT 1 0 0 COLOR 1 KONTRAST 3"); }),
            "END_OF_COLOR expected instead of KONTRAST" + place);
  EXPECT_EQ(ErrorText<KelvoError>([&] { Read("X COUNT 1 0 0 COLOR 1 CETN many"); }),
            "'many' is not a valid integer value" + place);
  // The end of the file is said in words, with the blank the text lacks before a token.
  EXPECT_EQ(ErrorText<FatalDataError>([&] { Read("X"); }),
            "END_OF_COLOR_TYPE expected instead of the end of the file");
}

}  // namespace
}  // namespace kelvo::test
