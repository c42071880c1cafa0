// Where the main window, its previews and the dialogs go on screen.
#include "editor/main_window/window_placement.h"

#include <gtest/gtest.h>

#include <limits>

namespace kelvo {
namespace {

// Outer sizes as a window manager with a 24-pixel title bar and 1-pixel borders gives them;
// the 8x preview's frame is wider than its image because the title bar needs room.
MainWindowsRequest Request(ScreenRect area) {
  MainWindowsRequest request;
  request.Areas = {area};
  request.Main = {0, 0, 760, 590};
  request.Previews = {ScreenRect{0, 0, 322, 425}, ScreenRect{0, 0, 162, 225},
                      ScreenRect{0, 0, 100, 125}, ScreenRect{0, 0, 100, 75}};
  return request;
}

bool Inside(const ScreenRect& window, const ScreenRect& area) {
  return window.Left >= area.Left && window.Top >= area.Top && window.Right() <= area.Right() &&
         window.Bottom() <= area.Bottom();
}

void ExpectPreviewsApartAndOnScreen(const MainWindowsLayout& layout, const ScreenRect& area) {
  EXPECT_TRUE(Inside(layout.Main, area));
  for (size_t i = 0; i < layout.Previews.size(); ++i) {
    EXPECT_TRUE(Inside(layout.Previews[i], area)) << "preview " << i + 1;
    for (size_t j = i + 1; j < layout.Previews.size(); ++j) {
      EXPECT_EQ(OverlapArea(layout.Previews[i], layout.Previews[j]), 0)
          << "previews " << i + 1 << " and " << j + 1;
    }
  }
}

TEST(WindowPlacement, FirstRunPutsThePreviewsBesideAndBelowByTheirFrames) {
  const ScreenRect area{0, 0, 1600, 970};
  const MainWindowsLayout layout = PlaceMainWindows(Request(area));
  ExpectPreviewsApartAndOnScreen(layout, area);
  for (const ScreenRect& preview : layout.Previews) EXPECT_EQ(OverlapArea(preview, layout.Main), 0);
  const auto& p = layout.Previews;
  EXPECT_EQ(p[0].Left, layout.Main.Right());
  EXPECT_EQ(p[0].Top, layout.Main.Top);
  // The row starts at preview 1's left edge, right below its frame.
  EXPECT_EQ(p[1].Left, p[0].Left);
  EXPECT_EQ(p[1].Top, p[0].Bottom());
  EXPECT_EQ(p[2].Left, p[1].Right());
  EXPECT_EQ(p[3].Left, p[2].Right());
  EXPECT_EQ(p[3].Top, p[0].Bottom());
  // Centred as a group: main window and preview block.
  const int group = layout.Main.Width + p[0].Width + 40;  // the row is wider than preview 1
  EXPECT_EQ(layout.Main.Left, (1600 - group) / 2);
}

TEST(WindowPlacement, SmallScreenKeepsEveryWindowOnItWithoutPreviewsCoveringEachOther) {
  for (const ScreenRect area :
       {ScreenRect{0, 0, 1280, 720}, ScreenRect{0, 30, 1280, 690}, ScreenRect{0, 0, 1024, 600}}) {
    ExpectPreviewsApartAndOnScreen(PlaceMainWindows(Request(area)), area);
  }
}

TEST(WindowPlacement, StoredPositionsAreKeptAndThoseOffScreenMovedBack) {
  const ScreenRect area{0, 0, 1280, 720};
  MainWindowsRequest request = Request(area);
  request.StoredMain = ScreenPoint{30, 20};
  request.StoredPreviews = {ScreenPoint{800, 10}, ScreenPoint{1500, 300}, ScreenPoint{-400, -50},
                            std::nullopt};
  const MainWindowsLayout layout = PlaceMainWindows(request);
  EXPECT_EQ(layout.Main, (ScreenRect{30, 20, 760, 590}));
  EXPECT_EQ(layout.Previews[0], (ScreenRect{800, 10, 322, 425}));
  EXPECT_EQ(layout.Previews[1], (ScreenRect{1280 - 162, 300, 162, 225}));
  EXPECT_EQ(layout.Previews[2], (ScreenRect{0, 0, 100, 125}));
  EXPECT_TRUE(Inside(layout.Previews[3], area));

  // A main window stored for a bigger screen comes back whole.
  request.StoredMain = ScreenPoint{1500, 900};
  EXPECT_EQ(PlaceMainWindows(request).Main, (ScreenRect{1280 - 760, 720 - 590, 760, 590}));
}

TEST(WindowPlacement, AWindowOnASecondScreenStaysThere) {
  const std::vector<ScreenRect> areas = {{0, 0, 1280, 720}, {1280, 0, 1600, 970}};
  EXPECT_EQ(KeepOnScreen({2000, 100, 300, 300}, areas), (ScreenRect{2000, 100, 300, 300}));
  // Mostly on the second screen: kept inside that one.
  EXPECT_EQ(KeepOnScreen({2700, 900, 300, 300}, areas), (ScreenRect{2580, 670, 300, 300}));
  // On neither: the primary screen.
  EXPECT_EQ(KeepOnScreen({-900, 50, 300, 300}, areas), (ScreenRect{0, 50, 300, 300}));
  // Larger than the screen: the top left corner, with the title bar, stays reachable.
  EXPECT_EQ(KeepOnScreen({-20, -30, 1400, 800}, areas), (ScreenRect{0, 0, 1400, 800}));
  EXPECT_EQ(KeepOnScreen({5, 5, 10, 10}, {}), (ScreenRect{5, 5, 10, 10}));
}

// The settings store may hold any whole number: the extremes come back on screen too.
TEST(WindowPlacement, StoredPositionsAtTheLimitsOfIntComeBackOnScreen) {
  const std::vector<ScreenRect> areas = {{0, 0, 1280, 720}, {1280, -100, 1600, 970}};
  const int max = std::numeric_limits<int>::max();
  const int min = std::numeric_limits<int>::min();
  EXPECT_EQ(KeepOnScreen({max, max, 300, 200}, areas), (ScreenRect{980, 520, 300, 200}));
  EXPECT_EQ(KeepOnScreen({min, min, 300, 200}, areas), (ScreenRect{0, 0, 300, 200}));
  EXPECT_EQ(KeepOnScreen({max - 100, min, 300, 200}, areas), (ScreenRect{980, 0, 300, 200}));
  MainWindowsRequest request = Request(areas.front());
  request.Areas = areas;
  request.StoredMain = ScreenPoint{max, min};
  request.StoredPreviews = {ScreenPoint{min, max}, ScreenPoint{max, max}, std::nullopt,
                            ScreenPoint{min, min}};
  const MainWindowsLayout layout = PlaceMainWindows(request);
  EXPECT_TRUE(Inside(layout.Main, areas.front()));
  for (const ScreenRect& preview : layout.Previews) EXPECT_TRUE(Inside(preview, areas.front()));
}

// The gallery window at 1280 x 720: centred it would cover "Add to gal."; it goes to the
// nearest place that covers neither that button nor the 1x preview, and where none is left it
// says so.
TEST(PlaceAvoiding, TheGalleryKeepsClearOfTheButtonAndTheFullSizePreview) {
  const ScreenRect area{0, 0, 1280, 720};
  const ScreenRect gallery{0, 0, 733, 455};
  const ScreenRect add_button{830, 563, 80, 20};
  const ScreenRect preview{958, 18, 322, 425};
  const ScreenPoint centred{273, 132};
  const std::optional<ScreenPoint> place =
      PlaceAvoiding(gallery, area, {add_button, preview}, centred);
  ASSERT_TRUE(place);
  const ScreenRect placed{place->X, place->Y, gallery.Width, gallery.Height};
  EXPECT_TRUE(Inside(placed, area));
  EXPECT_EQ(OverlapArea(placed, add_button), 0);
  EXPECT_EQ(OverlapArea(placed, preview), 0);
  EXPECT_EQ(*place, (ScreenPoint{225, 108}));  // up and left just as far as needed
  // Nothing in the way: the preferred place itself.
  EXPECT_EQ(PlaceAvoiding(gallery, area, {}, centred), centred);
  // A screen too small for it: no place.
  EXPECT_FALSE(
      PlaceAvoiding(gallery, ScreenRect{0, 0, 800, 500}, {ScreenRect{300, 200, 10, 10}}, centred));
}

// Outer sizes of today's main window (undocked) and previews under a window manager.
MainWindowsRequest DockRequest(std::vector<ScreenRect> areas, std::optional<ScreenPoint> stored) {
  MainWindowsRequest request = Request(areas.front());
  request.Areas = std::move(areas);
  request.Main = {0, 0, 1034, 700};
  request.StoredMain = stored;
  return request;
}

struct DockRow {
  const char* name;
  std::vector<ScreenRect> areas;
  std::optional<ScreenPoint> stored_main;
  std::optional<bool> choice;
  bool docked;
};

TEST(PreviewsDocked, DockWhenThePreviewsCannotFitBesideTheMainWindow) {
  const ScreenRect small{0, 0, 1280, 720};
  const ScreenRect large{1280, 0, 1920, 1080};
  const DockRow rows[] = {
      {"1280x720", {small}, {}, {}, true},
      {"1600x1000", {{0, 0, 1600, 1000}}, {}, {}, false},
      {"1920x1080 less a panel", {{0, 0, 1920, 1050}}, {}, {}, false},
      {"1600x640: too low for the main window", {{0, 0, 1600, 640}}, {}, {}, true},
      {"two screens, opening on the small primary", {small, large}, {}, {}, true},
      {"two screens, stored on the large one", {small, large}, ScreenPoint{1400, 50}, {}, false},
      {"two screens, stored on the small one", {large, small}, ScreenPoint{100, 50}, {}, true},
      {"the user's choice: docked on a large screen", {large}, {}, true, true},
      {"the user's choice: floating on a small one", {small}, {}, false, false},
      {"no screen known", {}, {}, {}, false},
  };
  for (const DockRow& row : rows) {
    MainWindowsRequest request = DockRequest(
        row.areas.empty() ? std::vector<ScreenRect>{small} : row.areas, row.stored_main);
    request.Areas = row.areas;
    EXPECT_EQ(PreviewsDocked(request, row.choice), row.docked) << row.name;
  }
}

TEST(PreviewsDocked, TheDockedMainWindowIsCutToItsScreen) {
  const std::vector<ScreenRect> areas = {{0, 0, 1280, 720}, {1280, 0, 1920, 1080}};
  MainWindowsRequest request = DockRequest(areas, {});
  request.Main = {0, 0, 1380, 760};
  EXPECT_EQ(PlaceDockedMainWindow(request), (ScreenRect{0, 0, 1280, 720}));
  request.Main = {0, 0, 1000, 700};
  EXPECT_EQ(PlaceDockedMainWindow(request), (ScreenRect{140, 10, 1000, 700}));
  request.StoredMain = ScreenPoint{2900, 600};  // on the second screen, partly off it
  EXPECT_EQ(PlaceDockedMainWindow(request), (ScreenRect{2200, 380, 1000, 700}));
}

struct DialogRow {
  const char* name;
  ScreenRect area;
  ScreenRect dialog;
  std::optional<ScreenRect> preview;
  std::vector<ScreenRect> avoid;
  std::optional<ScreenRect> expected;  // else only: on screen, covering nothing to avoid
};

TEST(PlaceDialog, EveryDialogOpensOnScreenBesideTheFullSizePreview) {
  const ScreenRect docked_preview{950, 40, 322, 425};  // inside the main window at 1280 x 720
  const DialogRow rows[] = {
      {"room on the right",
       {0, 0, 1600, 1000},
       {500, 300, 400, 300},
       ScreenRect{600, 100, 322, 425},
       {},
       ScreenRect{922, 100, 400, 300}},
      {"none on the right: left",
       {0, 0, 1600, 1000},
       {500, 300, 400, 300},
       ScreenRect{1100, 100, 322, 425},
       {},
       ScreenRect{700, 100, 400, 300}},
      {"colours taller than 1280 x 720: cut and pulled up",
       {0, 0, 1280, 720},
       {290, 0, 700, 790},
       docked_preview,
       {},
       ScreenRect{250, 0, 700, 720}},
      {"undo history reaching the bottom edge",
       {0, 0, 1280, 720},
       {490, 260, 300, 600},
       docked_preview,
       {},
       ScreenRect{650, 40, 300, 600}},
      {"second screen: beside the preview there",
       {0, 0, 1280, 720},
       {400, 200, 400, 300},
       ScreenRect{1300, 100, 322, 425},
       {},
       ScreenRect{1622, 100, 400, 300}},
      {"no preview shown: kept where it opens, on screen",
       {0, 0, 1280, 720},
       {1000, 600, 400, 300},
       {},
       {},
       ScreenRect{880, 420, 400, 300}},
      {"the gallery keeps clear of \"Add to gal.\" too",
       {0, 0, 1280, 720},
       {273, 132, 733, 455},
       ScreenRect{958, 18, 322, 425},
       {ScreenRect{300, 100, 80, 20}},
       {}},
  };
  for (const DialogRow& row : rows) {
    DialogRequest request;
    request.Areas = {row.area, {1280, 0, 1024, 768}};
    request.Dialog = row.dialog;
    request.Beside = row.preview;
    request.Avoid = row.avoid;
    const ScreenRect placed = PlaceDialog(request);
    if (row.expected) {
      EXPECT_EQ(placed, *row.expected) << row.name;
    }
    const ScreenRect& area = row.preview && row.preview->Left >= 1280 ? request.Areas[1] : row.area;
    EXPECT_TRUE(Inside(placed, area)) << row.name;
    if (row.preview) {
      EXPECT_EQ(OverlapArea(placed, *row.preview), 0) << row.name;
    }
    for (const ScreenRect& r : row.avoid) EXPECT_EQ(OverlapArea(placed, r), 0) << row.name;
  }
}

}  // namespace
}  // namespace kelvo
