// Fault injection for the writers: runs a write in a forked child whose file-size limit cuts
// every write short (SIGXFSZ ignored, so write() fails with EFBIG), or whose target folder is
// read-only (the child gives up the capabilities that let root write there anyway), and
// snapshots folders so a test can see that nothing changed and no temporary file stayed.
#pragma once

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "foundation/diagnostics.h"
#include "support/test_support.h"

namespace kelvo::test {

enum class WriteFault {
  kFileSizeLimit,   // RLIMIT_FSIZE of 8 bytes: the first write of every file is cut short
  kReadOnlyFolder,  // the folder (and those below it) mode 0555
};

inline const char* FaultName(WriteFault fault) {
  return fault == WriteFault::kFileSizeLimit ? "file size limit" : "read-only folder";
}

struct FaultRun {
  int code = -1;         // the child's exit code; -1 when it died from a signal
  std::string messages;  // what the child reported
  bool skipped = false;  // the fault could not be set up (root that cannot drop its rights)
};

// Every file below the folder (relative name -> bytes); temporary files show up too.
inline std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& item : std::filesystem::recursive_directory_iterator(folder)) {
    if (!item.is_regular_file()) continue;
    files[std::filesystem::relative(item.path(), folder).string()] =
        TestFolder::ReadFile(item.path());
  }
  return files;
}

// Sends every diagnostic's text to a stream, one a line.
class StreamSink : public DiagnosticsSink {
 public:
  explicit StreamSink(std::ostream& out) : out_(out) {}
  void Show(const Diagnostic& diagnostic) override { out_ << diagnostic.text << "\n"; }

 private:
  std::ostream& out_;
};

namespace detail {

constexpr int kCannotFault = 77;

inline void SetModeBelow(const std::filesystem::path& folder, mode_t mode) {
  ::chmod(folder.c_str(), mode);
  for (const auto& item : std::filesystem::recursive_directory_iterator(folder)) {
    if (item.is_directory()) ::chmod(item.path().c_str(), mode);
  }
}

// Root writes into read-only folders; without these capabilities it obeys the mode bits.
inline bool DropFileCapabilities() {
  if (::geteuid() != 0) return true;
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2]{};
  if (::syscall(SYS_capget, &header, data) != 0) return false;
  for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
    data[cap / 32].effective &= ~(1u << (cap % 32));
    data[cap / 32].permitted &= ~(1u << (cap % 32));
  }
  return ::syscall(SYS_capset, &header, data) == 0;
}

}  // namespace detail

// Runs write(messages) in a child process under the fault on `folder`; its return value is the
// child's exit code. The folder's mode is restored afterwards.
inline FaultRun RunUnderWriteFault(WriteFault fault, const std::filesystem::path& folder,
                                   const std::function<int(std::ostream&)>& write) {
  int pipe_ends[2];
  if (::pipe(pipe_ends) != 0) return {};
  if (fault == WriteFault::kReadOnlyFolder) detail::SetModeBelow(folder, 0555);
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe_ends[0]);
    int code = detail::kCannotFault;
    if (fault == WriteFault::kFileSizeLimit) {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{8, 8};
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(code);
    } else if (!detail::DropFileCapabilities()) {
      ::_exit(code);
    }
    std::ostringstream messages;
    try {
      code = write(messages);
    } catch (const std::exception& error) {
      messages << "uncaught: " << error.what() << "\n";
      code = 99;
    }
    const std::string text = messages.str();
    for (size_t done = 0; done < text.size();) {
      const ssize_t n = ::write(pipe_ends[1], text.data() + done, text.size() - done);
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    ::_exit(code);  // no destructors, no exit handlers: the parent's state stays the parent's
  }
  ::close(pipe_ends[1]);
  FaultRun run;
  char buffer[4096];
  for (ssize_t n; (n = ::read(pipe_ends[0], buffer, sizeof buffer)) > 0;) {
    run.messages.append(buffer, static_cast<size_t>(n));
  }
  ::close(pipe_ends[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (fault == WriteFault::kReadOnlyFolder) detail::SetModeBelow(folder, 0755);
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.skipped = run.code == detail::kCannotFault;
  return run;
}

}  // namespace kelvo::test
