#include "foundation/keyword_file.h"

#include <charconv>
#include <filesystem>

#include "foundation/errors.h"
#include "foundation/paths.h"
#include "foundation/whole_number.h"

namespace kelvo {

std::string IntToText(int32_t n) {
  char buffer[16];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
  return std::string(buffer, result.ptr);
}

bool TextToInt(std::string_view text, int32_t& value) {
  return ParseWholeNumber(text, value, {.plus_sign = true}) == WholeNumberResult::kNumber;
}

KeywordFile::~KeywordFile() = default;

void KeywordFile::OpenRead(const std::string& name) {
  Close();
  std::unique_ptr<TextDevice> device = archive_.AssignText(name);
  device->Open();
  read_path_ = device->Name();
  device_ = std::move(device);
  read_name_ = name;
  line_ = 1;
  token_line_ = 0;
  after_newline_ = false;
  // The first character is taken as it is: no comment or blank handling.
  current_ = NextByte();
}

bool KeywordFile::InputExhausted() const {
  return device_ == nullptr || device_->Eof();
}

char KeywordFile::NextByte() {
  if (InputExhausted()) return 0;
  if (after_newline_) ++line_;
  const char c = static_cast<char>(device_->Read());
  after_newline_ = c == '\n';
  return c;
}

void KeywordFile::Locate(FatalDataError& error) const {
  error.SetPlace(ShownName(read_path_), token_line_ > 0 ? token_line_ : line_);
}

std::string KeywordFile::PlaceText() const {
  if (read_path_.empty()) return "";
  return kelvo::PlaceText(ShownName(read_path_), token_line_ > 0 ? token_line_ : line_);
}

namespace {

bool EndsPlainRun(char c) {
  return c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '{' || c == '\0';
}

}  // namespace

void KeywordFile::Advance(bool comments) {
  current_ = NextByte();
  if (comments && current_ == '{') {
    char c = 0;
    while (!InputExhausted()) {
      c = NextByte();
      if (c == '}') break;
    }
    current_ = NextByte();
  }
  if (current_ == '\r' || current_ == '\n' || current_ == '\t') current_ = ' ';
}

void KeywordFile::SkipBlanks() {
  while (current_ == ' ') {
    if (device_) {
      // Indentation and line ends in one run, counting lines as NextByte does.
      const std::string_view rest = device_->Unread();
      size_t n = 0;
      for (; n < rest.size(); ++n) {
        const char c = rest[n];
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t') break;
        if (after_newline_) ++line_;
        after_newline_ = c == '\n';
      }
      device_->Skip(n);
    }
    Advance(true);
  }
}

std::string KeywordFile::ReadToken() {
  SkipBlanks();
  token_line_ = line_;
  if (current_ == 0) return std::string(1, '\0');
  std::string value;
  if (current_ == '"') {
    Advance(false);
    while (current_ != 0) {
      if (current_ == '"') {
        if (value.empty() || value.back() != '&') break;
        value.back() = '"';
      } else {
        value += current_;
      }
      Advance(false);
    }
    Advance(false);
    return value;
  }
  value += current_;
  if (device_) {
    // The rest of a plain token in one run, up to a blank, a line end, a comment or a zero.
    const std::string_view rest = device_->Unread();
    size_t n = 0;
    while (n < rest.size() && !EndsPlainRun(rest[n])) ++n;
    value.append(rest.data(), n);
    device_->Skip(n);
  }
  Advance(true);
  while (current_ != 0 && current_ != ' ') {
    value += current_;
    Advance(true);
  }
  return value;
}

std::string KeywordFile::ReadNameToken() {
  std::string token = ReadToken();
  if (IsEndMarker(token)) {
    FatalDataError error(kNameMissingText);
    Locate(error);
    throw error;
  }
  return token;
}

int32_t KeywordFile::ReadInt() {
  const std::string token = ReadToken();
  int32_t value = 0;
  if (!TextToInt(token, value)) throw ConversionError(token, PlaceText());
  return value;
}

int32_t KeywordFile::ReadHex() {
  uint32_t value = 0;
  for (char c : ReadToken()) {
    uint32_t digit;
    if (c >= '0' && c <= '9')
      digit = static_cast<uint32_t>(c - '0');
    else if (c >= 'A' && c <= 'F')
      digit = static_cast<uint32_t>(c - 'A' + 10);
    else if (c >= 'a' && c <= 'f')
      digit = static_cast<uint32_t>(c - 'a' + 10);
    else
      continue;
    value = value * 16 + digit;
  }
  return static_cast<int32_t>(value);
}

void KeywordFile::OpenWrite(const std::string& name) {
  Close();
  const std::string path = archive_.FullName(name);
  const std::filesystem::path folder = OsPath(path).parent_path();
  std::error_code ec;
  if (!folder.empty() && !std::filesystem::is_directory(folder, ec))
    throw IoError(3, path, "create");
  write_path_ = path;
  writing_ = true;
  output_.clear();
  indent_.clear();
  at_line_start_ = true;
}

void KeywordFile::WriteToken(std::string_view text) {
  bool quote = text.empty() || text.find(' ') != std::string_view::npos;
  std::string token;
  for (char c : text) {
    if (c == '"') {
      token += '&';
      quote = true;
    }
    token += c;
  }
  if (quote) token = '"' + token + '"';
  if (at_line_start_) {
    output_ += indent_;
    at_line_start_ = false;
  } else {
    output_ += ' ';
  }
  output_ += token;
}

void KeywordFile::WriteInt(int32_t n) {
  WriteToken(IntToText(n));
}

void KeywordFile::WriteIntPadded(int32_t n, int width) {
  const std::string text = IntToText(n);
  if (width > static_cast<int>(text.size())) output_.append(width - text.size(), ' ');
  WriteToken(text);
}

void KeywordFile::WriteHex(int32_t n, int width) {
  static const char kDigits[] = "0123456789ABCDEF";
  uint32_t value = static_cast<uint32_t>(n);
  std::string text;
  while (value != 0) {
    text.insert(text.begin(), kDigits[value % 16]);
    value /= 16;
  }
  if (width > static_cast<int>(text.size())) text.insert(0, width - text.size(), '0');
  WriteToken(text);
}

void KeywordFile::WriteLine() {
  output_ += "\r\n";
  at_line_start_ = true;
}

void KeywordFile::WriteTokenLine(std::string_view text) {
  WriteToken(text);
  WriteLine();
}

void KeywordFile::IndentMore(int n) {
  if (n > 0) indent_.append(n, ' ');
}

void KeywordFile::IndentLess(int n) {
  if (n >= static_cast<int>(indent_.size()))
    indent_.clear();
  else if (n > 0)
    indent_.resize(indent_.size() - n);
}

void KeywordFile::WriteGap() {
  output_ += "  ";
}

void KeywordFile::Close() {
  if (device_) {
    device_->Close();
    device_.reset();
    current_ = 0;
  }
  if (writing_) {
    writing_ = false;
    std::string bytes = std::move(output_);
    output_.clear();
    WriteFileAtomically(write_path_, bytes);
  }
}

}  // namespace kelvo
