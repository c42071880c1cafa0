// The gallery window's model on the small test library: grid geometry, dragging, the popup
// menu's name and voice boxes, taking a portrait into the editor and back, thumbnails, and how
// the window follows the editor's gallery and reports its changes.
#include "editor/windows/gallery_window_model.h"

#include <gtest/gtest.h>

#include <regex>

#include "editor/gallery_test_support.h"
#include "portrait/thumbnails.h"

namespace kelvo::test {
namespace {

class GalleryWindowTest : public GalleryFixture {
 protected:
  GalleryWindowTest() {
    gallery = std::make_unique<GalleryWindowModel>(editor->Session(), *document);
    gallery->SetThreads(1);
  }
  ~GalleryWindowTest() override { gallery.reset(); }

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

  std::unique_ptr<GalleryWindowModel> gallery;
};

class CollectingGalleryListener : public GalleryListener {
 public:
  void GalleryChanged(unsigned changes) override { calls.push_back(changes); }
  std::vector<unsigned> calls;
};

// The cells themselves are the gallery grid's (tests/portrait/gallery_grid_test.cpp); here the
// window's part: its width, the scroll position and the points outside it.
TEST_F(GalleryWindowTest, NarrowWindowShowsOneColumnAndTwoHundredRows) {
  gallery->Resize(100, 300);
  for (int i = 0; i < kMaxGalleryPortraits; ++i) document->AddPortrait(Edited());
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

TEST_F(GalleryWindowTest, AddingAsksToCreateAGalleryAndCancelAddsNothing) {
  prompter.answers = {MessageAnswer::Cancel};
  document->AddPortrait(Edited());
  EXPECT_FALSE(gallery->HasGallery());
  EXPECT_EQ(LastMessage(), "No gallery exists, create ?");
  document->AddPortrait(Edited());
  ASSERT_EQ(gallery->Count(), 1);
  EXPECT_FALSE(document->Saved());
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
  EXPECT_FALSE(document->Saved());
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
  document->BackToGallery();
  EXPECT_EQ(gallery->TakenFace(), 0);
  EXPECT_FALSE(gallery->State().BackToGalleryEnabled);
  EXPECT_EQ(InGallery(2).Selected[3], &Komp(3, "f2"));
  EXPECT_EQ(InGallery(2).Shift[3], (Point{3, 4}));
  EXPECT_EQ(InGallery(1).Selected[3], &Komp(3, "f1"));
  std::unique_ptr<TKelvoPortret> clone = InGallery(2).Clone();
  EXPECT_EQ(Pixels(gallery->Thumbnail(2)), RenderThumbnail(*clone).pixels);
  EXPECT_FALSE(document->Saved());
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
  gallery->KeyDelete();  // the question preselects No
  EXPECT_EQ(gallery->Count(), 2);
  EXPECT_EQ(prompter.shown.back().Text, "Delete portrait 1 from the gallery ?");
  prompter.answers.push_back(MessageAnswer::Yes);
  gallery->KeyDelete();
  EXPECT_EQ(gallery->TakenFace(), 0);
  EXPECT_FALSE(gallery->State().BackToGalleryEnabled);
  EXPECT_EQ(Names(), (std::vector<std::string>{"B"}));
  gallery->KeyDelete();  // the pressed portrait is gone: nothing more is deleted
  EXPECT_EQ(gallery->Count(), 1);
}

// The arrows move the highlight over the thumbnails: across to the ends, by rows while a row
// is there; the highlight is the pressed portrait that Enter and Delete take.
TEST_F(GalleryWindowTest, ArrowKeysMoveTheHighlight) {
  gallery->Resize(3 * kGalleryCellWidth + 10, 400);  // three columns
  AddNamed({"A", "B", "C", "D", "E"});
  ASSERT_EQ(gallery->Columns(), 3);
  EXPECT_EQ(gallery->HighlightRect().Width(), 0);
  struct Row {
    int dx, dy, expected;
  };
  const Row rows[] = {{1, 0, 1},  {1, 0, 2},  {0, 1, 5},  {1, 0, 5},  {0, 1, 5},
                      {0, -1, 2}, {-1, 0, 1}, {-1, 0, 1}, {0, -1, 1}, {0, 1, 4}};
  for (const Row& row : rows) {
    gallery->KeyMove(row.dx, row.dy);
    EXPECT_EQ(gallery->State().PressedFace, row.expected) << row.dx << "," << row.dy;
  }
  EXPECT_EQ(gallery->HighlightRect(),
            (Rect{0, kGalleryCellHeight, kGalleryCellWidth, 2 * kGalleryCellHeight}));
  gallery->KeyEnter();
  EXPECT_EQ(gallery->TakenFace(), 4);
}

TEST_F(GalleryWindowTest, ThumbnailsOfALoadedGalleryDoNotDependOnTheThreads) {
  for (int i = 0; i < 12; ++i) Add(3 * i);
  const std::string path = SaveTo("many.xgl");
  std::vector<std::vector<std::uint16_t>> single;
  ASSERT_TRUE(document->LoadFromFile(path));
  for (int n = 1; n <= 12; ++n) single.push_back(Pixels(gallery->Thumbnail(n)));
  gallery->SetThreads(4);
  std::vector<int> progress;
  gallery->SetProgress([&](int done, int) { progress.push_back(done); });
  ASSERT_TRUE(document->LoadFromFile(path));
  for (int n = 1; n <= 12; ++n) EXPECT_EQ(Pixels(gallery->Thumbnail(n)), single[n - 1]) << n;
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), 12);
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
  ASSERT_TRUE(document->LoadFromFile(path)) << LastMessage();
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

// The window collects what a command changed and reports it once, when the outermost session
// command ends, however many gallery commands ran inside it.
TEST_F(GalleryWindowTest, ChangesReachTheListenerOnceWhenTheOutermostCommandEnds) {
  CollectingGalleryListener listener;
  gallery->SetListener(&listener);
  {
    const EditorSession::Command outer(editor->Session());
    AddNamed({"A", "B"});
    EXPECT_TRUE(listener.calls.empty());
  }
  const unsigned added = kGalleryGrid | kGalleryCaption | kGalleryShowWindow;
  ASSERT_EQ(listener.calls.size(), 1u);
  EXPECT_EQ(listener.calls[0] & added, added);
  // A main-window button reaches the window the same way: "Back to gal." comes on once.
  listener.calls.clear();
  gallery->Resize(731, 400);
  gallery->FormMouseDown(MouseButton::Left, Cell(2).first, Cell(2).second);
  listener.calls.clear();
  gallery->FormDblClick();
  ASSERT_EQ(listener.calls.size(), 1u);
  EXPECT_EQ(listener.calls[0], static_cast<unsigned>(kGalleryBackButton));
  editor->BtnBackToGalClick();
  ASSERT_EQ(listener.calls.size(), 2u);
  EXPECT_EQ(listener.calls[1] & kGalleryBackButton, static_cast<unsigned>(kGalleryBackButton));
  EXPECT_FALSE(gallery->State().BackToGalleryEnabled);
  gallery->SetListener(nullptr);
}

// Every window over the gallery shows it, one made after the gallery was filled too.
TEST_F(GalleryWindowTest, AWindowMadeLaterShowsTheGalleryAndBothFollowIt) {
  gallery->Resize(731, 400);
  AddNamed({"A", "B", "C"});
  GalleryWindowModel second(editor->Session(), *document);
  second.Resize(731, 400);
  EXPECT_EQ(second.State().Caption, "Gallery *");
  EXPECT_EQ(Pixels(second.GridImage()), Pixels(gallery->GridImage()));
  Drag(1, -10, 50);
  const auto [x, y] = Cell(2);
  Drag(1, x, y);
  ASSERT_EQ(second.Count(), 2);
  EXPECT_EQ(Pixels(second.Thumbnail(1)), Pixels(gallery->Thumbnail(1)));
  EXPECT_EQ(Pixels(second.GridImage()), Pixels(gallery->GridImage()));
}

}  // namespace
}  // namespace kelvo::test
