#include "cli/help_text.h"

#include <algorithm>
#include <vector>

namespace kelvo::cli {
namespace {

struct CommandHelp {
  std::string_view name;
  std::string_view summary;
  std::string_view synopsis;
  std::string_view options;
};

constexpr std::string_view kLibraryOption =
    "  --library NAME   the data set directory, relative to the data directory (default: male)\n";

constexpr std::string_view kNationOption =
    "  --nation N       american, arabian or russian: draw with that nation's weights\n";

constexpr std::string_view kImageOutputOptions =
    "  --png-level N    zlib level of PNG files, 0 (fastest) to 9 (smallest) (default: 1)\n"
    "  --sync           flush every file to the disk before it replaces the old one\n";

constexpr CommandHelp kCommands[] = {
    {"check", "load a library and print a summary of it", "kelvo check [--library NAME]", ""},
    {"random", "write random portraits as one gallery file",
     "kelvo random [--library NAME] [--count N] [--nation NATION] --out FILE.xgl",
     "  --count N        number of portraits, 1 to 200 (default: 1)\n"
     "  --out FILE.xgl   the gallery file to write\n"},
    {"render", "render portraits to 24-bit BMP or PNG files",
     "kelvo render [--library NAME] (--gallery FILE.xgl [--index N | --all]\n"
     "             | --random [--count N] [--nation NATION]) [--scale 1|2|4|8]\n"
     "             [--jobs N] [--png-level N] [--sync] --out PATH",
     "  --gallery FILE   render portraits of this gallery file\n"
     "  --index N        the gallery portrait to render, from 1 (default: 1)\n"
     "  --all            render every gallery portrait\n"
     "  --random         render portraits of the random sequence, as 'kelvo random' makes them\n"
     "  --count N        number of random portraits (default: 1)\n"
     "  --scale F        reduce the 320 x 400 portrait by 1, 2, 4 or 8 (default: 1)\n"
     "  --out PATH       a .bmp or .png file; with more than one portrait PATH must\n"
     "                   contain %d, replaced by the portrait number from 1\n"
     "  --verbose        print the time spent per portrait rendering, encoding and writing\n"
     "  --jobs N         render on N threads (default: one per core); the files are the same\n"},
    {"resave", "write a library's text files (and images) into another folder",
     "kelvo resave [--library NAME] --out DIR [--images]",
     "  --out DIR        the folder to write to; created when missing\n"
     "  --images         write the component images too\n"},
    {"mirror", "mirror a library left to right and write it into another folder",
     "kelvo mirror [--library NAME] --out DIR",
     "  --out DIR        the folder the mirrored library (text files and images) is written\n"
     "                   to; created when missing. Mirroring twice gives the library back\n"},
    {"sheet", "draw a gallery as a contact sheet of thumbnails with names and voices",
     "kelvo sheet [--library NAME] --gallery FILE.xgl [--jobs N] [--png-level N] [--sync]\n"
     "            --out FILE.png",
     "  --gallery FILE   the gallery file to draw\n"
     "  --jobs N         render the thumbnails on N threads (default: one per core)\n"
     "  --out FILE.png   the sheet to write\n"},
    {"anim", "draw a portrait's animation frames as a sheet of 80 x 100 tiles",
     "kelvo anim [--library NAME] (--gallery FILE.xgl [--index N] | --random)\n"
     "           [--png-level N] [--sync] --out FILE.png",
     "  --gallery FILE   take the portrait from this gallery file\n"
     "  --index N        the gallery portrait, from 1 (default: 1)\n"
     "  --random         take the first portrait of the random sequence\n"
     "  --out FILE.png   the sheet to write: row 1 mouth steps 0 to 4, rows 2 to 4\n"
     "                   eyebrow steps 0 to 2 with eye steps 0 to 4\n"},
    {"frames", "write a portrait's animation frames as 24-bit BMP files for the game",
     "kelvo frames [--library NAME] (--gallery FILE.xgl [--index N] | --random)\n"
     "             --out P.bmp",
     "  --gallery FILE   take the portrait from this gallery file\n"
     "  --index N        the gallery portrait, from 1 (default: 1)\n"
     "  --random         take the first portrait of the random sequence\n"
     "  --out P.bmp      the base picture (no mouth, no eyes); beside it P_Mouth_0..3,\n"
     "                   P_Eyes_0..3, P_EyeBrows_0..1, and P_Mouth_NB_0..3, P_Eyes_NB_0..3\n"
     "                   with every background pixel pure red\n"},
    {"stats", "count how often random portraits choose each component",
     "kelvo stats [--library NAME] [--count N] [--nation NATION]",
     "  --count N        number of portraits to draw (default: 10000)\n"},
    {"import", "bring a bitmap and the files beside it into a category as one component",
     "kelvo import [--library NAME] --category CATEGORY [--like COMPONENT] [--animation]\n"
     "             [--use-shift] [--place-clip-mask] FILE.bmp --out DIR",
     "  --category C     the category: its directory name (NOSY), name (Noses) or number (6)\n"
     "  --like COMP      the component whose snapping points and shift a new component takes\n"
     "                   (default: the category's first)\n"
     "  --animation      a new component is an animation step\n"
     "  --use-shift      a new component takes the shift and span of --like\n"
     "  --place-clip-mask\n"
     "                   place a clipping mask the replaced component lacked\n"
     "  FILE.bmp         one file of the set; the others are found by their name endings\n"
     "                   (_z, _s, _p, _msk, _omsk, _shd) as the category expects them\n"
     "  --out DIR        the folder the library (text files and images) is written to;\n"
     "                   created when missing. No expected file found: exit code 2\n"},
    {"avatar", "turn a portrait into the game's multiplayer avatar text and back",
     "kelvo avatar export [--library NAME] (--gallery FILE.xgl [--index N] | --random)\n"
     "       kelvo avatar import --settings TEXT --sex N --out FILE.xgl",
     "  export           print the portrait's avatar settings text (14 component numbers,\n"
     "                   each followed by ';') on one line and its sex flag on the next:\n"
     "                   1 for the female data set, else 0\n"
     "  --gallery FILE   take the portrait from this gallery file\n"
     "  --index N        the gallery portrait, from 1 (default: 1)\n"
     "  --random         take the first portrait of the random sequence\n"
     "  import           make the first random portrait of the female data set (any --sex\n"
     "                   but 0) or the male one, put the avatar onto it as the editor does\n"
     "                   and write it as a gallery of one portrait\n"
     "  --settings TEXT  the avatar settings text, for example '1;2;1;1;3;1;2;1;1;4;1;2;1;1;'\n"
     "  --sex N          the sex flag, a whole number\n"
     "  --out FILE.xgl   the gallery file to write\n"},
    {"pack", "build, list or extract a pack file (.VXP) of the data directory",
     "kelvo [--data DIR] pack build --out FILE.VXP [--verbose]\n"
     "       kelvo pack list FILE.VXP\n"
     "       kelvo pack extract FILE.VXP --out DIR",
     "  build            pack every file under the data directory (--data), files of a\n"
     "                   folder in name order before its subfolders\n"
     "  list             print name, size, offset and date of every stored file\n"
     "  extract          write every stored file under DIR; names that would leave\n"
     "                   DIR are skipped; a file that cannot be written is named on\n"
     "                   stderr and the others are still written (exit code 2)\n"
     "  --out PATH       the pack to write (build) or the folder to write to (extract)\n"
     "  --verbose        build: print \"Adding: \" and the path of every file on stderr\n"},
};

const CommandHelp* FindCommand(std::string_view name) {
  auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                         [&](const CommandHelp& c) { return c.name == name; });
  return it == std::end(kCommands) ? nullptr : &*it;
}

bool UsesNation(std::string_view name) {
  return name == "random" || name == "render" || name == "stats";
}

bool WritesImages(std::string_view name) {
  return name == "render" || name == "sheet" || name == "anim";
}

}  // namespace

