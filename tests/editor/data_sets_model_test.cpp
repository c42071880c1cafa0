// "&Sex" and "&Save" over the data sets model: the chosen data set replaces library, portrait and
// history, a broken one keeps the current, an open gallery follows the new library, unsaved
// library changes are offered for saving first, and the save writes what a resave writes.
#include "editor/windows/data_sets_model.h"

#include <algorithm>
#include <functional>

#include "editor/editor_test_support.h"
#include "editor/main_window/status_bar_model.h"
#include "editor/windows/gallery_document.h"
#include "portrait/gallery.h"
#include "support/write_faults.h"

namespace kelvo::test {
namespace {

// The dialogs as a user would answer them: each runs its script, no script cancels.
class ScriptedWindows : public DataSetWindows {
 public:
  bool OfferUnsavedGallery() override { return gallery ? gallery() : true; }
  bool ExecuteChangeSex() override {
    ++changeSexShown;
    return changeSex ? changeSex() : false;
  }
  bool ExecuteSave() override {
    ++saveShown;
    return save ? save() : false;
  }

  std::function<bool()> gallery;
  std::function<bool()> changeSex;
  std::function<bool()> save;
  int changeSexShown = 0;
  int saveShown = 0;
};

// Answers the folder chooser and the save-file dialog from queues.
class FolderPrompter : public FakePrompter {
 public:
  std::optional<std::string> SaveFile(const FileDialogRequest&) override {
    if (saveFiles.empty()) return std::nullopt;
    std::string file = saveFiles.front();
    saveFiles.pop_front();
    return file;
  }
  std::optional<std::string> ChooseDirectory(const std::string&, const std::string&) override {
    if (folders.empty()) return std::nullopt;
    std::string folder = folders.front();
    folders.pop_front();
    return folder;
  }
  std::deque<std::string> folders;
  std::deque<std::string> saveFiles;
};

class DataSetsTest : public EditorFixture {
 protected:
  DataSetsTest() {
    model.reset();
    model = std::make_unique<EditorModel>(*context, folders);
    data = dir / "data";
    WriteWindowLibrary(data / "male");
    WriteWindowLibrary(data / "female");
    WriteWindowLibrary(data / "headless", /*hair_without_head=*/true);
    WriteBrokenLibrary(data / "broken");
  }
  void SetUp() override {
    EditorSettings settings;
    settings.KeyExists = true;
    settings.LoadDirectory = "lib";
    ASSERT_TRUE(model->StartUp(settings));
    sets = std::make_unique<DataSetsModel>(model->Session(), windows);
    Select(kFaces, "f1");
    model->SpinEditPosXChange(4);
    model->BtnUsePosClick();  // a history, and an unsaved change
    model->Session().State().LibraryChanged = false;
  }
  void TearDown() override { sets.reset(); }

  // "&Sex" answered with one of the dialog's buttons.
  void ChangeSex(void (DataSetsModel::*button)()) {
    windows.changeSex = [this, button] {
      ((*sets).*button)();
      return true;
    };
    sets->BtnNacistClick();
  }
  // "&Sex" with "Other..." and the folder chooser answering `folder`.
  void ChangeTo(const std::filesystem::path& folder) {
    folders.folders.push_back(folder.string());
    windows.changeSex = [this] { return sets->BtnOtherClick(); };
    sets->BtnNacistClick();
  }
  // The save dialog answered with "&Save" into `target`.
  void SaveInto(const std::filesystem::path& target, bool pictures = true) {
    windows.save = [this, target, pictures] {
      sets->EdAdrChange(target.string());
      sets->ChbDataClick(pictures);
      return true;
    };
  }
  std::vector<PromptedMessage>& Messages() { return folders.messages; }

