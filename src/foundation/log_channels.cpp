#include "foundation/log_channels.h"

#include <cstdio>

#include "foundation/paths.h"

namespace kelvo {

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

void LogChannels::LogLine(int channel, std::string_view text) {
  if (channel == 3) return;
  std::lock_guard<std::mutex> lock(mutex_);
  try {
    const std::string path = OsPath(ChannelPath(channel)).string();
    if (text.size() == 1 && static_cast<unsigned char>(text[0]) == 255) {
      std::remove(path.c_str());
      return;
    }
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (file == nullptr) return;
    std::fwrite(text.data(), 1, text.size(), file);
    std::fwrite("\r\n", 1, 2, file);
    std::fclose(file);
  } catch (...) {
    // Logging must never disturb the program.
  }
}

void LogChannels::Reset(int channel) {
  LogLine(channel, std::string(1, '\xFF'));
}

void LogChannels::ResetAtStart() {
  for (int channel : {0, 2, 1, 3, 4}) Reset(channel);
}

}  // namespace kelvo
