// The parsed command line of `kelvo`: one options struct per command, filled by
// ParseCommandLine without touching any file, so the parsing is testable on its own. Each
// command's options, help and parsing are declared in its line of command_table.cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "portrait/nation.h"

namespace kelvo::cli {

// Options every command that reads a library shares.
struct LibraryOptions {
  std::string library = "male";
};

struct CheckOptions {
  LibraryOptions lib;
  bool json = false;  // one JSON object instead of the text
};

struct RandomOptions {
  LibraryOptions lib;
  int count = 1;
  std::optional<Nation> nation;  // none: the plain draw
  std::uint32_t seed = 0;        // the random sequence's first seed
  std::string out;
};

// How the image files of render, sheet and anim are encoded and written.
struct ImageOutputOptions {
  int png_level = 1;  // compression level 0-9 of PNG files
  bool sync = false;  // flush each file to the disk before it replaces the old one
};

// Where the portraits of render and anim come from.
struct PortraitSource {
  std::string gallery;           // empty: the random sequence
  int index = 1;                 // gallery portrait, from 1
  bool all = false;              // every gallery portrait
  int count = 1;                 // random portraits
  std::optional<Nation> nation;  // none: the plain draw
  std::uint32_t seed = 0;        // the random sequence's first seed
  bool IsRandom() const { return gallery.empty(); }
};

struct RenderOptions {
  LibraryOptions lib;
  PortraitSource source;
  int scale = 1;
  bool transparent = false;  // PNG with a clear background, the background category left out
  std::string out;
  bool verbose = false;
  int jobs = 0;  // 0: one per core
  ImageOutputOptions output;
};

struct ResaveOptions {
  LibraryOptions lib;
  std::string out;
  bool images = false;
};

struct MirrorOptions {
  LibraryOptions lib;
  std::string out;
};

struct SheetOptions {
  LibraryOptions lib;
  std::string gallery;
  std::string out;
  int jobs = 0;  // 0: one per core
  ImageOutputOptions output;
};

struct AnimOptions {
  LibraryOptions lib;
  PortraitSource source;
  std::string out;
  ImageOutputOptions output;
};

// kelvo frames: the "Save As BMP" file set of one portrait; out names the base picture.
struct FramesOptions {
  LibraryOptions lib;
  PortraitSource source;
  std::string out;
};

struct StatsOptions {
  LibraryOptions lib;
  int count = 10000;
  std::optional<Nation> nation;  // none: the plain draw
  std::uint32_t seed = 0;        // the random sequence's first seed
  bool json = false;             // one JSON object instead of the table
};

// kelvo import: one bitmap (and the files beside it) into a category, the library written to out.
struct ImportOptions {
  LibraryOptions lib;
  std::string category;  // directory name, display name or number
  std::string like;      // empty: the category's first component
  bool animation = false;
  bool useShift = false;
  bool placeClipMask = false;
  std::string file;
  std::string out;
};

// kelvo thumbnail: a gallery's first portrait as a small PNG, for file managers.
struct ThumbnailOptions {
  std::string gallery;
  std::string out;
  int size = 128;  // the height; the width keeps the portrait's 4:5 shape
};

// kelvo pack build|list|extract
struct PackOptions {
  enum class Action { kBuild, kList, kExtract };
  Action action = Action::kBuild;
  std::string pack;  // list, extract: the pack to read
  std::string out;   // build: the pack to write; extract: the folder
  bool verbose = false;
};

// kelvo avatar export|import: a portrait as the game's avatar settings text and back.
struct AvatarOptions {
  enum class Action { kExport, kImport };
  Action action = Action::kExport;
  LibraryOptions lib;     // export
  PortraitSource source;  // export: a gallery portrait or the first random one
  std::string settings;   // import: the settings text, read when the command runs
  std::string sex;        // import: the sex flag's text
  std::string out;        // import: the gallery to write
};

using CommandOptions =
    std::variant<CheckOptions, RandomOptions, RenderOptions, ResaveOptions, SheetOptions,
                 AnimOptions, StatsOptions, PackOptions, ImportOptions, MirrorOptions,
                 FramesOptions, AvatarOptions, ThumbnailOptions>;

struct CommandLine {
  std::string_view name;  // the command's, from its table line
  std::string dataDir;    // empty: the program directory's data sets
  std::string packFile;   // empty: read the data sets from disk only
  CommandOptions command;
};

// What the program should do after parsing.
struct ParseOutcome {
  enum class Kind { kRun, kHelp, kVersion, kUsageError };
  Kind kind = Kind::kUsageError;
  CommandLine commandLine;  // kRun
  std::string text;         // kHelp: the help; kUsageError: the message and a short usage
};

// args[0] is the program name.
ParseOutcome ParseCommandLine(const std::vector<std::string>& args);

const char* NationName(Nation nation);

}  // namespace kelvo::cli
