// Every seed and every input a fuzz run found, fed again through the fuzz entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "fuzz/fuzz_entries.h"

namespace kelvo::fuzz {
namespace {

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

// The ctest name of a row shows the target rather than its bytes.
void PrintTo(const Target& target, std::ostream* out) {
  *out << target.name;
}

namespace {

class CorpusReplay : public ::testing::TestWithParam<Target> {};

TEST_P(CorpusReplay, EveryInputIsReadOrCleanlyRejected) {
  const std::filesystem::path folder =
      std::filesystem::path(KELVO_FUZZ_CORPUS_DIR) / GetParam().name;
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
  std::vector<std::filesystem::path> files;
  for (const auto& item : std::filesystem::directory_iterator(folder)) {
    if (item.is_regular_file()) files.push_back(item.path());
  }
  std::sort(files.begin(), files.end());
  EXPECT_GE(files.size(), 5u) << "too few seeds in " << folder;
  for (const std::filesystem::path& file : files) {
    const std::vector<uint8_t> bytes = ReadBytes(file);
    EXPECT_EQ(GetParam().run(bytes), "") << file.filename();
  }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, CorpusReplay, ::testing::ValuesIn(Targets()),
                         [](const ::testing::TestParamInfo<Target>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace kelvo::fuzz
