// The editor's gallery on the small test library: the 200-portrait limit, saving and loading,
// bad gallery files, the unsaved-gallery question and reading the gallery again over a new
// library. No window is made: the gallery works without one.
#include "editor/windows/gallery_document.h"

#include <gtest/gtest.h>

#include <regex>

#include "editor/gallery_test_support.h"

namespace kelvo::test {
namespace {

using GalleryDocumentTest = GalleryFixture;

TEST_F(GalleryDocumentTest, TheTwoHundredthPortraitIsAcceptedAndTheNextRefused) {
  for (int i = 0; i < kMaxGalleryPortraits; ++i) document->AddPortrait(Edited());
  EXPECT_EQ(document->Count(), 200);
  EXPECT_TRUE(prompter.shown.size() == 1) << "only the question to create one";
  EXPECT_EQ(editor->Session().State().StatusMessage, "Added portrait 200 to the gallery");
  document->AddPortrait(Edited());
  EXPECT_EQ(document->Count(), 200);
  EXPECT_EQ(LastMessage(), "Gallery is full, delete some pictures");
  EXPECT_EQ(prompter.shown.back().Kind, MessageKind::Error);
}

// A portrait added before "&Remove" took its face out still names that face: taken into the
// editor, it leaves the editor's face in place until Undo brings the removed one back.
TEST_F(GalleryDocumentTest, APortraitTakenAfterARemovalSelectsOnlyWhatTheLibraryHolds) {
  AddNamed({"A"});
  const TKelvoKomp* face = Edited().Selected[kFaces];
  {
    EditorSession::Step step(editor->Session(), "Remove", kFaces);
    ASSERT_TRUE(editor->Session().RemoveComponent(kFaces));
  }
  const TKelvoKomp* instead = Edited().Selected[kFaces];
  ASSERT_NE(instead, face);
  document->TakeIntoEditor(1);
  EXPECT_EQ(Edited().Selected[kFaces], instead);
  EXPECT_EQ(InGallery(1).Selected[kFaces], face) << "the gallery keeps what it names";
  while (editor->Session().Undo().Size() > 0) editor->Session().UndoLast();  // back to the removal
  document->TakeIntoEditor(1);
  EXPECT_EQ(Edited().Selected[kFaces], face);
}

// A removed face lives in its undo step; when the step goes, the gallery still names it.
TEST_F(GalleryDocumentTest, AComponentWhoseStepIsGoneStaysForTheGallery) {
  AddNamed({"A"});
  const std::string name = Edited().Selected[kFaces]->Name;
  ASSERT_TRUE(editor->Session().RemoveComponent(kFaces));
  editor->Session().Undo().ClearUndo();
  EXPECT_EQ(InGallery(1).Selected[kFaces]->Name, name);
  SaveTo("kept");
  EXPECT_TRUE(document->Saved());
}

TEST_F(GalleryDocumentTest, SavingAppendsTheExtensionAndLoadingReadsItBack) {
  AddNamed({"A", "B"});
  const std::string base = SaveTo("saved");
  EXPECT_TRUE(std::filesystem::exists(base + ".xgl"));
  EXPECT_TRUE(document->Saved());
  EXPECT_EQ(document->Caption(), "Gallery - saved.xgl");
  EXPECT_EQ(prompter.file_requests.back().Filter, "Gallery (*.xgl)|*.xgl");

  // Load: the question, the file dialog, the gallery over the editor's library.
  prompter.files.push_back(base + ".xgl");
  document->LoadWithDialog();
  EXPECT_EQ(prompter.shown.back().Text,
            "There's a gallery in memory that will be lost, continue ?");
  ASSERT_EQ(document->Count(), 2);
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(&InGallery(1).Library(), &editor->Library());
}

// Load asks Save, Discard or Cancel about an unsaved gallery, and the gallery in memory goes only
// when another one has been read.
TEST_F(GalleryDocumentTest, LoadKeepsTheGalleryUntilAnotherIsRead) {
  const std::string question = "There's a gallery in memory that will be lost, continue ?";
  AddNamed({"other"});
  const std::string other = SaveTo("other.xgl");
  document->Drop();
  AddNamed({"A", "B"});
  const std::string unsavedFile = (dir / "unsaved.xgl").string();
  struct Row {
    const char* what;
    MessageAnswer answer;
    std::deque<std::optional<std::string>> files;  // the save dialog's, then the load dialog's
    int dialogs;                                   // file dialogs shown
  };
  const Row rows[] = {
      {"Cancel", MessageAnswer::Cancel, {}, 0},
      {"the box closed", MessageAnswer::No, {}, 0},
      {"Save, its dialog cancelled", MessageAnswer::Save, {std::nullopt}, 1},
      {"Save, failed", MessageAnswer::Save, {(dir / "no" / "such" / "g.xgl").string()}, 1},
      {"Discard, the load dialog cancelled", MessageAnswer::Discard, {std::nullopt}, 1},
      {"Discard, a bad file", MessageAnswer::Discard, {(dir / "missing.xgl").string()}, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    prompter.shown.clear();
    prompter.file_requests.clear();
    prompter.answers = {row.answer};
    prompter.files = row.files;
    document->LoadWithDialog();
    ASSERT_FALSE(prompter.shown.empty());
    EXPECT_EQ(prompter.shown.front().Text, question);
    EXPECT_EQ(prompter.shown.front().Buttons, MessageButtons::SaveDiscardCancel);
    EXPECT_EQ(prompter.file_requests.size(), static_cast<size_t>(row.dialogs));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(document->Saved());
  }
  // Save, then the load: the gallery is written before it is replaced.
  prompter.answers = {MessageAnswer::Save};
  prompter.files = {unsavedFile, other};
  document->LoadWithDialog();
  EXPECT_EQ(Names(), (std::vector<std::string>{"other"}));
  ASSERT_TRUE(document->LoadFromFile(unsavedFile));
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B"}));

  // A saved gallery loses nothing: the design's OK and Cancel, and a cancelled dialog keeps it.
  prompter.shown.clear();
  document->LoadWithDialog();
  EXPECT_EQ(prompter.shown.back().Buttons, MessageButtons::OkCancel);
  EXPECT_EQ(document->Count(), 2);
  // Discard and a good file replace it.
  Add(0, "C");
  prompter.answers = {MessageAnswer::Discard};
  prompter.files = {other};
  document->LoadWithDialog();
  EXPECT_EQ(Names(), (std::vector<std::string>{"other"}));
}

TEST_F(GalleryDocumentTest, BadGalleryFilesAreReportedAndChangeNothing) {
  Add(0, "kept");
  const std::string good = SaveTo("good.xgl");
  const std::string record = ReadAll(good).substr(ReadAll(good).find("  PORTRET"));
  const std::string one = record.substr(0, record.find("END_OF_GALLERY"));
  std::string many = "GALLERY\r\n";
  for (int i = 0; i < 201; ++i) many += one;
  many += "END_OF_GALLERY\r\nEND\r\n";
  std::string unknownLibrary = ReadAll(good);
  unknownLibrary = std::regex_replace(unknownLibrary, std::regex("PAK [^\r\n]+"), "PAK nosuch");

  editor->SpinEditPosXChange(7);
  const std::size_t undo = editor->Undo().Size();
  const auto selected = Edited().Selected;
  const Point shift = Edited().Shift[3];

  const std::string cut = ReadAll(good).substr(0, ReadAll(good).find("BARVY") + 5);
  struct Row {
    const char* name;
    std::string text;
    std::string problem;
  } rows[] = {
      {"keyword.xgl", "GALLERY\r\n  FOO\r\nEND_OF_GALLERY\r\nEND\r\n", "END_OF_GALLERY expected"},
      {"truncated.xgl", ReadAll(good).substr(0, ReadAll(good).size() / 2), ""},
      {"empty.xgl", "", ""},
      {"library.xgl", unknownLibrary, ""},
      {"many.xgl", many, "Too many portraits"},
      {"voice.xgl",
       std::regex_replace(ReadAll(good), std::regex("PAK ([^\r\n]+)"), "PAK $1\r\n    VOICE abc"),
       ""},
      // A file cut off where a number should follow, and a 30 KB token without breaks.
      {"number.xgl", cut, "A number is missing at the end of the file\nin "},
      {"long.xgl", "GALLERY END_OF_GALLERY " + std::string(30000, 'Z'),
       "END expected instead of " + std::string(60, 'Z') + "... (30000 characters)\nin "},
  };
  for (const Row& row : rows) {
    const std::string path = (dir / row.name).string();
    WriteText(path, row.text);
    prompter.shown.clear();
    EXPECT_FALSE(document->LoadFromFile(path)) << row.name;
    ASSERT_EQ(prompter.shown.size(), 1u) << row.name;
    EXPECT_NE(LastMessage().find(path), std::string::npos) << LastMessage();
    EXPECT_NE(LastMessage().find(row.problem), std::string::npos) << LastMessage();
    EXPECT_LT(LastMessage().size(), 600u) << row.name;
    EXPECT_EQ(LastMessage().find('\0'), std::string::npos) << row.name;
    EXPECT_EQ(Names(), (std::vector<std::string>{"kept"})) << row.name;
    EXPECT_EQ(editor->Undo().Size(), undo);
    EXPECT_EQ(Edited().Selected, selected);
    EXPECT_EQ(Edited().Shift[3], shift);
  }
  EXPECT_FALSE(document->LoadFromFile((dir / "missing.xgl").string()));
  EXPECT_EQ(document->Count(), 1);
}

TEST_F(GalleryDocumentTest, AFailedSaveKeepsTheGalleryUnsaved) {
  Add(0);
  const std::string path = SaveTo("no/such/folder/g.xgl");
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_FALSE(document->Saved());
  EXPECT_NE(LastMessage().find(path), std::string::npos) << LastMessage();
}

TEST_F(GalleryDocumentTest, UnsavedGalleryQuestion) {
  EXPECT_EQ(document->AskToSaveUnsaved(), UnsavedGallery::NothingToSave);
  Add(0);
  prompter.shown.clear();
  EXPECT_EQ(document->AskToSaveUnsaved(), UnsavedGallery::Cancelled) << "Enter: Cancel";
  EXPECT_EQ(LastMessage(), "There's an unsaved gallery in memory that will be lost. Save ?");
  EXPECT_EQ(prompter.shown.back().Buttons, MessageButtons::SaveDiscardCancel);
  prompter.answers = {MessageAnswer::Save};
  EXPECT_EQ(document->AskToSaveUnsaved(), UnsavedGallery::Cancelled) << "save dialog cancelled";
  prompter.answers = {MessageAnswer::Discard};
  EXPECT_EQ(document->AskToSaveUnsaved(), UnsavedGallery::Discarded);
  EXPECT_EQ(document->Count(), 1) << "the asking command drops it, not the question";
  prompter.answers = {MessageAnswer::Save};
  prompter.files.push_back((dir / "kept.xgl").string());
  EXPECT_EQ(document->AskToSaveUnsaved(), UnsavedGallery::Saved);
  EXPECT_EQ(document->AskToSaveUnsaved(), UnsavedGallery::NothingToSave);
}

TEST_F(GalleryDocumentTest, ANewLibraryReloadsASavedGalleryAndDropsAnUnsavedOne) {
  AddNamed({"A", "B"});
  SaveTo("reload.xgl");
  auto replace = [&] {
    auto library = std::make_unique<TKelvoTyp>(context->Archive(), "lib");
    library->LoadAll();
    library->LoadImages();
    auto portrait = Edited().Clone();
    portrait->SetLibrary(*library);
    for (int c = 1; c <= kCategoryCount; ++c) {
      portrait->Selected[c] = &library->Container(c).Komp(1);
    }
    editor->Session().ReplaceDataSet(std::move(library), std::move(portrait));
  };
  replace();
  ASSERT_EQ(document->Count(), 2);
  EXPECT_EQ(&InGallery(1).Library(), &editor->Library());
  EXPECT_TRUE(document->Saved());
  document->ReloadForNewLibrary();  // already done: nothing happens
  EXPECT_EQ(document->Count(), 2);

  document->Drop();
  Add(0);
  replace();
  EXPECT_FALSE(document->HasGallery());
}

}  // namespace
}  // namespace kelvo::test
