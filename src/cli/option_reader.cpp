#include "cli/option_reader.h"

#include "cli/command_table.h"
#include "foundation/whole_number.h"

namespace kelvo::cli {
namespace {

constexpr int kMaxJobs = 256;

std::string ToStd(const QString& s) {
  return s.toStdString();
}

QString Name(const char* name) {
  return QString::fromLatin1(name);
}

Nation ParseNation(const QString& text) {
  const QString lower = text.toLower();
  if (lower == QLatin1String("american")) return Nation::kAmerican;
  if (lower == QLatin1String("arabian")) return Nation::kArabian;
  if (lower == QLatin1String("russian")) return Nation::kRussian;
  throw UsageError("--nation must be american, arabian or russian, not '" + ToStd(text) + "'.");
}

}  // namespace

OptionReader::OptionReader(const QStringList& args, std::string action)
    : action_(std::move(action)) {
  parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser_.addOption(
      QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QString()));
  parser_.addOption(QCommandLineOption(QStringLiteral("data"), QString(), QStringLiteral("DIR")));
  args_ = QStringList{QStringLiteral("kelvo")} + args;
}

void OptionReader::Declare(const OptionLine& line) {
  const QString name =
      QString::fromUtf8(line.name.data(), static_cast<qsizetype>(line.name.size()));
  const QString value =
      QString::fromUtf8(line.value.data(), static_cast<qsizetype>(line.value.size()));
  if (line.kind == OptionLine::Kind::kValue) parser_.addOption(QCommandLineOption(name, {}, value));
  if (line.kind == OptionLine::Kind::kFlag) parser_.addOption(QCommandLineOption(name, {}));
}

bool OptionReader::Parse(int allowed) {
  if (!parser_.parse(args_)) throw UsageError(ToStd(parser_.errorText()));
  if (parser_.isSet(QStringLiteral("help"))) return false;
  positionals_ = parser_.positionalArguments();
  if (positionals_.size() > allowed)
    throw UsageError("Unexpected argument '" + ToStd(positionals_[allowed]) + "'.");
  return true;
}

std::optional<std::string> OptionReader::Argument() const {
  if (positionals_.isEmpty()) return std::nullopt;
  return ToStd(positionals_.first());
}

std::vector<std::string> OptionReader::Arguments() const {
  std::vector<std::string> out;
  for (const QString& argument : positionals_) out.push_back(ToStd(argument));
  return out;
}

bool OptionReader::IsSet(const char* name) const {
  return parser_.isSet(Name(name));
}

std::string OptionReader::Value(const char* name) const {
  return ToStd(parser_.value(Name(name)));
}

std::string OptionReader::Required(const char* name) const {
  if (!IsSet(name)) throw UsageError(std::string("The option --") + name + " is required.");
  std::string value = Value(name);
  if (value.empty()) throw UsageError(std::string("The option --") + name + " needs a value.");
  return value;
}

std::string OptionReader::Optional(const char* name, std::string fallback) const {
  return IsSet(name) ? Required(name) : fallback;
}

int OptionReader::Number(const char* name, int low, int high, int fallback) const {
  if (!IsSet(name)) return fallback;
  const std::string text = Value(name);
  const std::optional<int> value = WholeNumber<int>(text);
  if (!value || *value < low || *value > high) {
    throw UsageError(std::string("--") + name + " must be a whole number from " +
                     std::to_string(low) + " to " + std::to_string(high) + ", not '" + text + "'.");
  }
  return *value;
}

std::uint32_t OptionReader::Seed() const {
  if (!IsSet("seed")) return 0;
  const std::string text = Value("seed");
  const std::optional<std::uint32_t> value = WholeNumber<std::uint32_t>(text);
  if (!value) {
    throw UsageError("--seed must be a whole number from 0 to 4294967295, not '" + text + "'.");
  }
  return *value;
}

std::optional<Nation> OptionReader::ReadNation() const {
  if (!IsSet("nation")) return std::nullopt;
  return ParseNation(parser_.value(QStringLiteral("nation")));
}

PortraitSource OptionReader::ReadSource(bool withAll, bool withCount) const {
  PortraitSource source;
  const bool gallery = IsSet("gallery");
  const bool random = IsSet("random");
  if (gallery == random) throw UsageError("Give either --gallery FILE.xgl or --random.");
  if (gallery) {
    source.gallery = Required("gallery");
    if (withCount && (IsSet("count") || IsSet("nation"))) {
      throw UsageError("--count and --nation go with --random, not with --gallery.");
    }
    if (IsSet("seed")) throw UsageError("--seed goes with --random, not with --gallery.");
    if (withAll && IsSet("all")) {
      if (IsSet("index")) throw UsageError("Give --index N or --all, not both.");
      source.all = true;
    }
    source.index = Number("index", 1, kMaxGalleryPortraits, source.index);
  } else {
    if (IsSet("index") || (withAll && IsSet("all"))) {
      throw UsageError("--index and --all go with --gallery, not with --random.");
    }
    source.seed = Seed();
    if (withCount) {
      source.count = Number("count", 1, 1000000, 1);
      source.nation = ReadNation();
    }
  }
  return source;
}

ImageOutputOptions OptionReader::ReadOutput() const {
  ImageOutputOptions output;
  output.png_level = Number("png-level", 0, 9, output.png_level);
  output.sync = IsSet("sync");
  return output;
}

int OptionReader::Jobs() const {
  return Number("jobs", 1, kMaxJobs, 0);
}

}  // namespace kelvo::cli
