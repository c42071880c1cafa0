// The avatar exchange over the editor session with an in-memory store and the game's folders in
// a temporary program folder: the mod and profile lists, the stored avatar's preview, export,
// import into the avatar's data set and the faults of stored values.
#include "editor/windows/avatar_model.h"

#include <gmock/gmock.h>
#include <sys/stat.h>

#include "editor/editor_test_support.h"
#include "editor/windows/avatar_folders.h"
#include "editor/windows/gallery_document.h"
#include "portrait/gallery.h"

namespace kelvo::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr std::uint16_t kMaleBackground = 0x001F;
constexpr std::uint16_t kFemaleBackground = 0xF800;

class AvatarModelTest : public EditorFixture {
 protected:
  void SetUp() override {
    WriteWindowLibrary(dir / "data" / "male");
    WriteWindowLibrary(dir / "data" / "female");
    WriteImage(dir / "data" / "female" / "poz" / "bg.img", 16, 40, 40, kFemaleBackground);
    Start();
    avatar = std::make_unique<AvatarExchangeModel>(model->Session(), store, [this] { ++checks; });
  }
  void TearDown() override { avatar.reset(); }

  void Folder(const std::string& relative) { fs::create_directories(dir / relative); }
  static std::string Key(const std::string& mod, const std::string& profile) {
    return *AvatarKeyPath(mod, profile);
  }
  void Store(const std::string& settings, const std::string& sex,
             const std::string& key = Key("normal", "Anna")) {
    store.WriteTexts(key, {{"AVSettings", settings}, {"AVSex", sex}});
  }
  // Opens the dialog on mod "normal", profile "Anna".
  void Show() {
    Folder("UserProfiles/normal/Anna");
    avatar->FormShow();
    ASSERT_EQ(avatar->State().Profile, 0);
  }
  std::string LastMessage() const {
    return prompter.messages.empty() ? "" : prompter.messages.back().Text;
  }
  std::string Selected(int category) { return model->Portrait().Selected[category]->Name; }

  MemoryKeyStore store;
  int checks = 0;
  std::unique_ptr<AvatarExchangeModel> avatar;
};

TEST_F(AvatarModelTest, ModsAreNormalThenThePlainFoldersByName) {
  EXPECT_THAT(ListAvatarMods((dir / "Mods").string()), ElementsAre("normal"));  // no "Mods"
  Folder("Mods/zeta");
  Folder("Mods/Alpha");
  Folder("Mods/my mod");
  Folder("Mods/.hidden");
  Folder("Mods/normal");
  Folder("Mods/closed");
  ::chmod((dir / "Mods/closed").c_str(), 0);
  WriteText(dir / "Mods/file.txt", "not a folder");
  fs::create_directory_symlink(dir / "Mods/zeta", dir / "Mods/link");
  EXPECT_THAT(ListAvatarMods((dir / "Mods").string()),
              ElementsAre("normal", "Alpha", "my mod", "zeta"));

  Folder("UserProfiles/zeta/Bob");
  Folder("UserProfiles/zeta/.secret");
  Folder("UserProfiles/zeta/Ann");
  avatar->FormShow();
  EXPECT_THAT(avatar->State().Mods, ElementsAre("normal", "Alpha", "my mod", "zeta"));
  EXPECT_EQ(avatar->State().Mod, 0);
  EXPECT_TRUE(avatar->State().Profiles.empty());
  EXPECT_FALSE(avatar->State().ExportEnabled);
  avatar->ModComboChange(3);
  EXPECT_THAT(avatar->State().Profiles, ElementsAre("Ann", "Bob"));
  EXPECT_EQ(avatar->State().Profile, 0);
  EXPECT_TRUE(avatar->State().ExportEnabled);
  ::chmod((dir / "Mods/closed").c_str(), 0755);  // so the folder can be removed
}

