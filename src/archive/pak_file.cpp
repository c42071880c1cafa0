#include "archive/pak_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>

#include "foundation/atomic_file.h"
#include "foundation/errors.h"
#include "foundation/paths.h"

namespace kelvo {
namespace fs = std::filesystem;

namespace {

constexpr int64_t kRecord = static_cast<int64_t>(TPakEntry::kRecordSize);

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Name order without regard to case; byte order breaks ties so the order is total.
bool NameBefore(const std::string& a, const std::string& b) {
  const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Lower(x) == Lower(y); });
  if (ia != a.end() && ib != b.end()) {
    return static_cast<unsigned char>(Lower(*ia)) < static_cast<unsigned char>(Lower(*ib));
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

// pread until count bytes came or the file ended.
bool ReadAt(int fd, uint8_t* out, size_t count, int64_t offset) {
  size_t done = 0;
  while (done < count) {
    ssize_t n = ::pread(fd, out + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

void Walk(const std::string& path, const std::string& prefix, std::vector<PackSource>& out) {
  std::vector<std::string> files;
  std::vector<std::string> folders;
  std::error_code ec;
  fs::directory_iterator it(path, ec);
  if (ec) return;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    const std::string name = it->path().filename().string();
    std::error_code kind_ec;
    if (it->is_symlink(kind_ec)) {
      if (fs::is_regular_file(it->path(), kind_ec)) files.push_back(name);
    } else if (it->is_directory(kind_ec)) {
      folders.push_back(name);
    } else if (it->is_regular_file(kind_ec)) {
      files.push_back(name);
    }
  }
  std::sort(files.begin(), files.end(), NameBefore);
  std::sort(folders.begin(), folders.end(), NameBefore);
  for (const std::string& name : files) {
    struct stat info {};
    const std::string file = path + name;
    if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    out.push_back(PackSource{file, prefix + name, static_cast<uint64_t>(info.st_size),
                             DosTimeFromUnix(info.st_mtime)});
  }
  for (const std::string& name : folders) Walk(path + name + "/", prefix + name + "\\", out);
}

bool SamePath(const std::string& a, const std::string& b) {
  return EqualsIgnoringCase(NormalizeName(a), NormalizeName(b));
}

bool WriteBytes(AtomicFileWriter& writer, const uint8_t* data, size_t size) {
  return writer.Write(std::span<const uint8_t>(data, size));
}

// Appends the file's bytes; the number appended, or nothing when the file cannot
// be opened. short_write is set when the pack took fewer bytes than were read.
std::optional<uint64_t> AppendFile(AtomicFileWriter& writer, const std::string& path,
                                   std::vector<uint8_t>& buffer, bool& short_write) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  uint64_t total = 0;
  for (;;) {
    ssize_t n = ::read(fd, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    if (!WriteBytes(writer, buffer.data(), static_cast<size_t>(n))) {
      short_write = true;
      break;
    }
    total += static_cast<uint64_t>(n);
  }
  ::close(fd);
  return total;
}

bool WriteEmptyPack(const std::string& pack_path) {
  try {
    AtomicFileWriter empty(pack_path);
    const uint8_t zero[4] = {0, 0, 0, 0};
    WriteBytes(empty, zero, sizeof zero);
    empty.Commit();
    return true;
  } catch (const KelvoError&) {
    return false;
  }
}

}  // namespace

std::vector<PackSource> ListPackSources(const std::string& folder) {
  std::vector<PackSource> out;
  if (folder.empty() || folder == "\\") return out;
  std::string path = folder;
  if (path.back() != '/') path += '/';
  Walk(path, "", out);
  return out;
}

PackDirectory ReadPackDirectory(int fd) {
  PackDirectory result;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    result.problem = "its size cannot be read";
    return result;
  }
  const int64_t size = info.st_size;
  uint8_t count_bytes[4];
  if (size < 4 || !ReadAt(fd, count_bytes, 4, size - 4)) {
    result.problem = "it is too short to hold its entry count";
    return result;
  }
  int64_t count = static_cast<int32_t>(
      static_cast<uint32_t>(count_bytes[0]) | static_cast<uint32_t>(count_bytes[1]) << 8 |
      static_cast<uint32_t>(count_bytes[2]) << 16 | static_cast<uint32_t>(count_bytes[3]) << 24);
  // A zero count needs the bare count; anything else makes one entry to test.
  if (count == 0 && size != 4) count = 1;
  if (count < 0 || count > (size - 4) / kRecord) {
    result.problem = "its entry count " + std::to_string(count) + " does not fit its size";
    return result;
  }
  const int64_t data_end = size - 4 - kRecord * count;
  std::vector<uint8_t> records(static_cast<size_t>(kRecord * count));
  if (count > 0 && !ReadAt(fd, records.data(), records.size(), data_end)) {
    result.problem = "its entries cannot be read";
    return result;
  }
  result.entries.reserve(static_cast<size_t>(count));
  for (int64_t i = 0; i < count; ++i) {
    std::span<const uint8_t, TPakEntry::kRecordSize> record(records.data() + i * kRecord,
                                                            TPakEntry::kRecordSize);
    const std::string which = "entry " + std::to_string(i + 1);
    if (record[0] != 0x0D || record[1] != 0x0A) {
      result.problem = which + " has no entry marker";
      return result;
    }
    TPakEntry entry = TPakEntry::FromBytes(record);
    if (static_cast<int64_t>(entry.Offset) + static_cast<int64_t>(entry.Size) > data_end) {
      result.problem = which + " (" + entry.Name + ") lies outside the data";
      return result;
    }
    result.entries.push_back(std::move(entry));
  }
  return result;
}

std::vector<uint8_t> ReadPackData(int fd, const TPakEntry& entry) {
  std::vector<uint8_t> bytes(entry.Size);
  if (!ReadAt(fd, bytes.data(), bytes.size(), entry.Offset)) bytes.clear();
  return bytes;
}

bool IsSafePackName(std::string_view name) {
  if (name.empty() || !NameStaysInFolder(name)) return false;
  if (name.find(':') != std::string_view::npos) return false;  // drive parts and streams
  return name.find('\0') == std::string_view::npos;
}

PackBuildResult BuildPackFile(const std::string& folder, const std::string& pack_path,
                              bool empty_only, const PackBuildEvents& events) {
  PackBuildResult result;
  std::vector<PackSource> sources;
  if (!empty_only) sources = ListPackSources(folder);

  std::optional<AtomicFileWriter> writer;
  while (!writer) {
    try {
      writer.emplace(pack_path);
    } catch (const KelvoError& e) {
      if (events.retry_create && events.retry_create(e.what())) continue;
      result.error = e.what();
      return result;
    }
  }
  result.created = true;

  std::vector<TPakEntry> entries;
  std::vector<uint8_t> buffer(1 << 18);
  uint64_t offset = 0;
  bool failed = false;
  for (const PackSource& source : sources) {
    if (SamePath(source.path, pack_path)) continue;
    if (events.adding) events.adding(source.path);
    bool short_write = false;
    const std::optional<uint64_t> size = AppendFile(*writer, source.path, buffer, short_write);
    if (!size) continue;  // cannot be opened: left out without a message
    // Offsets and sizes are 32-bit; a pack cannot grow past them.
    if (short_write || offset + *size > UINT32_MAX) {
      result.failed_path = source.path;
      result.error = short_write ? "a write came short" : "the pack would exceed 4 GB";
      failed = true;
      break;
    }
    TPakEntry entry;
    entry.Marker = TPakEntry::kPackMarker;
    entry.SetName(source.name);
    entry.Time = source.time;
    entry.Size = static_cast<uint32_t>(*size);
    entry.Offset = static_cast<uint32_t>(offset);
    offset += *size;
    entries.push_back(std::move(entry));
  }
  if (!failed) {
    for (const TPakEntry& entry : entries) {
      const auto bytes = entry.ToBytes();
      if (!WriteBytes(*writer, bytes.data(), bytes.size())) break;
    }
    const uint32_t count = static_cast<uint32_t>(entries.size());
    const uint8_t count_bytes[4] = {static_cast<uint8_t>(count), static_cast<uint8_t>(count >> 8),
                                    static_cast<uint8_t>(count >> 16),
                                    static_cast<uint8_t>(count >> 24)};
    WriteBytes(*writer, count_bytes, sizeof count_bytes);
    try {
      writer->Commit();
      result.complete = true;
      result.files = static_cast<int>(entries.size());
      result.bytes = offset;
      return result;
    } catch (const KelvoError& e) {
      result.error = e.what();
    }
  }
  writer.reset();  // the partial pack goes
  if (events.empty_on_failure) result.empty_left = WriteEmptyPack(pack_path);
  return result;
}

}  // namespace kelvo
