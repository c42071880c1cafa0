#include "generator.h"

#include <cstdio>
#include <filesystem>
#include <future>

#include "dataset.h"
#include "foundation/diagnostics.h"
#include "library/process_context.h"
#include "gallery_samples.h"
#include "library_export.h"

namespace kelvo::demo {

bool ParseGeneratorOptions(const std::vector<std::string>& args, GeneratorOptions& options,
                           std::string& error) {
  options = {};
  for (const std::string& arg : args) {
    if (arg == "male") {
      options.sets.push_back(Species::kMale);
    } else if (arg == "female") {
      options.sets.push_back(Species::kFemale);
    } else if (arg == "ape") {
      options.sets.push_back(Species::kApe);
    } else if (!arg.empty() && arg[0] == '-') {
      error = "unknown option " + arg;
      return false;
    } else if (options.data_dir.empty()) {
      options.data_dir = arg;
    } else {
      error = "unexpected argument " + arg;
      return false;
    }
  }
  if (options.data_dir.empty()) {
    error = "usage: kelvo-demo-data <data directory> [male|female|ape]...";
    return false;
  }
  if (options.sets.empty()) options.sets = {Species::kMale, Species::kFemale, Species::kApe};
  return true;
}

int RunGenerator(const GeneratorOptions& options, DiagnosticsSink& sink) {
  return RunReportingErrors(sink, [&] {
    const std::filesystem::path dir = std::filesystem::absolute(options.data_dir);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) throw KelvoError("Failed to create " + dir.string());
    ProcessOptions process;
    process.data_base = dir.string();
    ProcessContext context(sink, process);
    // Drawing is pure computation: the data sets are drawn side by side, then
    // written one after another through the archive.
    const Scenery scenery = DrawScenery();
    std::vector<std::future<DataSet>> drawn;
    for (Species sp : options.sets) {
      drawn.push_back(
          std::async(std::launch::async, [sp, &scenery] { return BuildDataSet(sp, scenery); }));
    }
    for (std::future<DataSet>& pending : drawn) {
      const DataSet ds = pending.get();
      WriteDataSet(ds, context.Archive(), (dir / ds.name).string());
      WriteSampleGallery(context, ds.name, (dir / (ds.name + ".xgl")).string());
      std::fprintf(stderr, "kelvo-demo-data: wrote %s and its sample gallery\n",
                   (dir / ds.name).string().c_str());
    }
    return 0;
  });
}

}  // namespace kelvo::demo
