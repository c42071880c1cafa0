#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_test_support.h"
#include "cli/gallery_access.h"
#include "foundation/diagnostics.h"
#include "foundation/paths.h"
#include "library/process_context.h"

namespace kelvo::cli {
namespace {

TEST(CliGalleryPath, WorkingDirectoryFirstThenTheDataDirectory) {
  TempDir dir;
  CollectingSink sink;
  ProcessOptions options;
  options.program_dir = dir.Root();
  options.data_base = dir.Path("data");
  options.computer_name = "test";
  ProcessContext context(sink, options);
  const auto here = std::filesystem::current_path();
  std::filesystem::current_path(dir.Root());
  WriteFileBytes(dir.Path("here.xgl"), "GALLERY END_OF_GALLERY END");
  EXPECT_EQ(GalleryPath(context, "here.xgl"), dir.Path("here.xgl"));
  EXPECT_EQ(ToOsForm(GalleryPath(context, "sets/there.xgl")), dir.Path("data/sets/there.xgl"));
  EXPECT_EQ(GalleryPath(context, "/abs/g.xgl"), "/abs/g.xgl");
  std::filesystem::current_path(here);
}

}  // namespace
}  // namespace kelvo::cli
