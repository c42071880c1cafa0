#include "cli/cli_options.h"

#include <QCommandLineParser>
#include <QStringList>
#include <charconv>
#include <stdexcept>

#include "cli/help_text.h"
#include "foundation/whole_number.h"

namespace kelvo::cli {
namespace {

// A usage fault: its text goes out with the command's short usage and exit code 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

constexpr int kMaxGalleryPortraits = 200;
constexpr int kMaxJobs = 256;

std::string ToStd(const QString& s) {
  return s.toStdString();
}

QCommandLineOption ValueOption(const char* name, const char* valueName) {
  return QCommandLineOption(QString::fromLatin1(name), QString(), QString::fromLatin1(valueName));
}

QCommandLineOption FlagOption(const char* name) {
  return QCommandLineOption(QString::fromLatin1(name), QString());
}

int ParseCount(const std::string& option, const std::string& text, int low, int high) {
  const std::optional<int> value = WholeNumber<int>(text);
  if (!value || *value < low || *value > high) {
    throw UsageError("--" + option + " must be a whole number from " + std::to_string(low) +
                     " to " + std::to_string(high) + ", not '" + text + "'.");
  }
  return *value;
}

Nation ParseNation(const QString& text) {
  const QString lower = text.toLower();
  if (lower == QLatin1String("american")) return Nation::kAmerican;
  if (lower == QLatin1String("arabian")) return Nation::kArabian;
  if (lower == QLatin1String("russian")) return Nation::kRussian;
  throw UsageError("--nation must be american, arabian or russian, not '" + ToStd(text) + "'.");
}

// Parses the arguments after the command name with that command's options.
class CommandParser {
 public:
  explicit CommandParser(const QStringList& args) {
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(
        QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QString()));
    parser_.addOption(ValueOption("data", "DIR"));
    args_ = QStringList{QStringLiteral("kelvo")} + args;
  }

  void AddValue(const char* name, const char* valueName) {
    parser_.addOption(ValueOption(name, valueName));
  }
  void AddFlag(const char* name) { parser_.addOption(FlagOption(name)); }

  // False when the command's help was asked for. Up to `allowed` plain arguments.
  bool Parse(int allowed = 0) {
    if (!parser_.parse(args_)) throw UsageError(ToStd(parser_.errorText()));
    if (parser_.isSet(QStringLiteral("help"))) return false;
    positionals_ = parser_.positionalArguments();
    if (positionals_.size() > allowed)
      throw UsageError("Unexpected argument '" + ToStd(positionals_[allowed]) + "'.");
    return true;
  }
  const QStringList& Positionals() const { return positionals_; }

  bool IsSet(const char* name) const { return parser_.isSet(QString::fromLatin1(name)); }
  std::string Value(const char* name) const {
    return ToStd(parser_.value(QString::fromLatin1(name)));
  }
  QString QValue(const char* name) const { return parser_.value(QString::fromLatin1(name)); }

  std::string Required(const char* name) const {
    if (!IsSet(name)) throw UsageError(std::string("The option --") + name + " is required.");
    std::string value = Value(name);
    if (value.empty()) throw UsageError(std::string("The option --") + name + " needs a value.");
    return value;
  }

  void ReadLibrary(LibraryOptions& lib) const {
    if (!IsSet("library")) return;
    lib.library = Value("library");
    if (lib.library.empty()) throw UsageError("The option --library needs a value.");
  }

  int Count(int low, int high, int fallback) const {
    return IsSet("count") ? ParseCount("count", Value("count"), low, high) : fallback;
  }

  std::optional<Nation> ReadNation() const {
    if (!IsSet("nation")) return std::nullopt;
    return ParseNation(QValue("nation"));
  }