TEST_F(AvatarModelTest, KeyNamesThatWouldLeaveTheSettingsPathAreRefused) {
  EXPECT_EQ(AvatarKeyPath("normal", "Anna"), "Software\\Nerab\\Grimvale\\normal\\Anna");
  EXPECT_EQ(AvatarKeyPath("my mod", "J\xC3\xA1n"), "Software\\Nerab\\Grimvale\\my mod\\J\xC3\xA1n");
  for (const char* bad : {"", ".", "..", "a/b", "a\\b", "tab\there", "bad\xE1utf8"}) {
    EXPECT_FALSE(AvatarKeyPath("normal", bad)) << bad;
    EXPECT_FALSE(AvatarKeyPath(bad, "Anna")) << bad;
  }
  EXPECT_TRUE(ListAvatarProfiles((dir / "UserProfiles").string(), "..").empty());

  // A profile folder whose name no key can take: nothing is read, export says why.
  Folder("UserProfiles/normal/back\\slash");
  avatar->FormShow();
  ASSERT_THAT(avatar->State().Profiles, ElementsAre("back\\slash"));
  EXPECT_FALSE(avatar->State().AvatarShown);
  avatar->ExportButtonClick();
  EXPECT_THAT(LastMessage(), HasSubstr("a settings key cannot take that name"));
}

TEST_F(AvatarModelTest, FirstComponentsExportFourteenOnesAndShowAtOnce) {
  Show();
  EXPECT_FALSE(avatar->State().AvatarShown);  // nothing stored yet
  EXPECT_FALSE(avatar->State().ImportEnabled);
  for (int c = 1; c <= kCategoryCount; ++c) {
    model->Portrait().Selected[c] = &Lib().Container(c).Komp(1);
  }
  model->RefreshPortrait();
  avatar->ExportButtonClick();
  const std::string key = Key("normal", "Anna");
  EXPECT_EQ(store.ReadText(key, "AVSettings"), "1;1;1;1;1;1;1;1;1;1;1;1;1;1;");
  EXPECT_EQ(store.ReadText(key, "AVSex"), "0");  // "lib", not "female"
  EXPECT_TRUE(avatar->State().AvatarShown);
  EXPECT_TRUE(avatar->State().ImportEnabled);
  EXPECT_EQ(avatar->State().Avatar.Fields, 14);
  EXPECT_TRUE(prompter.messages.empty()) << LastMessage();

  // From the female data set the flag is 1.
  model->Session().LoadDataSet("female");
  avatar->ExportButtonClick();
  EXPECT_EQ(store.ReadText(key, "AVSex"), "1");
  EXPECT_EQ(avatar->State().Avatar.Sex, 1);
  EXPECT_EQ(avatar->AvatarPicture().At(0, 0), kFemaleBackground);
}

TEST_F(AvatarModelTest, TheEditorPictureIsTheRenderingReducedByFour) {
  Show();
  const ImageView current = avatar->CurrentPicture();
  ASSERT_EQ(current.Width, 80);
  ASSERT_EQ(current.Height, 100);
  Layer expected = *create_layer(80, 100);
  reduce_layer(4, *model->Portrait().RenderLayer, expected);
  for (int y = 0; y < 100; y += 7) {
    for (int x = 0; x < 80; x += 5) ASSERT_EQ(current.At(x, y), expected.At(x, y)) << x << "," << y;
  }
}

