// The colours dialog without the window: the eleven colour types of the session's library as
// tabs with their preview strips and lock boxes, the current type's entries laid out as
// swatches (the same data the GUI paints and the click test uses), the edit panel and every
// command of the dialog. Entries are edited in the library in memory; each edit marks the
// library changed. Works on one session by reference and rebuilds itself when the data set is
// replaced. Colour values keep red in the low byte.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/session/editor_session.h"
#include "editor/session/screen_rect.h"
#include "library/categories.h"

namespace kelvo {

class TDruhBarvy;

namespace colours_layout {
inline constexpr int kTypeCount = 11;
inline constexpr int kPreviewWidth = 63;  // tab preview strip, x = 0..62
inline constexpr int kPreviewHeight = 17;
inline constexpr int kMargin = 3;         // first swatch at (3, 3)
inline constexpr int kSwatchHeight = 16;  // one pixel row per ramp step of 4
inline constexpr int kSwatchPitch = 21;   // vertical distance of swatches
inline constexpr int kMinSwatchWidth = 4;
inline constexpr int kColumnGap = 4;
inline constexpr int kHitSlack = 3;  // a click this far beside a swatch still hits it
}  // namespace colours_layout

// What the edit panel shows without a selected entry.
inline constexpr uint32_t kNoEntryColour = 0x808080;
inline constexpr int kNoEntryFrequency = 20;
inline constexpr int kNoEntryContrast = 85;
// Ranges of the "Contrast" and "Frequency" spin edits; values outside are brought inside.
inline constexpr int kContrastMin = 0;
inline constexpr int kContrastMax = 255;
inline constexpr int kFrequencyMin = 0;
inline constexpr int kFrequencyMax = 999;

struct Swatch {
  int Entry = 0;   // entry number 1..
  int Column = 0;  // 0..
  int Row = 0;     // place in its column, 0..
  ScreenRect Area;
  std::array<uint32_t, colours_layout::kSwatchHeight>
      Rows{};  // colour of each pixel row, top first
};

struct ColourTab {
  std::string Name;
  std::array<uint32_t, colours_layout::kPreviewWidth> Preview{};  // brightest at x = 0
  bool Locked = false;  // the portrait's lock of this colour type
};

struct ColoursDialogState {
  int CurrentType = 1;
  // 1..11; [0] stays blank for the dialog's hidden template tab
  std::array<ColourTab, colours_layout::kTypeCount + 1> Tabs;

  // Edit panel: the selected entry's values, or those a new entry gets.
  uint32_t PanelColour = kNoEntryColour;
  int Contrast = kNoEntryContrast;
  int Frequency = kNoEntryFrequency;

  // Current type's numbers as the library holds them (possibly outside its entries).
  int Selected = 0;
  int DefaultEntry = 0;
  int EntryCount = 0;

  // Swatch image: its size (set by the GUI), the laid-out swatches and the two frames.
  int ImageWidth = 0;
  int ImageHeight = 0;
  std::vector<Swatch> Swatches;
  std::optional<ScreenRect> SelectedFrame;  // white, 3 pixels around the selected swatch
  std::optional<ScreenRect> DefaultFrame;   // red, 2 pixels around the default swatch
};

// What the properties dialog needs to edit an entry's five property values.
struct EntryPropertiesRequest {
  std::string Caption;
  OneBased<int32_t, kPropertyCount> Values{};  // by property
  int Type = 0;
  int Entry = 0;
};

enum class SwatchKey { Up, Down, Left, Right };

class ColoursDialogModel : private SessionObserver {
 public:
  explicit ColoursDialogModel(EditorSession& session);
  ~ColoursDialogModel() override;
  ColoursDialogModel(const ColoursDialogModel&) = delete;
  ColoursDialogModel& operator=(const ColoursDialogModel&) = delete;

  const ColoursDialogState& State() const { return state_; }
  // Called when the state changed without a call from the window: a new data set, or a redraw
  // after something else chose other colours.
  void SetChangedCallback(std::function<void()> callback) { changed_ = std::move(callback); }

  void SetImageSize(int width, int height);
  void FormShow();      // every tab preview and the list
  void FormActivate();  // the list; the edit panel is left as it is

  void TabClick(int type);
  void ImSeznamClick(int x, int y);
  // The entry whose area holds the point (the last when several do), 0 for none.
  int HitTest(int x, int y) const;
  // "Colour 3: #RRGGBB, contrast 85, frequency 20"; empty where no swatch is.
  std::string SwatchTooltip(int x, int y) const;
  void SwatchKeyPress(SwatchKey key);  // arrow keys in the swatch image

  void SEdZesvetleniChange(int contrast);
  void SEdCetnostChange(int frequency);
  void PanColorClick();     // the colour chooser
  void ButPridatClick();    // "&Add"
  void ButSmazatClick();    // "&Remove" (also the Delete key)
  void ButDefaultClick();   // "&Set as def."
  void ButNastavitClick();  // "&Default"
  // "Properties": what to show, nothing without a selected entry.
  std::optional<EntryPropertiesRequest> BtnVlastClick() const;
  // The properties dialog's values confirmed with "&Apply".
  void StoreEntryProperties(const EntryPropertiesRequest& request,
                            const OneBased<int32_t, kPropertyCount>& values);
  void LockClick(int type, bool checked);
  void ButApplyClick();  // "&Apply"

 private:
  void OnSessionEvent(SessionEvent event) override;
  void OnRendered() override;
  void Rebuild();
  TDruhBarvy* Current() const;
  int ValidSelected(const TDruhBarvy& type) const;
  void RefreshTab(int type);
  void RefreshTabs();
  void FillEditPanel();
  void DrawList();
  void Select(int entry);
  void LibraryEdited();
  void Announce();

  EditorSession& session_;
  ColoursDialogState state_;
  OneBased<int32_t, colours_layout::kTypeCount> shownSelection_{};
  std::function<void()> changed_;
};

}  // namespace kelvo
