#include "library/categories.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kelvo {
namespace {

TEST(Categories, TableRowsAndLookupByDirectoryName) {
  struct Row {
    int index;
    const char* name;
    const char* code;
    const char* dir;
    int limit;
  };
  const Row rows[] = {
      {1, "Backgrounds", "poz", "POZADI", 0}, {2, "Necks", "krk", "KRKY", 0},
      {3, "Faces", "obl", "OBLICEJE", 3},     {4, "Cheeks", "lic", "TVARE", 3},
      {5, "Eyes", "oci", "OCI", 4},           {6, "Noses", "nos", "NOSY", 0},
      {7, "Mouths", "pus", "PUSY", 4},        {8, "Ears", "uch", "USI", 0},
      {9, "Eyebrows", "obo", "OBOCI", 2},     {10, "Hair", "vla", "VLASY", 0},
      {11, "Beards", "vou", "VOUSY", 4},      {12, "Clothing", "sat", "SATY", 0},
      {13, "Glasses", "bry", "BRYLE", 0},     {14, "Foreground", "pop", "POPREDI", 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.name, CategoryName(row.index));
    EXPECT_EQ(row.code, CategoryCode(row.index));
    EXPECT_EQ(row.dir, CategoryDir(row.index));
    EXPECT_EQ(row.limit, CategoryAnimationLimit(row.index));
    EXPECT_EQ(row.index, CategoryByDir(row.dir));
  }
  EXPECT_EQ(kEyes, CategoryByDir("OCI"));
  for (const char* miss : {"oci", "Eyes", "", "OCI ", "poz"})
    EXPECT_EQ(-1, CategoryByDir(miss)) << miss;
  EXPECT_THROW(CategoryTable(0), std::out_of_range);
  EXPECT_THROW(CategoryTable(15), std::out_of_range);
}

TEST(Categories, PropertyNames) {
  EXPECT_EQ("American", PropertyName(1));
  EXPECT_EQ("Arabian", PropertyName(2));
  EXPECT_EQ("Russian", PropertyName(3));
  EXPECT_EQ("Strength", PropertyName(4));
  EXPECT_EQ("Age", PropertyName(5));
  EXPECT_THROW(PropertyName(6), std::out_of_range);
}

}  // namespace
}  // namespace kelvo
