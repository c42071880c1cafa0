// The pack file (".VXP"): the stored files' bytes one after another, then one
// 80-byte TPakEntry per file in the same order, then a signed 32-bit count.
// Reading never trusts the count or an entry: whatever does not fit the file is
// reported as a problem, never read. Building walks a folder in a fixed order,
// so the same folder always gives the same pack, byte for byte.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/pak_entry.h"

namespace kelvo {

// One file found under a folder.
struct PackSource {
  std::string path;  // file-system path
  std::string name;  // relative to the folder, "\"-separated, not cut
  uint64_t size = 0;
  uint32_t time = 0;  // MS-DOS packed local time
};

// Every regular file under folder (a file-system path ending in "/"): the files
// of a folder in name order compared without regard to case (then byte order),
// then each subfolder in the same order. Symbolic links to folders are not
// followed; folders that cannot be listed are left out.
std::vector<PackSource> ListPackSources(const std::string& folder);

struct PackDirectory {
  std::vector<TPakEntry> entries;  // the sound entries before the first bad one
  std::string problem;             // empty when the whole directory is sound
};

// The directory of the pack open as fd: a count of 0 needs a file of exactly 4
// bytes; a negative count, one that does not fit the file, an entry without the
// 0D 0A marker and an entry whose data lie outside the data area are problems.
PackDirectory ReadPackDirectory(int fd);

// The entry's bytes from the pack open as fd; empty when they cannot all be read.
std::vector<uint8_t> ReadPackData(int fd, const TPakEntry& entry);

// False for a name that could leave the folder it is extracted to: empty, absolute,
// with a drive part, with a ".." part or with a NUL character.
bool IsSafePackName(std::string_view name);

struct PackBuildEvents {
  // Before each file is added, with its path.
  std::function<void(const std::string& path)> adding;
  // The pack cannot be created (message given): true tries again.
  std::function<bool(const std::string& error)> retry_create;
  // When a write fails: true leaves an empty pack, false the file as it was.
  bool empty_on_failure = true;
};

struct PackBuildResult {
  bool created = false;     // false: nothing written, error says why
  bool complete = false;    // every file and the directory went out
  bool empty_left = false;  // a write failed and an empty pack was written instead
  std::string failed_path;  // the file whose data could not be appended
  std::string error;
  int files = 0;
  uint64_t bytes = 0;
};

// Writes the pack at pack_path (through the atomic writer) from every file under
// folder (a file-system path ending in "/"; "\" or empty_only for none), skipping
// the pack itself. When any write fails the result is an empty pack.
PackBuildResult BuildPackFile(const std::string& folder, const std::string& pack_path,
                              bool empty_only, const PackBuildEvents& events);

}  // namespace kelvo
