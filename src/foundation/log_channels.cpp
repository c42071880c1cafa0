#include "foundation/log_channels.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

#include "foundation/paths.h"

namespace kelvo {

namespace {

// The lines a thread's open batch holds back.
struct HeldLines {
  const LogChannels* log = nullptr;
  int depth = 0;
  size_t bytes = 0;
  std::map<int, std::string> by_channel;
};

HeldLines& Held() {
  thread_local HeldLines held;
  return held;
}

// Held lines are written early past this size, so a long batch does not grow without bound.
constexpr size_t kMostHeldBytes = 64 * 1024;

}  // namespace

LogChannels::LogChannels(std::string log_dir, std::string computer_name)
    : log_dir_(std::move(log_dir)), computer_name_(std::move(computer_name)) {}

const char* LogChannels::ChannelFileName(int channel) {
  switch (channel) {
    case 0:
      return "UsedFiles.txt";
    case 2:
      return "DX.txt";
    case 3:
      return "";
    case 4:
      return "Engine.txt";
    case 5:
      return "Multi.txt";
    default:
      return "Unsorted events.txt";
  }
}

std::string LogChannels::ChannelPath(int channel) const {
  if (channel == 3) return "";
  return log_dir_ + "LOG_" + computer_name_ + "_" + ChannelFileName(channel);
}

LogChannels::~LogChannels() {
  for (const auto& [channel, file] : open_files_) ::close(file.fd);
}

void LogChannels::LogLine(int channel, std::string_view text) {
  if (channel == 3) return;
  const bool reset = text.size() == 1 && static_cast<unsigned char>(text[0]) == 255;
  HeldLines& held = Held();
  const bool holding = held.log == this && held.depth > 0;
  try {
    if (holding && !reset) {
      std::string& lines = held.by_channel[channel];
      lines.append(text);
      lines += "\r\n";
      held.bytes += text.size() + 2;
      if (held.bytes > kMostHeldBytes) WriteHeld();
      return;
    }
    // Lines held for a channel being deleted would be deleted with it.
    if (holding) held.by_channel.erase(channel);
    std::lock_guard<std::mutex> lock(mutex_);
    if (reset) {
      CloseChannel(channel);
      std::remove(OsPath(ChannelPath(channel)).string().c_str());
      return;
    }
    std::string line(text);
    line += "\r\n";
    Append(channel, line);
  } catch (...) {
    // Logging must never disturb the program.
  }
}

void LogChannels::Append(int channel, std::string_view bytes) {
  // Through a descriptor kept open; a file deleted from outside is made again within a second.
  const int fd = ChannelFile(channel);
  if (fd < 0) return;
  if (::write(fd, bytes.data(), bytes.size()) < 0) CloseChannel(channel);
}

void LogChannels::WriteHeld() {
  HeldLines& held = Held();
  std::map<int, std::string> lines = std::move(held.by_channel);
  held.by_channel.clear();
  held.bytes = 0;
  try {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& [channel, text] : lines) Append(channel, text);
  } catch (...) {
  }
}

LogChannels::Batch::Batch(LogChannels& log) : log_(log) {
  HeldLines& held = Held();
  holding_ = held.depth == 0 || held.log == &log;
  if (!holding_) return;
  held.log = &log;
  ++held.depth;
}

LogChannels::Batch::~Batch() {
  if (!holding_) return;
  HeldLines& held = Held();
  if (--held.depth > 0) return;
  log_.WriteHeld();
  held.log = nullptr;
}

int LogChannels::ChannelFile(int channel) {
  const auto now = std::chrono::steady_clock::now();
  auto it = open_files_.find(channel);
  if (it != open_files_.end()) {
    OpenFile& file = it->second;
    if (now - file.checked < std::chrono::seconds(1)) return file.fd;
    struct stat info {};
    if (::fstat(file.fd, &info) == 0 && info.st_nlink > 0) {
      file.checked = now;
      return file.fd;
    }
    CloseChannel(channel);
  }
  const std::string path = OsPath(ChannelPath(channel)).string();
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd >= 0) open_files_[channel] = OpenFile{fd, now};
  return fd;
}

void LogChannels::CloseChannel(int channel) {
  auto it = open_files_.find(channel);
  if (it == open_files_.end()) return;
  ::close(it->second.fd);
  open_files_.erase(it);
}

void LogChannels::Reset(int channel) {
  LogLine(channel, std::string(1, '\xFF'));
}

void LogChannels::ResetAtStart() {
  for (int channel : {0, 2, 1, 3, 4}) Reset(channel);
}

}  // namespace kelvo
