// The colours dialog's model on a small library: entries, swatch layout, hit test, the
// buttons, bad selections read from a file, and the ramp shared with the renderer.
#include "editor/windows/colours_dialog_model.h"

#include <gtest/gtest.h>

#include "editor/editor_test_support.h"
#include "library/colour_type.h"
#include "portrait/colour_ramp.h"
#include "portrait/pixel.h"
#include "support/test_support.h"

namespace kelvo::test {
namespace {

// Answers the colour chooser with a set colour; cancels while none is set.
struct ChoosingPrompter : FakePrompter {
  std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override {
    asked = initial;
    return answer;
  }
  std::uint32_t asked = 0;
  std::optional<std::uint32_t> answer;
};

class ColoursDialogTest : public EditorFixture {
 protected:
  ColoursDialogTest() { model = std::make_unique<EditorModel>(*context, chooser); }
  ~ColoursDialogTest() override {
    colours.reset();
    model.reset();
  }
  void StartDialog(int width = 400, int height = 300) {
    Start();
    colours = std::make_unique<ColoursDialogModel>(model->Session());
    colours->SetImageSize(width, height);
    model->Session().State().LibraryChanged = false;
  }
  // Colour type t gets entries of the given frequencies (colours 0x10, 0x20, ...).
  TDruhBarvy& Fill(int t, std::vector<int> frequencies, int selected, int def) {
    TDruhBarvy& type = Lib().ColourType(t);
    type.Entries.clear();
    for (size_t i = 0; i < frequencies.size(); ++i) {
      ColourEntry e = ColourEntry::WithDefaultProperties();
      e.Colour() = static_cast<int32_t>(0x10 * (i + 1));
      e.Contrast() = 60;
      e.Frequency() = frequencies[i];
      type.Entries.push_back(e);
    }
    type.Selected = selected;
    type.DefaultEntry = def;
    Reread();
    return type;
  }
  // The library was edited behind the dialog's back: it shows everything again.
  void Reread() { model->Session().Notify(SessionEvent::LibraryEdited); }
  bool Changed() const { return model->Session().State().LibraryChanged; }
  const ColoursDialogState& S() const { return colours->State(); }

