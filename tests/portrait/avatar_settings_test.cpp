// The avatar settings text: written from a portrait, read field by field with its faults named,
// and applied to a portrait (defaults, then only the categories the game lets players choose).
#include "portrait/avatar_settings.h"

#include <gmock/gmock.h>

#include "library/component.h"
#include "portrait/portrait_fixture.h"

namespace kelvo::test {
namespace {

using ::testing::HasSubstr;

struct FieldsRow {
  const char* text;
  int fields;
  std::vector<int> numbers;  // the first `fields` numbers
};

TEST(AvatarSettingsText, ReadsFieldsUpToTheirSemicolons) {
  const FieldsRow rows[] = {
      {"1;2;1;1;3;1;2;1;1;4;1;2;1;1;", 14, {1, 2, 1, 1, 3, 1, 2, 1, 1, 4, 1, 2, 1, 1}},
      {"", 0, {}},
      {"5;6", 2, {5, 6}},
      {" 7 ;+8;0;255;", 4, {7, 8, 0, 255}},
      {"1;2;3;4;5;6;7;8;9;10;11;12;13;14", 14, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
  };
  for (const FieldsRow& row : rows) {
    const AvatarSettings avatar = ParseAvatarSettings(row.text);
    EXPECT_EQ(avatar.Fields, row.fields) << row.text;
    for (int i = 0; i < row.fields; ++i) {
      EXPECT_EQ(avatar.Numbers[i + 1], row.numbers[static_cast<size_t>(i)])
          << row.text << " field " << i + 1;
    }
  }
}

TEST(AvatarSettingsText, AFaultNamesTheField) {
  const std::pair<const char*, const char*> rows[] = {
      {"1;x;", "AVSettings field 2 is not a whole number: \"x\""},
      {"1;;3;", "AVSettings field 2 is not a whole number: \"\""},
      {"1.5;", "AVSettings field 1 is not a whole number"},
      {"1;2;-1;", "AVSettings field 3 is out of the range 0 to 255: \"-1\""},
      {"256;", "AVSettings field 1 is out of the range 0 to 255: \"256\""},
      {"99999999999999999999999;", "AVSettings field 1 is out of the range 0 to 255"},
      {"1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;", "AVSettings has more than 14 fields"},
      {"1;1;1;1;1;1;1;1;1;1;1;1;1;1;;", "AVSettings has more than 14 fields"},
  };
  for (const auto& [text, message] : rows) {
    try {
      ParseAvatarSettings(text);
      ADD_FAILURE() << text << " was read";
    } catch (const AvatarFormatError& e) {
      EXPECT_THAT(e.what(), HasSubstr(message)) << text;
    }
  }
}

TEST(AvatarSettingsText, SexKeepsTheLowByteOfAWholeNumber) {
  EXPECT_EQ(ParseAvatarSex("0"), 0);
  EXPECT_EQ(ParseAvatarSex("1"), 1);
  EXPECT_EQ(ParseAvatarSex(" 2"), 2);
  EXPECT_EQ(ParseAvatarSex("257"), 1);
  EXPECT_EQ(ParseAvatarSex("-1"), 255);
  for (const char* bad : {"", "x", "1x", "99999999999"}) {
    EXPECT_THROW(ParseAvatarSex(bad), AvatarFormatError) << bad;
  }
  // Sex 2 is shown as male but imported as female, as the game reads it.
  EXPECT_EQ(AvatarPreviewDataSet(2), "male");
  EXPECT_EQ(AvatarImportDataSet(2), "female");
  EXPECT_EQ(AvatarPreviewDataSet(1), "female");
  EXPECT_EQ(AvatarImportDataSet(0), "male");
}

class AvatarPortrait : public PortraitFixture {
 protected:
  AvatarPortrait() {
    for (int c = 1; c <= kCategoryCount; ++c) {
      Container(c).NewComponent("second");
      Container(c).NewComponent("third");
    }
  }
  std::string NameOf(const TKelvoPortret& p, int c) const { return p.Selected[c]->Name; }
};

TEST_F(AvatarPortrait, FirstComponentsExportFourteenOnes) {
  auto portrait = MakePortrait();
  EXPECT_EQ(AvatarSettingsText(*portrait), "1;1;1;1;1;1;1;1;1;1;1;1;1;1;");
  EXPECT_EQ(AvatarSexText(*portrait), "0");
  portrait->Selected[3] = &Komp(3, 3);
  portrait->Selected[14] = nullptr;
  // A second component of the same name counts as the first.
  Komp(5, 3).Name = "none";
  portrait->Selected[5] = &Komp(5, 3);
  EXPECT_EQ(AvatarSettingsText(*portrait), "1;1;3;1;1;1;1;1;1;1;1;1;1;0;");
}

TEST_F(AvatarPortrait, OnlyTheFemaleDirectoryIsFemale) {
  TKelvoTyp female(context->Archive(), "female");
  TKelvoPortret portrait(female);
  EXPECT_EQ(AvatarSexText(portrait), "1");
  TKelvoTyp other(context->Archive(), "data\\female");
  TKelvoPortret elsewhere(other);
  EXPECT_EQ(AvatarSexText(elsewhere), "0");
}

TEST_F(AvatarPortrait, ApplyTakesTheChosenCategoriesAndTheDefaults) {
  Container(1).NewComponent("normalni");
  Container(12).NewComponent("USsol");
  Container(12).NewComponent("USsol1");
  AddColour(1, 0x111111, 0);
  AddColour(1, 0x222222, 0);
  library->ColourType(1).Selected = 2;
  Container(2).ColourSlots[1] = 1;
  Container(12).ColourSlots[1] = 10;
  auto portrait = MakePortrait();
  portrait->ExtraColour.Colour() = 0x0000FF;
  AvatarSettings avatar = ParseAvatarSettings("3;2;0;3;9;2;2;2;2;2;2;3;2;3;");
  ApplyAvatar(*portrait, avatar);
  EXPECT_EQ(NameOf(*portrait, 1), "normalni");  // not the avatar's 3
  EXPECT_EQ(NameOf(*portrait, 2), "second");
  EXPECT_EQ(NameOf(*portrait, 3), "none");  // 0 keeps
  EXPECT_EQ(NameOf(*portrait, 4), "third");
  EXPECT_EQ(NameOf(*portrait, 5), "none");  // past the list keeps
  EXPECT_EQ(NameOf(*portrait, 11), "second");
  EXPECT_EQ(NameOf(*portrait, 12), "USsol1");  // not the avatar's 3
  EXPECT_EQ(NameOf(*portrait, 13), "second");
  EXPECT_EQ(NameOf(*portrait, 14), "none");  // Foreground is never applied
  EXPECT_EQ(library->ColourType(1).Selected, 1);
  EXPECT_EQ(library->ColourType(11).Selected, 1);
  EXPECT_EQ(portrait->ColourSlots[2][1].Colour(), 0x111111);
  EXPECT_EQ(portrait->ColourSlots[12][1].Colour(), 0x0000FF);
}

TEST_F(AvatarPortrait, MissingFieldsAndMissingDefaultsKeepTheSelection) {
  Container(12).NewComponent("USsol");
  auto portrait = MakePortrait();
  ApplyAvatar(*portrait, ParseAvatarSettings("2;3;2;"));
  EXPECT_EQ(NameOf(*portrait, 1), "none");  // no "normalni" in this library
  EXPECT_EQ(NameOf(*portrait, 2), "third");
  EXPECT_EQ(NameOf(*portrait, 3), "second");
  EXPECT_EQ(NameOf(*portrait, 12), "USsol");  // without "USsol1"
  for (int c = 4; c <= 11; ++c) EXPECT_EQ(NameOf(*portrait, c), "none") << c;
  EXPECT_EQ(NameOf(*portrait, 13), "none");
}

}  // namespace
}  // namespace kelvo::test
