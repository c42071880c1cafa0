// One undoable edit: it knows how to take itself back and do itself again, and its name.
// A record refers to components of the session's library and never owns them, except a removal,
// which keeps the removed component until it is put back or the record goes.
#pragma once

#include <string>

namespace kelvo {

class TKelvoKomp;

class UndoRecord {
 public:
  virtual ~UndoRecord() = default;
  virtual void Undo() = 0;
  virtual void Redo() = 0;
  virtual std::string Name() const = 0;
  // The category the edit belongs to, 1..14; 0 when it belongs to none.
  virtual int Category() const { return 0; }
  // Whether undoing or redoing it adds or removes components, so the lists refill.
  virtual bool ChangesComponentList() const { return false; }
  // Whether the record changes `component`, so it cannot outlive it.
  virtual bool Refers(const TKelvoKomp* component) const = 0;

  // What the status bar names: "Set, Faces", or the name alone without a category.
  std::string Description() const;
};

}  // namespace kelvo
