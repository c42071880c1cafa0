// The read-only text device a keyword file reads through, and the interface of
// the archive that hands it out. The device holds the whole file in memory;
// past the last byte the reader sees the end-of-text mark 26.
#pragma once

#include <algorithm>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

class TextDevice {
 public:
  // found: whether the archive found the file; on_close runs once when the device
  // is closed or destroyed (the archive releases its entry there).
  TextDevice(std::string name, bool found, std::vector<uint8_t> bytes,
             std::function<void()> on_close);
  ~TextDevice();
  TextDevice(const TextDevice&) = delete;
  TextDevice& operator=(const TextDevice&) = delete;

  // Opens for input; throws IoError 5 naming the file when it was not found or the
  // name is empty.
  void Open();
  bool IsOpen() const { return open_; }

  // All bytes consumed.
  bool Eof() const { return position_ >= bytes_.size(); }
  // The next byte, or 26 once all bytes are consumed.
  uint8_t Read() { return position_ < bytes_.size() ? bytes_[position_++] : uint8_t{26}; }
  // The bytes not read yet, and skipping n of them (at most all).
  std::string_view Unread() const {
    return {reinterpret_cast<const char*>(bytes_.data()) + position_, bytes_.size() - position_};
  }
  void Skip(size_t n) { position_ += std::min(n, bytes_.size() - position_); }

  void Close();
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
  bool found_;
  bool open_ = false;
  std::vector<uint8_t> bytes_;
  size_t position_ = 0;
  std::function<void()> on_close_;
};

// What a keyword file reads through and names its output with; the archive.
class TextArchive {
 public:
  virtual ~TextArchive() = default;
  // Prepares a device over the named file; never throws for a missing file (the
  // device's Open does).
  virtual std::unique_ptr<TextDevice> AssignText(const std::string& name) = 0;
  // An absolute name unchanged, any other under the archive's base directory.
  virtual std::string FullName(const std::string& name) const = 0;
};

}  // namespace kelvo