  FolderPrompter folders;
  ScriptedWindows windows;
  std::unique_ptr<DataSetsModel> sets;
  std::filesystem::path data;
};

TEST_F(DataSetsTest, ThePakButtonsLoadTheirDataSetWithTheHideBoxesKept) {
  model->ChkKompShowClick(7, true);
  ChangeSex(&DataSetsModel::Button4Click);
  const SessionState& state = model->Session().State();
  EXPECT_EQ(state.DataSetDir, "female");
  EXPECT_EQ(state.Caption, "KelvoEd - female");
  EXPECT_TRUE(model->Undo().Empty());
  EXPECT_TRUE(model->Portrait().Hidden.at(7));
  EXPECT_TRUE(Messages().empty()) << Messages().front().Text;

  const TKelvoTyp* female = &model->Library();
  const TKelvoPortret* portrait = &model->Portrait();
  ChangeSex(&DataSetsModel::Button4Click);  // the same again is still a new data set
  EXPECT_NE(&model->Library(), female);
  EXPECT_NE(&model->Portrait(), portrait);
  EXPECT_EQ(state.Caption, "KelvoEd - female");

  ChangeSex(&DataSetsModel::Button3Click);
  EXPECT_EQ(state.Caption, "KelvoEd - male");
  sets->Button5Click();
  EXPECT_EQ(sets->State().Load.Result, "ape");
}

TEST_F(DataSetsTest, ExitLeavesTheDataSet) {
  const TKelvoTyp* before = &model->Library();
  sets->BtnNacistClick();  // no script: "Exit"
  EXPECT_EQ(windows.changeSexShown, 1);
  EXPECT_EQ(&model->Library(), before);
  EXPECT_FALSE(model->Undo().Empty());
  EXPECT_EQ(model->Session().State().Caption, "KelvoEd - lib *");

  // "Other..." with the folder chooser cancelled does not close the dialog with a choice.
  windows.changeSex = [this] { return sets->BtnOtherClick(); };
  sets->BtnNacistClick();
  EXPECT_EQ(&model->Library(), before);
}

TEST_F(DataSetsTest, OtherOpensAnyLibraryFolder) {
  ChangeTo(data / "lib");  // the one that is loaded: a new library all the same
  EXPECT_EQ(model->Session().State().DataSetDir, (data / "lib").string());
  EXPECT_EQ(sets->State().Load.Directory, (data / "lib").string());
  EXPECT_TRUE(model->Undo().Empty());
  EXPECT_EQ(model->Session().State().Caption, "KelvoEd - " + (data / "lib").string());
}

TEST_F(DataSetsTest, ADataSetThatDoesNotLoadKeepsTheCurrentOneWorking) {
  const TKelvoTyp* before = &model->Library();
  const TKelvoPortret* portrait = &model->Portrait();
  for (const std::filesystem::path& folder : {data / "missing", data / "broken"}) {
    Messages().clear();
    ChangeTo(folder);
    ASSERT_EQ(Messages().size(), 1u) << folder;
    EXPECT_EQ(Messages()[0].Kind, MessageKind::Error);
    EXPECT_NE(Messages()[0].Text.find(folder.string()), std::string::npos) << Messages()[0].Text;
    EXPECT_EQ(&model->Library(), before);
    EXPECT_EQ(&model->Portrait(), portrait);
    EXPECT_EQ(model->Session().State().Caption, "KelvoEd - lib *");
    EXPECT_FALSE(model->Undo().Empty());
  }
  EXPECT_EQ(Messages()[0].Text.rfind("Kelvo ERROR: ", 0), 0u) << "a data error";
  model->BtnNahodAllClick();
  model->BtnUndoClick();
  EXPECT_GT(model->Session().State().RefreshCount, 0u);
}

TEST_F(DataSetsTest, AFolderThatIsNoDataSetNamesTheDataSetsBesideIt) {
  const std::string sets = "broken, female, headless, lib, male";
  struct Row {
    std::filesystem::path folder;
    std::string text;
  };
  const Row rows[] = {
      {data / "gamma", "Data set " + (data / "gamma").string() + " not found in " + data.string() +
                           "; found: " + sets},
      // The data folder itself, a likely slip in the folder chooser.
      {data, "Data set " + data.string() + " not found in " + dir.string() + "; found: none; " +
                 data.string() + " holds the data sets " + sets},
  };
  for (const Row& row : rows) {
    Messages().clear();
    ChangeTo(row.folder);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].Text, row.text);
    EXPECT_EQ(model->Session().State().Caption, "KelvoEd - lib *");
  }
}

TEST_F(DataSetsTest, AFolderFromTheChooserIsShownThePlatformsWay) {
  // The folder chooser gives names in the program's form, with "\" after the leading "/".
  std::string chosen = (data / "female").string();
  std::replace(chosen.begin() + 1, chosen.end(), '/', '\\');
  ChangeTo(chosen + "\\");
  StatusBarModel status(model->Session());
  status.Update();
  EXPECT_EQ(model->Session().State().Caption, "KelvoEd - " + (data / "female").string());
  EXPECT_EQ(status.State().DataSet, "Data set: " + (data / "female").string());
}

