// The fixed vocabulary of the component library: the fourteen categories
// (display name, code, directory name, animation limit) and the five property
// names. Indices count from 1, as everywhere in files and portraits.
#pragma once

#include <string>
#include <string_view>

#include "foundation/one_based.h"

namespace kelvo {

inline constexpr int kCategoryCount = 14;
inline constexpr int kPropertyCount = 5;
// The most animation frames any category allows; the frame slots of a component.
inline constexpr int kMaxAnimationFrames = 4;
// Subcomponent slots of a component, and colour slots of a category.
inline constexpr int kSubcomponentCount = 4;

// One value per category, numbered 1..14.
template <typename T>
using PerCategory = OneBased<T, kCategoryCount>;

enum Category : int {
  kBackgrounds = 1,
  kNecks,
  kFaces,
  kCheeks,
  kEyes,
  kNoses,
  kMouths,
  kEars,
  kEyebrows,
  kHair,
  kBeards,
  kClothing,
  kGlasses,
  kForeground,
};

struct CategoryInfo {
  const char* display_name;  // "Backgrounds"
  const char* code;          // "poz"
  const char* dir_name;      // "POZADI", the name in every keyword file
  int animation_limit;       // 0 = not animated
};

// index 1..14; throws std::out_of_range for any other.
const CategoryInfo& CategoryTable(int index);
inline std::string CategoryName(int index) {
  return CategoryTable(index).display_name;
}
inline std::string CategoryCode(int index) {
  return CategoryTable(index).code;
}
inline std::string CategoryDir(int index) {
  return CategoryTable(index).dir_name;
}
inline int CategoryAnimationLimit(int index) {
  return CategoryTable(index).animation_limit;
}

// The index whose directory name equals text exactly (case-sensitive), or -1.
int CategoryByDir(std::string_view text);

// "American", "Arabian", "Russian", "Strength", "Age" for 1..5; throws
// std::out_of_range for any other.
std::string PropertyName(int index);

}  // namespace kelvo
