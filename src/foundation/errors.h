// The exception types of KelvoEd. Programs catch them at their top level:
// FatalDataError ends the program (exit 1) or abandons the current editing operation,
// every other KelvoError is shown with its message (the CLI exits 2).
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

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

// "\nin " + file + ", line " + n: the place line that messages from file readers end with.
std::string PlaceText(const std::string& file, int line);

// Tokens longer than this are cut in messages, so that one malformed file with no blanks in
// it does not make an error box taller than the screen.
inline constexpr std::size_t kShownTokenLength = 60;

// A token read from a file as messages quote it: the end marker (code 0) as "the end of the
// file"; a token longer than kShownTokenLength cut there, followed by "..." and its length.
std::string ShownToken(std::string_view token);

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
  // A failure the system reported as errno `code`: the message adds the system's reason,
  // "Cannot create file out/p1.png (I/O error 2: No such file or directory)".
  static IoError FromSystem(int code, const std::string& file_name, const std::string& action);
  // With the reason another layer gives, such as a toolkit's error text.
  IoError(int code, const std::string& file_name, const std::string& action,
          const std::string& reason);
  int Code() const { return code_; }
  const std::string& FileName() const { return file_name_; }

 private:
  int code_;
  std::string file_name_;
};

inline constexpr int kIoAccessDenied = 5;

// A token that is not an integer: "'<token>' is not a valid integer value" (the token as
// ShownToken gives it), or for the end marker "A number is missing at the end of the file";
// then `place` (PlaceText of the file and line, or empty).
class ConversionError : public KelvoError {
 public:
  explicit ConversionError(std::string_view token, const std::string& place = "");
};

inline constexpr const char* kNumberMissingText = "A number is missing at the end of the file";
inline constexpr const char* kNameMissingText = "A name is missing at the end of the file";

}  // namespace kelvo