TEST_F(DataSetsTest, TheHeadNumbersAreCheckedAfterTheChange) {
  ChangeTo(data / "headless");
  EXPECT_EQ(model->Session().State().DataSetDir, (data / "headless").string());
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].Text.rfind("Hair   h2   has NO HEAD NUMBER !!!", 0), 0u);
}

TEST_F(DataSetsTest, ASavedGalleryIsReloadedOverTheNewLibraryAndAnUnsavedOneAskedFor) {
  GalleryDocument& gallery = model->Gallery();
  windows.gallery = [&] { return gallery.AskToSaveUnsaved() != UnsavedGallery::Cancelled; };
  gallery.AddPortrait(model->Portrait());
  folders.answers = {MessageAnswer::Cancel};  // the unsaved-gallery question
  ChangeSex(&DataSetsModel::Button4Click);
  EXPECT_EQ(windows.changeSexShown, 0);
  EXPECT_EQ(model->Session().State().DataSetDir, "lib");
  EXPECT_EQ(Messages().back().Text,
            "There's an unsaved gallery in memory that will be lost. Save ?");

  // The file holds one portrait, the saved gallery in memory two: the reload shows the file's.
  const std::string path = (dir / "g.xgl").string();
  folders.saveFiles.push_back(path);  // the gallery's file dialog
  gallery.SaveWithDialog();
  std::filesystem::copy_file(path, dir / "one.xgl");
  gallery.AddPortrait(model->Portrait());
  folders.saveFiles.push_back(path);
  gallery.SaveWithDialog();
  ASSERT_TRUE(gallery.Saved());
  ASSERT_EQ(gallery.Count(), 2);
  std::filesystem::copy_file(dir / "one.xgl", path,
                             std::filesystem::copy_options::overwrite_existing);
  ChangeSex(&DataSetsModel::Button4Click);
  EXPECT_EQ(model->Session().State().DataSetDir, "female");
  ASSERT_TRUE(gallery.HasGallery());
  EXPECT_EQ(gallery.Count(), 1);
  EXPECT_TRUE(gallery.Saved());
  EXPECT_EQ(gallery.Gallery()->FilePath(), path);

  // Save with its dialog cancelled, or Discard and then "Exit": the gallery stays as it was.
  gallery.AddPortrait(model->Portrait());
  ASSERT_FALSE(gallery.Saved());
  const int shown = windows.changeSexShown;
  folders.answers = {MessageAnswer::Save};
  ChangeSex(&DataSetsModel::Button3Click);
  EXPECT_EQ(windows.changeSexShown, shown);
  folders.answers = {MessageAnswer::Discard};
  windows.changeSex = [] { return false; };
  sets->BtnNacistClick();
  EXPECT_EQ(windows.changeSexShown, shown + 1);
  EXPECT_EQ(model->Session().State().DataSetDir, "female");
  EXPECT_EQ(gallery.Count(), 2);
  EXPECT_FALSE(gallery.Saved());
  // Discard and a change: the portraits added since the save are gone, the file's come back.
  folders.answers = {MessageAnswer::Discard};
  ChangeSex(&DataSetsModel::Button3Click);
  EXPECT_EQ(model->Session().State().DataSetDir, "male");
  EXPECT_EQ(gallery.Count(), 1);
  EXPECT_TRUE(gallery.Saved());
}

