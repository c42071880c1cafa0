// The commands of `kelvo`: each runs with the process context, its parsed options, the output
// stream and the message stream. Run returns the exit code; errors propagate to RunKelvo, which
// turns them into messages and codes.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "cli/cli_options.h"

namespace kelvo {
class ProcessContext;
}

namespace kelvo::cli {

template <typename Options>
class Command {
 public:
  Command(ProcessContext& context, const Options& options, std::ostream& out, std::ostream& err)
      : context_(context), options_(options), out_(out), err_(err) {}
  int Run();

 private:
  ProcessContext& context_;
  Options options_;
  std::ostream& out_;
  std::ostream& err_;
};

// Loads a library and prints components per category, colour types with their entry counts,
// draw-order entries and animation links.
template <>
int Command<CheckOptions>::Run();
// Writes portraits of the program's random sequence as one gallery file.
template <>
int Command<RandomOptions>::Run();
// Renders gallery or random portraits to 24-bit BMP or PNG files, on every core.
template <>
int Command<RenderOptions>::Run();
// Writes a library's five text files (with --images its component images too) into another
// folder, as the editor's save command does.
template <>
int Command<ResaveOptions>::Run();
// A gallery as a contact sheet on the gallery window's grid (portrait/gallery_grid.h): its
// thumbnails (RenderThumbnails), names and voices.
template <>
int Command<SheetOptions>::Run();
// A portrait's small picture and animation frames as one sheet of 80 x 100 tiles, five to a
// row: mouth steps 0 to 4, then eyebrow steps 0 to 2 each with eye steps 0 to 4.
template <>
int Command<AnimOptions>::Run();
// Draws portraits of the random sequence and prints, per category, how often each component was
// chosen against the share its frequency (and with a nation its property values) intends,
// flagging components that can never be chosen. Artists check weights with it.
template <>
int Command<StatsOptions>::Run();
// Pack files of a data directory: build, list or extract.
template <>
int Command<PackOptions>::Run();
// The editor's bitmap import without a window, for artists who bring in many files. The
// questions are answered by flags (absent: No), the confirmation is taken as given, and the
// library is written, text files and images, into another folder. 2 when no expected file was
// found (a "Kelvo warning:").
template <>
int Command<ImportOptions>::Run();
// Loads a library with its images, mirrors it as the editor's "Mirror" does and writes its text
// files and images into another folder.
template <>
int Command<MirrorOptions>::Run();
// The animation frame files of one portrait ("Save As BMP" of the editor) without a window, with
// the editor's default drawing: no spread, every category shown.
template <>
int Command<FramesOptions>::Run();
// export prints a portrait's multiplayer avatar settings text and sex flag; import puts such a
// text onto the first random portrait of the male or female data set, as the editor's avatar
// import does, and writes it as a gallery of one portrait. A settings or sex text that cannot be
// read throws, naming the field (exit 2).
template <>
int Command<AvatarOptions>::Run();

// The gallery's first portrait, reduced smoothly to fit size x size with its 4:5 shape, as a PNG
// file; each portrait's data set is the one the gallery names. File managers call it.
template <>
int Command<ThumbnailOptions>::Run();
// The thumbnail's width for a height: size x 320 / 400, rounded.
int ThumbnailWidth(int size);

// "2024-05-06 07:08:10" for an MS-DOS packed date and time (pack list's date column).
std::string DosTimeText(uint32_t time);

}  // namespace kelvo::cli
