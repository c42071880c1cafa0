// Gallery files: writing and reading back, the record layout, foreign libraries and every
// structural error, which must leave the previously loaded gallery untouched.
#include <gtest/gtest.h>

#include <string>

#include "archive/pak.h"
#include "foundation/errors.h"
#include "foundation/keyword_file.h"
#include "gallery_test_library.h"
#include "portrait/gallery.h"

namespace kelvo::test {
namespace {

class GalleryFileTest : public GalleryLibraryFixture {
 protected:
  std::unique_ptr<TKelvoGallery> MakeGallery(const std::string& path = "g.xgl") {
    return std::make_unique<TKelvoGallery>(*context, *library, "title", path);
  }

  void WriteGalleryFile(const std::string& text, const std::string& name = "g.xgl") {
    context.folder.Write("data/" + name, text);
  }

  // One record with the given component part; the PAK directory as given.
  static std::string Record(const std::string& components, const std::string& pak = "lib") {
    return "PORTRET PAK " + pak + " PORT_COMPONENTS " + components +
           " END_OF_PORT_COMPONENTS END_OF_PORTRET ";
  }
  static std::string Gallery(const std::string& records) {
    return "GALLERY " + records + "END_OF_GALLERY END";
  }

  // Loads a gallery of two portraits named "old1" and "old2" from another file.
  std::unique_ptr<TKelvoGallery> LoadedTwoPortraitGallery() {
    WriteGalleryFile(Gallery(Record("NAZEV old1") + Record("NAZEV old2")), "old.xgl");
    auto gallery = MakeGallery("old.xgl");
    gallery->Load();
    return gallery;
  }

