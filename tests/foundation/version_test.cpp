#include "foundation/version.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

TEST(Version, IsDottedTriple) {
  std::string text = kelvo::VersionText();
  EXPECT_EQ(2, std::count(text.begin(), text.end(), '.'));
}
