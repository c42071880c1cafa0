#include "foundation/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "foundation/errors.h"
#include "foundation/paths.h"

namespace kelvo {

namespace {
// The umask can only be read by setting it; doing that once keeps concurrent writers
// from ever seeing (and leaving) a zero mask.
mode_t ProcessUmask() {
  static const mode_t mask = [] {
    const mode_t current = ::umask(0);
    ::umask(current);
    return current;
  }();
  return mask;
}
}  // namespace

AtomicFileWriter::AtomicFileWriter(std::string_view name, const WriteOptions& options)
    : name_(name), target_(OsPath(name, options.listings).string()), options_(options) {
  const std::filesystem::path folder = std::filesystem::path(target_).parent_path();
  std::string pattern = (folder.empty() ? std::string(".") : folder.string()) + "/.kelvo-XXXXXX";
  std::vector<char> temp(pattern.begin(), pattern.end());
  temp.push_back('\0');
  fd_ = mkstemp(temp.data());
  if (fd_ < 0) throw IoError::FromSystem(errno, name_, "create");
  temp_ = temp.data();
}

AtomicFileWriter::~AtomicFileWriter() {
  Discard();
}

void AtomicFileWriter::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
}

bool AtomicFileWriter::Write(std::span<const uint8_t> bytes) {
  if (error_ != 0 || fd_ < 0) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error_ = n < 0 ? errno : EIO;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

void AtomicFileWriter::Commit() {
  bool existed = true;
  if (fd_ < 0 && error_ == 0) error_ = EBADF;
  if (fd_ >= 0) {
    // Keep the target's permissions, or those an ordinary create gives; mkstemp
    // makes the file private.
    struct stat old {};
    existed = ::stat(target_.c_str(), &old) == 0;
    if (existed) {
      ::fchmod(fd_, old.st_mode & 07777);
    } else {
      ::fchmod(fd_, 0666 & ~ProcessUmask());
    }
    if (error_ == 0 && options_.sync && ::fsync(fd_) != 0) error_ = errno;
    if (::close(fd_) != 0 && error_ == 0) error_ = errno;
    fd_ = -1;
  }
  if (error_ == 0 && std::rename(temp_.c_str(), target_.c_str()) != 0) error_ = errno;
  if (error_ != 0) {
    Discard();
    throw IoError::FromSystem(error_, name_, "write");
  }
  temp_.clear();
  if (!existed && options_.listings) {
    const std::filesystem::path target(target_);
    options_.listings->Add(target.parent_path(), target.filename().string());
  }
}

}  // namespace kelvo
