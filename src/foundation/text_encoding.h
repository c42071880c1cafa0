// Windows-1250, the 8-bit text of every name and message in the core, and its conversion at the
// program's edges: to Unicode for the editor's widgets, to the terminal's encoding for the
// command-line tool. The table comes from glibc iconv once per process.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kelvo {

// The character of a byte; the few undefined codes give U+FFFD.
char32_t AnsiToChar(unsigned char byte);
// The byte of a character; '?' for characters Windows-1250 lacks.
char CharToAnsi(char32_t c);

// Converts Windows-1250 text into one encoding, byte by byte.
class AnsiEncoder {
 public:
  // codeset: an iconv name ("UTF-8", "ISO-8859-2", "ANSI_X3.4-1968"). Characters the codeset
  // cannot hold are transliterated where glibc can, else written as "?".
  explicit AnsiEncoder(const std::string& codeset);
  std::string Encode(std::string_view text) const;

 private:
  std::array<std::string, 256> bytes_;
};

// The codeset of the current LC_CTYPE locale, as nl_langinfo names it.
std::string LocaleCodeset();

}  // namespace kelvo
