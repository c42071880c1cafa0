// The one-based array: numbers 1..N reach elements in brace-list order, at() refuses every other
// number, and iteration sees exactly the N elements.
#include "foundation/one_based.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace kelvo {
namespace {

enum Slot : int { kFirstSlot = 1, kLastSlot = 4 };

TEST(OneBased, NumbersOneToNReachTheElementsInListOrder) {
  OneBased<int, 4> a{10, 20, 30, 40};
  const OneBased<int, 4>& c = a;
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(a[i], 10 * i) << i;
    EXPECT_EQ(c.at(i), 10 * i) << i;
    EXPECT_EQ(a[static_cast<std::size_t>(i)], 10 * i) << i;  // any integral number indexes
  }
  EXPECT_EQ(a[kFirstSlot], 10);
  EXPECT_EQ(a[kLastSlot], 40);
  a[kLastSlot] = 7;
  a.at(1) = 8;
  EXPECT_EQ(a, (OneBased<int, 4>{8, 20, 30, 7}));
  EXPECT_NE(a, (OneBased<int, 4>{}));
}

TEST(OneBased, AtRefusesEveryNumberOutsideOneToN) {
  OneBased<int, 4> a{};
  const OneBased<int, 4>& c = a;
  for (const std::ptrdiff_t i : {std::ptrdiff_t{0}, std::ptrdiff_t{-1}, std::ptrdiff_t{5},
                                 std::ptrdiff_t{1} << 40, -(std::ptrdiff_t{1} << 40)}) {
    EXPECT_FALSE((OneBased<int, 4>::Contains(i))) << i;
    EXPECT_THROW(a.at(i), std::out_of_range) << i;
    EXPECT_THROW(c.at(i), std::out_of_range) << i;
  }
  try {
    a.at(0);
  } catch (const std::out_of_range& error) {
    EXPECT_STREQ(error.what(), "element 0 of 1..4");
  }
}

TEST(OneBased, IterationAndFillCoverExactlyTheNElements) {
  OneBased<int, 3> a{1, 2, 3};
  EXPECT_EQ(std::vector<int>(a.begin(), a.end()), (std::vector<int>{1, 2, 3}));
  a.fill(9);
  int seen = 0;
  for (int& v : a) {
    EXPECT_EQ(v, 9);
    ++seen;
  }
  EXPECT_EQ(seen, (OneBased<int, 3>::Count()));
}

}  // namespace
}  // namespace kelvo
