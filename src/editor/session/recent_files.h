// File > "Open Recent": the galleries opened or saved and the library folders saved or chosen
// with "Other...", the newest first, at most eight of each kind. A plain list the session
// keeps; the GUI stores it in the settings as text lines ("G " or "L " + the name).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kelvo {

enum class RecentKind { kGallery, kLibrary };

struct RecentFile {
  RecentKind Kind = RecentKind::kGallery;
  std::string Path;
  friend bool operator==(const RecentFile&, const RecentFile&) = default;
};

class RecentFiles {
 public:
  static constexpr std::size_t kMaxPerKind = 8;

  // To the front; the same entry further down moves up; the oldest of its kind beyond eight
  // goes.
  void Add(RecentKind kind, const std::string& path);
  void Remove(const RecentFile& entry);
  const std::vector<RecentFile>& Entries() const { return entries_; }

  std::vector<std::string> StoredLines() const;
  // Lines of another form are skipped.
  void Restore(const std::vector<std::string>& lines);

 private:
  std::vector<RecentFile> entries_;
};

}  // namespace kelvo
