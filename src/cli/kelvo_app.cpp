#include "cli/kelvo_app.h"

#include <exception>

#include "cli/anim_command.h"
#include "cli/avatar_command.h"
#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/command_support.h"
#include "cli/frames_command.h"
#include "cli/image_output.h"
#include "cli/import_command.h"
#include "cli/mirror_command.h"
#include "cli/pack_command.h"
#include "cli/random_command.h"
#include "cli/render_command.h"
#include "cli/resave_command.h"
#include "cli/sheet_command.h"
#include "cli/stats_command.h"
#include "cli/terminal_stream.h"
#include "foundation/diagnostics.h"
#include "foundation/errors.h"
#include "foundation/text_encoding.h"
#include "foundation/version.h"
#include "library/process_context.h"

namespace kelvo::cli {
namespace {

template <typename... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <typename... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

int RunCommand(ProcessContext& context, const CommandOptions& command, std::ostream& out,
               std::ostream& err) {
  return std::visit(
      Overloaded{
          [&](const CheckOptions& o) { return CheckCommand(context, o, out).Run(); },
          [&](const RandomOptions& o) { return RandomCommand(context, o, out).Run(); },
          [&](const RenderOptions& o) { return RenderCommand(context, o, out).Run(); },
          [&](const ResaveOptions& o) { return ResaveCommand(context, o, out).Run(); },
          [&](const SheetOptions& o) { return SheetCommand(context, o, out).Run(); },
          [&](const AnimOptions& o) { return AnimCommand(context, o, out).Run(); },
          [&](const StatsOptions& o) { return StatsCommand(context, o, out).Run(); },
          [&](const PackOptions& o) { return PackCommand(context, o, out, err).Run(); },
          [&](const ImportOptions& o) { return ImportCommand(context, o, out).Run(); },
          [&](const MirrorOptions& o) { return MirrorCommand(context, o, out).Run(); },
          [&](const FramesOptions& o) { return FramesCommand(context, o, out).Run(); },
          [&](const AvatarOptions& o) { return AvatarCommand(context, o, out).Run(); },
      },
      command);
}

}  // namespace

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
      return RunCommand(context, parsed.commandLine.command, out, err);
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
