// One keyword text file: a stream of blank-separated tokens with { } comments
// and "..." quoting (&" is a quote inside quotes). Reads go through the archive's
// text device; writes collect in memory and Close() puts the file on disk in one
// step, so an exception while writing leaves the previous file intact.
// The record is reusable: open, read or write, close, open the next file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "foundation/errors.h"
#include "foundation/text_device.h"

namespace kelvo {

class KeywordFile {
 public:
  explicit KeywordFile(TextArchive& archive) : archive_(archive) {}
  ~KeywordFile();  // an unfinished write is dropped
  KeywordFile(const KeywordFile&) = delete;
  KeywordFile& operator=(const KeywordFile&) = delete;

  // Throws IoError (code 5) naming the file when it cannot be found or opened.
  void OpenRead(const std::string& name);
  // The next token; at end of input the one-character text of code 0, again and again.
  std::string ReadToken();
  // The next token where a name must stand; throws FatalDataError kNameMissingText, with the
  // file and line, when the file ends instead.
  std::string ReadNameToken();
  // Throws ConversionError "'<token>' is not a valid integer value" (kNumberMissingText at the
  // end of the file) with the file and line.
  int32_t ReadInt();
  // Hex digits of the next token, other characters skipped, wrapping in 32 bits.
  int32_t ReadHex();

  // Targets FullName(name) of the archive; throws IoError when its folder is missing.
  void OpenWrite(const std::string& name);
  void WriteToken(std::string_view text);
  void WriteInt(int32_t n);
  void WriteIntPadded(int32_t n, int width);
  void WriteHex(int32_t n, int width);
  void WriteLine();
  void WriteTokenLine(std::string_view text);
  void IndentMore(int n);
  void IndentLess(int n);
  void WriteGap();

  // After reading: releases the file. After writing: commits the file to disk
  // (throws IoError naming it on failure).
  void Close();

  bool IsReading() const { return device_ != nullptr; }
  // The name the last file read was opened with, as the caller gave it.
  const std::string& ReadName() const { return read_name_; }
  // The line (from 1) of the last token read.
  int TokenLine() const { return token_line_; }
  // Gives the error the file being read, as the platform names it, and TokenLine().
  void Locate(FatalDataError& error) const;
  // The same place as PlaceText ("\nin <file>, line <n>"), for messages of other errors.
  std::string PlaceText() const;
  bool IsWriting() const { return writing_; }
  // The path being written, as FullName gave it.
  const std::string& WritePath() const { return write_path_; }
  static bool IsEndMarker(const std::string& token) { return token.size() == 1 && token[0] == 0; }

 private:
  void Advance(bool comments);
  void SkipBlanks();
  char NextByte();
  bool InputExhausted() const;

  TextArchive& archive_;
  std::unique_ptr<TextDevice> device_;
  char current_ = 0;
  bool writing_ = false;
  std::string write_path_;
  std::string read_name_;
  std::string read_path_;  // the archive's full name of the file being read
  int line_ = 1;           // line of current_
  int token_line_ = 0;
  bool after_newline_ = false;
  std::string output_;
  std::string indent_;
  bool at_line_start_ = true;
};

// Runs read(); a FatalDataError leaving it names the file and the line the reader stood at.
template <typename Read>
void ReadLocated(KeywordFile& file, Read&& read) {
  try {
    read();
  } catch (FatalDataError& error) {
    file.Locate(error);
    throw;
  }
}

// Decimal text of n, locale-independent.
std::string IntToText(int32_t n);
// Whole text as an optionally signed decimal 32-bit integer; false if it is none.
bool TextToInt(std::string_view text, int32_t& value);

}  // namespace kelvo
