// The tool's messages in the terminal's encoding: the core's texts are Windows-1250 bytes, which a
// UTF-8 terminal would show as broken characters.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

#include "foundation/text_encoding.h"

namespace kelvo::cli {

// A stream that writes everything put into it, converted, to another stream.
class EncodingStream : public std::ostream {
 public:
  // codeset: as AnsiEncoder takes it, usually LocaleCodeset().
  EncodingStream(std::ostream& target, const std::string& codeset);
  ~EncodingStream() override;

 private:
  class Buffer : public std::streambuf {
   public:
    Buffer(std::ostream& target, const std::string& codeset) : target_(target), encoder_(codeset) {}

   protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

   private:
    std::ostream& target_;
    AnsiEncoder encoder_;
  };
  Buffer buffer_;
};

}  // namespace kelvo::cli