  // --gallery [--index N] [--all] | --random [--count N] [--nation N]
  PortraitSource ReadSource(bool withAll, bool withCount) const {
    PortraitSource source;
    const bool gallery = IsSet("gallery");
    const bool random = IsSet("random");
    if (gallery == random) throw UsageError("Give either --gallery FILE.xgl or --random.");
    if (gallery) {
      source.gallery = Required("gallery");
      if (withCount && (IsSet("count") || IsSet("nation"))) {
        throw UsageError("--count and --nation go with --random, not with --gallery.");
      }
      if (withAll && IsSet("all")) {
        if (IsSet("index")) throw UsageError("Give --index N or --all, not both.");
        source.all = true;
      }
      if (IsSet("index"))
        source.index = ParseCount("index", Value("index"), 1, kMaxGalleryPortraits);
    } else {
      if (IsSet("index") || (withAll && IsSet("all"))) {
        throw UsageError("--index and --all go with --gallery, not with --random.");
      }
      if (withCount) {
        source.count = Count(1, 1000000, 1);
        source.nation = ReadNation();
      }
    }
    return source;
  }

  // --png-level N and --sync
  ImageOutputOptions ReadOutput() const {
    ImageOutputOptions output;
    if (IsSet("png-level")) output.png_level = ParseCount("png-level", Value("png-level"), 0, 9);
    output.sync = IsSet("sync");
    return output;
  }

  // --jobs N; 0 (one per core) when not given.
  int Jobs() const { return IsSet("jobs") ? ParseCount("jobs", Value("jobs"), 1, kMaxJobs) : 0; }

  std::string DataDir() const { return IsSet("data") ? Value("data") : std::string(); }

