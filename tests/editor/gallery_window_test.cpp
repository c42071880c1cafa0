// The gallery window's model on the small test library: grid geometry, the 200-portrait limit,
// dragging, the popup menu's voice box, taking a portrait into the editor and back, loading,
// saving and bad gallery files.
#include "editor/windows/gallery_window_model.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <deque>
#include <fstream>
#include <regex>
#include <sstream>

#include "editor/editor_test_support.h"
#include "library/library_registry.h"
#include "portrait/gallery.h"
#include "portrait/thumbnails.h"
#include "support/test_support.h"

namespace kelvo::test {
namespace {

// Answers boxes from a queue (first button when empty) and dialogs from their queues
// (cancel when empty).
class ScriptedPrompter : public FakePrompter {
 public:
  MessageAnswer Message(MessageKind kind, const std::string& caption, const std::string& text,
                        MessageButtons buttons) override {
    const MessageAnswer answer = FakePrompter::Message(kind, caption, text, buttons);
    shown.push_back(messages.back());
    return answer;
  }
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override {
    return Next(files, request);
  }
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override {
    return Next(files, request);
  }
  std::optional<std::string> InputText(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) override {
    inputs_asked.push_back(caption + "|" + prompt + "|" + initial);
    return Next(inputs, {});
  }

  std::vector<PromptedMessage> shown;
  std::deque<std::optional<std::string>> files;
  std::deque<std::optional<std::string>> inputs;
  std::vector<FileDialogRequest> file_requests;
  std::vector<std::string> inputs_asked;

