#include "cli/terminal_stream.h"

#include <string_view>

namespace kelvo::cli {

EncodingStream::EncodingStream(std::ostream& target, const std::string& codeset)
    : std::ostream(nullptr), buffer_(target, codeset) {
  rdbuf(&buffer_);
}

EncodingStream::~EncodingStream() {
  flush();
}

EncodingStream::Buffer::int_type EncodingStream::Buffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char byte = traits_type::to_char_type(c);
  target_ << encoder_.Encode(std::string_view(&byte, 1));
  return target_ ? c : traits_type::eof();
}

std::streamsize EncodingStream::Buffer::xsputn(const char* s, std::streamsize n) {
  target_ << encoder_.Encode(std::string_view(s, static_cast<size_t>(n)));
  return target_ ? n : 0;
}

int EncodingStream::Buffer::sync() {
  target_.flush();
  return target_ ? 0 : -1;
}

}  // namespace kelvo::cli
