// Entry points that feed one input to one reader, shared by the libFuzzer targets and the
// corpus replay test. Every entry runs in one process-wide world (a process context over a
// temporary folder, with a small type library of its own) and returns "" when the reader
// accepted the input or rejected it with the project's own error types, else the fault.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kelvo::fuzz {

using Input = std::span<const uint8_t>;
using Entry = std::string (*)(Input);

struct Target {
  const char* name;  // also the folder of its seeds under corpus/
  Entry run;
};

// Keyword text file: tokens, integers and hexadecimal numbers read to the end.
std::string KeywordFileEntry(Input input);
// Library image file, loaded as a subcomponent image and then drawn.
std::string LibraryImageEntry(Input input);
// Gallery file over the world's library; its portraits are drawn.
std::string GalleryEntry(Input input);
// Bitmap import. Byte 0: bit 0 imports at depth 16, bit 1 adds a colour mask; with a mask,
// bytes 1-2 (little-endian) give the bitmap's length and the mask is what follows it.
std::string BitmapImportEntry(Input input);
// Whole type library: byte 0 modulo 5 picks the file the rest replaces (dro, dep, cmp, col,
// ani); the library is loaded with its images and a random portrait of it drawn.
std::string TypeLibraryEntry(Input input);

// Pack file: its directory read and every sound entry's data, then the same file as the pack
// of an archive, whose every name must load with its entry's size.
std::string PackIndexEntry(Input input);

// Avatar texts: the settings text up to the first line end, the sex text after it; both read,
// put onto a portrait of the world's library, drawn and written back.
std::string AvatarSettingsEntry(Input input);
// The editor's stored settings: "Name=Value" lines, read as the start-up reads them, then the
// windows placed on two screens and the data-set dialogs opened on the stored directories.
std::string StoredSettingsEntry(Input input);
// A kelvo command line: the arguments after the program name, each ended by a NUL byte.
std::string CommandLineEntry(Input input);

const std::vector<Target>& Targets();

}  // namespace kelvo::fuzz
