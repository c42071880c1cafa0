#include "library/colour_type.h"

#include "foundation/errors.h"
#include "foundation/keyword_file.h"

namespace kelvo {

ColourEntry ColourEntry::WithDefaultProperties() {
  ColourEntry entry;
  for (int i = 1; i <= 5; ++i) entry.Property(i) = 50;
  return entry;
}

namespace {

ColourEntry ReadColourBlock(KeywordFile& file) {
  ColourEntry entry = ColourEntry::WithDefaultProperties();
  entry.Colour() = file.ReadHex();
  for (;;) {
    const std::string token = file.ReadToken();
    if (token == "KONT") {
      entry.Contrast() = file.ReadInt();
    } else if (token == "CETN") {
      entry.Frequency() = file.ReadInt();
    } else if (token == "VL") {
      const int32_t i = file.ReadInt();
      const int32_t value = file.ReadInt();
      if (i >= 1 && i <= 5) entry.Property(i) = value;
    } else if (token == "END_OF_COLOR") {
      return entry;
    } else {
      throw KelvoError("END_OF_COLOR expected instead of " + ShownToken(token) + file.PlaceText());
    }
  }
}

}  // namespace

void TDruhBarvy::ReadRecord(KeywordFile& file) {
  Name = file.ReadNameToken();
  for (;;) {
    const std::string token = file.ReadToken();
    if (token == "END_OF_COLOR_TYPE") return;
    if (token != "COUNT") {
      // The text has no blank after "of"; the end of the file, said in words, needs one.
      throw FatalDataError(std::string("END_OF_COLOR_TYPE expected instead of") +
                           (KeywordFile::IsEndMarker(token) ? " " : "") + ShownToken(token));
    }
    const int32_t count = file.ReadInt();
    Selected = file.ReadInt();
    DefaultEntry = file.ReadInt();
    // The count decides how many blocks are read; each must start with COLOR, so a count
    // larger than the file ends at the first other token.
    for (int32_t n = 0; n < count; ++n) {
      const std::string keyword = file.ReadToken();
      if (keyword != "COLOR") {
        throw KelvoError("COLOR expected instead of " + ShownToken(keyword) + file.PlaceText());
      }
      Entries.push_back(ReadColourBlock(file));
    }
  }
}

void TDruhBarvy::WriteRecord(KeywordFile& file) const {
  file.WriteToken("COLOR_TYPE");
  file.WriteInt(Index);
  file.WriteToken(Name);
  file.WriteLine();
  file.IndentMore(2);
  file.WriteToken("COUNT");
  file.WriteInt(EntryCount());
  file.WriteInt(Selected);
  file.WriteInt(DefaultEntry);
  file.WriteLine();
  file.IndentMore(2);
  for (const ColourEntry& entry : Entries) {
    file.WriteToken("COLOR");
    file.WriteHex(entry.Colour(), 6);
    file.WriteLine();
    file.IndentMore(2);
    file.WriteToken("KONT");
    file.WriteInt(entry.Contrast());
    file.WriteLine();
    file.WriteToken("CETN");
    file.WriteInt(entry.Frequency());
    file.WriteLine();
    for (int i = 1; i <= 5; ++i) {
      if (entry.Property(i) == 50) continue;
      file.WriteToken("VL");
      file.WriteInt(i);
      file.WriteInt(entry.Property(i));
      file.WriteLine();
    }
    file.IndentLess(2);
    file.WriteTokenLine("END_OF_COLOR");
  }
  file.IndentLess(2);
  file.IndentLess(2);
  file.WriteTokenLine("END_OF_COLOR_TYPE");
}

}  // namespace kelvo
