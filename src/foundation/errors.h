// The exception types of KelvoEd. Programs catch them at their top level:
// FatalDataError ends the program (exit 1) or abandons the current editing operation,
// every other KelvoError is shown with its message (the CLI exits 2).
#pragma once

#include <stdexcept>
#include <string>

namespace kelvo {

// Malformed library or gallery data. what() is the bare text; the top level shows
// FatalDataText(error), which puts "Kelvo ERROR: " in front. The reader that raised it adds
// the file and line it stood at (see ReadLocated in keyword_file.h).
class FatalDataError : public std::runtime_error {
 public:
  explicit FatalDataError(const std::string& text) : std::runtime_error(text) {}
  // The file as the platform writes its name, and the line from 1. The first place set is
  // kept: it is the innermost reader's.
  void SetPlace(const std::string& file, int line);
  bool HasPlace() const { return !file_.empty(); }
  const std::string& File() const { return file_; }
  int Line() const { return line_; }

 private:
  std::string file_;
  int line_ = 0;
};

inline constexpr const char* kFatalDataPrefix = "Kelvo ERROR: ";

// "Kelvo ERROR: " + the error's text; when the place is known, a second line
// "in " + file + ", line " + n.
std::string FatalDataText(const FatalDataError& error);

// Any other failure; what() is the exact message shown to the user.
class KelvoError : public std::runtime_error {
 public:
  explicit KelvoError(const std::string& message) : std::runtime_error(message) {}
};

// An input/output failure on one file. Code is the error number of the failed
// operation (5 for a data file that is missing or cannot be opened for reading).
class IoError : public KelvoError {
 public:
  // action: "open", "create", "write" ... ; the message names the file.
  IoError(int code, const std::string& file_name, const std::string& action = "open");
  int Code() const { return code_; }
  const std::string& FileName() const { return file_name_; }

 private:
  int code_;
  std::string file_name_;
};

inline constexpr int kIoAccessDenied = 5;

// A token that is not an integer: "'<token>' is not a valid integer value".
class ConversionError : public KelvoError {
 public:
  explicit ConversionError(const std::string& token);
};

}  // namespace kelvo
