#include "library/type_library.h"

#include <stdexcept>

#include "library/categories.h"
#include "library/library_registry.h"
#include "library_test_support.h"

namespace kelvo::test {
namespace {

struct LibraryFiles {
  std::string dro = "DRAWORDER END_OF_DRAWORDER";
  std::string dep = "DEPENDENCIES END_OF_DEPENDENCIES";
  std::string cmp = "COMPONENTS END_OF_COMPONENTS";
  std::string col = "COLORS END_OF_COLORS";
  std::string ani;  // none when empty
};

const char* const kFileNames[] = {"dro", "dep", "cmp", "col", "ani"};

// The minimal library with one file replaced.
LibraryFiles With(const std::string& name, const std::string& text) {
  LibraryFiles files;
  std::string* target = name == "dro"   ? &files.dro
                        : name == "dep" ? &files.dep
                        : name == "cmp" ? &files.cmp
                        : name == "col" ? &files.col
                                        : &files.ani;
  *target = text;
  return files;
}

class TypeLibraryTest : public LibraryTest {
 protected:
  void Put(const std::string& dir, const LibraryFiles& files) {
    context.folder.Write("data/" + dir + "/dro", files.dro);
    context.folder.Write("data/" + dir + "/dep", files.dep);
    context.folder.Write("data/" + dir + "/cmp", files.cmp);
    context.folder.Write("data/" + dir + "/col", files.col);
    if (!files.ani.empty()) context.folder.Write("data/" + dir + "/ani", files.ani);
  }
  std::unique_ptr<TKelvoTyp> Load(const std::string& dir) {
    auto library = std::make_unique<TKelvoTyp>(Archive(), dir);
    library->LoadAll();
    return library;
  }
  std::unique_ptr<TKelvoTyp> Load(const LibraryFiles& files) {
    Put("lib", files);
    return Load("lib");
  }
  void SaveText(TKelvoTyp& library, const std::string& dir) {
    std::filesystem::create_directories(context.folder.Path() / "data" / dir);
    library.SaveTextAs(dir);
  }
  std::string File(const std::string& dir, const std::string& name) {
    return context.folder.Read("data/" + dir + "/" + name);
  }
};

const LibraryFiles kRichLibrary{
    "DRAWORDER NORM POZADI 1 { comment } OREZ OBLICEJE 2 MASK OCI 2 COND VLASY 1 END_OF_DRAWORDER",
    "DEPENDENCIES OBLICEJE KRKY OBLICEJE OCI\n OCI OBOCI END_OF_DEPENDENCIES",
    "COMPONENTS\n"
    "TYP OBLICEJE PATH obl BODY 2 OCI VLASY BARVY 1 0 0 0 SOURCE \"old &\"x\"\n"
    "  COMP face1 CETNOST 10 PICFILE 1 f1 PICFILE 2 f1m REF 1 -10 -20 OREZAT 2\n"
    "    BODY 2 1 2 3 4 5 6 7 8 9 10  -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 END_OF_COMP\n"
    "  COMP face2 VL 5 0 BODY 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 END_OF_COMP\n"
    "END_OF_TYP\n"
    "TYP OCI PATH oci BITS 16 STIN 2 SCOLMASKOU COMP e1 CETNOST 5 END_OF_COMP\n"
    "  COMP e1b ANIMACE END_OF_COMP END_OF_TYP\n"
    "TYP VLASY PATH vla SROZESUNEM COMP \"long hair\" DRUH 2 SIG ab END_OF_COMP END_OF_TYP\n"
    "TYP OCI COMP e2 CETNOST 1 END_OF_COMP END_OF_TYP\n"
    "END_OF_COMPONENTS",
    "COLORS COLOR_TYPE 1 Skin COUNT 2 1 0 COLOR 80C0FF KONT 85 CETN 10 END_OF_COLOR\n"
    "COLOR 0x20 KONT 5 CETN 1 VL 1 0 END_OF_COLOR END_OF_COLOR_TYPE\n"
    "COLOR_TYPE 3 Eyes COUNT 0 0 0 END_OF_COLOR_TYPE END_OF_COLORS",
    "ANIMACE TYP OCI COMP e1 ANIM 2 e1b END_OF_COMP END_OF_TYP END_OF_ANIMACE"};

TEST_F(TypeLibraryTest, CategoriesAndColourTypesAreNumberedFromOne) {
  TKelvoTyp library(Archive(), "lib");
  for (int c = 1; c <= kCategoryCount; ++c) EXPECT_EQ(library.Container(c).Index, c);
  for (int n = 1; n <= kColourTypeCount; ++n) EXPECT_EQ(library.ColourType(n).Index, n);
  for (const int wrong : {0, -1, kCategoryCount + 1}) {
    EXPECT_THROW(library.Container(wrong), std::out_of_range) << wrong;
  }
  for (const int wrong : {0, kColourTypeCount + 1}) {
    EXPECT_THROW(library.ColourType(wrong), std::out_of_range) << wrong;
  }
}

TEST_F(TypeLibraryTest, ReadWriteReadGivesEqualLibrariesAndIdenticalFiles) {
  auto first = Load(kRichLibrary);
  EXPECT_EQ(first->Path, "lib\\");
  EXPECT_EQ(first->Container(kEyes).ComponentCount(), 3);
  EXPECT_EQ(first->Container(kFaces).Source, "old \"x");
  EXPECT_EQ(first->ColourType(1).Entry(2).Colour(), 0x20);
  SaveText(*first, "out1");
  auto second = Load("out1");
  EXPECT_TRUE(second->SameContent(*first));
  SaveText(*second, "out2");
  for (const char* name : kFileNames) EXPECT_EQ(File("out1", name), File("out2", name)) << name;
  EXPECT_EQ(File("out1", "dro"),
            "DRAWORDER\r\n  NORM POZADI 1\r\n  OREZ OBLICEJE 2\r\n  MASK OCI 2\r\n"
            "  COND VLASY 1\r\nEND_OF_DRAWORDER\r\n");
  EXPECT_EQ(File("out1", "dep"),
            "DEPENDENCIES\r\n  OBLICEJE KRKY\r\n  OBLICEJE OCI\r\n  OCI OBOCI\r\n"
            "END_OF_DEPENDENCIES\r\n");
}

TEST_F(TypeLibraryTest, DrawOrderLooksAtFirstLettersAndFallsBackToCategory1) {
  LibraryFiles files;
  files.dro = "DRAWORDER MASKA OCI 3 NORM XYZ 0 Cxyz VLASY 4 END_OF_DRAWORDER";
  auto library = Load(files);
  ASSERT_EQ(library->DrawOrderCount(), 3);
  EXPECT_EQ(library->DrawOrder[0], (DrawOrderEntry{kEyes, 3, 'M'}));
  EXPECT_EQ(library->DrawOrder[1], (DrawOrderEntry{kBackgrounds, 0, 'N'}));
  EXPECT_EQ(library->DrawOrder[2], (DrawOrderEntry{kHair, 4, 'C'}));
  SaveText(*library, "out");
  EXPECT_EQ(File("out", "dro"),
            "DRAWORDER\r\n  MASK OCI 3\r\n  NORM POZADI 0\r\n  COND VLASY 4\r\n"
            "END_OF_DRAWORDER\r\n");
}

TEST_F(TypeLibraryTest, DependenciesLinkParentAndDependent) {
  LibraryFiles files;
  files.dep = "DEPENDENCIES OBLICEJE KRKY END_OF_DEPENDENCIES";
  auto library = Load(files);
  EXPECT_EQ(library->Container(kFaces).Dependents, std::vector<int32_t>{kNecks});
  EXPECT_EQ(library->Container(kNecks).Parent, kFaces);
}

TEST_F(TypeLibraryTest, EmptyCategoriesGetAPlaceholderWrittenWithTheirCode) {
  auto library = Load(LibraryFiles{});
  const TKelvoKompKontejner& glasses = library->Container(kGlasses);
  ASSERT_EQ(glasses.ComponentCount(), 1);
  EXPECT_EQ(glasses.Komp(1).Name, "NONE! check color depth");
  EXPECT_EQ(glasses.Komp(1).Frequency, 100);
  SaveText(*library, "out");
  const std::string cmp = File("out", "cmp");
  EXPECT_NE(cmp.find("  TYP BRYLE\r\n    PATH bry\r\n    BITS 16\r\n    BARVY 0 0 0 0\r\n"
                     "    COMP \"NONE! check color depth\"\r\n      CETNOST 100\r\n"
                     "    END_OF_COMP\r\n  END_OF_TYP\r\n"),
            std::string::npos)
      << cmp;
}

TEST_F(TypeLibraryTest, LibraryWithoutAnimationsLoadsAndWritesFourteenEmptyRecords) {
  auto library = Load(LibraryFiles{});
  SaveText(*library, "out");
  std::string expected = "ANIMACE\r\n";
  for (int c = 1; c <= kCategoryCount; ++c) {
    expected += "  TYP " + CategoryDir(c) + "\r\n  END_OF_TYP\r\n";
  }
  EXPECT_EQ(File("out", "ani"), expected + "END_OF_ANIMACE\r\n");
  EXPECT_EQ(
      File("out", "col").substr(0, 79),
      "COLORS\r\n  COLOR_TYPE 1 \"\"\r\n    COUNT 0 0 0\r\n  END_OF_COLOR_TYPE\r\n  COLOR_TYPE 2");
}

TEST_F(TypeLibraryTest, ThreeHundredComponentsInOneCategorySurviveASave) {
  LibraryFiles files;
  files.cmp = "COMPONENTS TYP USI PATH usi";
  for (int i = 1; i <= 300; ++i) files.cmp += " COMP ear" + std::to_string(i) + " END_OF_COMP";
  files.cmp += " END_OF_TYP END_OF_COMPONENTS";
  auto library = Load(files);
  ASSERT_EQ(library->Container(kEars).ComponentCount(), 300);
  SaveText(*library, "out");
  auto again = Load("out");
  EXPECT_EQ(again->Container(kEars).Komp(300).Name, "ear300");
  EXPECT_TRUE(again->SameContent(*library));
}

TEST_F(TypeLibraryTest, WrongOpeningKeywordsRaiseExceptionsNamingTheFile) {
  struct Row {
    LibraryFiles files;
    std::string text;
  };
  const Row rows[] = {
      {With("dro", "DRAW"), "TKelvoTyp.NactiPoradiKresleni: not draworder lib/dro"},
      {With("dep", "DEP"), "TKelvoTyp.NactiZavislosti: not deps lib/dep"},
      {With("cmp", "COMPONENT"), "TKelvoTyp.NactiKomp: no components in lib/cmp, giving up"},
      {With("col", "COLOURS"), "TKelvoTyp.NactiBarvy: not colors lib/col"},
      {With("ani", "ANIM"), "TKelvoTyp.NactiAnimace: not animations lib/ani"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ErrorText<KelvoError>([&] { Load(row.files); }), row.text);
    std::filesystem::remove_all(context.folder.Path() / "data/lib");
  }
}

TEST_F(TypeLibraryTest, MalformedFilesAreFatalDataErrors) {
  struct Row {
    LibraryFiles files;
    std::string text;
  };
  const Row rows[] = {
      {With("dro", "DRAWORDER NORM OCI 1 12"), "END_OF_DRAWORDER expected instead of 12"},
      {With("dep", "DEPENDENCIES OCI Eyes END_OF_DEPENDENCIES"), "Unknown DEPENDENCY OCI:Eyes"},
      {With("dep", "DEPENDENCIES OCI"), "A name is missing at the end of the file"},
      {With("cmp", "COMPONENTS TYP BRYLE2"), "Unknown TYP BRYLE2"},
      {With("cmp", "COMPONENTS TYPE"), "END_OF_COMPONENTS expected instead of TYPE"},
      {With("cmp", "COMPONENTS"), "END_OF_COMPONENTS expected instead of the end of the file"},
      {With("col", "COLORS COLOR_TYPE 12 x"), "COLORS: Unknown COLOR type12"},
      {With("col", "COLORS COLOR_TYPE 0 x"), "COLORS: Unknown COLOR type0"},
      {With("col", "COLORS COLOR x"), "END_OF_COLORS expected instead of COLOR"},
      {With("ani", "ANIMACE TYP EYES"), "NactiAnimace: Unknown TYP EYES"},
      {With("ani", "ANIMACE END"), "END_OF_ANIMACE expected instead of END"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ErrorText<FatalDataError>([&] { Load(row.files); }), row.text);
    std::filesystem::remove_all(context.folder.Path() / "data/lib");
  }
}

// Every library file's fatal errors name that file and the line, also those a container or
// component record raises deep inside the file.
TEST_F(TypeLibraryTest, FatalDataErrorsNameTheFileAndLine) {
  struct Row {
    LibraryFiles files;
    const char* file;
    int line;
  };
  const Row rows[] = {
      {With("dro", "DRAWORDER\r\n  NORM OCI 1\r\n  12\r\n"), "dro", 3},
      {With("dep", "DEPENDENCIES\r\n\r\n  OCI Eyes\r\n"), "dep", 3},
      {With("cmp", "COMPONENTS\r\n  TYP OCI PATH oci\r\n    COMP e1\r\n      BOGUS\r\n"), "cmp", 4},
      {With("cmp",
            "COMPONENTS\r\n  TYP OCI PATH oci\r\n    COMP e1\r\n    END_OF_COMP\r\n"
            "  END_OF_TYP\r\n  TYP BRYLE2\r\n"),
       "cmp", 6},
      {With("col", "COLORS\r\n  COLOR_TYPE 12\r\n"), "col", 2},
      {With("ani", "ANIMACE\r\n  TYP EYES\r\n"), "ani", 2},
  };
  for (const Row& row : rows) {
    try {
      Load(row.files);
      ADD_FAILURE() << row.file << " loaded";
    } catch (const FatalDataError& e) {
      EXPECT_EQ(e.File(), context.folder.Dir() + "data/lib/" + row.file) << e.what();
      EXPECT_EQ(e.Line(), row.line) << row.file << ": " << e.what();
    }
    std::filesystem::remove_all(context.folder.Path() / "data/lib");
  }
}

// PATH and PICFILE names become parts of paths: one that leads out of its folder is refused
// where it is read, naming the file, the line and the name.
TEST_F(TypeLibraryTest, PathAndPicfileNamesLeadingOutOfTheirFolderAreFatal) {
  struct Row {
    std::string record;  // the TYP record on line 2
    std::string text;
  };
  const std::string parent = ": it has a \"..\" part";
  const Row rows[] = {
      {"TYP OCI PATH ..\\..\\..\\dir",
       "PATH ..\\..\\..\\dir of TYP OCI leads out of the library "
       "folder" +
           parent},
      {"TYP OCI PATH /abs",
       "PATH /abs of TYP OCI leads out of the library folder: it is an "
       "absolute name"},
      {"TYP OCI PATH oci COMP e1 PICFILE 1 ..\\..\\..\\escaped",
       "PICFILE ..\\..\\..\\escaped of COMP e1 leads out of the category folder" + parent},
      {"TYP OCI PATH oci COMP e1 PICFILE 2 C:\\x",
       "PICFILE C:\\x of COMP e1 leads out of the category folder: it starts with a drive letter"},
  };
  for (const Row& row : rows) {
    try {
      Load(With("cmp", "COMPONENTS\r\n" + row.record + "\r\n"));
      ADD_FAILURE() << row.record << " loaded";
    } catch (const FatalDataError& e) {
      EXPECT_EQ(e.what(), row.text);
      EXPECT_EQ(e.File(), context.folder.Dir() + "data/lib/cmp") << e.what();
      EXPECT_EQ(e.Line(), 2) << e.what();
    }
    std::filesystem::remove_all(context.folder.Path() / "data/lib");
  }
}

// Names with subfolders inside the category folder load and save; a name that leads out, put
// in after loading, makes every writer and the image loader refuse before touching a file.
TEST_F(TypeLibraryTest, WritersAndImageLoadsCheckTheNamesBeforeTouchingFiles) {
  LibraryFiles files;
  files.cmp =
      "COMPONENTS TYP NOSY PATH nos COMP n PICFILE 1 sub\\dir\\n.img END_OF_COMP END_OF_TYP "
      "END_OF_COMPONENTS";
  auto library = Load(files);
  context.folder.Write("data/lib/nos/sub/dir/n.img", std::string("\x08\x01\x00\x01\x00\x05", 6));
  library->LoadImages();
  SaveText(*library, DataDir("out"));
  library->SaveImagesAs(DataDir("out"));
  EXPECT_EQ(File("out", "nos/sub/dir/n.img").size(), 6u);

  const auto root = context.folder.Path();
  TKelvoKomp& nose = library->Container(kNoses).Komp(1);
  nose.Sub(1)->FileName = "..\\..\\escaped";
  for (const std::string& target : {DataDir("refused"), DataDir("out")}) {
    const std::string text = ErrorText<KelvoError>([&] { library->SaveTextAs(target); });
    EXPECT_NE(text.find("PICFILE ..\\..\\escaped of COMP n"), std::string::npos) << text;
    EXPECT_NE(ErrorText<KelvoError>([&] { library->SaveImagesAs(target); }), "");
  }
  EXPECT_FALSE(std::filesystem::exists(root / "data/refused"));
  EXPECT_FALSE(std::filesystem::exists(root / "data/escaped"));
  EXPECT_FALSE(std::filesystem::exists(root / "escaped"));
  EXPECT_EQ(File("out", "cmp").find("escaped"), std::string::npos);

  nose.Sub(1)->FileName = "n.img";
  library->Container(kNoses).ImageDir = "..\\nos";
  nose.ImagesLoaded = 0;
  EXPECT_NE(ErrorText<KelvoError>([&] { nose.LoadImages(Archive()); }).find("PATH ..\\nos"),
            std::string::npos);
  EXPECT_EQ(nose.ImagesLoaded, 0);
}

TEST_F(TypeLibraryTest, BitsOtherThan8Or16WarnsNamingFileAndValueAndCountsAs8) {
  struct Row {
    std::string bits;
    int32_t read;
    bool warned;
  };
  const Row rows[] = {{"8", 8, false}, {"16", 16, false},       {"7", 8, true},
                      {"0", 8, true},  {"2147483647", 8, true}, {"-16", 8, true}};
  for (const Row& row : rows) {
    context.sink.shown.clear();
    const auto library = Load(With("cmp", "COMPONENTS TYP OCI PATH oci BITS " + row.bits +
                                              " COMP e1 END_OF_COMP END_OF_TYP END_OF_COMPONENTS"));
    EXPECT_EQ(library->Container(kEyes).Bits, row.read) << row.bits;
    if (!row.warned) {
      EXPECT_TRUE(context.sink.shown.empty()) << row.bits;
      continue;
    }
    ASSERT_EQ(context.sink.Texts().size(), 1u) << row.bits;
    EXPECT_EQ(context.sink.Texts()[0], "Kelvo warning: lib/cmp: TYP OCI has BITS " + row.bits +
                                           ", which is neither 8 nor 16; using 8");
  }
}

TEST_F(TypeLibraryTest, MissingRequiredFileIsAnInputOutputError) {
  context.folder.Write("data/lib/dro", "DRAWORDER END_OF_DRAWORDER");
  TKelvoTyp library(Archive(), "lib");
  EXPECT_THROW(library.LoadAll(), IoError);
}

TEST_F(TypeLibraryTest, LibraryBuiltInCodeSavesAndLoadsWithImages) {
  TKelvoTyp built(Archive(), DataDir("built"));
  built.DrawOrder = {{kFaces, 1, 'N'}, {kEyes, 1, 'O'}};
  built.AddDependency(kFaces, kEyes);
  TKelvoKompKontejner& faces = built.Container(kFaces);
  faces.ImageDir = "obl";
  faces.AddPoint(kEyes);
  faces.ColourSlots[1] = 2;
  TKelvoKomp& face = faces.NewComponent("face");
  face.Frequency = 3;
  face.Points.push_back({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  TKelvoSubKomp& image = face.SetSub(1, "face.img");
  image.Bits = 8;
  image.Width = 2;
  image.Height = 2;
  image.Pixels = {0, 64, 127, 255};
  TKelvoKompKontejner& eyes = built.Container(kEyes);
  eyes.ImageDir = "oci\\deep";
  eyes.Bits = 16;
  for (const char* name : {"open", "half", "shut"}) {
    TKelvoSubKomp& eye = eyes.NewComponent(name).SetSub(1, std::string(name) + ".img");
    eye.Bits = 16;
    eye.Width = 1;
    eye.Height = 1;
    eye.Pixels = {0xE0, 0x07};
  }
  eyes.Komp(1).AddAnim("half", 1);
  eyes.Komp(1).AddAnim("shut", 2);
  ColourEntry skin = ColourEntry::WithDefaultProperties();
  skin.Colour() = 0x4080C0;
  built.ColourType(2).Name = "Skin";
  built.ColourType(2).Entries = {skin};
  built.ColourType(2).Selected = 1;
  built.AddPlaceholders();

  std::filesystem::create_directories(context.folder.Path() / "data/built");
  built.SaveTextAs(DataDir("built"));
  built.SaveImagesAs(DataDir("built"));
  EXPECT_EQ(context.folder.Read("data/built/oci/deep/shut.img").size(), 7u);

  auto loaded = Load("built");
  loaded->LoadImages();
  EXPECT_TRUE(loaded->SameContent(built));
  EXPECT_EQ(loaded->Container(kFaces).Komp(1).Sub(1)->Pixels, image.Pixels);
  EXPECT_EQ(&loaded->Container(kEyes).Komp(1).Frame(2), &loaded->Container(kEyes).Komp(3));
}

TEST_F(TypeLibraryTest, ComponentImagesLoadOnceAndThenOnlyCount) {
  LibraryFiles files;
  files.cmp =
      "COMPONENTS TYP NOSY PATH nos COMP n PICFILE 1 n.img END_OF_COMP END_OF_TYP "
      "END_OF_COMPONENTS";
  auto library = Load(files);
  context.folder.Write("data/lib/nos/n.img", std::string("\x08\x01\x00\x01\x00\x05", 6));
  TKelvoKomp& nose = library->Container(kNoses).Komp(1);
  nose.LoadImages(Archive());
  EXPECT_EQ(nose.ImagesLoaded, 1);
  EXPECT_EQ(nose.Sub(1)->Pixels, std::vector<uint8_t>{5});
  std::filesystem::remove(context.folder.Path() / "data/lib/nos/n.img");
  nose.LoadImages(Archive());
  EXPECT_EQ(nose.ImagesLoaded, 2);
}

TEST_F(TypeLibraryTest, RegistryFindsLibrariesIgnoringCaseAndOneTrailingBackslash) {
  LoadedLibraries registry;
  EXPECT_EQ(registry.FindLibrary("c:\\data\\male"), -1);
  EXPECT_EQ(registry.Add(std::make_unique<TKelvoTyp>(Archive(), "c:\\data\\female\\")), 1);
  EXPECT_EQ(registry.Add(std::make_unique<TKelvoTyp>(Archive(), "c:\\data\\male\\")), 2);
  EXPECT_EQ(registry.FindLibrary("C:\\Data\\Male"), 2);
  EXPECT_EQ(registry.FindLibrary("C:\\Data\\Male\\"), 2);
  EXPECT_EQ(registry.FindLibrary("C:\\Data\\Male\\\\"), -1);
  EXPECT_EQ(registry.Add(std::make_unique<TKelvoTyp>(Archive(), "ape")), 3);
  EXPECT_THROW(registry.Add(std::make_unique<TKelvoTyp>(Archive(), "x")), std::length_error);
  EXPECT_EQ(registry.Library(3).Path, "ape\\");
}

}  // namespace
}  // namespace kelvo::test
