// "Open Recent": newest first, eight of each kind, stored and read back as lines; opening one
// that went away says so and drops it; galleries and library folders enter the list when they
// are opened or saved.
#include "editor/session/recent_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "editor/editor_test_support.h"

namespace kelvo::test {
namespace {

TEST(RecentFilesList, NewestFirstEightOfEachKindAndStoredAsLines) {
  RecentFiles recent;
  for (int i = 1; i <= 10; ++i) recent.Add(RecentKind::kGallery, "g" + std::to_string(i));
  recent.Add(RecentKind::kLibrary, "lib");
  recent.Add(RecentKind::kGallery, "g5");  // again: to the front, not twice
  const std::vector<std::string> lines = recent.StoredLines();
  EXPECT_EQ(lines, (std::vector<std::string>{"G g5", "L lib", "G g10", "G g9", "G g8", "G g7",
                                             "G g6", "G g4", "G g3"}));
  RecentFiles read;
  std::vector<std::string> stored = lines;
  stored.insert(stored.begin() + 1, "X nonsense");
  stored.push_back("G");
  read.Restore(stored);
  EXPECT_EQ(read.Entries(), recent.Entries());
  read.Remove({RecentKind::kLibrary, "lib"});
  EXPECT_EQ(read.Entries().size(), 8u);
}

TEST(RecentFilesList, OpeningAMissingEntryReportsAndDropsIt) {
  TestFolder folder;
  CollectingSink sink;
  FakePrompter prompter;
  const std::filesystem::path dir(folder.Path());
  WriteEditorLibrary(dir / "data" / "male");
  ProcessOptions options;
  options.program_dir = dir.string();
  options.data_base = (dir / "data").string();
  options.computer_name = "TEST";
  ProcessContext context(sink, options);
  EditorModel model(context, prompter);
  ASSERT_TRUE(model.StartUp(EditorSettings{}));
  RecentFiles& recent = model.Session().Recent();

  // A gallery saved enters the list; gone from the disk, choosing it says so and drops it.
  prompter.answers.push_back(MessageAnswer::Ok);  // create a gallery
  model.BtnPridGalClick();
  const std::string gallery = (dir / "one.xgl").string();
  prompter.saveFiles.push_back(gallery);
  ASSERT_TRUE(model.Gallery().SaveWithDialog());
  ASSERT_EQ(recent.Entries().front(), (RecentFile{RecentKind::kGallery, gallery}));
  EXPECT_EQ(model.Session().State().StatusMessage,
            "Saved the gallery to " + gallery + " (1 portrait)");
  model.Gallery().Drop();
  // The file dialogs start in that gallery's folder.
  model.Gallery().LoadWithDialog();
  EXPECT_EQ(prompter.fileRequests.back().InitialDir, dir.string() + "/");
  EXPECT_TRUE(model.OpenRecent(recent.Entries().front()));
  EXPECT_EQ(model.Gallery().Count(), 1);
  std::filesystem::remove(gallery);
  prompter.messages.clear();
  EXPECT_FALSE(model.OpenRecent(recent.Entries().front()));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].Text,
            "The gallery " + gallery + " no longer exists; it is removed from the recent list.");
  EXPECT_TRUE(recent.Entries().empty());

  // A library folder opened from the list becomes the data set.
  WriteEditorLibrary(dir / "mine");
  EXPECT_TRUE(model.OpenRecent({RecentKind::kLibrary, (dir / "mine").string()}));
  EXPECT_EQ(model.Session().State().DataSetDir, (dir / "mine").string());
  EXPECT_EQ(recent.Entries().front(), (RecentFile{RecentKind::kLibrary, (dir / "mine").string()}));
}

// Drops: a gallery opens, a bitmap starts the import on the main window only, the rest is
// refused in the status bar.
TEST(RecentFilesList, DroppedFilesGoWhereTheirKindBelongs) {
  TestFolder folder;
  CollectingSink sink;
  FakePrompter prompter;
  const std::filesystem::path dir(folder.Path());
  WriteEditorLibrary(dir / "data" / "male");
  ProcessOptions options;
  options.program_dir = dir.string();
  options.data_base = (dir / "data").string();
  options.computer_name = "TEST";
  ProcessContext context(sink, options);
  EditorModel model(context, prompter);
  ASSERT_TRUE(model.StartUp(EditorSettings{}));
  const std::string text = (dir / "notes.txt").string();
  EXPECT_FALSE(model.DropFile(text, false));
  EXPECT_EQ(model.Session().State().StatusMessage,
            "Cannot open " + text +
                ": only galleries (.xgl) and bitmaps to import (.bmp) can be dropped here");
  const std::string bitmap = (dir / "art" / "nose.BMP").string();
  EXPECT_FALSE(model.DropFile(bitmap, true));
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_TRUE(model.DropFile(bitmap, false));
  EXPECT_EQ(model.Session().State().SrcPath, (dir / "art").string() + "/");
  EXPECT_FALSE(prompter.messages.empty());  // the import's own word on what it found
}

}  // namespace
}  // namespace kelvo::test