 private:
  std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue,
                                  const FileDialogRequest& request) {
    file_requests.push_back(request);
    if (queue.empty()) return std::nullopt;
    std::optional<std::string> answer = queue.front();
    queue.pop_front();
    return answer;
  }
};

std::filesystem::path FreshDir() {
  static std::atomic<int> counter{0};
  const auto dir =
      std::filesystem::temp_directory_path() /
      ("kelvo_gallery_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::uint16_t> Pixels(const ImageView& view) {
  std::vector<std::uint16_t> pixels;
  for (int y = 0; y < view.Height; ++y) {
    for (int x = 0; x < view.Width; ++x) pixels.push_back(view.At(x, y));
  }
  return pixels;
}

class GalleryWindowTest : public ::testing::Test {
 protected:
  GalleryWindowTest() : dir(FreshDir()) {
    WriteEditorLibrary(dir / "data" / "lib");
    ProcessOptions options;
    options.program_dir = dir.string();
    options.data_base = (dir / "data").string();
    options.computer_name = "TEST";
    context = std::make_unique<ProcessContext>(sink, options);
    editor = std::make_unique<EditorModel>(*context, prompter);
    EditorSettings settings;
    settings.KeyExists = true;
    settings.LoadDirectory = "lib";
    EXPECT_TRUE(editor->StartUp(settings));
    gallery = std::make_unique<GalleryWindowModel>(editor->Session());
    gallery->SetThreads(1);
    prompter.shown.clear();
  }
  ~GalleryWindowTest() override {
    gallery.reset();
    editor.reset();
    context.reset();
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }

  TKelvoPortret& Edited() { return editor->Portrait(); }
  TKelvoKomp& Komp(int c, const std::string& name) {
    TKelvoKompKontejner& container = editor->Library().Container(c);
    return container.Komp(container.FindByName(name));
  }
  const TKelvoPortret& InGallery(int n) { return gallery->Gallery()->Portrait(n); }

  // Adds the edited portrait with its face shifted by `shift` and the given name.
  void Add(int shift, const std::string& name = "") {
    Edited().Shift[3] = {shift, 0};
    Edited().Name = name;
    gallery->AddPortrait(Edited());
  }
  void AddNamed(const std::vector<std::string>& names) {
    for (size_t i = 0; i < names.size(); ++i) Add(static_cast<int>(10 * i), names[i]);
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int n = 1; n <= gallery->Count(); ++n) names.push_back(InGallery(n).Name);
    return names;
  }
  // Centre of portrait n's cell in client coordinates (no scrolling).
  std::pair<int, int> Cell(int n) {
    const GalleryGrid grid(gallery->Columns(), gallery->Count());
    return {grid.ThumbnailX(n) + 36, grid.ThumbnailY(n) + 46};
  }
  void Drag(int from, int toX, int toY) {
    const auto [x, y] = Cell(from);
    gallery->FormMouseDown(MouseButton::Left, x, y);
    gallery->FormMouseUp(MouseButton::Left, toX, toY);
  }
  std::string SaveTo(const std::string& name) {
    const std::string path = (dir / name).string();
    prompter.files.push_back(path);
    gallery->BtnSaveClick();
    return path;
  }
  std::string LastMessage() const {
    return prompter.shown.empty() ? std::string() : prompter.shown.back().Text;
  }

  std::filesystem::path dir;
  CollectingSink sink;
  std::unique_ptr<ProcessContext> context;
  ScriptedPrompter prompter;
  std::unique_ptr<EditorModel> editor;
  std::unique_ptr<GalleryWindowModel> gallery;
};

// The cells themselves are the gallery grid's (tests/portrait/gallery_grid_test.cpp); here the
// window's part: its width, the scroll position and the points outside it.
TEST_F(GalleryWindowTest, NarrowWindowShowsOneColumnAndTwoHundredRows) {
  gallery->Resize(100, 300);
  for (int i = 0; i < kMaxGalleryPortraits; ++i) gallery->AddPortrait(Edited());
  EXPECT_EQ(gallery->Columns(), 1);
  EXPECT_EQ(gallery->Rows(), 200);
  EXPECT_EQ(gallery->GridImage().Width, 88);
  EXPECT_EQ(gallery->GridImage().Height, 200 * 108);
  EXPECT_EQ(gallery->State().ButtonsTop, 200 * 108 + 4);

  struct Row {
    int x, y, scroll, expected;
  } rows[] = {
      {10, 10, 0, 1},  {10, 108, 0, 2},          {88, 10, 0, 0},
      {-1, 10, 0, -1}, {10, 300, 0, -1},         {100, 10, 0, -1},
      {10, -1, 0, -1}, {10, 10, 108 * 199, 200}, {10, 0, 108 * 198 + 10, 199},
  };
  for (const Row& row : rows) {
    gallery->Scroll(row.scroll);
    EXPECT_EQ(gallery->HitTest(row.x, row.y), row.expected)
        << row.x << "," << row.y << " scrolled " << row.scroll;
  }
}

TEST_F(GalleryWindowTest, GeometryOfTheDefaultWindow) {
  gallery->Resize(731, 400);
  EXPECT_EQ(gallery->HitTest(10, 10), -1) << "no gallery";
  Add(0);
  EXPECT_EQ(gallery->Columns(), 8);
  EXPECT_EQ(gallery->Rows(), 1);
  for (int i = 1; i < 9; ++i) Add(0);
  EXPECT_EQ(gallery->Rows(), 2);
  EXPECT_EQ(gallery->HitTest(5, 110), 9);
  // Thumbnail 9 on the button face at its cell point.
  const GalleryGrid cells(8, 9);
  const int x = cells.ThumbnailX(9), y = cells.ThumbnailY(9);
  const ImageView grid = gallery->GridImage();
  const ImageView thumb = gallery->Thumbnail(9);
  EXPECT_EQ(grid.At(x - 1, y - 1), gallery->State().ButtonFace);
  EXPECT_EQ(grid.At(x, y), thumb.At(0, 0));
  EXPECT_EQ(grid.At(x + 79, y + 99), thumb.At(79, 99));
}

TEST_F(GalleryWindowTest, TheTwoHundredthPortraitIsAcceptedAndTheNextRefused) {
  for (int i = 0; i < kMaxGalleryPortraits; ++i) gallery->AddPortrait(Edited());
  EXPECT_EQ(gallery->Count(), 200);
  EXPECT_TRUE(prompter.shown.size() == 1) << "only the question to create one";
  gallery->AddPortrait(Edited());
  EXPECT_EQ(gallery->Count(), 200);
  EXPECT_EQ(LastMessage(), "Gallery is full, delete some pictures");
  EXPECT_EQ(prompter.shown.back().Kind, MessageKind::Error);
}

TEST_F(GalleryWindowTest, AddingAsksToCreateAGalleryAndCancelAddsNothing) {
  prompter.answers = {MessageAnswer::Cancel};
  gallery->AddPortrait(Edited());
  EXPECT_FALSE(gallery->HasGallery());
  EXPECT_EQ(LastMessage(), "No gallery exists, create ?");
  gallery->AddPortrait(Edited());
  ASSERT_EQ(gallery->Count(), 1);
  EXPECT_FALSE(gallery->Saved());
  EXPECT_EQ(gallery->State().Caption, "Gallery *");
  // The thumbnail is the portrait reduced by four.
  std::unique_ptr<TKelvoPortret> clone = Edited().Clone();
  const Layer expected = RenderThumbnail(*clone);
  EXPECT_EQ(Pixels(gallery->Thumbnail(1)), expected.pixels);
}

TEST_F(GalleryWindowTest, DraggingOutDeletesAndRenumbers) {
  gallery->Resize(731, 400);
  AddNamed({"A", "B", "C"});
  SaveTo("g.xgl");
  const auto thumbC = Pixels(gallery->Thumbnail(3));
  Drag(2, -10, 50);
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(Pixels(gallery->Thumbnail(2)), thumbC);
  EXPECT_FALSE(gallery->Saved());
  // Released on no portrait, or on itself: nothing changes.
  Drag(1, 700, 50);
  Drag(1, 40, 50);
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C"}));
  // Only the left button drags.
  gallery->FormMouseDown(MouseButton::Right, 40, 50);
  gallery->FormMouseUp(MouseButton::Right, -10, 50);
  EXPECT_EQ(gallery->Count(), 2);
}

TEST_F(GalleryWindowTest, DraggingOntoAnotherSwapsAndRemakesBothThumbnails) {
  gallery->Resize(731, 400);
  AddNamed({"A", "B", "C"});
  const auto thumbA = Pixels(gallery->Thumbnail(1));
  const auto thumbC = Pixels(gallery->Thumbnail(3));
  ASSERT_NE(thumbA, thumbC);
  const auto [x, y] = Cell(3);
  Drag(1, x, y);
  EXPECT_EQ(Names(), (std::vector<std::string>{"C", "B", "A"}));
  EXPECT_EQ(Pixels(gallery->Thumbnail(1)), thumbC);
  EXPECT_EQ(Pixels(gallery->Thumbnail(3)), thumbA);
  // The grid shows the new order.
  const ImageView grid = gallery->GridImage();
  EXPECT_EQ(grid.At(4 + 40, 4 + 50), gallery->Thumbnail(1).At(40, 50));
  EXPECT_EQ(grid.At(2 * 88 + 4 + 40, 4 + 50), gallery->Thumbnail(3).At(40, 50));
}

TEST_F(GalleryWindowTest, VoiceBoxKeepsTheVoiceForBadNumbers) {
  gallery->Resize(731, 400);
  Add(0);
  struct Row {
    const char* text;
    int expected;
  } rows[] = {{"12", 12}, {"300", 12}, {"abc", 12}, {"-1", 12},        {"255", 255},
              {" 7 ", 7}, {"", 7},     {"0", 0},    {"99999999999", 0}};
  for (const Row& row : rows) {
    gallery->FormMouseDown(MouseButton::Right, 10, 10);
    gallery->PMPopup();
    EXPECT_EQ(gallery->State().MenuCaption, "face 1");
    prompter.inputs.push_back(std::string(row.text));
    gallery->MIVoiceClick();
    EXPECT_EQ(InGallery(1).Voice, row.expected) << row.text;
  }
  EXPECT_EQ(prompter.inputs_asked.front(), "face 1|Voice|0");
  // A cancelled box changes nothing; on no portrait the menu is disabled.
  gallery->MIVoiceClick();
  EXPECT_EQ(InGallery(1).Voice, 0);
  gallery->FormMouseDown(MouseButton::Right, 700, 10);
  gallery->PMPopup();
  EXPECT_EQ(gallery->State().MenuCaption, "no face");
  EXPECT_FALSE(gallery->State().MenuItemsEnabled);
}

TEST_F(GalleryWindowTest, NameGoesOnTheFirstLineAndTheVoiceUnderIt) {
  gallery->Resize(731, 400);
  Add(0);
  Add(0);
  gallery->FormMouseDown(MouseButton::Right, 10, 10);
  prompter.inputs.push_back(std::string("Bob"));
  gallery->MINameClick();
  EXPECT_EQ(InGallery(1).Name, "Bob");
  const auto& labels = gallery->State().Labels;
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0].Text, "Bob");
  EXPECT_EQ(labels[0].Y, 4);
  EXPECT_EQ(labels[1].Text, "0");
  EXPECT_EQ(labels[1].Y, 4 + 11);
  EXPECT_EQ(labels[2].X, 88 + 4);
  EXPECT_EQ(labels[2].Y, 4);
}

