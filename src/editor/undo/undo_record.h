// One undoable edit: it knows how to take itself back and do itself again, and its name.
// A record refers to components of the session's library and never owns them.
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
  // Whether the record changes `component`, so it cannot outlive it.
  virtual bool Refers(const TKelvoKomp* component) const = 0;
};

}  // namespace kelvo
