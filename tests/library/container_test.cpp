#include "library/container.h"

#include "library/categories.h"
#include "library_test_support.h"

namespace kelvo::test {
namespace {

class ContainerTest : public LibraryTest {
 protected:
  TKelvoKompKontejner Make(int category) {
    return TKelvoKompKontejner(category, CategoryName(category), CategoryCode(category),
                               CategoryDir(category), "lib\\");
  }
  void ReadInto(TKelvoKompKontejner& container, const std::string& body) {
    KeywordFile file(Archive());
    OpenText(file, body);
    container.ReadRecord(file, context.sink);
  }
  void ReadAnimationsInto(TKelvoKompKontejner& container, const std::string& body) {
    KeywordFile file(Archive());
    OpenText(file, body, "ani.txt");
    container.ReadAnimations(file);
  }
};

TEST_F(ContainerTest, WritesRecordWithPointsInTheirColumns) {
  TKelvoKompKontejner eyes = Make(kEyes);
  eyes.ImageDir = "oci";
  eyes.Bits = 16;
  eyes.InvertMask = true;
  eyes.Shadow = 2;
  eyes.AddPoint(kEyebrows);
  eyes.AddPoint(kGlasses);
  eyes.ColourSlots = {3, 0, 11, 0};
  TKelvoKomp& eye = eyes.NewComponent("eye one");
  eye.Frequency = 10;
  eye.Kind = 2;
  eye.Properties[3] = 70;
  eye.SetSub(1, "e1.img").X = -5;
  TKelvoSubKomp& second = eye.SetSub(3, "e3.img");
  second.Clip = true;
  second.X = 12;
  second.Y = -300;
  eye.Points = {{7, -12, 1, 2, 3, 4, 5, 6, 7, 8, 99, 99}, {-1000, 10000, 0, 0, 0, 0, 0, 0, 0, 0}};
  EXPECT_EQ(Written([&](KeywordFile& f) { eyes.WriteRecord(f); }),
            "TYP OCI\r\n"
            "  PATH oci\r\n"
            "  BITS 16\r\n"
            "  INVMSK\r\n"
            "  STIN 2\r\n"
            "  BODY 2 OBOCI BRYLE\r\n"
            "  BARVY 3 0 11 0\r\n"
            "  COMP \"eye one\"\r\n"
            "    CETNOST 10\r\n"
            "    DRUH 2\r\n"
            "    PICFILE 1 e1.img\r\n"
            "    PICFILE 3 e3.img\r\n"
            "    OREZAT 3\r\n"
            "    REF 1   -5 0\r\n"
            "    REF 3   12 -300\r\n"
            "    VL 3 70\r\n"
            "    BODY 2\r\n"
            "         7  -12     1   2   3   4     5   6   7   8\r\n"
            "      -1000 10000     0   0   0   0     0   0   0   0\r\n"
            "  END_OF_COMP\r\n"
            "END_OF_TYP\r\n");
}

TEST_F(ContainerTest, LeavesOutDefaultsAndNonPositiveKind) {
  TKelvoKompKontejner necks = Make(kNecks);
  necks.NewComponent("n").Kind = -4;
  EXPECT_EQ(Written([&](KeywordFile& f) { necks.WriteRecord(f); }),
            "TYP KRKY\r\n  PATH \"\"\r\n  BARVY 0 0 0 0\r\n"
            "  COMP n\r\n    CETNOST 0\r\n  END_OF_COMP\r\nEND_OF_TYP\r\n");
}

TEST_F(ContainerTest, ReadsKeywordsInAnyOrderAndRoundTrips) {
  TKelvoKompKontejner hair = Make(kHair);
  ReadInto(hair,
           "BARVY 1 2 3 4 SROZESUNEM BODY 1 OBLICEJE PATH vla SOURCE \"from a scan\" "
           "USUAL 2 SMASKOU SCOLMASKOU BODY 1 USI STIN 3 BITS 8\n"
           "COMP h1 CETNOST 5 ANIMACE SIG \"ab cd\" DRUH 3 VL 1 20 VL 6 1 VL 0 7 SOURCE x\n"
           "  PICFILE 2 h1_2 REF 2 4 5 OREZAT 2 PICFILE 9 lost\n"
           "  BODY 2 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 END_OF_COMP\n"
           "COMP h1 END_OF_COMP END_OF_TYP");
  EXPECT_EQ(hair.ImageDir, "vla");
  EXPECT_TRUE(hair.WithSpan && hair.MaskSecond && hair.ColourMask && !hair.InvertMask);
  EXPECT_EQ(hair.PointCategory, (std::vector<int32_t>{kFaces, kEars}));
  EXPECT_EQ(hair.PointOf[kEars], 2);
  EXPECT_EQ(hair.Usual, 2);
  EXPECT_EQ(hair.Shadow, 3);
  ASSERT_EQ(hair.ComponentCount(), 2);
  const TKelvoKomp& h1 = hair.Komp(1);
  EXPECT_TRUE(h1.IsFrame);
  EXPECT_EQ(h1.Signature, "ab cd");
  EXPECT_EQ(h1.Properties, (OneBased<int32_t, kPropertyCount>{20, 50, 50, 50, 50}));
  ASSERT_NE(h1.Sub(2), nullptr);
  EXPECT_TRUE(h1.Sub(2)->Clip);
  EXPECT_EQ(h1.Sub(2)->Y, 5);
  EXPECT_EQ(h1.Point(2).Stored10, 20);
  EXPECT_EQ(h1.Point(2).SpreadOffsetX, 0);
  EXPECT_EQ(hair.FindByName("h1"), 1);
  EXPECT_EQ(hair.FindByName("H1"), -1);

  const std::string text = Written([&](KeywordFile& f) { hair.WriteRecord(f); });
  TKelvoKompKontejner again = Make(kHair);
  KeywordFile file(Archive());
  OpenText(file, text, "again.txt");
  ASSERT_EQ(file.ReadToken(), "TYP");
  ASSERT_EQ(file.ReadToken(), "VLASY");
  again.ReadRecord(file, context.sink);
  EXPECT_TRUE(again.SameContent(hair));
}

TEST_F(ContainerTest, IgnoresLinesForMissingSubcomponents) {
  TKelvoKompKontejner faces = Make(kFaces);
  ReadInto(faces, "COMP f OREZAT 1 OREZAT 0 OREZAT 77 REF 2 1 1 REF -1 3 3 END_OF_COMP END_OF_TYP");
  for (int s = 1; s <= 4; ++s) EXPECT_EQ(faces.Komp(1).Sub(s), nullptr);
}

TEST_F(ContainerTest, MalformedRecordsAreFatalWithTheirTexts) {
  struct Row {
    const char* body;
    const char* text;
  };
  const Row rows[] = {
      {"BARVY 1 2 12 0 END_OF_TYP", "TYP: Unknown COLOR type 12"},
      {"BARVY -1 0 0 0 END_OF_TYP", "TYP: Unknown COLOR type -1"},
      {"BODY 2 OCI Eyes END_OF_TYP", "Unknown component Eyes"},
      {"PATH x COLOUR", "END_OF_TYP expected instead of COLOUR"},
      {"COMP a BODY 0 END_OF_COMP COMP b BODY 1 0 0 0 0 0 0 0 0 0 0 END_OF_COMP BODY 1 OCI",
       "Wrong number of snapping points in b"},
      {"COMP a CETNOST 1 NAME END_OF_COMP", "END_OF_COMP expected instead of NAME"},
  };
  for (const Row& row : rows) {
    TKelvoKompKontejner faces = Make(kFaces);
    EXPECT_EQ(ErrorText<FatalDataError>([&] { ReadInto(faces, row.body); }), row.text) << row.body;
  }
}

TEST_F(ContainerTest, GrowsPastTheOriginalTableSizes) {
  std::string body = "BODY 12";
  for (int i = 0; i < 12; ++i) body += " OCI";
  for (int i = 0; i < 300; ++i) body += " COMP c" + std::to_string(i) + " END_OF_COMP";
  TKelvoKompKontejner faces = Make(kFaces);
  ReadInto(faces, body + " END_OF_TYP");
  EXPECT_EQ(faces.PointCount(), 12);
  EXPECT_EQ(faces.ComponentCount(), 300);
  EXPECT_EQ(faces.Komp(300).Name, "c299");
}

TEST_F(ContainerTest, AnimationRecordsLinkFramesAndWriteOnlyLinkedComponents) {
  TKelvoKompKontejner mouths = Make(kMouths);
  for (const char* name : {"m", "m1", "m2", "x"}) mouths.NewComponent(name);
  ReadAnimationsInto(mouths,
                     "COMP m ANIM 1 m1 ANIM 4 m2 ANIM 0 nothing ANIM -2 x END_OF_COMP "
                     "COMP x END_OF_COMP END_OF_TYP");
  const TKelvoKomp& m = mouths.Komp(1);
  EXPECT_EQ(&m.Frame(1), &mouths.Komp(2));
  EXPECT_EQ(&m.Frame(4), &mouths.Komp(3));
  EXPECT_EQ(&m.Frame(2), &m);
  EXPECT_EQ(&m.Frame(0), &m);
  EXPECT_EQ(Written([&](KeywordFile& f) { mouths.WriteAnimations(f); }),
            "TYP PUSY\r\n  COMP m\r\n    ANIM 1 m1\r\n    ANIM 4 m2\r\n  END_OF_COMP\r\n"
            "END_OF_TYP\r\n");
  EXPECT_EQ(Written([&](KeywordFile& f) { Make(kNoses).WriteAnimations(f); }),
            "TYP NOSY\r\nEND_OF_TYP\r\n");
}

TEST_F(ContainerTest, AnimationRecordErrors) {
  TKelvoKompKontejner brows = Make(kEyebrows);
  brows.NewComponent("b");
  brows.NewComponent("b1");
  EXPECT_EQ(ErrorText<KelvoError>([&] { ReadAnimationsInto(brows, "COMP b ANIM 3 b1"); }),
            "TKelvoKompKontejner: NactiAnimace: too many anims");
  const std::string place = "\nin " + Archive().FullName("ani.txt") + ", line 1";
  EXPECT_EQ(ErrorText<KelvoError>([&] { ReadAnimationsInto(brows, "COMP c"); }),
            "TKelvoKompKontejner: NactiAnimace: no kompbyname c" + place);
  EXPECT_EQ(ErrorText<KelvoError>([&] { ReadAnimationsInto(brows, "COMP b ANIM 1 zz"); }),
            "TKelvoKompKontejner: NactiAnimace: no kompbyname zz" + place);
  EXPECT_EQ(ErrorText<FatalDataError>([&] { ReadAnimationsInto(brows, "COMP b FRAME"); }),
            "END_OF_COMP expected instead of FRAME");
  EXPECT_EQ(ErrorText<FatalDataError>([&] { ReadAnimationsInto(brows, "KOMP"); }),
            "END_OF_TYP expected instead of KOMP");
}

TEST_F(ContainerTest, AddAnimDelAnimAndFindByNameTakeTheFirstMatch) {
  TKelvoKompKontejner eyes = Make(kEyes);
  TKelvoKomp& eye = eyes.NewComponent("e");
  eyes.NewComponent("twin");
  eyes.NewComponent("twin");
  EXPECT_EQ(eyes.FindByName("twin"), 2);
  eye.AddAnim("twin", 4);
  EXPECT_EQ(&eye.Frame(4), &eyes.Komp(2));
  eye.DelAnim(4);
  EXPECT_EQ(&eye.Frame(4), &eye);
  for (int32_t n : {0, 5}) {
    EXPECT_EQ(ErrorText<KelvoError>([&] { eye.AddAnim("twin", n); }),
              "TKelvoKomp.DelAnim: anim pos out of range");
    EXPECT_EQ(ErrorText<KelvoError>([&] { eye.DelAnim(n); }),
              "TKelvoKomp.DelAnim: anim pos out of range");
  }
  EXPECT_EQ(ErrorText<KelvoError>([&] { eye.AddAnim("none", 1); }),
            "TKelvoKomp.AddAnim: no kompbyname none");
}

}  // namespace
}  // namespace kelvo::test
