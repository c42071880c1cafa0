#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli_test_support.h"
#include "cli/commands.h"
#include "cli/tiny_library.h"
#include "foundation/diagnostics.h"
#include "library/process_context.h"

namespace kelvo::cli {
namespace {

// Renders `count` random portraits of the tiny library with the given number of threads.
std::vector<std::string> RenderRandom(const TempDir& dir, const std::string& prefix, int count,
                                      int threads, const std::string& extension) {
  CollectingSink sink;
  ProcessOptions process;
  process.program_dir = dir.Path("data");
  process.data_base = dir.Path("data");
  process.computer_name = "test";
  ProcessContext context(sink, process);
  RenderOptions options;
  options.lib.library = "tiny";
  options.source.count = count;
  options.source.nation = Nation::kArabian;
  options.out = dir.Path(prefix + "%d" + extension);
  options.jobs = threads;
  options.verbose = true;
  std::ostringstream out;
  EXPECT_EQ(Command<RenderOptions>(context, options, out, out).Run(), 0);
  EXPECT_NE(out.str().find(std::to_string(count) + " portraits on " + std::to_string(threads) +
                           " threads"),
            std::string::npos)
      << out.str();
  std::vector<std::string> files;
  for (int n = 1; n <= count; ++n) {
    files.push_back(ReadFileBytes(dir.Path(prefix + std::to_string(n) + extension)));
  }
  return files;
}

TEST(RenderThreads, FilesAreByteIdenticalToASingleThreadedRun) {
  TempDir dir;
  std::filesystem::create_directories(dir.Path("data"));
  WriteTinyLibrary(dir.Path("data"), "tiny");
  for (const char* extension : {".bmp", ".png"}) {
    const auto single = RenderRandom(dir, "one", 24, 1, extension);
    const auto several = RenderRandom(dir, "three", 24, 3, extension);
    EXPECT_EQ(single, several) << extension;
  }
}

// Portraits 4 and 9 have no folder to go to: every run stops with portrait 4's error, as a run
// on one thread does, and the portraits before it are written.
TEST(RenderThreads, AFailedBatchReportsItsFirstFailureOnAnyNumberOfThreads) {
  TempDir dir;
  std::filesystem::create_directories(dir.Path("data"));
  WriteTinyLibrary(dir.Path("data"), "tiny");
  for (int threads : {1, 3}) {
    std::filesystem::remove_all(dir.Path("out"));
    for (int n = 1; n <= 30; ++n) {
      if (n != 4 && n != 9)
        std::filesystem::create_directories(dir.Path("out/" + std::to_string(n)));
    }
    CollectingSink sink;
    ProcessOptions process;
    process.program_dir = dir.Path("data");
    process.data_base = dir.Path("data");
    process.computer_name = "test";
    ProcessContext context(sink, process);
    RenderOptions options;
    options.lib.library = "tiny";
    options.source.count = 30;
    options.out = dir.Path("out/%d/p.bmp");
    options.jobs = threads;
    std::ostringstream out;
    try {
      Command<RenderOptions>(context, options, out, out).Run();
      ADD_FAILURE() << "no error with " << threads << " threads";
    } catch (const std::exception& error) {
      EXPECT_NE(std::string(error.what()).find(dir.Path("out/4/p.bmp")), std::string::npos)
          << error.what();
    }
    for (int n = 1; n <= 3; ++n) {
      EXPECT_TRUE(std::filesystem::exists(dir.Path("out/" + std::to_string(n) + "/p.bmp"))) << n;
    }
  }
}

}  // namespace
}  // namespace kelvo::cli
