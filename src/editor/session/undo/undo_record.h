// One undoable user action: it knows how to take itself back and do itself again, its name and
// how much memory it holds.
#pragma once

#include <cstddef>
#include <string>

namespace kelvo {

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
  // Whether it changes what the library's files hold (not the portrait alone).
  virtual bool ChangesLibrary() const { return true; }
  // The memory it keeps, for the history's limit.
  virtual std::size_t Bytes() const { return sizeof(*this); }

  // What the status bar names: "Set, Faces", or the name alone without a category.
  std::string Description() const;
  // What the Edit menu and the history name: "Set (Faces)", or the name alone.
  std::string Title() const;
};

}  // namespace kelvo