TEST_F(GalleryWindowTest, TakingIntoTheEditorAndBack) {
  gallery->Resize(731, 400);
  Edited().Selected[3] = &Komp(3, "f1");
  AddNamed({"A", "B"});
  gallery->FormMouseDown(MouseButton::Left, Cell(2).first, Cell(2).second);
  Edited().Name = "other";
  const auto refreshes = editor->Session().State().RefreshCount;
  gallery->FormDblClick();
  EXPECT_EQ(gallery->TakenFace(), 2);
  EXPECT_TRUE(gallery->State().BackToGalleryEnabled);
  EXPECT_EQ(Edited().Name, "B");
  EXPECT_EQ(Edited().Shift[3], (Point{10, 0}));
  EXPECT_GT(editor->Session().State().RefreshCount, refreshes) << "the editor redraws";

  Edited().Selected[3] = &Komp(3, "f2");
  Edited().Shift[3] = {3, 4};
  gallery->BackToGallery();
  EXPECT_EQ(gallery->TakenFace(), 0);
  EXPECT_FALSE(gallery->State().BackToGalleryEnabled);
  EXPECT_EQ(InGallery(2).Selected[3], &Komp(3, "f2"));
  EXPECT_EQ(InGallery(2).Shift[3], (Point{3, 4}));
  EXPECT_EQ(InGallery(1).Selected[3], &Komp(3, "f1"));
  std::unique_ptr<TKelvoPortret> clone = InGallery(2).Clone();
  EXPECT_EQ(Pixels(gallery->Thumbnail(2)), RenderThumbnail(*clone).pixels);
  EXPECT_FALSE(gallery->Saved());
}

