// Linked into every test program: its parameterised tests are named by what each row checks.
// KELVO_ROW_NAMES_SUITE names this test after the program, so ctest lists it once per program.
#include <gtest/gtest.h>

#include <string>

namespace kelvo::test {
namespace {

// Without a name generator gtest numbers the rows (".../0") and ctest shows their bytes.
TEST(KELVO_ROW_NAMES_SUITE, EveryParameterisedTestHasARowName) {
  const testing::UnitTest& unit = *testing::UnitTest::GetInstance();
  for (int i = 0; i < unit.total_test_suite_count(); ++i) {
    const testing::TestSuite& suite = *unit.GetTestSuite(i);
    for (int j = 0; j < suite.total_test_count(); ++j) {
      const testing::TestInfo& test = *suite.GetTestInfo(j);
      if (test.value_param() == nullptr) continue;
      const std::string name = test.name();
      const std::string row = name.substr(name.rfind('/') + 1);
      EXPECT_NE(row.find_first_not_of("0123456789"), std::string::npos)
          << suite.name() << "." << name;
    }
  }
}

}  // namespace
}  // namespace kelvo::test