 private:
  QCommandLineParser parser_;
  QStringList args_;
  QStringList positionals_;
};

// The action word after "pack": build, list or extract.
PackOptions::Action PackAction(const std::string& word) {
  if (word == "build") return PackOptions::Action::kBuild;
  if (word == "list") return PackOptions::Action::kList;
  if (word == "extract") return PackOptions::Action::kExtract;
  throw UsageError("Give build, list or extract after pack" +
                   (word.empty() ? std::string(".") : ", not '" + word + "'."));
}

PackOptions ParsePack(const CommandParser& p, PackOptions::Action action) {
  PackOptions o;
  o.action = action;
  if (action != PackOptions::Action::kBuild) {
    if (p.Positionals().isEmpty()) throw UsageError("Give the pack file FILE.VXP to read.");
    o.pack = ToStd(p.Positionals().first());
  }
  if (action != PackOptions::Action::kList) o.out = p.Required("out");
  if (action == PackOptions::Action::kList && p.IsSet("out"))
    throw UsageError("--out goes with pack build and pack extract, not with pack list.");
  if (p.IsSet("verbose") && action != PackOptions::Action::kBuild)
    throw UsageError("--verbose goes with pack build only.");
  o.verbose = p.IsSet("verbose");
  return o;
}

// The action word after "avatar": export or import.
AvatarOptions::Action AvatarAction(const std::string& word) {
  if (word == "export") return AvatarOptions::Action::kExport;
  if (word == "import") return AvatarOptions::Action::kImport;
  throw UsageError("Give export or import after avatar" +
                   (word.empty() ? std::string(".") : ", not '" + word + "'."));
}

AvatarOptions ParseAvatar(const CommandParser& p, AvatarOptions::Action action) {
  AvatarOptions o;
  o.action = action;
  if (action == AvatarOptions::Action::kExport) {
    if (p.IsSet("settings") || p.IsSet("sex") || p.IsSet("out"))
      throw UsageError("--settings, --sex and --out go with avatar import, not with export.");
    p.ReadLibrary(o.lib);
    o.source = p.ReadSource(false, false);
    return o;
  }
  if (p.IsSet("library"))
    throw UsageError("--library goes with avatar export; import takes the data set of --sex.");
  if (p.IsSet("gallery") || p.IsSet("index") || p.IsSet("random"))
    throw UsageError("--gallery, --index and --random go with avatar export, not with import.");
  o.settings = p.Required("settings");
  o.sex = p.Required("sex");
  o.out = p.Required("out");
  return o;
}

CommandOptions ParseCommand(CommandParser& p, const std::string& command) {
  if (command == "check") {
    CheckOptions o;
    p.ReadLibrary(o.lib);
    return o;
  }
  if (command == "random") {
    RandomOptions o;
    p.ReadLibrary(o.lib);
    o.count = p.Count(1, kMaxGalleryPortraits, 1);
    o.nation = p.ReadNation();
    o.out = p.Required("out");
    return o;
  }
  if (command == "render") {
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
    o.verbose = p.IsSet("verbose");
    o.threads = p.Jobs();
    o.output = p.ReadOutput();
    return o;
  }
  if (command == "resave") {
    ResaveOptions o;
    p.ReadLibrary(o.lib);
    o.out = p.Required("out");
    o.images = p.IsSet("images");
    return o;
  }
  if (command == "mirror") {
    MirrorOptions o;
    p.ReadLibrary(o.lib);
    o.out = p.Required("out");
    return o;
  }
  if (command == "sheet") {
    SheetOptions o;
    p.ReadLibrary(o.lib);
    o.gallery = p.Required("gallery");
    o.out = p.Required("out");
    o.threads = p.Jobs();
    o.output = p.ReadOutput();
    return o;
  }
  if (command == "anim") {
    AnimOptions o;
    p.ReadLibrary(o.lib);
    o.source = p.ReadSource(false, false);
    o.out = p.Required("out");
    o.output = p.ReadOutput();
    return o;
  }
  if (command == "frames") {
    FramesOptions o;
    p.ReadLibrary(o.lib);
    o.source = p.ReadSource(false, false);
    o.out = p.Required("out");
    const std::string ext = o.out.size() >= 4 ? o.out.substr(o.out.size() - 4) : std::string();
    if (QString::fromStdString(ext).toLower() != QLatin1String(".bmp"))
      throw UsageError("--out must end in .bmp, not '" + o.out + "'.");
    return o;
  }
  if (command == "import") {
    ImportOptions o;
    p.ReadLibrary(o.lib);
    o.category = p.Required("category");
    if (p.IsSet("like")) {
      o.like = p.Value("like");
      if (o.like.empty()) throw UsageError("The option --like needs a value.");
    }
    o.animation = p.IsSet("animation");
    o.useShift = p.IsSet("use-shift");
    o.placeClipMask = p.IsSet("place-clip-mask");
    if (p.Positionals().isEmpty()) throw UsageError("Give the bitmap FILE.bmp to import.");
    o.file = ToStd(p.Positionals().first());
    o.out = p.Required("out");
    return o;
  }
  StatsOptions o;
  p.ReadLibrary(o.lib);
  o.count = p.Count(1, 100000000, 10000);
  o.nation = p.ReadNation();
  return o;
}

void DeclareOptions(CommandParser& p, const std::string& command) {
  if (command == "pack") {
    p.AddValue("out", "PATH");
    p.AddFlag("verbose");
    return;
  }
  p.AddValue("library", "NAME");
  if (command == "random" || command == "render" || command == "stats") {
    p.AddValue("count", "N");
    p.AddValue("nation", "NATION");
  }
  if (command == "render" || command == "anim" || command == "frames") {
    p.AddValue("gallery", "FILE");
    p.AddValue("index", "N");
    p.AddFlag("random");
  }
  if (command == "render") {
    p.AddFlag("all");
    p.AddValue("scale", "F");
    p.AddFlag("verbose");
  }
  if (command == "sheet") p.AddValue("gallery", "FILE");
  if (command == "render" || command == "sheet") p.AddValue("jobs", "N");
  if (command == "render" || command == "sheet" || command == "anim") {
    p.AddValue("png-level", "N");
    p.AddFlag("sync");
  }
  if (command == "resave") p.AddFlag("images");
  if (command == "import") {
    p.AddValue("category", "CATEGORY");
    p.AddValue("like", "COMPONENT");
    p.AddFlag("animation");
    p.AddFlag("use-shift");
    p.AddFlag("place-clip-mask");
  }
  if (command == "avatar") {
    p.AddValue("gallery", "FILE");
    p.AddValue("index", "N");
    p.AddFlag("random");
    p.AddValue("settings", "TEXT");
    p.AddValue("sex", "N");
  }
  if (command != "check" && command != "stats") p.AddValue("out", "PATH");
}

ParseOutcome UsageFault(const std::string& message, const std::string& command) {
  ParseOutcome outcome;
  outcome.kind = ParseOutcome::Kind::kUsageError;
  outcome.text = message + "\n" + UsageText(command) + "Try 'kelvo " +
                 (command.empty() ? std::string() : command + " ") + "--help' for more.\n";
  return outcome;
}

}  // namespace