TEST_F(AvatarModelTest, SexTwoPreviewsWithMaleAndImportsIntoFemale) {
  Store("2;2;1;", "2");
  Show();
  ASSERT_TRUE(avatar->State().AvatarShown) << LastMessage();
  EXPECT_EQ(avatar->AvatarPicture().At(0, 0), kMaleBackground);
  EXPECT_EQ(avatar->State().Avatar.Sex, 2);
  Store("2;2;1;", "1");
  avatar->GetAvatarInfo();
  EXPECT_EQ(avatar->AvatarPicture().At(0, 0), kFemaleBackground);

  Store("2;2;1;", "2");
  avatar->GetAvatarInfo();
  avatar->ImportButtonClick();
  EXPECT_EQ(model->Session().State().DataSetDir, "female");
  // The avatar's settings are the new data set's first step (its colours are library data).
  EXPECT_EQ(model->Session().State().Caption, "KelvoEd - female *");
  EXPECT_EQ(checks, 1);
  EXPECT_EQ(Selected(1), "normalni");
  EXPECT_EQ(Selected(2), Lib().Container(2).Komp(1).Name);  // a list of one: 2 is past it
  EXPECT_EQ(Selected(kFaces), "f1");
  ASSERT_EQ(model->Undo().Size(), 1u);
  EXPECT_EQ(model->Undo().Step(0).Name(), "Import avatar");
  // The editor's picture follows the import.
  Layer expected = *create_layer(80, 100);
  reduce_layer(4, *model->Portrait().RenderLayer, expected);
  EXPECT_EQ(avatar->CurrentPicture().At(40, 50), expected.At(40, 50));
}

TEST_F(AvatarModelTest, ImportLeavesMissingAndUnappliedCategoriesAlone) {
  Store("1;1;2;1;1;1;1;1;1;2;", "0");  // ten fields: Beards, Glasses never mentioned
  Show();
  ASSERT_TRUE(avatar->State().AvatarShown) << LastMessage();
  EXPECT_EQ(avatar->State().Avatar.Fields, 10);
  avatar->ImportButtonClick();
  EXPECT_EQ(model->Session().State().DataSetDir, "male");
  EXPECT_EQ(Selected(kFaces), "f2");
  EXPECT_EQ(Selected(10), "h2");
  EXPECT_EQ(Selected(1), "normalni");

  // A number past the list keeps the category as the new random portrait has it.
  Store("1;1;9;1;1;1;1;1;1;1;1;1;1;1;", "0");
  avatar->GetAvatarInfo();
  avatar->ImportButtonClick();
  const std::string face = Selected(kFaces);
  EXPECT_THAT((std::vector<std::string>{"f1", "f2", "f3"}), ::testing::Contains(face));
}

TEST_F(AvatarModelTest, TheOpenGalleryIsReadAgainOverTheNewLibrary) {
  model->Session().LoadDataSet("male");
  GalleryDocument& gallery = model->Gallery();
  const std::string path = (dir / "g.xgl").string();
  {
    TKelvoGallery file(*context, model->Library(), "g", path);
    file.Add(model->Portrait());
    file.Add(model->Portrait());
    file.Save(path);
  }
  ASSERT_TRUE(gallery.LoadFromFile(path)) << LastMessage();
  Store("1;1;1;1;1;1;1;1;1;1;1;1;1;1;", "1");
  Show();
  avatar->ImportButtonClick();
  EXPECT_EQ(model->Session().State().DataSetDir, "female");
  ASSERT_TRUE(gallery.HasGallery());
  EXPECT_EQ(gallery.Count(), 2);
  EXPECT_EQ(gallery.Gallery()->FilePath(), path);
  EXPECT_EQ(gallery.Gallery()->Portrait(1).Library().Path, "male\\");  // named by the file
}