std::vector<std::string_view> CommandNames() {
  std::vector<std::string_view> names;
  for (const CommandHelp& each : kCommands) names.push_back(each.name);
  return names;
}

std::string_view CommandSummary(std::string_view command) {
  const CommandHelp* c = FindCommand(command);
  return c ? c->summary
           : std::string_view("batch work on KelvoEd portrait libraries and galleries");
}

bool IsCommandName(std::string_view name) {
  return FindCommand(name) != nullptr;
}

std::string UsageText(std::string_view command) {
  const CommandHelp* c = FindCommand(command);
  std::string text = "Usage: ";
  text += c ? c->synopsis : "kelvo [--data DIR] [--pack FILE.VXP] COMMAND [OPTIONS]";
  text += "\n";
  return text;
}

std::string HelpText(std::string_view command) {
  std::string text = UsageText(command);
  const CommandHelp* c = FindCommand(command);
  if (!c) {
    text +=
        "\nBatch work on KelvoEd portrait libraries and galleries, without a window.\n"
        "\nCommands:\n";
    for (const CommandHelp& each : kCommands) {
      std::string name(each.name);
      name.resize(9, ' ');
      text += "  " + name + std::string(each.summary) + "\n";
    }
    text +=
        "\nOptions:\n"
        "  --data DIR   base directory of the data sets (default: kelvoed/data_big beside\n"
        "               the program, else ../share/kelvoed/data_big relative to it);\n"
        "               relative library names are found under it\n"
        "  --pack FILE  read the data sets from this pack file too; files under the data\n"
        "               directory take precedence over their copies in the pack\n"
        "  -h, --help   show this help; after a command, that command's help\n"
        "  --version    show the version\n"
        "\nExit codes: 0 success, 1 fatal data error or a missing --pack file, 2 any other "
        "error.\n";
    return text;
  }
  text += "\n" + std::string(1, static_cast<char>(c->summary[0] - 'a' + 'A')) +
          std::string(c->summary.substr(1)) + ".\n\nOptions:\n";
  if (command != "pack") text += kLibraryOption;
  text += c->options;
  if (UsesNation(command)) text += kNationOption;
  if (WritesImages(command)) text += kImageOutputOptions;
  text +=
      "  --data DIR       base directory of the data sets\n"
      "  -h, --help       show this help\n";
  return text;
}

}  // namespace kelvo::cli
