#include "cli/command_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/help_text.h"

namespace kelvo::cli {
namespace {

std::string Label(const OptionLine& line) {
  switch (line.kind) {
    case OptionLine::Kind::kValue:
      return "--" + std::string(line.name) + " " + std::string(line.value);
    case OptionLine::Kind::kFlag:
      return "--" + std::string(line.name);
    default:
      return std::string(line.name);
  }
}

// A command's table line is the one source of its options: each value and flag line is taken by
// the parser and shown in the help, every other option is refused.
TEST(CommandTable, EveryOptionLineIsParsedAndShownInTheHelp) {
  std::set<std::string_view> names;
  for (const CommandSpec& command : Commands()) {
    EXPECT_TRUE(names.insert(command.name).second) << command.name;
    EXPECT_EQ(FindCommand(command.name), &command);
    const std::string help = HelpText(command.name);
    std::vector<std::string> start{"kelvo", std::string(command.name)};
    for (const OptionLine& line : command.lines) {
      if (line.kind == OptionLine::Kind::kAction) {
        start.emplace_back(line.name);
        break;
      }
    }
    for (const OptionLine& line : command.lines) {
      EXPECT_NE(help.find("\n  " + Label(line)), std::string::npos)
          << command.name << " " << line.name;
      if (line.kind != OptionLine::Kind::kValue && line.kind != OptionLine::Kind::kFlag) continue;
      EXPECT_EQ(line.kind == OptionLine::Kind::kValue, !line.value.empty()) << line.name;
      std::vector<std::string> args = start;
      args.push_back("--" + std::string(line.name));
      if (line.kind == OptionLine::Kind::kValue) args.push_back("1");
      const ParseOutcome outcome = ParseCommandLine(args);
      EXPECT_EQ(outcome.text.find("Unknown option"), std::string::npos)
          << command.name << " " << line.name << ": " << outcome.text;
    }
    start.push_back("--no-such-option");
    EXPECT_NE(ParseCommandLine(start).text.find("Unknown option 'no-such-option'."),
              std::string::npos)
        << command.name;
  }
  EXPECT_EQ(FindCommand("paint"), nullptr);
}

struct HelpRow {
  const char* command;
  const char* text;
};

// Value, flag, plain-word and action lines, continuation lines and a label too long for its
// column, as `kelvo COMMAND --help` prints them.
TEST(CommandTable, HelpPagesAreLaidOutInColumns) {
  const HelpRow rows[] = {
      {"import",
       "Usage: kelvo import [--library NAME] --category CATEGORY [--like COMPONENT] [--animation]\n"
       "             [--use-shift] [--place-clip-mask] FILE.bmp --out DIR\n"
       "\n"
       "Bring a bitmap and the files beside it into a category as one component.\n"
       "\n"
       "Options:\n"
       "  --library NAME   the data set directory, relative to the data directory (default: "
       "male)\n"
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
       "                   created when missing. No expected file found: exit code 2\n"
       "  --data DIR       base directory of the data sets\n"
       "  -h, --help       show this help\n"},
      {"avatar",
       "Usage: kelvo avatar export [--library NAME] (--gallery FILE.xgl [--index N]\n"
       "                    | --random [--seed N])\n"
       "       kelvo avatar import --settings TEXT --sex N --out FILE.xgl\n"
       "\n"
       "Turn a portrait into the game's multiplayer avatar text and back.\n"
       "\n"
       "Options:\n"
       "  --library NAME   the data set directory, relative to the data directory (default: "
       "male)\n"
       "  export           print the portrait's avatar settings text (14 component numbers,\n"
       "                   each followed by ';') on one line and its sex flag on the next:\n"
       "                   1 for the female data set, else 0\n"
       "  --gallery FILE   take the portrait from this gallery file\n"
       "  --index N        the gallery portrait, from 1 (default: 1)\n"
       "  --random         take the first portrait of the random sequence\n"
       "  --seed N         start the random sequence from seed N, a whole number from 0 to\n"
       "                   4294967295, instead of 0 (default: 0, the editor's sequence)\n"
       "  import           make the first random portrait of the female data set (any --sex\n"
       "                   but 0) or the male one, put the avatar onto it as the editor does\n"
       "                   and write it as a gallery of one portrait\n"
       "  --settings TEXT  the avatar settings text, for example "
       "'1;2;1;1;3;1;2;1;1;4;1;2;1;1;'\n"
       "  --sex N          the sex flag, a whole number\n"
       "  --out FILE.xgl   the gallery file to write\n"
       "  --data DIR       base directory of the data sets\n"
       "  -h, --help       show this help\n"},
      {"sheet",
       "Usage: kelvo sheet [--library NAME] --gallery FILE.xgl [--jobs N] [--png-level N] "
       "[--sync]\n"
       "            --out FILE.png\n"
       "\n"
       "Draw a gallery as a contact sheet of thumbnails with names and voices.\n"
       "\n"
       "Options:\n"
       "  --library NAME   the data set directory, relative to the data directory (default: "
       "male)\n"
       "  --gallery FILE   the gallery file to draw\n"
       "  --jobs N         render the thumbnails on N threads (default: one per core)\n"
       "  --out FILE.png   the sheet to write\n"
       "  --png-level N    compression level of PNG files, 0 (none) to 9 (smallest) (default: 1)\n"
       "  --sync           flush every file to the disk before it replaces the old one\n"
       "  --data DIR       base directory of the data sets\n"
       "  -h, --help       show this help\n"},
  };
  for (const HelpRow& row : rows) EXPECT_EQ(HelpText(row.command), row.text) << row.command;
}

}  // namespace
}  // namespace kelvo::cli
