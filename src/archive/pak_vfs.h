// TPakVFS: numbered read handles over the files a TPak finds. Numbers start at
// 1000000 and are never reused; -1 is no handle. Each TPak owns one; a handle
// keeps its entry marked open in the TPak until FileClose.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "archive/pak_entry.h"

namespace kelvo {

class TPak;

class TPakVFS {
 public:
  static constexpr int32_t kFirstHandle = 1000000;
  static constexpr int32_t kNoHandle = -1;

  explicit TPakVFS(TPak& pak) : pak_(pak) {}
  ~TPakVFS();  // closes what is still open without releasing entries
  TPakVFS(const TPakVFS&) = delete;
  TPakVFS& operator=(const TPakVFS&) = delete;

  // The handle, or -1 when the file is missing or cannot be opened.
  int32_t FileOpen(const std::string& name);
  // Up to buffer.size() bytes at the handle's place; 0 for a handle not open.
  int32_t FileRead(int32_t handle, std::span<uint8_t> buffer);
  // -1 for a handle that is not open.
  int64_t FileSize(int32_t handle) const;
  // MS-DOS packed local time, or -1 for a handle that is not open.
  int64_t FileTime(int32_t handle) const;
  // A handle that is not open is ignored.
  void FileClose(int32_t handle);
  // Probes without leaving the entry marked open; a miss is logged as a probe.
  bool FileExists(const std::string& name);

  size_t OpenCount() const { return handles_.size(); }

 private:
  struct Handle {
    int32_t id;
    int os_handle;      // -1 for pack data
    uint32_t position;  // bytes read, pack data only
    TPakEntry entry;
  };
  const Handle* Find(int32_t id) const;
  Handle* Find(int32_t id);

  TPak& pak_;
  std::vector<Handle> handles_;
  int32_t next_id_ = kFirstHandle;
};

}  // namespace kelvo
