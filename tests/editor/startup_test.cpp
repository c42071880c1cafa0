// Start-up: data-set choice, the first portrait, settings in and out, load failures.
#include <filesystem>

#include "editor/editor_test_support.h"

namespace kelvo::test {
namespace {

using StartUp = EditorFixture;

TEST_F(StartUp, LoadsTheStoredDataSetAndShowsAPortrait) {
  EditorSettings settings;
  settings.KeyExists = true;
  settings.LoadDirectory = "lib";
  settings.SrcPath = "C:\\art\\";
  settings.Previews[2].Visible = false;
  ASSERT_TRUE(model->StartUp(settings));
  const SessionState& shared = model->Session().State();
  EXPECT_EQ(shared.DataSetDir, "lib");
  EXPECT_EQ(shared.Caption, "KelvoEd - lib");
  EXPECT_EQ(shared.CurrentCategory, kFaces);
  EXPECT_EQ(model->SnapPoints().State().Mode, MouseMode::Components);
  EXPECT_EQ(model->ComponentList().State().FilterItems.size(), 3u);
  EXPECT_EQ(model->ComponentList().State().ComponentLines,
            (std::vector<std::string>{"f1", "f2", "f3"}));
  EXPECT_EQ(model->SnapPoints().State().SnapPointLines, std::vector<std::string>{"Eyes"});
  EXPECT_EQ(shared.Signature, "2 x");
  EXPECT_FALSE(shared.PreviewVisible[3]);
  EXPECT_TRUE(shared.PreviewVisible[4]);
  for (int c = 1; c <= kCategoryCount; ++c) EXPECT_NE(model->Portrait().Selected[c], nullptr);
  // The blue background is in preview 1 and, averaged, in the 8x preview.
  EXPECT_EQ(model->Previews().View(1).At(0, 0), 0x001F);
  EXPECT_EQ(model->Previews().View(4).Width, 40);
  EXPECT_EQ(model->Previews().View(4).Height, 50);
  EXPECT_EQ(model->Previews().View(4).At(0, 0), 0x001F);

  EditorSettings out;
  model->StoreSettings(out);
  EXPECT_EQ(out.SrcPath, "C:\\art\\");
  EXPECT_EQ(out.Previews[2].Visible, false);
  EXPECT_EQ(out.Previews[0].Visible, true);
}

TEST_F(StartUp, LoadDirectoryWithoutDrawOrderFallsBackToMale) {
  EditorSettings settings;
  settings.KeyExists = true;
  settings.LoadDirectory = "lib";
  std::filesystem::remove(dir / "data" / "lib" / "dro");
  EXPECT_FALSE(model->StartUp(settings));
  EXPECT_EQ(model->Session().State().DataSetDir, "male");
  EXPECT_EQ(model->Session().State().Caption, "KelvoEd - male");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].Caption, "Error");
  EXPECT_FALSE(model->HasPortrait());
}

TEST_F(StartUp, MalformedLibraryReportsTheFatalTextWithFileAndLine) {
  std::ofstream(dir / "data" / "lib" / "dep", std::ios::binary)
      << "DEPENDENCIES\r\n  POZADI NOWHERE\r\nEND_OF_DEPENDENCIES\r\n";
  EditorSettings settings;
  settings.KeyExists = true;
  settings.LoadDirectory = "lib";
  // The bundled "male" is tried next; it is missing here, so the start-up fails (exit code 1).
  EXPECT_FALSE(model->StartUp(settings));
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].Text, "Kelvo ERROR: Unknown DEPENDENCY POZADI:NOWHERE\nin " +
                                           (dir / "data" / "lib" / "dep").string() + ", line 2");
  EXPECT_EQ(prompter.messages[1].Caption, "Error");
  EXPECT_EQ(model->Session().State().Caption, "KelvoEd - male");
  EXPECT_FALSE(model->HasPortrait());
}

TEST_F(StartUp, StoredDataSetThatFailsGivesWayToMale) {
  std::filesystem::copy(dir / "data" / "lib", dir / "data" / "male",
                        std::filesystem::copy_options::recursive);
  std::ofstream(dir / "data" / "lib" / "cmp", std::ios::binary)
      << "COMPONENTS\r\n  TYP NONSENSE\r\n";
  EditorSettings settings;
  settings.KeyExists = true;
  settings.LoadDirectory = "lib";
  ASSERT_TRUE(model->StartUp(settings));
  EXPECT_EQ(model->Session().State().DataSetDir, "male");
  EXPECT_EQ(model->Session().State().Caption, "KelvoEd - male");
  EXPECT_TRUE(model->HasPortrait());
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].Caption, "Error");
  EXPECT_EQ(prompter.messages[0].Text, "Kelvo ERROR: Unknown TYP NONSENSE\nin " +
                                           (dir / "data" / "lib" / "cmp").string() + ", line 2");
  EXPECT_EQ(prompter.messages[1].Caption, "Information");
  EXPECT_EQ(prompter.messages[1].Text,
            "The data set lib could not be loaded; the bundled data set male is open instead.");
}

TEST_F(StartUp, WithoutStoredSettingsEveryPreviewIsShown) {
  std::filesystem::rename(dir / "data" / "lib", dir / "data" / "male");
  ASSERT_TRUE(model->StartUp(EditorSettings{}));
  EXPECT_EQ(model->Session().State().Caption, "KelvoEd - male");
  for (int i = 1; i <= kPreviewCount; ++i) EXPECT_TRUE(model->Session().State().PreviewVisible[i]);
  EXPECT_EQ(model->Session().State().SrcPath, "");
}

TEST_F(StartUp, CheckingAPreviewRecomputesItFirst) {
  EditorSettings settings;
  settings.KeyExists = true;
  settings.LoadDirectory = "lib";
  settings.Previews[1].Visible = false;
  ASSERT_TRUE(model->StartUp(settings));
  EXPECT_EQ(model->Previews().View(2).At(0, 0), 0);
  model->ChkZobrClick(2, true);
  EXPECT_TRUE(model->Session().State().PreviewVisible[2]);
  EXPECT_EQ(model->Previews().View(2).At(0, 0), 0x001F);
}

}  // namespace
}  // namespace kelvo::test
