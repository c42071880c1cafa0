#include "cli/command_table.h"

#include <QString>
#include <algorithm>
#include <variant>

#include "cli/commands.h"
#include "cli/option_reader.h"

namespace kelvo::cli {
namespace {

// Lines several commands share.
constexpr OptionLine kLibrary = ValueLine(
    "library", "NAME", "the data set directory, relative to the data directory (default: male)");
constexpr OptionLine kNation =
    ValueLine("nation", "N", "american, arabian or russian: draw with that nation's weights");
constexpr OptionLine kPngLevel = ValueLine(
    "png-level", "N", "compression level of PNG files, 0 (none) to 9 (smallest) (default: 1)");
constexpr OptionLine kSync =
    FlagLine("sync", "flush every file to the disk before it replaces the old one");
constexpr OptionLine kTakeGallery =
    ValueLine("gallery", "FILE", "take the portrait from this gallery file");
constexpr OptionLine kTakeIndex =
    ValueLine("index", "N", "the gallery portrait, from 1 (default: 1)");
constexpr OptionLine kTakeRandom =
    FlagLine("random", "take the first portrait of the random sequence");
constexpr OptionLine kSeed =
    ValueLine("seed", "N",
              "start the random sequence from seed N, a whole number from 0 to\n"
              "4294967295, instead of 0 (default: 0, the editor's sequence)");

template <typename Options>
int Run(ProcessContext& context, const CommandOptions& options, std::ostream& out,
        std::ostream& err) {
  return Command<Options>(context, std::get<Options>(options), out, err).Run();
}

constexpr OptionLine kJson =
    FlagLine("json", "print one JSON object on stdout instead of the text");

constexpr OptionLine kCheckLines[] = {kLibrary, kJson};

CommandOptions ParseCheck(const OptionReader& p) {
  CheckOptions o;
  p.ReadLibrary(o.lib);
  o.json = p.IsSet("json");
  return o;
}

constexpr OptionLine kRandomLines[] = {
    kLibrary,
    ValueLine("count", "N", "number of portraits, 1 to 200 (default: 1)"),
    ValueLine("out", "FILE.xgl", "the gallery file to write"),
    kNation,
    kSeed,
};

CommandOptions ParseRandom(const OptionReader& p) {
  RandomOptions o;
  p.ReadLibrary(o.lib);
  o.count = p.Number("count", 1, kMaxGalleryPortraits, o.count);
  o.nation = p.ReadNation();
  o.seed = p.Seed();
  o.out = p.Required("out");
  return o;
}

constexpr OptionLine kRenderLines[] = {
    kLibrary,
    ValueLine("gallery", "FILE", "render portraits of this gallery file"),
    ValueLine("index", "N", "the gallery portrait to render, from 1 (default: 1)"),
    FlagLine("all", "render every gallery portrait"),
    FlagLine("random", "render portraits of the random sequence, as 'kelvo random' makes them"),
    ValueLine("count", "N", "number of random portraits (default: 1)"),
    ValueLine("scale", "F", "reduce the 320 x 400 portrait by 1, 2, 4 or 8 (default: 1)"),
    FlagLine("transparent",
             "PNG only: leave out the background category and write RGBA, opaque\n"
             "where a component drew, clear elsewhere (a shadow alone stays clear);\n"
             "with --scale, alpha is the share of drawn pixels"),
    ValueLine("out", "PATH",
              "a .bmp or .png file; with more than one portrait PATH must\n"
              "contain %d, replaced by the portrait number from 1"),
    FlagLine("verbose", "print the time spent per portrait rendering, encoding and writing"),
    ValueLine("jobs", "N", "render on N threads (default: one per core); the files are the same"),
    kNation,
    kSeed,
    kPngLevel,
    kSync,
};

CommandOptions ParseRender(const OptionReader& p) {
  RenderOptions o;
  p.ReadLibrary(o.lib);
  o.source = p.ReadSource(true, true);
  if (p.IsSet("scale")) {
    const std::string scale = p.Value("scale");
    if (scale != "1" && scale != "2" && scale != "4" && scale != "8") {
      throw UsageError("--scale must be 1, 2, 4 or 8, not '" + scale + "'.");
    }
    o.scale = scale[0] - '0';
  }
  o.out = p.Required("out");
  o.transparent = p.IsSet("transparent");
  if (o.transparent &&
      QString::fromStdString(o.out).endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
    throw UsageError("--transparent writes PNG files only, not '" + o.out + "'.");
  o.verbose = p.IsSet("verbose");
  o.jobs = p.Jobs();
  o.output = p.ReadOutput();
  return o;
}

constexpr OptionLine kResaveLines[] = {
    kLibrary,
    ValueLine("out", "DIR", "the folder to write to; created when missing"),
    FlagLine("images", "write the component images too"),
};

CommandOptions ParseResave(const OptionReader& p) {
  ResaveOptions o;
  p.ReadLibrary(o.lib);
  o.out = p.Required("out");
  o.images = p.IsSet("images");
  return o;
}

constexpr OptionLine kMirrorLines[] = {
    kLibrary,
    ValueLine("out", "DIR",
              "the folder the mirrored library (text files and images) is written\n"
              "to; created when missing. Mirroring twice gives the library back"),
};

CommandOptions ParseMirror(const OptionReader& p) {
  MirrorOptions o;
  p.ReadLibrary(o.lib);
  o.out = p.Required("out");
  return o;
}

constexpr OptionLine kSheetLines[] = {
    kLibrary,
    ValueLine("gallery", "FILE", "the gallery file to draw"),
    ValueLine("jobs", "N", "render the thumbnails on N threads (default: one per core)"),
    ValueLine("out", "FILE.png", "the sheet to write"),
    kPngLevel,
    kSync,
};

CommandOptions ParseSheet(const OptionReader& p) {
  SheetOptions o;
  p.ReadLibrary(o.lib);
  o.gallery = p.Required("gallery");
  o.out = p.Required("out");
  o.jobs = p.Jobs();
  o.output = p.ReadOutput();
  return o;
}

constexpr OptionLine kAnimLines[] = {
    kLibrary,
    kTakeGallery,
    kTakeIndex,
    kTakeRandom,
    kSeed,
    ValueLine("out", "FILE.png",
              "the sheet to write: row 1 mouth steps 0 to 4, rows 2 to 4\n"
              "eyebrow steps 0 to 2 with eye steps 0 to 4"),
    kPngLevel,
    kSync,
};

CommandOptions ParseAnim(const OptionReader& p) {
  AnimOptions o;
  p.ReadLibrary(o.lib);
  o.source = p.ReadSource(false, false);
  o.out = p.Required("out");
  o.output = p.ReadOutput();
  return o;
}

constexpr OptionLine kFramesLines[] = {
    kLibrary,
    kTakeGallery,
    kTakeIndex,
    kTakeRandom,
    kSeed,
    ValueLine("out", "P.bmp",
              "the base picture (no mouth, no eyes); beside it P_Mouth_0..3,\n"
              "P_Eyes_0..3, P_EyeBrows_0..1, and P_Mouth_NB_0..3, P_Eyes_NB_0..3\n"
              "with every background pixel pure red"),
};

CommandOptions ParseFrames(const OptionReader& p) {
  FramesOptions o;
  p.ReadLibrary(o.lib);
  o.source = p.ReadSource(false, false);
  o.out = p.Required("out");
  const std::string ext = o.out.size() >= 4 ? o.out.substr(o.out.size() - 4) : std::string();
  if (QString::fromStdString(ext).toLower() != QLatin1String(".bmp"))
    throw UsageError("--out must end in .bmp, not '" + o.out + "'.");
  return o;
}

constexpr OptionLine kStatsLines[] = {
    kLibrary, ValueLine("count", "N", "number of portraits to draw (default: 10000)"),
    kNation,  kSeed,
    kJson,
};

CommandOptions ParseStats(const OptionReader& p) {
  StatsOptions o;
  p.ReadLibrary(o.lib);
  o.count = p.Number("count", 1, 100000000, o.count);
  o.nation = p.ReadNation();
  o.seed = p.Seed();
  o.json = p.IsSet("json");
  return o;
}

constexpr OptionLine kImportLines[] = {
    kLibrary,
    ValueLine("category", "C",
              "the category: its directory name (NOSY), name (Noses) or number (6)"),
    ValueLine("like", "COMP",
              "the component whose snapping points and shift a new component takes\n"
              "(default: the category's first)"),
    FlagLine("animation", "a new component is an animation step"),
    FlagLine("use-shift", "a new component takes the shift and span of --like"),
    FlagLine("place-clip-mask", "place a clipping mask the replaced component lacked"),
    WordLine("FILE.bmp",
             "one file of the set; the others are found by their name endings\n"
             "(_z, _s, _p, _msk, _omsk, _shd) as the category expects them"),
    ValueLine("out", "DIR",
              "the folder the library (text files and images) is written to;\n"
              "created when missing. No expected file found: exit code 2"),
};

CommandOptions ParseImport(const OptionReader& p) {
  ImportOptions o;
  p.ReadLibrary(o.lib);
  o.category = p.Required("category");
  o.like = p.Optional("like", o.like);
  o.animation = p.IsSet("animation");
  o.useShift = p.IsSet("use-shift");
  o.placeClipMask = p.IsSet("place-clip-mask");
  const std::optional<std::string> file = p.Argument();
  if (!file) throw UsageError("Give the bitmap FILE.bmp to import.");
  o.file = *file;
  o.out = p.Required("out");
  return o;
}

constexpr OptionLine kAvatarLines[] = {
    kLibrary,
    ActionLine("export", 0,
               "print the portrait's avatar settings text (14 component numbers,\n"
               "each followed by ';') on one line and its sex flag on the next:\n"
               "1 for the female data set, else 0"),
    kTakeGallery,
    kTakeIndex,
    kTakeRandom,
    kSeed,
    ActionLine("import", 0,
               "make the first random portrait of the female data set (any --sex\n"
               "but 0) or the male one, put the avatar onto it as the editor does\n"
               "and write it as a gallery of one portrait"),
    ValueLine("settings", "TEXT",
              "the avatar settings text, for example '1;2;1;1;3;1;2;1;1;4;1;2;1;1;'"),
    ValueLine("sex", "N", "the sex flag, a whole number"),
    ValueLine("out", "FILE.xgl", "the gallery file to write"),
};

CommandOptions ParseAvatar(const OptionReader& p) {
  AvatarOptions o;
  if (p.Action() == "export") {
    o.action = AvatarOptions::Action::kExport;
    if (p.IsSet("settings") || p.IsSet("sex") || p.IsSet("out"))
      throw UsageError("--settings, --sex and --out go with avatar import, not with export.");
    p.ReadLibrary(o.lib);
    o.source = p.ReadSource(false, false);
    return o;
  }
  o.action = AvatarOptions::Action::kImport;
  if (p.IsSet("library"))
    throw UsageError("--library goes with avatar export; import takes the data set of --sex.");
  if (p.IsSet("gallery") || p.IsSet("index") || p.IsSet("random") || p.IsSet("seed"))
    throw UsageError(
        "--gallery, --index, --random and --seed go with avatar export, not with import.");
  o.settings = p.Required("settings");
  o.sex = p.Required("sex");
  o.out = p.Required("out");
  return o;
}

constexpr OptionLine kThumbnailLines[] = {
    WordLine("FILE.xgl", "the gallery; its first portrait is drawn with the data set it names"),
    WordLine("OUT.png", "the PNG file to write"),
    ValueLine("size", "N",
              "the height in pixels, 1 to 4096; the width is N x 320 / 400, rounded\n"
              "(default: 128)"),
};

CommandOptions ParseThumbnail(const OptionReader& p) {
  ThumbnailOptions o;
  const std::vector<std::string> files = p.Arguments();
  if (files.size() != 2) throw UsageError("Give the gallery FILE.xgl and the picture OUT.png.");
  o.gallery = files[0];
  o.out = files[1];
  o.size = p.Number("size", 1, 4096, o.size);
  return o;
}

constexpr OptionLine kPackLines[] = {
    ActionLine("build", 0,
               "pack every file under the data directory (--data), files of a\n"
               "folder in name order before its subfolders"),
    ActionLine("list", 1, "print name, size, offset and date of every stored file"),
    ActionLine("extract", 1,
               "write every stored file under DIR; names that would leave\n"
               "DIR are skipped; a file that cannot be written is named on\n"
               "stderr and the others are still written (exit code 2)"),
    ValueLine("out", "PATH", "the pack to write (build) or the folder to write to (extract)"),
    FlagLine("verbose", "build: print \"Adding: \" and the path of every file on stderr"),
};

CommandOptions ParsePack(const OptionReader& p) {
  PackOptions o;
  o.action = p.Action() == "build"  ? PackOptions::Action::kBuild
             : p.Action() == "list" ? PackOptions::Action::kList
                                    : PackOptions::Action::kExtract;
  if (o.action != PackOptions::Action::kBuild) {
    const std::optional<std::string> pack = p.Argument();
    if (!pack) throw UsageError("Give the pack file FILE.VXP to read.");
    o.pack = *pack;
  }
  if (o.action != PackOptions::Action::kList) o.out = p.Required("out");
  if (o.action == PackOptions::Action::kList && p.IsSet("out"))
    throw UsageError("--out goes with pack build and pack extract, not with pack list.");
  if (p.IsSet("verbose") && o.action != PackOptions::Action::kBuild)
    throw UsageError("--verbose goes with pack build only.");
  o.verbose = p.IsSet("verbose");
  return o;
}

constexpr CommandSpec kCommands[] = {
    {.name = "check",
     .summary = "load a library and print a summary of it",
     .synopsis = "kelvo check [--library NAME] [--json]",
     .lines = kCheckLines,
     .parse = ParseCheck,
     .run = Run<CheckOptions>},
    {.name = "random",
     .summary = "write random portraits as one gallery file",
     .synopsis = "kelvo random [--library NAME] [--count N] [--nation NATION] [--seed N]\n"
                 "             --out FILE.xgl",
     .lines = kRandomLines,
     .parse = ParseRandom,
     .run = Run<RandomOptions>},
    {.name = "render",
     .summary = "render portraits to 24-bit BMP or PNG files",
     .synopsis =
         "kelvo render [--library NAME] (--gallery FILE.xgl [--index N | --all]\n"
         "             | --random [--count N] [--nation NATION] [--seed N])\n"
         "             [--scale 1|2|4|8] [--transparent] [--jobs N] [--png-level N] [--sync]\n"
         "             --out PATH",
     .lines = kRenderLines,
     .parse = ParseRender,
     .run = Run<RenderOptions>},
    {.name = "resave",
     .summary = "write a library's text files (and images) into another folder",
     .synopsis = "kelvo resave [--library NAME] --out DIR [--images]",
     .lines = kResaveLines,
     .parse = ParseResave,
     .run = Run<ResaveOptions>},
    {.name = "mirror",
     .summary = "mirror a library left to right and write it into another folder",
     .synopsis = "kelvo mirror [--library NAME] --out DIR",
     .lines = kMirrorLines,
     .parse = ParseMirror,
     .run = Run<MirrorOptions>},
    {.name = "sheet",
     .summary = "draw a gallery as a contact sheet of thumbnails with names and voices",
     .synopsis = "kelvo sheet [--library NAME] --gallery FILE.xgl [--jobs N] [--png-level N] "
                 "[--sync]\n"
                 "            --out FILE.png",
     .lines = kSheetLines,
     .parse = ParseSheet,
     .run = Run<SheetOptions>},
    {.name = "anim",
     .summary = "draw a portrait's animation frames as a sheet of 80 x 100 tiles",
     .synopsis =
         "kelvo anim [--library NAME] (--gallery FILE.xgl [--index N] | --random [--seed N])\n"
         "           [--png-level N] [--sync] --out FILE.png",
     .lines = kAnimLines,
     .parse = ParseAnim,
     .run = Run<AnimOptions>},
    {.name = "frames",
     .summary = "write a portrait's animation frames as 24-bit BMP files for the game",
     .synopsis = "kelvo frames [--library NAME] (--gallery FILE.xgl [--index N]\n"
                 "             | --random [--seed N])\n"
                 "             --out P.bmp",
     .lines = kFramesLines,
     .parse = ParseFrames,
     .run = Run<FramesOptions>},
    {.name = "stats",
     .summary = "count how often random portraits choose each component",
     .synopsis = "kelvo stats [--library NAME] [--count N] [--nation NATION] [--seed N] [--json]",
     .lines = kStatsLines,
     .parse = ParseStats,
     .run = Run<StatsOptions>},
    {.name = "import",
     .summary = "bring a bitmap and the files beside it into a category as one component",
     .synopsis = "kelvo import [--library NAME] --category CATEGORY [--like COMPONENT] "
                 "[--animation]\n"
                 "             [--use-shift] [--place-clip-mask] FILE.bmp --out DIR",
     .lines = kImportLines,
     .arguments = 1,
     .parse = ParseImport,
     .run = Run<ImportOptions>},
    {.name = "avatar",
     .summary = "turn a portrait into the game's multiplayer avatar text and back",
     .synopsis = "kelvo avatar export [--library NAME] (--gallery FILE.xgl [--index N]\n"
                 "                    | --random [--seed N])\n"
                 "       kelvo avatar import --settings TEXT --sex N --out FILE.xgl",
     .lines = kAvatarLines,
     .parse = ParseAvatar,
     .run = Run<AvatarOptions>},
    {.name = "thumbnail",
     .summary = "draw a gallery's first portrait as a small PNG, for file managers",
     .synopsis = "kelvo thumbnail FILE.xgl OUT.png [--size N]",
     .lines = kThumbnailLines,
     .arguments = 2,
     .parse = ParseThumbnail,
     .run = Run<ThumbnailOptions>},
    {.name = "pack",
     .summary = "build, list or extract a pack file (.VXP) of the data directory",
     .synopsis = "kelvo [--data DIR] pack build --out FILE.VXP [--verbose]\n"
                 "       kelvo pack list FILE.VXP\n"
                 "       kelvo pack extract FILE.VXP --out DIR",
     .lines = kPackLines,
     .withPackFile = false,
     .parse = ParsePack,
     .run = Run<PackOptions>},
};

}  // namespace

std::span<const CommandSpec> Commands() {
  return kCommands;
}

const CommandSpec* FindCommand(std::string_view name) {
  auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                         [&](const CommandSpec& c) { return c.name == name; });
  return it == std::end(kCommands) ? nullptr : &*it;
}

}  // namespace kelvo::cli
