#include "editor/windows/colours_dialog_model.h"

#include <algorithm>
#include <cstdio>

#include "library/colour_type.h"
#include "library/type_library.h"
#include "portrait/colour_ramp.h"
#include "portrait/pixel.h"
#include "portrait/portrait.h"

namespace kelvo {

using namespace colours_layout;

namespace {

// The renderer's own ramp, so a swatch shows exactly what the portrait will be drawn with.
ColourRampTable RampFor(int32_t colour, int32_t contrast) {
  ColourRampTable table{};
  FillRampSlot(table, 1, {colour, contrast});
  return table;
}

ScreenRect Grown(const ScreenRect& r, int by) {
  return {r.Left - by, r.Top - by, r.Width + 2 * by, r.Height + 2 * by};
}

bool IsType(int type) {
  return type >= 1 && type <= kTypeCount;
}

}  // namespace

ColoursDialogModel::ColoursDialogModel(EditorSession& session) : session_(session) {
  session_.AddObserver(this);
  Rebuild();
}

ColoursDialogModel::~ColoursDialogModel() {
  session_.RemoveObserver(this);
}

void ColoursDialogModel::OnSessionEvent(SessionEvent event) {
  if (event == SessionEvent::CategoryChanged) return;
  Rebuild();
  Announce();
}

void ColoursDialogModel::OnRendered() {
  // Random colouring changes the selections behind the dialog's back.
  if (!session_.HasLibrary()) return;
  for (int t = 1; t <= kTypeCount; ++t) {
    if (session_.Library().ColourType(t).Selected != shownSelection_[t]) {
      RefreshTabs();
      FillEditPanel();
      DrawList();
      Announce();
      return;
    }
  }
}

void ColoursDialogModel::Announce() {
  if (changed_) changed_();
}

void ColoursDialogModel::Rebuild() {
  RefreshTabs();
  FillEditPanel();
  DrawList();
}

TDruhBarvy* ColoursDialogModel::Current() const {
  if (!session_.HasLibrary()) return nullptr;
  return &session_.Library().ColourType(state_.CurrentType);
}

int ColoursDialogModel::ValidSelected(const TDruhBarvy& type) const {
  return type.Selected >= 1 && type.Selected <= type.EntryCount() ? type.Selected : 0;
}

void ColoursDialogModel::LibraryEdited() {
  session_.MarkLibraryChanged();
}

void ColoursDialogModel::SetImageSize(int width, int height) {
  if (width == state_.ImageWidth && height == state_.ImageHeight) return;
  state_.ImageWidth = std::max(0, width);
  state_.ImageHeight = std::max(0, height);
  DrawList();
}

void ColoursDialogModel::FormShow() {
  RefreshTabs();
  DrawList();
}

// The panel keeps its values: with no entry selected they are what the next "&Add" takes, and
// a colour just chosen must survive the window's coming back to the front.
void ColoursDialogModel::FormActivate() {
  DrawList();
}

void ColoursDialogModel::RefreshTab(int t) {
  ColourTab& tab = state_.Tabs[static_cast<size_t>(t)];
  if (!session_.HasLibrary()) {
    tab = ColourTab{};
    return;
  }
  const TDruhBarvy& type = session_.Library().ColourType(t);
  tab.Name = type.Name;
  tab.Locked = session_.HasPortrait() && session_.Portrait().ColourTypeLocked[t];
  int32_t colour = static_cast<int32_t>(kNoEntryColour);
  int32_t contrast = kNoEntryContrast;
  if (const int n = ValidSelected(type); n != 0) {
    colour = type.Entry(n).Colour();
    contrast = type.Entry(n).Contrast();
  }
  const ColourRampTable ramp = RampFor(colour, contrast);
  for (int x = 0; x < kPreviewWidth; ++x) {
    tab.Preview[static_cast<size_t>(x)] = rgb16_to_color(ramp[static_cast<size_t>(63 - x)]);
  }
  shownSelection_[t] = type.Selected;
}

void ColoursDialogModel::RefreshTabs() {
  for (int t = 1; t <= kTypeCount; ++t) RefreshTab(t);
}

void ColoursDialogModel::FillEditPanel() {
  const TDruhBarvy* type = Current();
  const int n = type != nullptr ? ValidSelected(*type) : 0;
  if (n == 0) {
    state_.PanelColour = kNoEntryColour;
    state_.Frequency = kNoEntryFrequency;
    state_.Contrast = kNoEntryContrast;
    return;
  }
  const ColourEntry& entry = type->Entry(n);
  state_.PanelColour = static_cast<uint32_t>(entry.Colour()) & 0xFFFFFFu;
  state_.Frequency = entry.Frequency();
  state_.Contrast = entry.Contrast();
}

void ColoursDialogModel::DrawList() {
  state_.Swatches.clear();
  state_.SelectedFrame.reset();
  state_.DefaultFrame.reset();
  const TDruhBarvy* type = Current();
  state_.Selected = type != nullptr ? type->Selected : 0;
  state_.DefaultEntry = type != nullptr ? type->DefaultEntry : 0;
  state_.EntryCount = type != nullptr ? type->EntryCount() : 0;
  if (type == nullptr) return;
  int x = kMargin;
  int top = kMargin;
  int widest = 0;
  int column = 0;
  int row = 0;
  for (int n = 1; n <= type->EntryCount(); ++n) {
    const ColourEntry& entry = type->Entry(n);
    const int width = std::max(kMinSwatchWidth, entry.Frequency());
    if (top + kSwatchPitch > state_.ImageHeight) {
      x += widest + kColumnGap;
      top = kMargin;
      widest = 0;
      ++column;
      row = 0;
      if (top + kSwatchPitch > state_.ImageHeight) break;
    }
    Swatch swatch;
    swatch.Entry = n;
    swatch.Column = column;
    swatch.Row = row;
    swatch.Area = {x, top, width, kSwatchHeight};
    const ColourRampTable ramp = RampFor(entry.Colour(), entry.Contrast());
    for (int j = 0; j < kSwatchHeight; ++j) {
      swatch.Rows[static_cast<size_t>(j)] = rgb16_to_color(ramp[static_cast<size_t>(63 - 4 * j)]);
    }
    if (n == type->Selected) state_.SelectedFrame = Grown(swatch.Area, 3);
    if (n == type->DefaultEntry) state_.DefaultFrame = Grown(swatch.Area, 2);
    state_.Swatches.push_back(swatch);
    widest = std::max(widest, width);
    top += kSwatchPitch;
    ++row;
  }
}

int ColoursDialogModel::HitTest(int x, int y) const {
  int found = 0;
  for (const Swatch& s : state_.Swatches) {
    const ScreenRect& a = s.Area;
    if (x >= a.Left - kHitSlack && x < a.Left + a.Width + kHitSlack && y >= a.Top &&
        y < a.Top + kSwatchPitch) {
      found = s.Entry;
    }
  }
  return found;
}

std::string ColoursDialogModel::SwatchTooltip(int x, int y) const {
  const int n = HitTest(x, y);
  const TDruhBarvy* type = Current();
  if (n == 0 || type == nullptr || n > type->EntryCount()) return {};
  const ColourEntry& entry = type->Entry(n);
  const Rgb c = split_color(static_cast<uint32_t>(entry.Colour()));
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02X%02X%02X", c.r, c.g, c.b);
  return "Colour " + std::to_string(n) + ": " + hex + ", contrast " +
         std::to_string(entry.Contrast()) + ", frequency " + std::to_string(entry.Frequency());
}

void ColoursDialogModel::Select(int entry) {
  TDruhBarvy* type = Current();
  if (type == nullptr || entry < 1 || entry > type->EntryCount() || entry == type->Selected) {
    return;
  }
  type->Selected = entry;
  LibraryEdited();
  RefreshTab(state_.CurrentType);
  FillEditPanel();
  DrawList();
}

void ColoursDialogModel::TabClick(int type) {
  if (!IsType(type) || type == state_.CurrentType) return;
  state_.CurrentType = type;
  FillEditPanel();
  DrawList();
}

void ColoursDialogModel::ImSeznamClick(int x, int y) {
  EditorSession::Step step(session_, "Choose colour", 0);
  Select(HitTest(x, y));
}

void ColoursDialogModel::SwatchKeyPress(SwatchKey key) {
  EditorSession::Step step(session_, "Choose colour", 0);
  const TDruhBarvy* type = Current();
  if (type == nullptr || type->EntryCount() == 0) return;
  const int selected = ValidSelected(*type);
  if (selected == 0) {
    Select(1);
    return;
  }
  if (key == SwatchKey::Up || key == SwatchKey::Down) {
    Select(selected + (key == SwatchKey::Up ? -1 : 1));
    return;
  }
  const auto here = std::find_if(state_.Swatches.begin(), state_.Swatches.end(),
                                 [&](const Swatch& s) { return s.Entry == selected; });
  if (here == state_.Swatches.end()) return;
  const int column = here->Column + (key == SwatchKey::Left ? -1 : 1);
  // The same place in the neighbouring column, or its last swatch when that one is shorter.
  int target = 0;
  for (const Swatch& s : state_.Swatches) {
    if (s.Column == column && s.Row <= here->Row) target = s.Entry;
  }
  Select(target);
}

void ColoursDialogModel::SEdZesvetleniChange(int contrast) {
  EditorSession::Step step(session_, "Contrast", 0);
  state_.Contrast = std::clamp(contrast, kContrastMin, kContrastMax);
  TDruhBarvy* type = Current();
  const int n = type != nullptr ? ValidSelected(*type) : 0;
  if (n == 0) return;
  if (type->Entry(n).Contrast() != state_.Contrast) {
    type->Entry(n).Contrast() = state_.Contrast;
    LibraryEdited();
  }
  RefreshTab(state_.CurrentType);
  DrawList();
}

void ColoursDialogModel::SEdCetnostChange(int frequency) {
  EditorSession::Step step(session_, "Colour frequency", 0);
  state_.Frequency = std::clamp(frequency, kFrequencyMin, kFrequencyMax);
  TDruhBarvy* type = Current();
  const int n = type != nullptr ? ValidSelected(*type) : 0;
  if (n == 0) return;
  if (type->Entry(n).Frequency() != state_.Frequency) {
    type->Entry(n).Frequency() = state_.Frequency;
    LibraryEdited();
  }
  RefreshTab(state_.CurrentType);
  DrawList();
}

void ColoursDialogModel::PanColorClick() {
  EditorSession::Step step(session_, "Colour", 0);
  const std::optional<uint32_t> chosen = session_.prompter().ChooseColour(state_.PanelColour);
  if (!chosen) return;
  state_.PanelColour = *chosen & 0xFFFFFFu;
  TDruhBarvy* type = Current();
  const int n = type != nullptr ? ValidSelected(*type) : 0;
  if (n == 0) return;
  const auto colour = static_cast<int32_t>(state_.PanelColour);
  if (type->Entry(n).Colour() != colour) {
    type->Entry(n).Colour() = colour;
    LibraryEdited();
  }
  RefreshTab(state_.CurrentType);
  DrawList();
}

void ColoursDialogModel::ButPridatClick() {
  EditorSession::Step step(session_, "Add colour", 0);
  TDruhBarvy* type = Current();
  if (type == nullptr) return;
  ColourEntry entry = ColourEntry::WithDefaultProperties();
  entry.Colour() = static_cast<int32_t>(state_.PanelColour);
  entry.Frequency() = state_.Frequency;
  entry.Contrast() = state_.Contrast;
  // After the selected entry; a selection outside the entries counts as none.
  const int after = ValidSelected(*type);
  type->Entries.insert(type->Entries.begin() + after, entry);
  type->Selected = after + 1;
  if (type->DefaultEntry > after) ++type->DefaultEntry;
  LibraryEdited();
  RefreshTab(state_.CurrentType);
  DrawList();
}

void ColoursDialogModel::ButSmazatClick() {
  EditorSession::Step step(session_, "Remove colour", 0);
  TDruhBarvy* type = Current();
  const int n = type != nullptr ? ValidSelected(*type) : 0;
  if (n == 0) return;
  type->Entries.erase(type->Entries.begin() + (n - 1));
  if (type->Selected > type->EntryCount()) --type->Selected;
  if (type->Selected < type->DefaultEntry) --type->DefaultEntry;
  LibraryEdited();
  RefreshTab(state_.CurrentType);
  FillEditPanel();
  DrawList();
}

void ColoursDialogModel::ButDefaultClick() {
  EditorSession::Step step(session_, "Set as def.", 0);
  TDruhBarvy* type = Current();
  const int n = type != nullptr ? ValidSelected(*type) : 0;
  if (n == 0) return;
  if (type->DefaultEntry != n) {
    type->DefaultEntry = n;
    LibraryEdited();
  }
  DrawList();
}

void ColoursDialogModel::ButNastavitClick() {
  EditorSession::Step step(session_, "Default colours", 0);
  if (!session_.HasLibrary()) return;
  for (int t = 1; t <= kTypeCount; ++t) {
    TDruhBarvy& type = session_.Library().ColourType(t);
    if (type.Selected == type.DefaultEntry) continue;
    type.Selected = type.DefaultEntry;
    LibraryEdited();
  }
  RefreshTabs();
  DrawList();
  FillEditPanel();
}

std::optional<EntryPropertiesRequest> ColoursDialogModel::BtnVlastClick() const {
  const TDruhBarvy* type = Current();
  const int n = type != nullptr ? ValidSelected(*type) : 0;
  if (n == 0) return std::nullopt;
  EntryPropertiesRequest request;
  request.Caption = "Properties - " + type->Name + " - barva " + std::to_string(n);
  request.Type = state_.CurrentType;
  request.Entry = n;
  for (int i = 1; i <= kPropertyCount; ++i) {
    request.Values[i] = type->Entry(n).Property(i);
  }
  return request;
}

void ColoursDialogModel::StoreEntryProperties(const EntryPropertiesRequest& request,
                                              const OneBased<int32_t, kPropertyCount>& values) {
  EditorSession::Step step(session_, "Colour properties", 0);
  if (!session_.HasLibrary() || !IsType(request.Type)) return;
  TDruhBarvy& type = session_.Library().ColourType(request.Type);
  if (request.Entry < 1 || request.Entry > type.EntryCount()) return;
  ColourEntry& entry = type.Entry(request.Entry);
  for (int i = 1; i <= kPropertyCount; ++i) {
    const int32_t value = std::clamp(values[i], 0, 100);
    if (entry.Property(i) == value) continue;
    entry.Property(i) = value;
    LibraryEdited();
  }
}

void ColoursDialogModel::LockClick(int type, bool checked) {
  EditorSession::Step step(session_, "Lock colour", 0);
  if (!IsType(type) || !session_.HasPortrait()) return;
  session_.Portrait().ColourTypeLocked[type] = checked;
  state_.Tabs[static_cast<size_t>(type)].Locked = checked;
}

void ColoursDialogModel::ButApplyClick() {
  EditorSession::Step step(session_, "Apply colours", 0);
  if (!session_.HasPortrait()) return;
  EditorSession::Command command(session_);
  session_.Portrait().ApplyColours();
  session_.RefreshPortrait();
}

}  // namespace kelvo
