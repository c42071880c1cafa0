#include "cli/cli_options.h"

#include <QCommandLineParser>
#include <QStringList>

#include "cli/command_table.h"
#include "cli/help_text.h"
#include "cli/option_reader.h"

namespace kelvo::cli {
namespace {

std::string ToStd(const QString& s) {
  return s.toStdString();
}

ParseOutcome UsageFault(const std::string& message, std::string_view command) {
  ParseOutcome outcome;
  outcome.kind = ParseOutcome::Kind::kUsageError;
  outcome.text = message + "\n" + UsageText(command) + "Try 'kelvo " +
                 (command.empty() ? std::string() : std::string(command) + " ") +
                 "--help' for more.\n";
  return outcome;
}

ParseOutcome Help(std::string_view command) {
  ParseOutcome outcome;
  outcome.kind = ParseOutcome::Kind::kHelp;
  outcome.text = HelpText(command);
  return outcome;
}

bool HasActions(const CommandSpec& command) {
  for (const OptionLine& line : command.lines) {
    if (line.kind == OptionLine::Kind::kAction) return true;
  }
  return false;
}

// The action line of `word`; none: "Give build, list or extract after pack, not 'x'."
const OptionLine& FindAction(const CommandSpec& command, const std::string& word) {
  std::vector<std::string_view> words;
  for (const OptionLine& line : command.lines) {
    if (line.kind != OptionLine::Kind::kAction) continue;
    if (line.name == word) return line;
    words.push_back(line.name);
  }
  std::string text = "Give ";
  for (size_t i = 0; i < words.size(); ++i) {
    if (i > 0) text += i + 1 == words.size() ? " or " : ", ";
    text += words[i];
  }
  text += " after " + std::string(command.name);
  throw UsageError(text + (word.empty() ? std::string(".") : ", not '" + word + "'."));
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
  global.addOption(QCommandLineOption(QStringLiteral("version"), QString()));
  global.addOption(QCommandLineOption(QStringLiteral("data"), QString(), QStringLiteral("DIR")));
  global.addOption(QCommandLineOption(QStringLiteral("pack"), QString(), QStringLiteral("FILE")));
  if (!global.parse(all)) return UsageFault(ToStd(global.errorText()), "");

  ParseOutcome outcome;
  QStringList rest = global.positionalArguments();
  if (global.isSet(QStringLiteral("version"))) {
    outcome.kind = ParseOutcome::Kind::kVersion;
    return outcome;
  }
  if (rest.isEmpty()) {
    if (global.isSet(QStringLiteral("help"))) return Help("");
    return UsageFault("No command given.", "");
  }
  const std::string name = ToStd(rest.takeFirst());
  const CommandSpec* command = FindCommand(name);
  if (!command) return UsageFault("Unknown command '" + name + "'.", "");
  if (global.isSet(QStringLiteral("help"))) return Help(command->name);

  try {
    // An action word comes first; without one only the help may be asked for.
    std::string action;
    int arguments = command->arguments;
    if (HasActions(*command)) {
      const bool word = !rest.isEmpty() && !rest.first().startsWith(QLatin1Char('-'));
      if (word ||
          (!rest.contains(QStringLiteral("--help")) && !rest.contains(QStringLiteral("-h")))) {
        action = word ? ToStd(rest.takeFirst()) : std::string();
        arguments = FindAction(*command, action).arguments;
      }
    }
    OptionReader reader(rest, action);
    for (const OptionLine& line : command->lines) reader.Declare(line);
    if (!reader.Parse(arguments)) return Help(command->name);
    outcome.commandLine.name = command->name;
    outcome.commandLine.command = command->parse(reader);
    if (global.isSet(QStringLiteral("pack"))) {
      outcome.commandLine.packFile = ToStd(global.value(QStringLiteral("pack")));
      if (outcome.commandLine.packFile.empty())
        throw UsageError("The option --pack needs a value.");
      if (!command->withPackFile)
        throw UsageError("--pack does not go with the " + name + " command.");
    }
    outcome.commandLine.dataDir = reader.DataDir();
    if (outcome.commandLine.dataDir.empty() && global.isSet(QStringLiteral("data"))) {
      outcome.commandLine.dataDir = ToStd(global.value(QStringLiteral("data")));
    }
    if ((global.isSet(QStringLiteral("data")) || reader.IsSet("data")) &&
        outcome.commandLine.dataDir.empty()) {
      throw UsageError("The option --data needs a value.");
    }
  } catch (const UsageError& e) {
    return UsageFault(e.what(), command->name);
  }
  outcome.kind = ParseOutcome::Kind::kRun;
  return outcome;
}

}  // namespace kelvo::cli