// Saving chosen, but the gallery cannot be written: it stays, unsaved, and "&Sex" ends there.
TEST_F(DataSetsTest, AGalleryThatFailsToSaveStaysAndTheChangeEnds) {
  GalleryDocument& gallery = model->Gallery();
  windows.gallery = [&] { return gallery.AskToSaveUnsaved() != UnsavedGallery::Cancelled; };
  gallery.AddPortrait(model->Portrait());
  const std::filesystem::path locked = dir / "locked";
  std::filesystem::create_directories(locked);
  // 0 when everything stayed as it was; the messages go to `out`.
  const auto changeSex = [&](const std::filesystem::path& file, std::ostream& out) {
    Messages().clear();
    folders.answers = {MessageAnswer::Save};
    folders.saveFiles = {file.string()};
    ChangeSex(&DataSetsModel::Button4Click);
    for (const PromptedMessage& m : Messages()) out << m.Text << "\n";
    const bool kept = gallery.HasGallery() && gallery.Count() == 1 && !gallery.Saved();
    return kept && windows.changeSexShown == 0 && model->Session().State().DataSetDir == "lib" &&
                   !std::filesystem::exists(file)
               ? 0
               : 1;
  };
  std::ostringstream missing;
  EXPECT_EQ(changeSex(locked / "no" / "such" / "g.xgl", missing), 0) << missing.str();
  EXPECT_NE(missing.str().find("Cannot save the gallery file"), std::string::npos);
  const FaultRun run = RunUnderWriteFault(WriteFault::kReadOnlyFolder, locked, [&](auto& out) {
    return changeSex(locked / "g.xgl", out);
  });
  if (run.skipped) GTEST_SKIP() << "a read-only folder could not be set up";
  EXPECT_EQ(run.code, 0) << run.messages;
  EXPECT_NE(run.messages.find("Cannot save the gallery file"), std::string::npos) << run.messages;
}

TEST_F(DataSetsTest, UnsavedLibraryChangesAreOfferedBeforeTheChange) {
  model->SpinEditCetnChange(77);
  ASSERT_TRUE(model->Session().State().LibraryChanged);
  const TKelvoTyp* before = &model->Library();

  ChangeSex(&DataSetsModel::Button4Click);  // Enter: Cancel
  EXPECT_EQ(Messages().back().Text, kUnsavedLibraryText);
  EXPECT_EQ(Messages().back().Caption, "Question");
  EXPECT_EQ(Messages().back().Buttons, MessageButtons::SaveDiscardCancel);
  EXPECT_EQ(&model->Library(), before);
  EXPECT_EQ(Komp(kFaces, "f1").Frequency, 77);
  EXPECT_FALSE(model->Undo().Empty());

  // Save with the save dialog cancelled keeps everything too.
  folders.answers = {MessageAnswer::Save};
  ChangeSex(&DataSetsModel::Button4Click);
  EXPECT_EQ(windows.saveShown, 1);
  EXPECT_EQ(&model->Library(), before);

  // Save and a save: written, then changed.
  const std::filesystem::path out = dir / "saved";
  SaveInto(out);
  folders.answers = {MessageAnswer::Save};
  ChangeSex(&DataSetsModel::Button4Click);
  EXPECT_NE(TestFolder::ReadFile(out / "cmp").find("CETNOST 77"), std::string::npos);
  EXPECT_EQ(model->Session().State().DataSetDir, "female");
  EXPECT_FALSE(model->Session().State().LibraryChanged);

  // Discard drops the changes.
  model->SpinEditCetnChange(55);
  folders.answers = {MessageAnswer::Discard};
  ChangeSex(&DataSetsModel::Button3Click);
  EXPECT_EQ(model->Session().State().DataSetDir, "male");
  EXPECT_FALSE(model->Session().State().LibraryChanged);
}

// Other commands that replace the data set (the avatar import) ask both questions.
TEST_F(DataSetsTest, UnsavedWorkIsOfferedToOtherDataSetChanges) {
  bool galleryAnswer = false;
  windows.gallery = [&] { return galleryAnswer; };
  EXPECT_FALSE(sets->OfferUnsavedWork());  // the gallery question cancelled
  galleryAnswer = true;
  EXPECT_TRUE(sets->OfferUnsavedWork());  // nothing unsaved in the library
  EXPECT_TRUE(Messages().empty());
  model->SpinEditCetnChange(77);
  folders.answers = {MessageAnswer::Cancel};
  EXPECT_FALSE(sets->OfferUnsavedWork());
  EXPECT_EQ(Messages().back().Text, kUnsavedLibraryText);
  folders.answers = {MessageAnswer::Discard};
  EXPECT_TRUE(sets->OfferUnsavedWork());
}

