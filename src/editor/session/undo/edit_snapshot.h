// One user action as an undo step: what the portrait and the library held before the action
// and after it. The step keeps only the parts the action changed (the portrait's edited values,
// the containers whose settings or component order changed, the components whose data changed,
// the colour and draw-order tables), so Undo and Redo put back exactly those bytes. Components
// keep their identity: one taken out of the library lives in the step until it is put back or
// the step goes, so references to it (frames, selections, older steps) stay valid.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/session/undo/undo_record.h"
#include "library/colour_type.h"
#include "library/component.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

// The portrait's edited values; the hide flags, frames and render buffers are views.
struct PortraitContent {
  PerCategory<TKelvoKomp*> Selected{};
  PerCategory<Point> Position{};
  PerCategory<OneBased<ColourEntry, kSubcomponentCount>> ColourSlots{};
  ColourEntry ExtraColour;
  std::string LibraryName;
  std::string Name;
  uint8_t Voice = 0;
  PerCategory<Point> Span{};
  PerCategory<Point> Shift{};
  Rect ClipRect{};
  bool ClippingOn = false;
  OneBased<bool, kColourTypeCount> ColourTypeLocked{};
  OneBased<int32_t, kPropertyCount> PropertyWeights{};

  bool operator==(const PortraitContent&) const = default;
};

// A component's data, without its container and category, which never change, and its count
// of image load requests, which no edit makes.
struct ComponentContent {
  std::string Name;
  std::string Source;
  int32_t Frequency = 0;
  int32_t Kind = 0;
  std::string Signature;
  bool IsFrame = false;
  std::array<TKelvoKomp*, 5> Frames{};
  OneBased<int32_t, kPropertyCount> Properties{};
  OneBased<std::optional<TKelvoSubKomp>, kSubcomponentCount> Subcomponents;
  std::vector<SnapPoint> Points;

  bool operator==(const ComponentContent&) const = default;
};

// A container's settings and the order of its components; LibPath follows saving, not edits.
struct ContainerContent {
  std::string Source, DisplayName, Code, DirName, ImageDir;
  bool WithSpan = false;
  int32_t Bits = 8, Usual = 1;
  bool MaskSecond = false, InvertMask = false, ColourMask = false;
  std::vector<TKelvoKomp*> Order;
  std::vector<int32_t> PointCategory;
  PerCategory<int32_t> PointOf{};
  std::vector<int32_t> Dependents;
  int32_t Parent = 0, Shadow = -1;
  OneBased<int32_t, kSubcomponentCount> ColourSlots{};

  bool operator==(const ContainerContent&) const = default;
};

// The library's own tables.
struct LibraryTables {
  OneBased<TDruhBarvy, kColourTypeCount> ColourTypes;
  std::vector<DrawOrderEntry> DrawOrder;
  ColourEntry DefaultColour;

  bool operator==(const LibraryTables&) const = default;
};

// Everything at one moment: taken when an action begins, compared with the state at its end.
struct EditCapture {
  PortraitContent Portrait;
  LibraryTables Tables;
  PerCategory<ContainerContent> Containers;
  std::vector<std::pair<TKelvoKomp*, ComponentContent>> Components;  // by address
};

EditCapture Capture(const TKelvoTyp& library, const TKelvoPortret& portrait);

class SnapshotRecord : public UndoRecord {
 public:
  // The differences between `before` and the present state; `adopted` are the components the
  // action took out of the library. Empty() tells whether the action changed anything.
  // Components out of the library when the record goes are handed to `retired`: a gallery
  // portrait may still name them.
  SnapshotRecord(std::string name, int category, TKelvoTyp& library, TKelvoPortret& portrait,
                 const EditCapture& before, std::vector<std::unique_ptr<TKelvoKomp>> adopted,
                 std::vector<std::unique_ptr<TKelvoKomp>>& retired);
  ~SnapshotRecord() override;

  void Undo() override { Restore(false); }
  void Redo() override { Restore(true); }
  std::string Name() const override { return name_; }
  int Category() const override { return category_; }
  bool ChangesComponentList() const override { return !containers_.empty(); }
  bool ChangesLibrary() const override;
  std::size_t Bytes() const override;

  bool Empty() const;

 private:
  template <typename T>
  struct Sides {
    T Before;
    T After;
  };

  void Restore(bool after);

  std::string name_;
  int category_;
  TKelvoTyp& library_;
  TKelvoPortret& portrait_;
  std::optional<Sides<PortraitContent>> portraitSides_;
  std::optional<Sides<LibraryTables>> tables_;
  std::vector<std::pair<int, Sides<ContainerContent>>> containers_;
  // A side without a value: the component was not in the library then.
  std::vector<std::pair<TKelvoKomp*, Sides<std::optional<ComponentContent>>>> components_;
  std::vector<std::unique_ptr<TKelvoKomp>>& retired_;
  std::vector<std::unique_ptr<TKelvoKomp>> outside_;  // components out of the library now
};

}  // namespace kelvo
