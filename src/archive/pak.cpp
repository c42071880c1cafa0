#include "archive/pak.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "archive/pak_unit.h"
#include "archive/pak_vfs.h"
#include "foundation/errors.h"
#include "foundation/paths.h"

namespace kelvo {

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c & 0xFF; };
    return lower(x) < lower(y);
  });
}

}  // namespace

TPak::TPak(PakUnit& unit, const std::string& base, const std::string& pack_name) : unit_(unit) {
  unit_.Register(pack_name + " | " + base, this);
  unit_.LogArchive("Opening: " + pack_name + " | " + base);
  files_ = std::make_unique<TPakVFS>(*this);

  std::string dir;
  if (!base.empty()) dir = IsAbsoluteName(base) ? base : unit_.ProgramDir() + base;
  if (dir.empty() || !IsSeparator(dir.back())) dir += '\\';
  if (dir == "\\") {
    base_dir_ = dir;
  } else {
    base_dir_ = NormalizeName(dir);
    if (base_dir_.empty() || base_dir_[0] != '/')
      base_dir_ = NormalizeName(std::filesystem::current_path().string() + "/" + base_dir_);
    if (base_dir_.back() != '/') base_dir_ += '/';
  }

  packed_ = !pack_name.empty();
  if (packed_) {
    try {
      OpenPack(pack_name);
    } catch (...) {
      ClosePack();
      unit_.Unregister(this);
      throw;
    }
  }
}

TPak::~TPak() {
  if (packed_) ClosePack();
  for (const std::string& name : open_names_) unit_.LogArchive("NOT CLOSED: " + name);
  unit_.LogArchive("Closing: " + pack_file_name_ + " | " + base_dir_);
  unit_.Unregister(this);
}

std::string TPak::FullName(const std::string& name) const {
  if (IsAbsoluteName(name)) return name;
  if (base_dir_ == "\\") return unit_.ProgramDir() + name;
  return base_dir_ + name;
}

std::string TPak::RelativeName(const std::string& path) const {
  // "\" means no base directory; every Linux path begins with a separator.
  if (base_dir_ == "\\") return path;
  if (StartsWithNameIgnoringCase(path, base_dir_)) return path.substr(base_dir_.size());
  return path;
}

void TPak::AddOpenName(const std::string& name) {
  open_names_.insert(
      std::upper_bound(open_names_.begin(), open_names_.end(), name, LessIgnoringCase), name);
}

void TPak::ReleaseEntry(const std::optional<TPakEntry>& entry) {
  if (!entry) return;
  auto it = std::find_if(open_names_.begin(), open_names_.end(), [&](const std::string& item) {
    return EqualsIgnoringCase(item, entry->Name);
  });
  if (it != open_names_.end()) open_names_.erase(it);
}

void TPak::LogMiss(const std::string& name) {
  if (probing_)
    unit_.LogArchive("NEGATIVE result for FileExists: " + name);
  else
    unit_.LogArchive("*********** WARNING *********: Cannot open: " + name);
}

std::optional<TPakEntry> TPak::FindEntry(const std::string& name_in, std::string* disk_path,
                                         int* opened) {
  if (opened) *opened = -1;
  std::string name = name_in;
  if (StartsWithNameIgnoringCase(name, "..\\maps\\")) name.erase(0, 3);
  if (!packed_) name = FullName(name);

  if (IsAbsoluteName(name)) {
    // The exact name first: the case-insensitive search reads folders. A caller that will
    // read the file has it opened here, so its path is looked up once.
    struct stat info {};
    const auto look = [&](const std::string& path) {
      if (!opened || packed_) return ::stat(path.c_str(), &info) == 0;
      *opened = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
      if (*opened < 0) return ::stat(path.c_str(), &info) == 0;
      if (::fstat(*opened, &info) == 0) return true;
      ::close(*opened);
      *opened = -1;
      return false;
    };
    std::string path = ToOsForm(name);
    bool found = look(path);
    if (!found) {
      path = OsPath(name).string();
      found = look(path);
    }
    if (found) {
      TPakEntry entry;
      entry.Time = DosTimeFromUnix(info.st_mtime);
      entry.Size = S_ISREG(info.st_mode) ? static_cast<uint32_t>(info.st_size) : 0;
      entry.SetName(name);
      if (disk_path) *disk_path = path;
      if (!packed_) {
        AddOpenName(entry.Name);
        return entry;
      }
      // Packed mode indexes the disk entry and finds it there.
      IndexDiskFile(name, entry, path);
    }
  }
  if (packed_) {
    if (auto entry = FindInPack(name, disk_path)) {
      AddOpenName(entry->Name);
      return entry;
    }
  }
  LogMiss(name);
  return std::nullopt;
}

std::vector<uint8_t> TPak::LoadFile(const std::string& name) {
  const int32_t handle = files_->FileOpen(name);
  if (handle == TPakVFS::kNoHandle) return {};
  std::vector<uint8_t> block;
  const int64_t size = files_->FileSize(handle);
  if (size > 0) {
    block.resize(static_cast<size_t>(size));
    if (files_->FileRead(handle, block) != size) block.clear();
  }
  files_->FileClose(handle);
  return block;
}

std::vector<uint8_t> TPak::LoadFileOrFail(const std::string& name) {
  std::vector<uint8_t> block = LoadFile(name);
  if (block.empty()) throw KelvoError("Cannot load " + ShownName(name));
  return block;
}

std::unique_ptr<TextDevice> TPak::AssignText(const std::string& name) {
  std::optional<TPakEntry> entry;
  if (!name.empty()) entry = FindEntry(name);
  if (!entry)
    return std::make_unique<TextDevice>(FullName(name), false, std::vector<uint8_t>{}, nullptr);
  std::vector<uint8_t> bytes = LoadFile(name);
  // A file that did not come whole is not read as a shorter text.
  const bool whole = entry->Size == 0 || bytes.size() == entry->Size;
  return std::make_unique<TextDevice>(FullName(name), whole, std::move(bytes),
                                      [this, entry] { ReleaseEntry(entry); });
}

}  // namespace kelvo