TEST_F(DataSetsTest, ASaveWithPicturesIntoANewNestedFolderWritesWhatAResaveWrites) {
  ChangeSex(&DataSetsModel::Button4Click);
  const std::filesystem::path out = dir / "out" / "a" / "b";
  SaveInto(out);
  model->Session().State().LibraryChanged = true;
  EXPECT_TRUE(sets->BtnUlozClick());
  EXPECT_FALSE(model->Session().State().LibraryChanged);
  EXPECT_TRUE(Messages().empty()) << Messages().front().Text;

  // What `kelvo resave --images` does: the library read whole, its files and images written.
  TKelvoTyp resaved(context->Archive(), "female");
  resaved.LoadAll();
  resaved.LoadImages();
  const std::filesystem::path reference = dir / "reference";
  std::filesystem::create_directories(reference);
  resaved.SaveTextAs(reference.string());
  resaved.SaveImagesAs(reference.string());
  const auto written = Snapshot(out);
  EXPECT_EQ(written, Snapshot(reference));
  EXPECT_GT(written.size(), 5u);  // the images too

  // Without pictures only the five text files.
  const std::filesystem::path text = dir / "text";
  SaveInto(text, false);
  EXPECT_TRUE(sets->BtnUlozClick());
  EXPECT_EQ(Snapshot(text).size(), 5u);
}

TEST_F(DataSetsTest, AHairWithoutHeadNumberBlocksTheSave) {
  ChangeTo(data / "headless");
  Messages().clear();
  const std::filesystem::path out = dir / "blocked";
  SaveInto(out);
  EXPECT_FALSE(sets->BtnUlozClick());
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0].Kind, MessageKind::Error);
  EXPECT_EQ(Messages()[1].Kind, MessageKind::Information);
  EXPECT_EQ(Messages()[1].Text, "Save not completed. Correct the heads in \"Edit comp\".");
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(DataSetsTest, AFolderThatCannotBeMadeIsReportedAndNothingIsWritten) {
  WriteText(dir / "plain file", "x");
  model->SpinEditCetnChange(12);
  const std::string path = model->Library().Path;
  for (const std::string& target : {(dir / "plain file" / "lib").string(), std::string()}) {
    Messages().clear();
    windows.save = [this, target] {
      sets->EdAdrChange(target);
      return true;
    };
    EXPECT_FALSE(sets->BtnUlozClick());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].Text, "TMainForm.Ulozkomp: cant forcedir " + target);
    EXPECT_TRUE(model->Session().State().LibraryChanged);
    EXPECT_EQ(model->Library().Path, path);
  }
}

TEST_F(DataSetsTest, AFailedWriteLeavesTheLibraryFilesThereWhole) {
  const std::filesystem::path out = dir / "existing";
  SaveInto(out);
  ASSERT_TRUE(sets->BtnUlozClick());
  const auto before = Snapshot(out);
  model->SpinEditCetnChange(44);
  int faulted = 0;
  for (WriteFault fault : {WriteFault::kFileSizeLimit, WriteFault::kReadOnlyFolder}) {
    const FaultRun run = RunUnderWriteFault(fault, out, [&](std::ostream& messages) {
      const bool saved = sets->BtnUlozClick();
      for (const PromptedMessage& m : Messages()) messages << m.Text << "\n";
      return saved ? 0 : 1;
    });
    if (run.skipped) continue;
    ++faulted;
    EXPECT_EQ(run.code, 1) << FaultName(fault) << ": " << run.messages;
    EXPECT_NE(run.messages.find("existing"), std::string::npos) << run.messages;
    EXPECT_EQ(Snapshot(out), before) << FaultName(fault);
  }
  if (faulted == 0) GTEST_SKIP() << "no write fault could be set up";
}

TEST_F(DataSetsTest, TheSaveDialogStartsInTheStoredFolderAndWalksTheList) {
  std::filesystem::create_directories(dir / "stored" / "b");
  std::filesystem::create_directories(dir / "stored" / "a");
  sets->SaveFormCreate(std::nullopt);
  EXPECT_TRUE(sets->State().Save.SavePictures);
  sets->SaveFormCreate((dir / "gone").string());
  EXPECT_EQ(sets->LastSavedFolder(), "");
  sets->SaveFormCreate((dir / "stored").string());
  const SaveDialogState& save = sets->State().Save;
  EXPECT_EQ(save.Target, (dir / "stored").string());
  EXPECT_EQ(save.ListLines, (std::vector<std::string>{"..", "a", "b"}));
  sets->DirListBoxOpen(2);
  EXPECT_EQ(save.Target, (dir / "stored" / "b").string());
  EXPECT_EQ(save.ListLines, std::vector<std::string>{".."});
  sets->DirListBoxOpen(0);
  EXPECT_EQ(save.ListDirectory, (dir / "stored").string());
  sets->DirListBoxOpen(7);  // no such line
  EXPECT_EQ(save.ListDirectory, (dir / "stored").string());

  sets->LoadFormCreate((dir / "gone").string(), "start");
  EXPECT_EQ(sets->State().Load.Directory, "start");
  sets->LoadFormCreate((dir / "stored").string(), "start");
  EXPECT_EQ(sets->State().Load.Directory, (dir / "stored").string());
}