const char* NationName(Nation nation) {
  switch (nation) {
    case Nation::kAmerican:
      return "american";
    case Nation::kArabian:
      return "arabian";
    case Nation::kRussian:
      return "russian";
  }
  return "none";
}

ParseOutcome ParseCommandLine(const std::vector<std::string>& args) {
  QStringList all;
  for (const std::string& a : args) all << QString::fromStdString(a);
  if (all.isEmpty()) all << QStringLiteral("kelvo");

  // The options before the command; everything after it belongs to the command.
  QCommandLineParser global;
  global.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  global.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  global.addOption(
      QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QString()));
  global.addOption(FlagOption("version"));
  global.addOption(ValueOption("data", "DIR"));
  global.addOption(ValueOption("pack", "FILE"));
  if (!global.parse(all)) return UsageFault(ToStd(global.errorText()), "");

  ParseOutcome outcome;
  QStringList rest = global.positionalArguments();
  if (global.isSet(QStringLiteral("version"))) {
    outcome.kind = ParseOutcome::Kind::kVersion;
    return outcome;
  }
  if (rest.isEmpty()) {
    if (global.isSet(QStringLiteral("help"))) {
      outcome.kind = ParseOutcome::Kind::kHelp;
      outcome.text = HelpText("");
      return outcome;
    }
    return UsageFault("No command given.", "");
  }
  const std::string command = ToStd(rest.takeFirst());
  if (!IsCommandName(command)) return UsageFault("Unknown command '" + command + "'.", "");
  if (global.isSet(QStringLiteral("help"))) {
    outcome.kind = ParseOutcome::Kind::kHelp;
    outcome.text = HelpText(command);
    return outcome;
  }

  try {
    std::optional<PackOptions::Action> packAction;
    std::optional<AvatarOptions::Action> avatarAction;
    if (command == "pack" || command == "avatar") {
      const bool word = !rest.isEmpty() && !rest.first().startsWith(QLatin1Char('-'));
      if (word ||
          (!rest.contains(QStringLiteral("--help")) && !rest.contains(QStringLiteral("-h")))) {
        const std::string action = word ? ToStd(rest.takeFirst()) : std::string();
        if (command == "pack") {
          packAction = PackAction(action);
        } else {
          avatarAction = AvatarAction(action);
        }
      }
    }
    CommandParser parser(rest);
    DeclareOptions(parser, command);
    const bool withFile =
        command == "import" || (packAction && *packAction != PackOptions::Action::kBuild);
    if (!parser.Parse(withFile ? 1 : 0)) {
      outcome.kind = ParseOutcome::Kind::kHelp;
      outcome.text = HelpText(command);
      return outcome;
    }
    if (packAction) {
      outcome.commandLine.command = ParsePack(parser, *packAction);
    } else if (avatarAction) {
      outcome.commandLine.command = ParseAvatar(parser, *avatarAction);
    } else {
      outcome.commandLine.command = ParseCommand(parser, command);
    }
    if (global.isSet(QStringLiteral("pack"))) {
      outcome.commandLine.packFile = ToStd(global.value(QStringLiteral("pack")));
      if (outcome.commandLine.packFile.empty())
        throw UsageError("The option --pack needs a value.");
      if (packAction) throw UsageError("--pack does not go with the pack command.");
    }
    outcome.commandLine.dataDir = parser.DataDir();
    if (outcome.commandLine.dataDir.empty() && global.isSet(QStringLiteral("data"))) {
      outcome.commandLine.dataDir = ToStd(global.value(QStringLiteral("data")));
    }
    if ((global.isSet(QStringLiteral("data")) || parser.IsSet("data")) &&
        outcome.commandLine.dataDir.empty()) {
      throw UsageError("The option --data needs a value.");
    }
  } catch (const UsageError& e) {
    return UsageFault(e.what(), command);
  }
  outcome.kind = ParseOutcome::Kind::kRun;
  return outcome;
}

}  // namespace kelvo::cli