TEST_F(GalleryWindowTest, TheTakenPortraitKeepsItsIdentityWhenOthersMove) {
  gallery->Resize(731, 400);
  AddNamed({"A", "B", "C"});
  gallery->FormMouseDown(MouseButton::Left, Cell(3).first, Cell(3).second);
  gallery->KeyEnter();
  ASSERT_EQ(gallery->TakenFace(), 3);
  Drag(1, -1, -1);  // A goes
  EXPECT_EQ(gallery->TakenFace(), 2);
  Drag(1, Cell(2).first, Cell(2).second);  // B and C swap
  EXPECT_EQ(gallery->TakenFace(), 1);
  EXPECT_EQ(InGallery(gallery->TakenFace()).Name, "C");
  gallery->FormMouseDown(MouseButton::Left, Cell(1).first, Cell(1).second);
  gallery->KeyDelete();
  EXPECT_EQ(gallery->TakenFace(), 0);
  EXPECT_FALSE(gallery->State().BackToGalleryEnabled);
  EXPECT_EQ(Names(), (std::vector<std::string>{"B"}));
  gallery->KeyDelete();  // the pressed portrait is gone: nothing more is deleted
  EXPECT_EQ(gallery->Count(), 1);
}

TEST_F(GalleryWindowTest, SavingAppendsTheExtensionAndLoadingReadsItBack) {
  AddNamed({"A", "B"});
  const std::string base = SaveTo("saved");
  EXPECT_TRUE(std::filesystem::exists(base + ".xgl"));
  EXPECT_TRUE(gallery->Saved());
  EXPECT_EQ(gallery->State().Caption, "Gallery - saved.xgl");
  EXPECT_EQ(prompter.file_requests.back().Filter, "Gallery (*.xgl)|*.xgl");

  // Load: the question, the file dialog, the gallery over the editor's library.
  prompter.files.push_back(base + ".xgl");
  gallery->BtnLoadClick();
  EXPECT_EQ(prompter.shown.back().Text,
            "There's a gallery in memory that will be lost, continue ?");
  ASSERT_EQ(gallery->Count(), 2);
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(&InGallery(1).Library(), &editor->Library());
}