  ChoosingPrompter chooser;
  std::unique_ptr<ColoursDialogModel> colours;
};

TEST_F(ColoursDialogTest, TypeWithoutEntriesShowsDefaultsAndOnlyAddChangesIt) {
  StartDialog();
  const TDruhBarvy before = Lib().ColourType(1);
  ASSERT_EQ(before.EntryCount(), 0);
  EXPECT_EQ(S().PanelColour, 0x808080u);
  EXPECT_EQ(S().Frequency, 20);
  EXPECT_EQ(S().Contrast, 85);
  colours->ButSmazatClick();
  colours->ButDefaultClick();
  colours->SEdCetnostChange(30);
  colours->SEdZesvetleniChange(40);
  EXPECT_FALSE(colours->BtnVlastClick().has_value());
  colours->ImSeznamClick(5, 5);
  EXPECT_EQ(Lib().ColourType(1), before);
  EXPECT_FALSE(Changed());

  colours->ButPridatClick();  // with the values typed into the panel
  const TDruhBarvy& type = Lib().ColourType(1);
  ASSERT_EQ(type.EntryCount(), 1);
  EXPECT_EQ(type.Selected, 1);
  EXPECT_EQ(type.Entry(1).Colour(), 0x808080);
  EXPECT_EQ(type.Entry(1).Frequency(), 30);
  EXPECT_EQ(type.Entry(1).Contrast(), 40);
  EXPECT_EQ(type.Entry(1).Property(3), 50);
  EXPECT_TRUE(Changed());
  ASSERT_EQ(S().Swatches.size(), 1u);
  EXPECT_TRUE(S().SelectedFrame.has_value());
}

struct RemoveRow {
  std::vector<int> freqs;
  int selected, def;
  int countAfter, selectedAfter, defAfter;
};

TEST_F(ColoursDialogTest, RemoveRenumbersSelectionAndDefault) {
  StartDialog();
  const RemoveRow rows[] = {
      {{10, 10, 10}, 3, 0, 2, 2, 0},      // the last of three: entry 2 selected
      {{10, 10, 10, 10}, 2, 3, 3, 2, 2},  // the default moves up with its entry
      {{10, 10, 10, 10}, 3, 2, 3, 3, 2},  // a default before the removed one stays
      {{10}, 1, 1, 0, 0, 0},              // the list becomes empty
  };
  for (const RemoveRow& r : rows) {
    Fill(1, r.freqs, r.selected, r.def);
    colours->ButSmazatClick();
    const TDruhBarvy& type = Lib().ColourType(1);
    EXPECT_EQ(type.EntryCount(), r.countAfter);
    EXPECT_EQ(type.Selected, r.selectedAfter) << r.selected;
    EXPECT_EQ(type.DefaultEntry, r.defAfter) << r.selected;
    EXPECT_EQ(static_cast<int>(S().Swatches.size()), r.countAfter);
  }
  Fill(1, {10, 10, 10}, 3, 0);
  const int32_t second = Lib().ColourType(1).Entry(2).Colour();
  colours->ButSmazatClick();
  EXPECT_EQ(S().PanelColour, static_cast<uint32_t>(second));  // the edit panel follows
}

TEST_F(ColoursDialogTest, AddInsertsAfterTheSelectedEntry) {
  StartDialog();
  TDruhBarvy& type = Fill(2, {10, 11, 12, 13}, 2, 3);
  colours->TabClick(2);
  colours->SEdCetnostChange(17);  // also changes entry 2
  colours->ButPridatClick();
  ASSERT_EQ(type.EntryCount(), 5);
  EXPECT_EQ(type.Selected, 3);
  EXPECT_EQ(type.DefaultEntry, 4);
  EXPECT_EQ(type.Entry(3).Frequency(), 17);
  EXPECT_EQ(type.Entry(4).Frequency(), 12);
  ASSERT_TRUE(S().DefaultFrame.has_value());
  EXPECT_EQ(S().DefaultFrame->Top, S().Swatches[3].Area.Top - 2);

  Fill(2, {10, 11}, 0, 1);  // nothing selected: at the front
  colours->ButPridatClick();
  EXPECT_EQ(type.Selected, 1);
  EXPECT_EQ(type.DefaultEntry, 2);
}

TEST_F(ColoursDialogTest, SwatchesAreLaidOutInColumns) {
  StartDialog(400, 66);  // exactly three swatches high
  Fill(1, {0, 30, 12, 50, -3}, 1, 0);
  const auto& sw = S().Swatches;
  ASSERT_EQ(sw.size(), 5u);
  EXPECT_EQ(sw[0].Area, (ScreenRect{3, 3, 4, 16}));  // frequency 0 is 4 wide
  EXPECT_EQ(sw[1].Area, (ScreenRect{3, 24, 30, 16}));
  EXPECT_EQ(sw[2].Area, (ScreenRect{3, 45, 12, 16}));
  EXPECT_EQ(sw[3].Area, (ScreenRect{3 + 30 + 4, 3, 50, 16}));  // right of the widest
  EXPECT_EQ(sw[4].Area, (ScreenRect{37, 24, 4, 16}));
  EXPECT_EQ(sw[3].Column, 1);
  EXPECT_EQ(sw[4].Row, 1);
  EXPECT_EQ(S().SelectedFrame, (ScreenRect{0, 0, 10, 22}));

  colours->SetImageSize(400, 65);  // one pixel short: two per column
  EXPECT_EQ(S().Swatches[2].Area.Left, 37);
  colours->SetImageSize(400, 23);  // not even the first fits
  EXPECT_TRUE(S().Swatches.empty());
  EXPECT_FALSE(S().SelectedFrame.has_value());
}

TEST_F(ColoursDialogTest, ClickHitsThreePixelsBesideASwatch) {
  StartDialog(400, 66);
  TDruhBarvy& type = Fill(1, {10, 30, 10, 10, 10}, 1, 0);
  // Entries 4 and 5 make the second column at x = 37.
  struct Click {
    int x, y, hit;
  } clicks[] = {{35, 3, 4}, {33, 3, 0}, {49, 3, 4},  {50, 3, 0},  {15, 3, 1}, {16, 3, 0}, {0, 3, 1},
                {3, 23, 1}, {3, 24, 2}, {37, 23, 4}, {37, 24, 5}, {3, 66, 0}, {37, 45, 0}};
  for (const Click& c : clicks) EXPECT_EQ(colours->HitTest(c.x, c.y), c.hit) << c.x << "," << c.y;
  colours->ImSeznamClick(36, 5);
  EXPECT_EQ(type.Selected, 4);
  EXPECT_TRUE(Changed());
  EXPECT_EQ(S().PanelColour, 0x40u);
  EXPECT_EQ(colours->SwatchTooltip(36, 5), "Colour 4: #400000, contrast 60, frequency 10");
  EXPECT_EQ(colours->SwatchTooltip(300, 5), "");
}

TEST_F(ColoursDialogTest, ArrowKeysMoveTheSelection) {
  StartDialog(400, 66);
  TDruhBarvy& type = Fill(1, {10, 10, 10, 10, 10}, 0, 0);
  const struct {
    SwatchKey key;
    int selected;
  } steps[] = {{SwatchKey::Down, 1},  {SwatchKey::Up, 1},   {SwatchKey::Down, 2},
               {SwatchKey::Right, 5}, {SwatchKey::Down, 5}, {SwatchKey::Left, 2},
               {SwatchKey::Left, 2},  {SwatchKey::Down, 3}, {SwatchKey::Right, 5}};
  for (const auto& step : steps) {
    colours->SwatchKeyPress(step.key);
    EXPECT_EQ(type.Selected, step.selected);
  }
}

TEST_F(ColoursDialogTest, DefaultSelectsEveryDefaultAndSetAsDefMovesIt) {
  StartDialog();
  Fill(1, {10, 10, 10}, 1, 3);
  Fill(4, {10, 10}, 2, 1);
  Fill(11, {10}, 0, 0);
  colours->ButDefaultClick();  // type 1: default := selected 1
  EXPECT_EQ(Lib().ColourType(1).DefaultEntry, 1);
  Lib().ColourType(1).DefaultEntry = 3;
  colours->ButNastavitClick();
  EXPECT_EQ(Lib().ColourType(1).Selected, 3);
  EXPECT_EQ(Lib().ColourType(4).Selected, 1);
  EXPECT_EQ(Lib().ColourType(11).Selected, 0);
  EXPECT_EQ(S().Selected, 3);
  EXPECT_EQ(S().PanelColour, 0x30u);
}

TEST_F(ColoursDialogTest, SpinValuesOutsideTheRangeAreKeptInside) {
  StartDialog();
  TDruhBarvy& type = Fill(1, {10}, 1, 0);
  const struct {
    int typed, frequency, contrast;
  } rows[] = {{5000, 999, 255}, {-7, 0, 0}, {42, 42, 42}};
  for (const auto& r : rows) {
    colours->SEdCetnostChange(r.typed);
    colours->SEdZesvetleniChange(r.typed);
    EXPECT_EQ(type.Entry(1).Frequency(), r.frequency);
    EXPECT_EQ(type.Entry(1).Contrast(), r.contrast);
    EXPECT_EQ(S().Frequency, r.frequency);
  }
}

TEST_F(ColoursDialogTest, ColourChooserChangesPanelAndEntry) {
  StartDialog();
  TDruhBarvy& type = Fill(1, {10}, 1, 0);
  colours->PanColorClick();  // cancelled
  EXPECT_EQ(chooser.asked, 0x10u);
  EXPECT_EQ(type.Entry(1).Colour(), 0x10);
  EXPECT_FALSE(Changed());
  chooser.answer = 0x2040FF;
  colours->PanColorClick();
  EXPECT_EQ(type.Entry(1).Colour(), 0x2040FF);
  EXPECT_EQ(S().PanelColour, 0x2040FFu);
  EXPECT_TRUE(Changed());
  // Without a selection only the panel takes it, for the next "&Add"; the dialog coming back
  // to the front after the chooser closed keeps it.
  type.Selected = 0;
  Reread();
  EXPECT_EQ(S().PanelColour, kNoEntryColour);
  chooser.answer = 0x00FF00;
  colours->PanColorClick();
  EXPECT_EQ(type.Entry(1).Colour(), 0x2040FF);
  colours->FormActivate();
  EXPECT_EQ(S().PanelColour, 0x00FF00u);
  colours->ButPridatClick();
  EXPECT_EQ(type.Entry(1).Colour(), 0x00FF00);
}

// Selection and default numbers beyond the entries, read from the colour file.
TEST_F(ColoursDialogTest, OutOfRangeNumbersFromTheFileNeverCrash) {
  WriteText(dir / "data" / "lib" / "col",
            "COLORS\r\nCOLOR_TYPE 1 Skin\r\n  COUNT 2 7 9\r\n"
            "    COLOR 0000FF\r\n      KONT 70\r\n      CETN 12\r\n    END_OF_COLOR\r\n"
            "    COLOR 00FF00\r\n      KONT 70\r\n      CETN 12\r\n    END_OF_COLOR\r\n"
            "END_OF_COLOR_TYPE\r\nCOLOR_TYPE 2 Hair\r\n  COUNT 0 -3 5\r\nEND_OF_COLOR_TYPE\r\n"
            "END_OF_COLORS\r\n");
  StartDialog();
  // Start-up coloured the portrait at random and so chose a valid entry; put the file's back.
  Lib().ColourType(1).Selected = 7;
  Reread();
  for (int t : {1, 2}) {
    colours->TabClick(t);
    EXPECT_EQ(S().PanelColour, 0x808080u);
    EXPECT_FALSE(S().SelectedFrame.has_value());
    colours->ButSmazatClick();
    colours->ButDefaultClick();
    colours->SEdCetnostChange(5);
    colours->SEdZesvetleniChange(5);
    EXPECT_FALSE(colours->BtnVlastClick().has_value());
    colours->SwatchKeyPress(SwatchKey::Right);
    colours->ImSeznamClick(4, 4);
    colours->PanColorClick();
    colours->ButApplyClick();
    colours->ButNastavitClick();
    colours->ButPridatClick();
    colours->ButSmazatClick();
    colours->LockClick(t, true);
  }
  EXPECT_EQ(Lib().ColourType(1).EntryCount(), 2);
  EXPECT_EQ(Lib().ColourType(2).EntryCount(), 0);
  EXPECT_TRUE(model->Portrait().ColourTypeLocked[2]);
}

TEST_F(ColoursDialogTest, SwatchesAndPreviewUseTheRenderersRamp) {
  StartDialog();
  TDruhBarvy& type = Fill(1, {10, 20}, 2, 0);
  type.Entry(2).Colour() = 0x3A7FC4;
  type.Entry(2).Contrast() = 33;
  colours->FormShow();
  Lib().Container(3).ColourSlots[1] = 1;
  colours->ButApplyClick();
  TKelvoPortret& portrait = model->Portrait();
  EXPECT_EQ(portrait.ColourSlots[3][1], type.Entry(2));
  portrait.BuildColourRamp(3);
  const Swatch& swatch = S().Swatches[1];
  for (int j = 0; j < 16; ++j) {
    EXPECT_EQ(swatch.Rows[j], rgb16_to_color(portrait.ColourRamp[63 - 4 * j])) << j;
  }
  const ColourTab& tab = S().Tabs[1];
  EXPECT_EQ(tab.Preview[0], rgb16_to_color(portrait.ColourRamp[63]));
  EXPECT_EQ(tab.Preview[62], rgb16_to_color(portrait.ColourRamp[1]));
}

TEST_F(ColoursDialogTest, EntryPropertiesCaptionAndStore) {
  StartDialog();
  TDruhBarvy& type = Fill(3, {10, 10}, 2, 0);
  type.Name = "Eyes";
  colours->TabClick(3);
  const auto request = colours->BtnVlastClick();
  ASSERT_TRUE(request.has_value());
  EXPECT_EQ(request->Caption, "Properties - Eyes - barva 2");
  EXPECT_EQ(request->Values[4], 50);
  colours->StoreEntryProperties(*request, {1, 2, 3, 100, 5});
  EXPECT_EQ(type.Entry(2).Property(4), 100);
  EXPECT_EQ(type.Entry(1).Property(4), 50);
  EXPECT_TRUE(Changed());
  type.Entries.pop_back();  // the entry went away meanwhile: nothing is stored
  colours->StoreEntryProperties(*request, {0, 0, 0, 0, 0});
  EXPECT_EQ(type.Entry(1).Property(1), 50);
}

TEST_F(ColoursDialogTest, RebuildsForANewDataSetAndKeepsLocksOfThePortrait) {
  StartDialog();
  colours->TabClick(5);
  colours->LockClick(5, true);
  EXPECT_TRUE(model->Portrait().ColourTypeLocked[5]);
  int announced = 0;
  colours->SetChangedCallback([&] { ++announced; });
  auto library = std::make_unique<TKelvoTyp>(context->Archive(), "lib");
  library->LoadAll();
  library->ColourType(5).Name = "Lips";
  library->ColourType(5).Entries.push_back(ColourEntry::WithDefaultProperties());
  library->ColourType(5).Selected = 1;
  auto portrait = std::make_unique<TKelvoPortret>(*library);
  portrait->RandomComponents(context->Random());
  portrait->PripravPortret(false);
  model->Session().ReplaceDataSet(std::move(library), std::move(portrait));
  EXPECT_GE(announced, 1);
  EXPECT_EQ(S().Tabs[5].Name, "Lips");
  EXPECT_FALSE(S().Tabs[5].Locked);
  EXPECT_EQ(S().Swatches.size(), 1u);
  EXPECT_EQ(S().Selected, 1);
}

}  // namespace
}  // namespace kelvo::test
