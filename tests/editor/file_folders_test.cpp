// Each kind of file dialog starts in the folder its last file was chosen in, and the settings
// store keeps those folders.
#include <deque>
#include <functional>
#include <map>

#include "editor/editor_test_support.h"
#include "editor/session/stored_settings.h"

namespace kelvo::test {
namespace {

using FileFoldersTest = EditorFixture;

TEST_F(FileFoldersTest, EachKindStartsWhereItsLastFileWasChosen) {
  Start();
  struct Row {
    const char* name;
    std::function<void()> click;
    std::deque<std::string>& answers;
    std::vector<FileDialogRequest>& requests;
    FileKind kind;
    std::string chosen;
    std::string folder;
  };
  const Row rows[] = {
      {"import", [&] { model->BtnImportClick(); }, prompter.files, prompter.fileRequests,
       FileKind::Bitmaps, "/art/eyes/new.bmp", "/art/eyes/"},
      {"Save As BMP", [&] { model->Button6Click(); }, prompter.saveFiles, prompter.saveRequests,
       FileKind::Frames, "C:\\out\\hero.bmp", "C:\\out\\"},
  };
  for (const Row& row : rows) {
    row.answers.push_back(row.chosen);
    row.click();  // the file is missing: the command fails, the folder stays chosen
    row.click();  // cancelled
    ASSERT_FALSE(row.requests.empty()) << row.name;
    EXPECT_EQ(row.requests.back().InitialDir, row.folder) << row.name;
    EXPECT_EQ(model->Session().State().Folders.Folder(row.kind), row.folder) << row.name;
  }
  // Kept for the next run, one value per kind.
  EditorSettings stored;
  model->StoreSettings(stored);
  EXPECT_EQ(stored.Folders, model->Session().State().Folders);
  const std::map<std::string, std::string> values = {{"BitmapFolder", "/art/eyes/"},
                                                     {"FramesFolder", "C:\\out\\"}};
  const EditorSettings read = ParseEditorSettings(true, [&](const std::string& name) {
    const auto found = values.find(name);
    return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
  });
  EXPECT_EQ(read.Folders, stored.Folders);
}

}  // namespace
}  // namespace kelvo::test
