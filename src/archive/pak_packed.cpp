// Packed mode of TPak: the pack file, its index and building it. Files on disk
// under the base directory always win over their copies in the pack.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "archive/pak.h"
#include "archive/pak_file.h"
#include "archive/pak_unit.h"
#include "foundation/diagnostics.h"
#include "foundation/paths.h"

namespace kelvo {

namespace {

std::string IndexKey(std::string_view name) {
  std::string key(name);
  for (char& c : key) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c == '/') c = '\\';
  }
  return key;
}

bool EndsWithVxp(const std::string& name) {
  return name.size() >= 4 &&
         EqualsIgnoringCase(std::string_view(name).substr(name.size() - 4), ".vxp");
}

}  // namespace

void TPak::OpenPack(const std::string& pack_name) {
  // An absolute pack name stays where it is; one that already ends in .VXP (in any
  // case) keeps its own extension.
  pack_file_name_ = IsAbsoluteName(pack_name) ? pack_name : unit_.ProgramDir() + pack_name;
  if (!EndsWithVxp(pack_file_name_)) pack_file_name_ += ".VXP";
  pack_file_name_ = OsPath(pack_file_name_).string();

  std::error_code ec;
  if (!std::filesystem::exists(pack_file_name_, ec)) {
    const MissingPackAnswer answer = unit_.Prompter().AskMissingPack(
        "Packed file " + pack_file_name_ +
        " doesn't exist, select YES to build new file, or NO to create only empty file.");
    if (answer == MissingPackAnswer::kCancel)
      throw ProgramEnd(1, "Packed file " + pack_file_name_ + " doesn't exist.");
    BuildPack(answer == MissingPackAnswer::kEmpty);
  }
  ReadIndex();
}

void TPak::BuildPack(bool empty_only) {
  ClosePack();
  PackPrompter& prompter = unit_.Prompter();
  PackBuildEvents events;
  events.adding = [&](const std::string& path) { prompter.Progress("Adding: " + path); };
  events.retry_create = [&](const std::string&) {
    switch (prompter.AskCreateFailed("Unable to create file:\"" + pack_file_name_ +
                                     "\", file may be in use or drive is write protected...")) {
      case CreateFailedAnswer::kAbort:
        throw ProgramEnd(0, "Unable to create file " + pack_file_name_);
      case CreateFailedAnswer::kRetry:
        return true;
      case CreateFailedAnswer::kIgnore:
        break;
    }
    return false;
  };
  const std::string base = base_dir_ == "\\" ? std::string() : base_dir_;
  const PackBuildResult result = BuildPackFile(base, pack_file_name_, empty_only, events);
  if (!result.created || result.complete) return;
  const std::string outcome = result.empty_left ? "\r\nAn empty VXP file has been created. "
                                                : "\r\nThe VXP file could not be written. ";
  if (!result.failed_path.empty()) {
    ArchiveWarning(
        unit_.Sink(), true,
        "Disk full, cannot add " + result.failed_path + " to " + pack_file_name_ + outcome);
  } else {
    ArchiveWarning(unit_.Sink(), true,
                   "Cannot write " + pack_file_name_ + ": " + result.error + outcome);
  }
}

void TPak::ReadIndex() {
  ClosePack();
  pack_index_.clear();
  const std::string pack_key = IndexKey(NormalizeName(pack_file_name_));
  if (base_dir_ != "\\") {
    for (const PackSource& source : ListPackSources(base_dir_)) {
      if (IndexKey(NormalizeName(source.path)) == pack_key) continue;
      PackIndexItem item;
      item.entry.Time = source.time;
      item.entry.Size = static_cast<uint32_t>(source.size);
      item.entry.SetName(source.name);
      item.disk_path = source.path;
      pack_index_.emplace(IndexKey(source.name), std::move(item));
    }
  }
  pack_handle_ = ::open(pack_file_name_.c_str(), O_RDONLY | O_CLOEXEC);
  if (pack_handle_ < 0) return;  // only the disk files are served
  struct stat info {};
  if (::fstat(pack_handle_, &info) != 0 || !S_ISREG(info.st_mode)) {
    // A folder or device under the pack's name is not moved aside.
    unit_.LogArchive("Not a pack file: " + pack_file_name_);
    ClosePack();
    return;
  }
  PackDirectory directory = ReadPackDirectory(pack_handle_);
  for (TPakEntry& entry : directory.entries) {
    const std::string key = IndexKey(entry.Name);
    pack_index_.emplace(key, PackIndexItem{std::move(entry), std::string()});
  }
  if (!directory.problem.empty()) SetAsideCorruptPack(directory.problem);
}

void TPak::SetAsideCorruptPack(const std::string& problem) {
  ClosePack();
  unit_.LogArchive("Corrupted pack " + pack_file_name_ + ": " + problem);
  // The user's file is kept: it goes aside, replacing an older copy.
  const std::string aside = pack_file_name_ + ".corrupt";
  if (std::rename(pack_file_name_.c_str(), aside.c_str()) == 0) {
    ArchiveWarning(unit_.Sink(), true,
                   "File " + pack_file_name_ + " was corrupted and has been moved to " + aside +
                       ", new file will be created at next time you run this program.");
  } else {
    ArchiveWarning(unit_.Sink(), true,
                   "File " + pack_file_name_ + " was corrupted and could not be moved to " + aside +
                       " (" + std::strerror(errno) + "), it is not used.");
  }
}

void TPak::IndexDiskFile(const std::string& name, const TPakEntry& entry, const std::string& path) {
  pack_index_.emplace(IndexKey(name), PackIndexItem{entry, path});
}

std::optional<TPakEntry> TPak::FindInPack(const std::string& name, std::string* disk_path) {
  auto it = pack_index_.find(IndexKey(name));
  if (it == pack_index_.end() && name.size() > TPakEntry::kMaxName) {
    // A pack stores only the first 60 characters of a name.
    it = pack_index_.find(IndexKey(std::string_view(name).substr(0, TPakEntry::kMaxName)));
    if (it != pack_index_.end() && it->second.entry.IsDiskEntry()) it = pack_index_.end();
  }
  if (it == pack_index_.end()) return std::nullopt;
  if (disk_path) *disk_path = it->second.disk_path;
  return it->second.entry;
}

int32_t TPak::ReadPacked(const TPakEntry& entry, uint32_t& position, std::span<uint8_t> buffer) {
  if (pack_handle_ < 0 || position >= entry.Size) return 0;
  const size_t count = std::min<size_t>({buffer.size(), entry.Size - position, INT32_MAX});
  size_t done = 0;
  const off_t start = static_cast<off_t>(entry.Offset) + position;
  while (done < count) {
    ssize_t n =
        ::pread(pack_handle_, buffer.data() + done, count - done, start + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  position += static_cast<uint32_t>(done);
  return static_cast<int32_t>(done);
}

void TPak::ClosePack() {
  if (pack_handle_ >= 0) ::close(pack_handle_);
  pack_handle_ = -1;
}

}  // namespace kelvo