TEST_F(GalleryWindowTest, ThumbnailsOfALoadedGalleryDoNotDependOnTheThreads) {
  for (int i = 0; i < 12; ++i) Add(3 * i);
  const std::string path = SaveTo("many.xgl");
  std::vector<std::vector<std::uint16_t>> single;
  ASSERT_TRUE(gallery->LoadFromFile(path));
  for (int n = 1; n <= 12; ++n) single.push_back(Pixels(gallery->Thumbnail(n)));
  gallery->SetThreads(4);
  std::vector<int> progress;
  gallery->SetProgress([&](int done, int) { progress.push_back(done); });
  ASSERT_TRUE(gallery->LoadFromFile(path));
  for (int n = 1; n <= 12; ++n) EXPECT_EQ(Pixels(gallery->Thumbnail(n)), single[n - 1]) << n;
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), 12);
}

// Load asks Save, Discard or Cancel about an unsaved gallery, and the gallery in memory goes only
// when another one has been read.
TEST_F(GalleryWindowTest, LoadKeepsTheGalleryUntilAnotherIsRead) {
  const std::string question = "There's a gallery in memory that will be lost, continue ?";
  AddNamed({"other"});
  const std::string other = SaveTo("other.xgl");
  gallery->Drop();
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
    gallery->BtnLoadClick();
    ASSERT_FALSE(prompter.shown.empty());
    EXPECT_EQ(prompter.shown.front().Text, question);
    EXPECT_EQ(prompter.shown.front().Buttons, MessageButtons::SaveDiscardCancel);
    EXPECT_EQ(prompter.file_requests.size(), static_cast<size_t>(row.dialogs));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(gallery->Saved());
  }
  // Save, then the load: the gallery is written before it is replaced.
  prompter.answers = {MessageAnswer::Save};
  prompter.files = {unsavedFile, other};
  gallery->BtnLoadClick();
  EXPECT_EQ(Names(), (std::vector<std::string>{"other"}));
  ASSERT_TRUE(gallery->LoadFromFile(unsavedFile));
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B"}));

  // A saved gallery loses nothing: the design's OK and Cancel, and a cancelled dialog keeps it.
  prompter.shown.clear();
  gallery->BtnLoadClick();
  EXPECT_EQ(prompter.shown.back().Buttons, MessageButtons::OkCancel);
  EXPECT_EQ(gallery->Count(), 2);
  // Discard and a good file replace it.
  Add(0, "C");
  prompter.answers = {MessageAnswer::Discard};
  prompter.files = {other};
  gallery->BtnLoadClick();
  EXPECT_EQ(Names(), (std::vector<std::string>{"other"}));
}

TEST_F(GalleryWindowTest, ClearAllAsksAndDisablesBackToGallery) {
  Add(0);
  gallery->Resize(731, 400);
  gallery->FormMouseDown(MouseButton::Left, 10, 10);
  gallery->FormDblClick();
  ASSERT_TRUE(gallery->State().BackToGalleryEnabled);
  gallery->BtnClearClick();  // Enter: No is preselected
  EXPECT_EQ(LastMessage(), "Really clean all ?");
  EXPECT_EQ(prompter.shown.back().Buttons, MessageButtons::YesNoDefaultNo);
  EXPECT_EQ(gallery->Count(), 1);
  prompter.answers = {MessageAnswer::Yes};
  gallery->BtnClearClick();
  EXPECT_FALSE(gallery->HasGallery());
  EXPECT_EQ(gallery->TakenFace(), 0);
  EXPECT_FALSE(gallery->State().BackToGalleryEnabled);
}

