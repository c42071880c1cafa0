#include "library/categories.h"

#include <array>
#include <stdexcept>

namespace kelvo {

namespace {

constexpr std::array<CategoryInfo, kCategoryCount> kCategories{{
    {"Backgrounds", "poz", "POZADI", 0},
    {"Necks", "krk", "KRKY", 0},
    {"Faces", "obl", "OBLICEJE", 3},
    {"Cheeks", "lic", "TVARE", 3},
    {"Eyes", "oci", "OCI", 4},
    {"Noses", "nos", "NOSY", 0},
    {"Mouths", "pus", "PUSY", 4},
    {"Ears", "uch", "USI", 0},
    {"Eyebrows", "obo", "OBOCI", 2},
    {"Hair", "vla", "VLASY", 0},
    {"Beards", "vou", "VOUSY", 4},
    {"Clothing", "sat", "SATY", 0},
    {"Glasses", "bry", "BRYLE", 0},
    {"Foreground", "pop", "POPREDI", 0},
}};

constexpr std::array<const char*, kPropertyCount> kProperties{"American", "Arabian", "Russian",
                                                              "Strength", "Age"};

}  // namespace

const CategoryInfo& CategoryTable(int index) {
  if (index < 1 || index > kCategoryCount)
    throw std::out_of_range("category index " + std::to_string(index));
  return kCategories[index - 1];
}

int CategoryByDir(std::string_view text) {
  for (int i = 0; i < kCategoryCount; ++i)
    if (text == kCategories[i].dir_name) return i + 1;
  return -1;
}

std::string PropertyName(int index) {
  if (index < 1 || index > kPropertyCount)
    throw std::out_of_range("property index " + std::to_string(index));
  return kProperties[index - 1];
}

}  // namespace kelvo