TEST_F(AvatarModelTest, StoredValuesThatCannotBeReadShowNoAvatar) {
  struct Row {
    const char* settings;
    const char* sex;
    const char* message;  // empty: no message, just no avatar
  };
  const Row rows[] = {
      {"1;x;1;", "0", "AVSettings field 2 is not a whole number"},
      {"1;2;-3;", "0", "AVSettings field 3 is out of the range 0 to 255"},
      {"1;999999999999;", "0", "AVSettings field 2 is out of the range 0 to 255"},
      {"1;1;1;1;1;1;1;1;1;1;1;1;1;1;7;", "0", "AVSettings has more than 14 fields"},
      {"1;1;", "female", "AVSex is not a whole number"},
      {"", "0", ""},
  };
  Show();
  for (const Row& row : rows) {
    prompter.messages.clear();
    Store("1;1;", "0");
    avatar->GetAvatarInfo();
    ASSERT_TRUE(avatar->State().AvatarShown);
    Store(row.settings, row.sex);
    avatar->GetAvatarInfo();
    EXPECT_FALSE(avatar->State().AvatarShown) << row.settings;
    EXPECT_FALSE(avatar->State().ImportEnabled) << row.settings;
    if (*row.message == '\0') {
      EXPECT_TRUE(prompter.messages.empty()) << row.settings << ": " << LastMessage();
    } else {
      ASSERT_EQ(prompter.messages.size(), 1u) << row.settings;
      EXPECT_THAT(LastMessage(), HasSubstr("\"Anna\" of the mod \"normal\""));
      EXPECT_THAT(LastMessage(), HasSubstr(row.message));
    }
    avatar->ImportButtonClick();  // disabled: the data set stays
    EXPECT_EQ(model->Session().State().DataSetDir, "lib");
  }
}

TEST_F(AvatarModelTest, MissingValuesWrongKindsAndUnwritableStores) {
  Show();
  const std::string key = Key("normal", "Anna");
  store.WriteTexts(key, {{"AVSettings", "1;1;"}});  // no "AVSex"
  avatar->GetAvatarInfo();
  EXPECT_FALSE(avatar->State().AvatarShown);
  EXPECT_TRUE(prompter.messages.empty());

  store.WriteNonText(key, "AVSex");
  avatar->GetAvatarInfo();
  EXPECT_FALSE(avatar->State().AvatarShown);
  EXPECT_THAT(LastMessage(), HasSubstr("AVSex holds no text"));

  store.WriteTexts(key, {{"AVSex", "0"}});
  prompter.messages.clear();
  store.FailWrites = true;
  avatar->ExportButtonClick();
  EXPECT_THAT(LastMessage(), HasSubstr("the settings cannot be written"));
}

TEST_F(AvatarModelTest, AModWithoutProfilesShowsNoAvatarAndCannotExport) {
  Folder("Mods/empty");
  Store("1;1;", "0");
  Show();
  ASSERT_TRUE(avatar->State().AvatarShown);
  avatar->ModComboChange(1);
  EXPECT_EQ(avatar->State().Mods[1], "empty");
  EXPECT_FALSE(avatar->State().AvatarShown);
  EXPECT_FALSE(avatar->State().ImportEnabled);
  EXPECT_FALSE(avatar->State().ExportEnabled);
  avatar->ExportButtonClick();
  EXPECT_FALSE(store.KeyExists(Key("empty", "Anna")));
}

TEST_F(AvatarModelTest, AnImportWhoseDataSetFailsKeepsTheEditorAsItWas) {
  Store("1;1;", "1");
  Show();
  ASSERT_TRUE(avatar->State().AvatarShown);
  WriteBrokenLibrary(dir / "data" / "female");
  const TKelvoTyp* before = &model->Library();
  avatar->ImportButtonClick();
  EXPECT_EQ(&model->Library(), before);
  EXPECT_EQ(model->Session().State().DataSetDir, "lib");
  EXPECT_THAT(LastMessage(), HasSubstr("Kelvo ERROR: "));
  EXPECT_EQ(checks, 0);
}

// Unsaved gallery or library work is offered first; a cancelled question keeps everything.
TEST_F(AvatarModelTest, ACancelledUnsavedWorkQuestionKeepsTheDataSet) {
  Store("1;1;", "1");
  Show();
  ASSERT_TRUE(avatar->State().AvatarShown);
  int asked = 0;
  bool answer = false;
  avatar->SetReplaceGuard([&] {
    ++asked;
    return answer;
  });
  const TKelvoTyp* before = &model->Library();
  avatar->ImportButtonClick();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(&model->Library(), before);
  EXPECT_EQ(checks, 0);
  answer = true;
  avatar->ImportButtonClick();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(model->Session().State().DataSetDir, "female");
}

}  // namespace
}  // namespace kelvo::test
