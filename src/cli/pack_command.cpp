#include "cli/commands.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iomanip>
#include <set>

#include "archive/pak.h"
#include "archive/pak_file.h"
#include "cli/image_output.h"
#include "cli/kelvo_app.h"
#include "foundation/errors.h"
#include "foundation/paths.h"
#include "library/process_context.h"

namespace kelvo::cli {
namespace fs = std::filesystem;

namespace {

// The pack open for reading, closed when it goes.
class OpenPack {
 public:
  explicit OpenPack(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0) throw IoError::FromSystem(errno, path, "open");
  }
  ~OpenPack() { ::close(fd_); }
  OpenPack(const OpenPack&) = delete;
  OpenPack& operator=(const OpenPack&) = delete;
  int Fd() const { return fd_; }

 private:
  int fd_;
};

std::string LowerKey(std::string name) {
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c == '/') c = '\\';
  }
  return name;
}

[[noreturn]] void Corrupt(const std::string& path, const std::string& problem) {
  throw KelvoError("The pack " + path + " is corrupt: " + problem + ".");
}

}  // namespace

std::string DosTimeText(uint32_t time) {
  const uint32_t date = time >> 16;
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", (date >> 9) + 1980,
                (date >> 5) & 15, date & 31, (time >> 11) & 31, (time >> 5) & 63, (time & 31) * 2);
  return text;
}

namespace {

int Build(ProcessContext& context, const PackOptions& options, std::ostream& out,
          std::ostream& err) {
  const std::string base = context.Archive().BaseDir();
  std::error_code ec;
  if (!fs::is_directory(OsPath(base), ec))
    throw KelvoError("The data folder " + base + " does not exist.");
  const std::string target = CommandLinePath(options.out);
  PackBuildEvents events;
  events.empty_on_failure = false;  // a failed build leaves the old file alone
  if (options.verbose) {
    events.adding = [&err](const std::string& path) {
      err << "Adding: " << path << "\n" << std::flush;
    };
  }
  const PackBuildResult result = BuildPackFile(base, target, false, events);
  if (!result.created) throw KelvoError(result.error);
  if (!result.complete) {
    if (!result.failed_path.empty())
      throw KelvoError("Cannot add " + result.failed_path + " to " + target + ": " + result.error +
                       ".");
    throw KelvoError(result.error);
  }
  out << "Packed " << result.files << (result.files == 1 ? " file, " : " files, ") << result.bytes
      << (result.bytes == 1 ? " byte" : " bytes") << " into " << target << "\n";
  return kExitSuccess;
}

int List(const PackOptions& options, std::ostream& out) {
  const std::string path = CommandLinePath(options.pack);
  OpenPack pack(path);
  const PackDirectory directory = ReadPackDirectory(pack.Fd());
  size_t width = 4;
  for (const TPakEntry& entry : directory.entries) width = std::max(width, entry.Name.size());
  for (const TPakEntry& entry : directory.entries) {
    out << std::left << std::setw(static_cast<int>(width)) << entry.Name << std::right << " "
        << std::setw(10) << entry.Size << " " << std::setw(10) << entry.Offset << " "
        << DosTimeText(entry.Time) << "\n";
  }
  if (!directory.problem.empty()) Corrupt(path, directory.problem);
  return kExitSuccess;
}

int Extract(const PackOptions& options, std::ostream& out, std::ostream& err) {
  const std::string path = CommandLinePath(options.pack);
  const std::string folder = CommandLinePath(options.out);
  OpenPack pack(path);
  const PackDirectory directory = ReadPackDirectory(pack.Fd());
  fs::create_directories(folder);
  std::set<std::string> written;
  int files = 0;
  uint64_t bytes = 0;
  bool skipped = false;
  int failed = 0;
  for (const TPakEntry& entry : directory.entries) {
    if (!IsSafePackName(entry.Name)) {
      err << "Skipped " << entry.Name << ": the name would leave " << folder << ".\n";
      skipped = true;
      continue;
    }
    // The first of two names that differ only in case wins, as in a lookup.
    if (!written.insert(LowerKey(entry.Name)).second) continue;
    const std::vector<uint8_t> data = ReadPackData(pack.Fd(), entry);
    if (data.size() != entry.Size) Corrupt(path, "the data of " + entry.Name + " cannot be read");
    std::string relative = entry.Name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    const fs::path file = fs::path(folder) / relative;
    // One entry that cannot be written (a name ending in a separator, a file where a folder
    // must go) costs that entry only; the run ends with exit code 2.
    try {
      fs::create_directories(file.parent_path());
      WriteFileAtomically(file.string(), std::span<const uint8_t>(data));
    } catch (const std::exception& error) {
      err << "Cannot extract " << entry.Name << ": " << error.what() << "\n" << std::flush;
      ++failed;
      continue;
    }
    ++files;
    bytes += data.size();
  }
  out << "Extracted " << files << (files == 1 ? " file, " : " files, ") << bytes
      << (bytes == 1 ? " byte" : " bytes") << " into " << folder << "\n";
  if (failed > 0) {
    err << failed << (failed == 1 ? " entry" : " entries") << " could not be extracted.\n";
  }
  if (!directory.problem.empty()) Corrupt(path, directory.problem);
  return skipped || failed > 0 ? kExitOtherError : kExitSuccess;
}

}  // namespace

template <>
int Command<PackOptions>::Run() {
  switch (options_.action) {
    case PackOptions::Action::kBuild:
      return Build(context_, options_, out_, err_);
    case PackOptions::Action::kList:
      return List(options_, out_);
    case PackOptions::Action::kExtract:
      return Extract(options_, out_, err_);
  }
  return kExitOtherError;
}

}  // namespace kelvo::cli
