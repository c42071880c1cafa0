// "Mirror" of the whole library: mirroring is its own inverse, so taking it back mirrors again.
// Kept on the stack so that geometry records pushed before it still undo onto the geometry
// they were made on.
#pragma once

#include "editor/session/undo/undo_record.h"
#include "library/library_mirror.h"

namespace kelvo {

class TKelvoTyp;

class MirrorRecord : public UndoRecord {
 public:
  explicit MirrorRecord(TKelvoTyp& library) : library_(library) {}
  void Undo() override { MirrorLibrary(library_); }
  void Redo() override { MirrorLibrary(library_); }
  std::string Name() const override { return "Mirror"; }
  // It names no single component; the session empties the stack before it frees the library.
  bool Refers(const TKelvoKomp*) const override { return false; }

 private:
  TKelvoTyp& library_;
};

}  // namespace kelvo