TEST_F(GalleryWindowTest, DoubleClickOnAPortraitOfAnotherLibraryDoesNothing) {
  WriteEditorLibrary(dir / "data" / "sub" / "lib");
  Add(0, "own");
  Add(5, "foreign");
  const std::string path = SaveTo("mixed.xgl");
  std::string text = ReadAll(path);
  const auto second = text.find("PORTRET", text.find("PORTRET") + 10);
  text = text.substr(0, second) + std::regex_replace(text.substr(second),
                                                     std::regex("PAK [^\r\n]+"), "PAK sub\\lib",
                                                     std::regex_constants::format_first_only);
  WriteText(path, text);
  ASSERT_TRUE(gallery->LoadFromFile(path)) << LastMessage();
  ASSERT_FALSE(InGallery(2).OwnLibrary);
  // The registry's first slot is white.
  EXPECT_EQ(gallery->Thumbnail(2).At(40, 50), 0xFFFF);

  gallery->Resize(731, 400);
  const auto refreshes = editor->Session().State().RefreshCount;
  const auto selected = Edited().Selected;
  Edited().Name = "mine";
  gallery->FormMouseDown(MouseButton::Left, Cell(2).first, Cell(2).second);
  EXPECT_EQ(gallery->State().StatusText, "sub\\lib");
  gallery->FormDblClick();
  EXPECT_EQ(gallery->TakenFace(), 0);
  EXPECT_EQ(Edited().Name, "mine");
  EXPECT_EQ(Edited().Selected, selected);
  EXPECT_EQ(editor->Session().State().RefreshCount, refreshes);
}

TEST_F(GalleryWindowTest, BadGalleryFilesAreReportedAndChangeNothing) {
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
    EXPECT_FALSE(gallery->LoadFromFile(path)) << row.name;
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
  EXPECT_FALSE(gallery->LoadFromFile((dir / "missing.xgl").string()));
  EXPECT_EQ(gallery->Count(), 1);
}

TEST_F(GalleryWindowTest, AFailedSaveKeepsTheGalleryUnsaved) {
  Add(0);
  const std::string path = SaveTo("no/such/folder/g.xgl");
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_FALSE(gallery->Saved());
  EXPECT_NE(LastMessage().find(path), std::string::npos) << LastMessage();
}

TEST_F(GalleryWindowTest, UnsavedGalleryQuestion) {
  EXPECT_EQ(gallery->AskToSaveUnsaved(), UnsavedGallery::NothingToSave);
  Add(0);
  prompter.shown.clear();
  EXPECT_EQ(gallery->AskToSaveUnsaved(), UnsavedGallery::Cancelled) << "Enter: Cancel";
  EXPECT_EQ(LastMessage(), "There's an unsaved gallery in memory that will be lost. Save ?");
  EXPECT_EQ(prompter.shown.back().Buttons, MessageButtons::SaveDiscardCancel);
  prompter.answers = {MessageAnswer::Save};
  EXPECT_EQ(gallery->AskToSaveUnsaved(), UnsavedGallery::Cancelled) << "save dialog cancelled";
  prompter.answers = {MessageAnswer::Discard};
  EXPECT_EQ(gallery->AskToSaveUnsaved(), UnsavedGallery::Discarded);
  EXPECT_EQ(gallery->Count(), 1) << "the asking command drops it, not the question";
  prompter.answers = {MessageAnswer::Save};
  prompter.files.push_back((dir / "kept.xgl").string());
  EXPECT_EQ(gallery->AskToSaveUnsaved(), UnsavedGallery::Saved);
  EXPECT_EQ(gallery->AskToSaveUnsaved(), UnsavedGallery::NothingToSave);
}

TEST_F(GalleryWindowTest, ANewLibraryReloadsASavedGalleryAndDropsAnUnsavedOne) {
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
  ASSERT_EQ(gallery->Count(), 2);
  EXPECT_EQ(&InGallery(1).Library(), &editor->Library());
  EXPECT_TRUE(gallery->Saved());
  gallery->ReloadForNewLibrary();  // already done: nothing happens
  EXPECT_EQ(gallery->Count(), 2);

  gallery->Drop();
  Add(0);
  replace();
  EXPECT_FALSE(gallery->HasGallery());
}

}  // namespace
}  // namespace kelvo::test
