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

TEST(WindowPlacement, DialogOpensBesideItsOwner) {
  const std::vector<ScreenRect> areas = {{0, 0, 1600, 970}};
  // Room on the right.
  EXPECT_EQ(PlaceBeside({0, 0, 200, 250}, {100, 80, 760, 590}, areas),
            (ScreenRect{860, 80, 200, 250}));
  // None on the right: on the left.
  EXPECT_EQ(PlaceBeside({0, 0, 200, 250}, {700, 80, 760, 590}, areas),
            (ScreenRect{500, 80, 200, 250}));
  // Room on neither side: over the owner's left part, on screen.
  EXPECT_EQ(PlaceBeside({0, 0, 200, 250}, {100, 800, 1450, 590}, areas),
            (ScreenRect{100, 720, 200, 250}));
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

}  // namespace
}  // namespace kelvo
