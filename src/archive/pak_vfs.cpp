#include "archive/pak_vfs.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "archive/pak.h"
#include "archive/pak_unit.h"

namespace kelvo {

TPakVFS::~TPakVFS() {
  for (const Handle& handle : handles_)
    if (handle.os_handle >= 0) ::close(handle.os_handle);
}

const TPakVFS::Handle* TPakVFS::Find(int32_t id) const {
  for (const Handle& handle : handles_)
    if (handle.id == id) return &handle;
  return nullptr;
}

TPakVFS::Handle* TPakVFS::Find(int32_t id) {
  return const_cast<Handle*>(static_cast<const TPakVFS*>(this)->Find(id));
}

int32_t TPakVFS::FileOpen(const std::string& name) {
  std::string disk_path;
  int os_handle = -1;
  std::optional<TPakEntry> entry = pak_.FindEntry(name, &disk_path, &os_handle);
  if (!entry) return kNoHandle;
  pak_.Unit().LogArchive("FileOpen: " + pak_.RelativeName(name));
  if (entry->IsDiskEntry() && os_handle < 0) {
    // The file the lookup found, also when the name was rewritten on the way.
    os_handle = ::open(disk_path.c_str(), O_RDONLY | O_CLOEXEC);
    if (os_handle < 0) {
      pak_.ReleaseEntry(entry);
      return kNoHandle;
    }
  }
  handles_.push_back(Handle{next_id_, os_handle, 0, std::move(*entry)});
  return next_id_++;
}

int32_t TPakVFS::FileRead(int32_t id, std::span<uint8_t> buffer) {
  Handle* handle = Find(id);
  if (buffer.empty() || handle == nullptr) return 0;
  const size_t count = std::min<size_t>(buffer.size(), INT32_MAX);
  size_t done = 0;
  if (handle->os_handle >= 0) {
    while (done < count) {
      ssize_t n = ::read(handle->os_handle, buffer.data() + done, count - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
  } else {
    done = static_cast<size_t>(
        pak_.ReadPacked(handle->entry, handle->position, std::span<uint8_t>(buffer.data(), count)));
  }
  const int32_t read = static_cast<int32_t>(done);
  PakUnit& unit = pak_.Unit();
  unit.AddRead(read);
  if (unit.read_logging) {
    std::string what = handle->entry.Name;
    if (done != count)
      what += " :  Read  " + std::to_string(read) + " bytes, requested " + std::to_string(count);
    char head[32];
    std::snprintf(head, sizeof head, "FileRead: %8d bytes from ", read);
    unit.LogArchive(head + what.substr(0, 70));
  }
  return read;
}

int64_t TPakVFS::FileSize(int32_t id) const {
  const Handle* handle = Find(id);
  return handle ? static_cast<int64_t>(handle->entry.Size) : -1;
}

int64_t TPakVFS::FileTime(int32_t id) const {
  const Handle* handle = Find(id);
  return handle ? static_cast<int64_t>(handle->entry.Time) : -1;
}

void TPakVFS::FileClose(int32_t id) {
  auto it = std::find_if(handles_.begin(), handles_.end(),
                         [id](const Handle& handle) { return handle.id == id; });
  if (it == handles_.end()) return;
  if (it->os_handle >= 0) ::close(it->os_handle);
  std::optional<TPakEntry> entry = std::move(it->entry);
  handles_.erase(it);
  pak_.ReleaseEntry(entry);
}

bool TPakVFS::FileExists(const std::string& name) {
  pak_.SetProbing(true);
  std::optional<TPakEntry> entry = pak_.FindEntry(name);
  pak_.SetProbing(false);
  pak_.ReleaseEntry(entry);
  return entry.has_value();
}

}  // namespace kelvo
