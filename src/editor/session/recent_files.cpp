#include "editor/session/recent_files.h"

#include <algorithm>

namespace kelvo {

void RecentFiles::Add(RecentKind kind, const std::string& path) {
  if (path.empty()) return;
  const RecentFile entry{kind, path};
  std::erase(entries_, entry);
  entries_.insert(entries_.begin(), entry);
  std::size_t seen = 0;
  std::erase_if(entries_,
                [&](const RecentFile& e) { return e.Kind == kind && ++seen > kMaxPerKind; });
}

void RecentFiles::Remove(const RecentFile& entry) {
  std::erase(entries_, entry);
}

std::vector<std::string> RecentFiles::StoredLines() const {
  std::vector<std::string> lines;
  for (const RecentFile& e : entries_) {
    lines.push_back((e.Kind == RecentKind::kGallery ? "G " : "L ") + e.Path);
  }
  return lines;
}

void RecentFiles::Restore(const std::vector<std::string>& lines) {
  entries_.clear();
  // Oldest first, so that Add keeps the stored order and the limits.
  for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
    if (it->size() < 3 || (*it)[1] != ' ' || ((*it)[0] != 'G' && (*it)[0] != 'L')) continue;
    Add((*it)[0] == 'G' ? RecentKind::kGallery : RecentKind::kLibrary, it->substr(2));
  }
}

}  // namespace kelvo
