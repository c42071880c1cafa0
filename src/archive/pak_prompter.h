// The questions a packed-mode archive asks and the progress it shows while it
// builds a pack. The program supplies the answers (message boxes in a window,
// fixed answers in the command-line tool and in tests); the archive unit holds
// the one in use. ProgramEnd is how an answer ends the program at once.
#pragma once

#include <stdexcept>
#include <string>

namespace kelvo {

enum class MissingPackAnswer { kBuild, kEmpty, kCancel };  // Yes, No, Cancel
enum class CreateFailedAnswer { kAbort, kRetry, kIgnore };

class PackPrompter {
 public:
  virtual ~PackPrompter() = default;
  // Caption "Question", buttons Yes, No and Cancel.
  virtual MissingPackAnswer AskMissingPack(const std::string& text) = 0;
  // Caption "Problem", warning icon, buttons Abort, Retry and Ignore (Retry preselected).
  virtual CreateFailedAnswer AskCreateFailed(const std::string& text) = 0;
  // "Adding: " + path, before each file is added to a pack.
  virtual void Progress(const std::string& /*text*/) {}
};

// Answers Cancel and Ignore without asking: nothing is built behind a user's back.
class NoPackPrompter : public PackPrompter {
 public:
  MissingPackAnswer AskMissingPack(const std::string&) override {
    return MissingPackAnswer::kCancel;
  }
  CreateFailedAnswer AskCreateFailed(const std::string&) override {
    return CreateFailedAnswer::kIgnore;
  }
};

// Thrown when an answer ends the program at once; the top level returns Code().
// Not a KelvoError, so no error box is shown for it.
class ProgramEnd : public std::runtime_error {
 public:
  ProgramEnd(int code, const std::string& why) : std::runtime_error(why), code_(code) {}
  int Code() const { return code_; }

 private:
  int code_;
};

}  // namespace kelvo
