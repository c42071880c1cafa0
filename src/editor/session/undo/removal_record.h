// "&Remove" as an undoable edit: the record takes the component out of its container and keeps
// it, with its place and the animation frame links of other components that named it, so Undo
// puts everything back as it was. The container and the portrait belong to the session's data
// set, which outlives the record (the stack is emptied before a data set is replaced).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "editor/session/undo/undo_record.h"

namespace kelvo {

class TKelvoKompKontejner;
class TKelvoPortret;

class RemovalRecord : public UndoRecord {
 public:
  // Removes nothing yet: Redo does the removal. `component` must be in `container`.
  RemovalRecord(TKelvoKompKontejner& container, TKelvoPortret& portrait, TKelvoKomp& component);
  ~RemovalRecord() override;

  // Takes the component out; the portrait selects the one now at its place (the one before it
  // when it was the last), and frames that named it become empty.
  void Redo() override;
  // Puts it back at its place with its frame links; a portrait that selected it does again.
  void Undo() override;
  std::string Name() const override;
  int Category() const override;
  bool ChangesComponentList() const override { return true; }
  bool Refers(const TKelvoKomp* component) const override { return component == component_; }

  bool Removed() const { return removed_ != nullptr; }

 private:
  struct FrameLink {
    TKelvoKomp* owner;
    std::size_t slot;
  };

  TKelvoKompKontejner& container_;
  TKelvoPortret& portrait_;
  TKelvoKomp* component_;
  std::unique_ptr<TKelvoKomp> removed_;  // the component while it is out of the container
  std::size_t position_ = 0;
  std::vector<FrameLink> links_;
  bool wasSelected_ = false;
};

}  // namespace kelvo
