// The log channels: text files in the log folder (the program directory, or the user's data
// folder when that is not writable) named
// "LOG_" + computer name + "_" + the channel's file name, to which the archive
// appends its trace. Writes are serialised by one mutex and never fail visibly.
#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <string_view>

namespace kelvo {

class LogChannels {
 public:
  // log_dir: the folder of the log files with its trailing separator.
  LogChannels(std::string log_dir, std::string computer_name);
  ~LogChannels();
  LogChannels(const LogChannels&) = delete;
  LogChannels& operator=(const LogChannels&) = delete;

  // Appends text + CR LF to the channel's file; the one-character text of code 255
  // deletes the file instead. Channel 3 is ignored. Failures are swallowed.
  void LogLine(int channel, std::string_view text);

  // Deletes the channel's file (LogLine with the code 255 text).
  void Reset(int channel);

  // The start-up resets: channels 0, 2, 1, 3, 4 in this order.
  void ResetAtStart();

  // The channel's file, or "" for channel 3 which has none.
  std::string ChannelPath(int channel) const;

  // "UsedFiles.txt", "Unsorted events.txt" (1 and above 5), "DX.txt", "" (3),
  // "Engine.txt", "Multi.txt".
  static const char* ChannelFileName(int channel);

  static constexpr int kUsedFiles = 0;

  // While one is open on a thread, that thread's lines to this log are held and written in one
  // piece per channel when the outermost closes, however it is left: a library load logs every
  // file it opens, and a write per line was an eighth of the load. A reset still acts at once.
  // Lines of other threads are written as they come. A batch must not outlive its log.
  class Batch {
   public:
    explicit Batch(LogChannels& log);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    LogChannels& log_;
    bool holding_;  // false when another log's batch is open on this thread
  };

 private:
  int ChannelFile(int channel);  // the open file of the channel, or -1
  void CloseChannel(int channel);
  void Append(int channel, std::string_view bytes);  // with mutex_ held
  void WriteHeld();

  std::string log_dir_;
  std::string computer_name_;
  std::mutex mutex_;
  struct OpenFile {
    int fd;
    std::chrono::steady_clock::time_point checked;  // last seen still linked
  };
  std::map<int, OpenFile> open_files_;  // by channel, opened on the first line
};

}  // namespace kelvo
