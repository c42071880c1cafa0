// The portraits the random commands replaced, so the user can step back to a face met a few
// rolls ago and forward again. It is apart from the undo stack, which keeps to library
// geometry. Each entry is what the portrait showed: the selection of every category (kept with
// its name, so a component removed since is not brought back), the colours with the colour
// types' chosen entries, shift and span, and the property weights. The history holds the
// portrait on screen plus up to kCapacity replaced ones, the oldest dropped first.
#pragma once

#include <cstddef>
#include <vector>

namespace kelvo {

class TKelvoPortret;

class RollHistory {
 public:
  static constexpr std::size_t kCapacity = 50;

  RollHistory();
  ~RollHistory();
  RollHistory(const RollHistory&) = delete;
  RollHistory& operator=(const RollHistory&) = delete;

  // A random command is about to replace `current`, then has made `rolled`. The replaced
  // portrait, with any edits made to it since, goes to the end, just before the new one, so
  // "Previous roll" returns to it first.
  void Replacing(const TKelvoPortret& current);
  void Rolled(const TKelvoPortret& rolled);

  bool CanGoBack() const;
  bool CanGoForward() const;
  // Keeps `portrait` (edits included) at its place and puts the neighbouring entry into it;
  // false when there is none. A selection whose component is no longer in the library keeps
  // the portrait's current one.
  bool Back(TKelvoPortret& portrait);
  bool Forward(TKelvoPortret& portrait);
  void Clear();

  std::size_t Size() const;
  std::size_t Position() const { return position_; }  // 0-based, of the portrait shown

 private:
  struct Entry;  // roll_history.cpp: the portrait header is not for Qt code

  static Entry Capture(const TKelvoPortret& portrait);
  static void Restore(const Entry& entry, TKelvoPortret& portrait);
  bool Step(TKelvoPortret& portrait, std::size_t to);

  std::vector<Entry> entries_;
  std::size_t position_ = 0;
};

}  // namespace kelvo
