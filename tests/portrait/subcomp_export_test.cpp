#include <gtest/gtest.h>

#include "portrait/bmp_writer.h"
#include "portrait_fixture.h"

namespace kelvo::test {
namespace {

class ExportSubcomp : public PortraitFixture {
 protected:
  ExportSubcomp() {
    AddColour(1, 0x0000FF, 85);
    library->ColourType(1).Selected = 1;
    for (int c = 1; c <= kCategoryCount; ++c) Container(c).ColourSlots = {1, 0, 0, 0};
    portrait = MakePortrait();
    portrait->ApplyColours();
  }
  // Windows form of a file in the test folder.
  std::string Out(const std::string& name) const { return context.folder.Dir() + "out\\" + name; }
  std::vector<std::string> Written() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(context.folder.Path() / "out"))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  std::string Bytes(const RgbImage& image) const {
    const std::vector<uint8_t> b = EncodeBmp24(image);
    return std::string(b.begin(), b.end());
  }
  void SetUp() override { std::filesystem::create_directories(context.folder.Path() / "out"); }

  std::unique_ptr<TKelvoPortret> portrait;
};

TEST_F(ExportSubcomp, ShadowOfAPairGetsBothSuffixes) {
  Container(kEyes).Usual = 2;
  Container(kEyes).Shadow = 2;
  Image8(kEyes, 2, 0, 0, 2, 1, {0, 32});
  portrait->ExportSubcompBmp(kEyes, 2, Out("a.bmp"));
  EXPECT_EQ((std::vector<std::string>{"a_p_shd.bmp"}), Written());
  RgbImage expected(2, 1);
  expected.At(0, 0) = {0, 255, 0};
  expected.At(1, 0) = split_rgb16(0xF800);
  EXPECT_EQ(Bytes(expected), context.folder.Read("out/a_p_shd.bmp"));
}

struct SuffixRow {
  int usual;
  int s;
  const char* name;
};

TEST_F(ExportSubcomp, UsualSuffixes) {
  const SuffixRow rows[] = {{1, 1, "x.bmp"},   {2, 1, "x_z.bmp"}, {2, 2, "x_p.bmp"},
                            {2, 3, "x.bmp"},   {3, 1, "x_z.bmp"}, {3, 2, "x_s.bmp"},
                            {3, 3, "x_p.bmp"}, {3, 4, "x.bmp"}};
  for (const SuffixRow& row : rows) {
    std::filesystem::remove_all(context.folder.Path() / "out");
    std::filesystem::create_directories(context.folder.Path() / "out");
    Container(kNoses).Usual = row.usual;
    Image8(kNoses, row.s, 0, 0, 1, 1, {1});
    portrait->ExportSubcompBmp(kNoses, row.s, Out("x.bmp"));
    EXPECT_EQ((std::vector<std::string>{row.name}), Written()) << row.usual << " " << row.s;
  }
}

TEST_F(ExportSubcomp, ClipMaskAndColourMaskFiles) {
  Container(kMouths).Usual = 2;
  Container(kMouths).MaskSecond = true;
  Container(kMouths).ColourMask = true;
  Image8(kMouths, 2, 0, 0, 2, 1, {0, 5});
  Image8(kMouths, 1, 0, 0, 5, 1, {0, 63, 64, 128, 255});
  portrait->ExportSubcompBmp(kMouths, 2, Out("m.bmp"));
  portrait->ExportSubcompBmp(kMouths, 1, Out("m.bmp"));
  EXPECT_EQ((std::vector<std::string>{"m_p_msk.bmp", "m_p_omsk.bmp", "m_z.bmp", "m_z_msk.bmp"}),
            Written());
  RgbImage omsk(2, 1);
  omsk.At(0, 0) = {0, 255, 0};
  omsk.At(1, 0) = {255, 0, 0};
  EXPECT_EQ(Bytes(omsk), context.folder.Read("out/m_p_omsk.bmp"));
  RgbImage msk(5, 1);
  msk.At(0, 0) = {0, 255, 0};
  msk.At(1, 0) = {0, 255, 0};
  msk.At(2, 0) = {255, 0, 255};
  msk.At(3, 0) = {255, 255, 255};
  msk.At(4, 0) = {255, 0, 0};  // slot 4 is written red
  EXPECT_EQ(Bytes(msk), context.folder.Read("out/m_z_msk.bmp"));
}

TEST_F(ExportSubcomp, SixteenBitImageAtThePathAsGiven) {
  Container(kBackgrounds).Usual = 2;
  Image16(kBackgrounds, 1, 0, 0, 3, 1, {0x0000, 0x07E0, 0xF800});
  portrait->ExportSubcompBmp(kBackgrounds, 1, Out("bg.bmp"));
  EXPECT_EQ((std::vector<std::string>{"bg.bmp"}), Written());
  RgbImage expected(3, 1);
  expected.At(0, 0) = {0, 255, 0};
  expected.At(1, 0) = {0, 255, 0};
  expected.At(2, 0) = {248, 0, 0};
  EXPECT_EQ(Bytes(expected), context.folder.Read("out/bg.bmp"));
}

TEST_F(ExportSubcomp, MissingSubcomponentWritesNothingAndBadFolderThrows) {
  portrait->ExportSubcompBmp(kNoses, 3, Out("n.bmp"));
  EXPECT_TRUE(Written().empty());
  Image8(kNoses, 1, 0, 0, 1, 1, {1});
  EXPECT_THROW(portrait->ExportSubcompBmp(kNoses, 1, Out("missing\\n.bmp")), std::exception);
}

}  // namespace
}  // namespace kelvo::test