  std::string Warnings() const {
    std::string all;
    for (const std::string& text : context.sink.Texts()) all += text + "|";
    return all;
  }
};

TEST_F(GalleryFileTest, EmptyGalleryIsWrittenAsThreeLines) {
  auto gallery = MakeGallery();
  gallery->Save("empty.xgl");
  EXPECT_EQ("GALLERY\r\nEND_OF_GALLERY\r\nEND\r\n", context.folder.Read("data/empty.xgl"));
  EXPECT_TRUE(gallery->Unchanged());
  EXPECT_FALSE(gallery->FileOpen());
}

TEST_F(GalleryFileTest, RecordLayoutIsWrittenLineByLine) {
  auto portrait = MakePortrait();
  portrait->Voice = 2;
  portrait->Name = "Anna";
  portrait->ColourSlots[1][1].Colour() = 0x808080;
  portrait->ColourSlots[1][1].Contrast() = 85;
  portrait->ColourSlots[1][2].Colour() = 0xFF;
  portrait->ColourSlots[1][4].Colour() = 0xFFFFFF;
  portrait->ColourSlots[1][4].Contrast() = 10;
  portrait->Shift[1] = {-3, 4};
  portrait->Span[1] = {5, -6};
  auto gallery = MakeGallery();
  gallery->Add(*portrait);
  gallery->Save("one.xgl");

  const std::string text = context.folder.Read("data/one.xgl");
  const std::string head =
      "GALLERY\r\n"
      "  PORTRET\r\n"
      "    PAK lib\r\n"
      "    VOICE 2\r\n"
      "    PORT_COMPONENTS\r\n"
      "      NAZEV Anna\r\n"
      "      TYP POZADI\r\n"
      "        COMP first\r\n"
      "        BARVY 808080 85 0000FF 0 000000 0 FFFFFF 10\r\n"
      "        POSUN -3 4\r\n"
      "        ROZESUN 5 -6\r\n"
      "      END_OF_TYP\r\n"
      "      TYP KRKY\r\n";
  EXPECT_EQ(head, text.substr(0, head.size()));
  const std::string tail =
      "      TYP POPREDI\r\n"
      "        COMP first\r\n"
      "        BARVY 000000 0 000000 0 000000 0 000000 0\r\n"
      "        POSUN 0 0\r\n"
      "        ROZESUN 0 0\r\n"
      "      END_OF_TYP\r\n"
      "    END_OF_PORT_COMPONENTS\r\n"
      "  END_OF_PORTRET\r\n"
      "END_OF_GALLERY\r\n"
      "END\r\n";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(tail, text.substr(text.size() - tail.size()));
  size_t blocks = 0;
  for (size_t at = text.find("TYP "); at != std::string::npos; at = text.find("TYP ", at + 1)) {
    ++blocks;
  }
  EXPECT_EQ(14u, blocks);
}

TEST_F(GalleryFileTest, PortraitsSurviveSaveAndLoad) {
  AddKomp(kEyes, "blue eyes");
  auto gallery = MakeGallery();
  struct Row {
    std::string name;
    uint8_t voice;
  };
  for (const Row& row : {Row{"", 0}, Row{"two words", 7}, Row{"say \"hi\"", 255}}) {
    auto portrait = MakePortrait();
    portrait->Name = row.name;
    portrait->Voice = row.voice;
    portrait->Selected[kEyes] = &Komp(kEyes, 2);
    portrait->ColourSlots[kEyes][3].Colour() = 0x123456;
    portrait->ColourSlots[kEyes][3].Contrast() = -7;
    portrait->ColourSlots[kEyes][3].Frequency() = 99;
    portrait->Shift[kMouths] = {1, -2};
    portrait->Span[kEyes] = {-30, 40};
    gallery->Add(*portrait);
  }
  gallery->Save("round.xgl");
  const std::string written = context.folder.Read("data/round.xgl");
  EXPECT_NE(std::string::npos, written.find("NAZEV \"two words\"\r\n"));
  EXPECT_NE(std::string::npos, written.find("NAZEV \"say &\"hi&\"\"\r\n"));
  EXPECT_NE(std::string::npos, written.find("COMP \"blue eyes\"\r\n"));
  // Voice 0 and an empty name write no lines at all.
  const std::string first = written.substr(0, written.find("END_OF_PORTRET"));
  EXPECT_EQ(std::string::npos, first.find("VOICE"));
  EXPECT_EQ(std::string::npos, first.find("NAZEV"));

  auto loaded = MakeGallery("round.xgl");
  loaded->Load();
  ASSERT_EQ(3, loaded->Count());
  for (int i = 1; i <= 3; ++i) {
    const TKelvoPortret& original = gallery->Portrait(i);
    const TKelvoPortret& read = loaded->Portrait(i);
    EXPECT_EQ(original.Name, read.Name);
    EXPECT_EQ(original.Voice, read.Voice);
    EXPECT_EQ(original.Selected, read.Selected);
    EXPECT_EQ(original.Shift, read.Shift);
    EXPECT_EQ(original.Span, read.Span);
    EXPECT_EQ(0x123456, read.ColourSlots[kEyes][3].Colour());
    EXPECT_EQ(-7, read.ColourSlots[kEyes][3].Contrast());
    EXPECT_EQ(0, read.ColourSlots[kEyes][3].Frequency());  // reading clears the frequency
    EXPECT_TRUE(read.OwnLibrary);
    EXPECT_EQ(library.get(), &read.Library());
  }
  EXPECT_TRUE(loaded->Unchanged());
  EXPECT_TRUE(context.sink.shown.empty());

  loaded->Save("again.xgl");
  EXPECT_EQ(written, context.folder.Read("data/again.xgl"));
}

TEST_F(GalleryFileTest, ReadsColoursAsHexWithAnyCase) {
  WriteGalleryFile(Gallery(Record("TYP OCI BARVY ff 1 80C0ff 2 0x1F 3 zz 4 END_OF_TYP")));
  auto gallery = MakeGallery();
  gallery->Load();
  const auto& slots = gallery->Portrait(1).ColourSlots[kEyes];
  EXPECT_EQ(0x0000FF, slots[1].Colour());
  EXPECT_EQ(0x80C0FF, slots[2].Colour());
  EXPECT_EQ(0x1F, slots[3].Colour());
  EXPECT_EQ(0, slots[4].Colour());
  EXPECT_EQ(4, slots[4].Contrast());
}

TEST_F(GalleryFileTest, SeveralGalleryBlocksBeforeEnd) {
  WriteGalleryFile("GALLERY " + Record("NAZEV a") + "END_OF_GALLERY GALLERY END_OF_GALLERY " +
                   "GALLERY " + Record("NAZEV b") + Record("NAZEV c") + "END_OF_GALLERY END");
  auto gallery = MakeGallery();
  gallery->Load();
  ASSERT_EQ(3, gallery->Count());
  EXPECT_EQ("c", gallery->Portrait(3).Name);
}

TEST_F(GalleryFileTest, UnknownCategoryBlockIsSkippedWhole) {
  AddKomp(kEyes, "second");
  AddKomp(kMouths, "second");
  // The skipped block holds tokens that would be errors inside a known block.
  WriteGalleryFile(Gallery(
      Record("TYP XYZ COMP second BARVY FOO POSUN x END_OF_PORT_COMPONENTS END_OF_TYP "
             "TYP oci COMP second END_OF_TYP TYP OCI POSUN 3 4 END_OF_TYP TYP PUSY COMP second "
             "END_OF_TYP")));
  auto gallery = MakeGallery();
  gallery->Load();
  const TKelvoPortret& portrait = gallery->Portrait(1);
  EXPECT_EQ(&Komp(kEyes, 1), portrait.Selected[kEyes]);  // "oci" is no category name
  EXPECT_EQ((Point{3, 4}), portrait.Shift[kEyes]);
  EXPECT_EQ(&Komp(kMouths, 2), portrait.Selected[kMouths]);
  for (int c = 1; c <= kCategoryCount; ++c) {
    if (c != kMouths) {
      EXPECT_EQ(&Komp(c, 1), portrait.Selected[c]) << c;
    }
  }
  EXPECT_TRUE(context.sink.shown.empty());
}

TEST_F(GalleryFileTest, UnknownComponentWarnsAndTakesTheFirst) {
  AddKomp(kNoses, "second");
  WriteGalleryFile(Gallery(Record("TYP NOSY COMP second COMP gone END_OF_TYP")));
  auto gallery = MakeGallery();
  gallery->Load();
  EXPECT_EQ(&Komp(kNoses, 1), gallery->Portrait(1).Selected[kNoses]);
  EXPECT_EQ(
      "Kelvo warning: Unknown component gone.\r\n"
      "Perhaps you try to load a gallery for other components than current.\r\n"
      "Using first component.|",
      Warnings());
}

TEST_F(GalleryFileTest, PakInOtherLetterCaseKeepsTheEditorsLibrary) {
  WriteGalleryFile(Gallery(Record("", "LIB")));
  auto gallery = MakeGallery();
  gallery->Load();
  EXPECT_EQ(library.get(), &gallery->Portrait(1).Library());
  EXPECT_TRUE(gallery->Portrait(1).OwnLibrary);
  EXPECT_EQ(0, Libraries().Count());
}

TEST_F(GalleryFileTest, ForeignLibrariesAreLoadedOnceIntoTheRegistry) {
  WriteLibraryFolder("other", {"e1", "e2"});
  WriteGalleryFile(
      Gallery(Record("TYP OCI COMP e2 END_OF_TYP", "other") + Record("", "OTHER\\") + Record("")));
  auto gallery = MakeGallery();
  gallery->Load();
  ASSERT_EQ(1, Libraries().Count());
  TKelvoTyp& other = Libraries().Library(1);
  const TKelvoPortret& first = gallery->Portrait(1);
  EXPECT_EQ(&other, &first.Library());
  EXPECT_FALSE(first.OwnLibrary);
  EXPECT_EQ(&other.Container(kEyes).Komp(2), first.Selected[kEyes]);
  EXPECT_EQ(kPlaceholderName, first.Selected[kMouths]->Name);
  EXPECT_EQ(&other, &gallery->Portrait(2).Library());  // found again, one trailing "\" ignored
  EXPECT_TRUE(gallery->Portrait(3).OwnLibrary);

  gallery->Save("out.xgl");
  const std::string text = context.folder.Read("data/out.xgl");
  EXPECT_NE(std::string::npos, text.find("PAK other\r\n"));
  EXPECT_NE(std::string::npos, text.find("PAK lib\r\n"));
}

TEST_F(GalleryFileTest, FourthForeignLibraryIsRefused) {
  for (const char* name : {"f1", "f2", "f3", "f4"}) WriteLibraryFolder(name, {"e"});
  auto gallery = LoadedTwoPortraitGallery();
  WriteGalleryFile(
      Gallery(Record("", "f1") + Record("", "f2") + Record("", "f3") + Record("", "f4")));
  gallery->SetFilePath("g.xgl");
  try {
    gallery->Load();
    FAIL() << "no error";
  } catch (const FatalDataError& error) {
    EXPECT_STREQ("KelvoPortret: facepaks count exceeded reading a portrait, expect a crash ;) ",
                 error.what());
  }
  EXPECT_EQ(3, Libraries().Count());
  ASSERT_EQ(2, gallery->Count());
  EXPECT_EQ("old1", gallery->Portrait(1).Name);
}

TEST_F(GalleryFileTest, ForeignLibraryThatFailsToLoadTakesNoSlot) {
  WriteGalleryFile(Gallery(Record("", "missing")));
  auto gallery = MakeGallery();
  EXPECT_THROW(gallery->Load(), IoError);
  EXPECT_EQ(0, Libraries().Count());
  EXPECT_FALSE(gallery->FileOpen());
}

// Malformed files: each stops with its message and leaves the loaded gallery as it was.
TEST_F(GalleryFileTest, StructuralErrorsKeepThePreviousGallery) {
  struct Row {
    std::string file;
    std::string message;
  };
  const Row rows[] = {
      {"GALLERY END_OF_GALLERY FIN", "END expected instead of FIN"},
      {"", "END expected instead of the end of the file"},
      {"GALLERY " + Record("") + "PORTRAIT", "END_OF_GALLERY expected instead of PORTRAIT"},
      {"GALLERY PORTRET lib", "KelvoPortret: PAK expected, expect a crash ;) "},
      {"GALLERY PORTRET PAK lib VOICE 1 NAZEV x",
       "KelvoPortret: PORT_COMPONENTS expected instead of NAZEV"},
      {"GALLERY PORTRET PAK lib PORT_COMPONENTS COMP a",
       "KelvoPortret: END_OF_PORT_COMPONENTS expected instead of COMP"},
      {"GALLERY PORTRET PAK lib PORT_COMPONENTS TYP OCI NAZEV a",
       "KelvoPortret: END_OF_TYP expected instead of NAZEV"},
      {"GALLERY PORTRET PAK lib PORT_COMPONENTS END_OF_PORT_COMPONENTS END_OF_GALLERY",
       "KelvoPortret: END_OF_PORTRET expected, expect a crash !"},
      // A file that ends inside a skipped block stops instead of reading on forever.
      {"GALLERY PORTRET PAK lib PORT_COMPONENTS TYP XYZ COMP a",
       "KelvoPortret: END_OF_TYP expected instead of the end of the file"},
  };
  auto gallery = LoadedTwoPortraitGallery();
  TKelvoPortret* before = &gallery->Portrait(1);
  gallery->SetFilePath("bad.xgl");
  for (const Row& row : rows) {
    WriteGalleryFile(row.file, "bad.xgl");
    try {
      gallery->Load();
      ADD_FAILURE() << "no error for " << row.file;
    } catch (const FatalDataError& error) {
      EXPECT_EQ(row.message, error.what()) << row.file;
    }
    ASSERT_EQ(2, gallery->Count()) << row.file;
    EXPECT_EQ(before, &gallery->Portrait(1));
    EXPECT_EQ("old2", gallery->Portrait(2).Name);
    EXPECT_FALSE(gallery->FileOpen());
  }
}

TEST_F(GalleryFileTest, MoreThan200PortraitsAreRefusedNamingTheFile) {
  std::string records;
  for (int i = 0; i < 200; ++i) records += Record("");
  WriteGalleryFile(Gallery(records), "full.xgl");
  WriteGalleryFile(Gallery(records + Record("")), "over.xgl");

  auto gallery = LoadedTwoPortraitGallery();
  gallery->SetFilePath("over.xgl");
  try {
    gallery->Load();
    FAIL() << "no error";
  } catch (const FatalDataError& error) {
    EXPECT_EQ("Too many portraits in gallery over.xgl, at most 200 are allowed",
              std::string(error.what()));
  }
  EXPECT_EQ(2, gallery->Count());

  gallery->SetFilePath("full.xgl");
  gallery->Load();
  EXPECT_EQ(200, gallery->Count());
}

TEST_F(GalleryFileTest, ReadPortraitExpectingTheKeyword) {
  context.folder.Write("data/p.txt", "PORTRAIT PAK lib");
  KeywordFile file(context->Archive());
  file.OpenRead("p.txt");
  auto gallery = MakeGallery();
  TKelvoPortret portrait(*library);
  try {
    gallery->ReadPortrait(file, true, portrait);
    FAIL() << "no error";
  } catch (const FatalDataError& error) {
    EXPECT_STREQ("KelvoPortret: PORTRET expected, expect a crash !", error.what());
  }
}

}  // namespace
}  // namespace kelvo::test
