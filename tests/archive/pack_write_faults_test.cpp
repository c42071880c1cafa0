// Building a pack that would replace an older one, under a file-size limit and into a
// read-only folder: the build reports the failure and the older pack stays as it was.
#include <gtest/gtest.h>

#include "archive/pak_file.h"
#include "support/write_faults.h"

namespace kelvo::test {
namespace {

TEST(PackWriteFaults, AFailedBuildKeepsTheOldPack) {
  TestFolder source;
  source.Write("male/dro", std::string(300, 'd'));
  source.Write("male/obl/f1", std::string(500, 'f'));
  TestFolder out;
  const std::string pack = out.Dir() + "data.VXP";
  out.Write("data.VXP", "an older pack");
  PackBuildEvents events;
  events.empty_on_failure = false;  // keep the older pack rather than leave an empty one
  for (const WriteFault fault : {WriteFault::kFileSizeLimit, WriteFault::kReadOnlyFolder}) {
    SCOPED_TRACE(FaultName(fault));
    const auto before = Snapshot(out.Path());
    const FaultRun run = RunUnderWriteFault(fault, out.Path(), [&](std::ostream& messages) {
      const PackBuildResult result = BuildPackFile(source.Dir(), pack, false, events);
      messages << result.error << "\n";
      return result.complete ? 0 : 2;
    });
    ASSERT_FALSE(run.skipped) << "the fault could not be set up";
    EXPECT_EQ(run.code, 2) << run.messages;
    EXPECT_NE(run.messages, "\n");
    EXPECT_EQ(Snapshot(out.Path()), before);
  }
  EXPECT_TRUE(BuildPackFile(source.Dir(), pack, false, events).complete);
  EXPECT_NE(out.Read("data.VXP"), "an older pack");
}

}  // namespace
}  // namespace kelvo::test
