#include "cli/kelvo_app.h"

#include <exception>

#include "cli/cli_options.h"
#include "cli/command_support.h"
#include "cli/command_table.h"
#include "cli/image_output.h"
#include "cli/pack_prompter.h"
#include "cli/terminal_stream.h"
#include "foundation/diagnostics.h"
#include "foundation/errors.h"
#include "foundation/text_encoding.h"
#include "foundation/version.h"
#include "library/process_context.h"

namespace kelvo::cli {

int RunKelvo(const std::vector<std::string>& args, std::ostream& out, std::ostream& terminal) {
  EncodingStream err(terminal, LocaleCodeset());
  const ParseOutcome parsed = ParseCommandLine(args);
  switch (parsed.kind) {
    case ParseOutcome::Kind::kHelp:
      out << parsed.text;
      return kExitSuccess;
    case ParseOutcome::Kind::kVersion:
      out << "kelvo " << VersionText() << "\n";
      return kExitSuccess;
    case ParseOutcome::Kind::kUsageError:
      err << parsed.text;
      return kExitOtherError;
    case ParseOutcome::Kind::kRun:
      break;
  }
  StreamSink sink(err);
  CliPackPrompter prompter(err);
  try {
    const int code = RunReportingErrors(sink, [&] {
      ProcessOptions process;
      // A data directory given on the command line is taken from the working directory.
      if (!parsed.commandLine.dataDir.empty()) {
        process.data_base = CommandLinePath(parsed.commandLine.dataDir);
      }
      if (!parsed.commandLine.packFile.empty()) {
        process.pack_name = CommandLinePath(parsed.commandLine.packFile);
        process.pack_prompter = &prompter;
      }
      ProcessContext context(sink, process);
      const CommandSpec& command = *FindCommand(parsed.commandLine.name);
      return command.run(context, parsed.commandLine.command, out, err);
    });
    out.flush();
    return code;
  } catch (const ProgramEnd& end) {
    // An answer to the archive's question ended the run.
    out.flush();
    return end.Code();
  } catch (const std::exception& e) {
    // Failures outside the program's own error types (memory, layers, ranges).
    out.flush();
    err << e.what() << "\n";
    return kExitOtherError;
  }
}

}  // namespace kelvo::cli
