// AtomicFileWriter: writes a file piece by piece into a temporary file beside the
// target and renames it over the target only when Commit succeeds, so a failure
// never leaves a truncated file. WriteFileAtomically (paths.h) is its one-shot form.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "foundation/paths.h"

namespace kelvo {

class AtomicFileWriter {
 public:
  // Creates the temporary file in the target's folder; throws IoError (action
  // "create") naming the target when that fails. `options` say whether Commit
  // flushes to the disk and which folder listings find the target.
  explicit AtomicFileWriter(std::string_view name, const WriteOptions& options = {});
  // Removes the temporary file unless Commit succeeded.
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // False when the bytes did not all go out; the first failure is kept and
  // every later write does nothing.
  bool Write(std::span<const uint8_t> bytes);
  bool Failed() const { return error_ != 0; }
  // Flushes, closes and renames over the target; throws IoError (action "write")
  // naming the target on any failure so far, and the target is left untouched.
  void Commit();

 private:
  void Discard();

  std::string name_;    // as given, for messages
  std::string target_;  // the file-system path
  std::string temp_;
  WriteOptions options_;
  int fd_ = -1;
  int error_ = 0;
};

}  // namespace kelvo