// Every command that edits the library marks it changed; those that only touch the portrait
// or the view leave it as it was.
TEST_F(DataSetsTest, LibraryEditsMarkTheLibraryChanged) {
  struct Row {
    const char* name;
    std::function<void()> command;
    bool edits;
  };
  const std::vector<Row> rows = {
      {"frequency", [&] { model->SpinEditCetnChange(5); }, true},
      {"clip box", [&] { model->ChkOrezClick(1, true); }, true},
      {"point x", [&] { model->SpinUmistXChange(model->SnapPoints().State().PointX + 3); }, true},
      {"Set",
       [&] {
         model->SpinEditPosYChange(2);
         model->BtnUsePosClick();
       },
       true},
      {"Undo", [&] { model->BtnUndoClick(); }, true},
      {"Redo", [&] { model->BtnRedoClick(); }, true},
      {"spread limit", [&] { model->SpreadLimitChange(SpreadDirection::Up, 9); }, true},
      {"shift only", [&] { model->SpinEditPosXChange(7); }, false},
      {"Unset", [&] { model->BtnNullClick(); }, false},
      {"category", [&] { model->CategoryButtonClick(kFaces); }, false},
      {"random all", [&] { model->BtnNahodAllClick(); }, false},
      {"component choice", [&] { Select(kFaces, "f2"); }, false},
      {"hide box", [&] { model->ChkKompShowClick(4, true); }, false},
  };
  for (const Row& row : rows) {
    Select(kFaces, "f1");
    model->LbxUmistClick(0);
    model->Session().MarkSaved();
    ASSERT_FALSE(model->Session().State().LibraryChanged);
    row.command();
    EXPECT_EQ(model->Session().State().LibraryChanged, row.edits) << row.name;
    EXPECT_EQ(model->Session().State().Caption, row.edits ? "KelvoEd - lib *" : "KelvoEd - lib")
        << row.name;
  }
}

}  // namespace
}  // namespace kelvo::test

namespace kelvo::test {
namespace {

// "&Save" proposes the user's data folder at first, never the working folder, then the folder
// last saved to while it stays writable; the status bar says where the library went.
TEST_F(DataSetsTest, SaveProposesTheUserDataFolderThenTheLastOne) {
  const std::filesystem::path xdg = dir / "xdg";
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string saved_env = old != nullptr ? old : "";
  setenv("XDG_DATA_HOME", xdg.c_str(), 1);
  const std::string user = (xdg / "KelvoEd" / "lib").string();
  EXPECT_EQ(sets->ProposedSaveFolder(), user);
  std::string shown;
  windows.save = [&] {
    shown = sets->State().Save.Target;
    return true;
  };
  ASSERT_TRUE(sets->BtnUlozClick());
  EXPECT_EQ(shown, user);
  EXPECT_TRUE(std::filesystem::exists(xdg / "KelvoEd" / "lib" / "cmp"));
  const std::string& message = model->Session().State().StatusMessage;
  EXPECT_EQ(message.rfind("Saved the library to " + user + " (", 0), 0u) << message;
  EXPECT_NE(message.find(" files)"), std::string::npos);

  const std::filesystem::path other = dir / "other";
  SaveInto(other, false);
  ASSERT_TRUE(sets->BtnUlozClick());
  EXPECT_EQ(model->Session().State().StatusMessage,
            "Saved the library to " + other.string() + " (5 files)");
  EXPECT_EQ(sets->ProposedSaveFolder(), other.string());
  std::filesystem::permissions(other, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_EQ(sets->ProposedSaveFolder(), user);  // an installed, read-only copy
  std::filesystem::permissions(other, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  if (saved_env.empty()) {
    unsetenv("XDG_DATA_HOME");
  } else {
    setenv("XDG_DATA_HOME", saved_env.c_str(), 1);
  }
}

}  // namespace
}  // namespace kelvo::test
