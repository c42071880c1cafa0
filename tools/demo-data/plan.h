// The generator's own description of one data set: categories with their
// settings, components with their painted images, colour types, draw order and
// dependencies. The data-set builders fill it; library_export turns it into the
// library's classes and files. A DataSet owns everything it holds.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "library/categories.h"
#include "sprite.h"

namespace kelvo::demo {

enum class Species { kMale, kFemale, kApe };

// Colour types, 1..11.
enum ColourTypeId : int {
  kSkin = 1,
  kHairColour,
  kIris,
  kLips,
  kWhites,
  kShirt,
  kMetal,
  kLens,
  kAccent,
  kUniform,
  kTrim
};
constexpr int kColourTypeCount = 11;

// Property values: American, Arabian, Russian, Strength, Age.
using Props = std::array<int, 5>;
constexpr Props kNeutral = {50, 50, 50, 50, 50};

struct SubImage {
  Image8 image8;    // used by 8-bit categories
  Image16 image16;  // used by 16-bit categories
  bool clip = false;
};

struct SnapPoint {
  int x = 0, y = 0;
  int left = 0, right = 0, up = 0, down = 0;  // spread limits
  int span_x = 0, span_y = 0;                 // default span of a paired category
};

struct Component {
  std::string name;
  int frequency = 0;
  bool is_frame = false;
  int kind = 0;
  std::string sig;
  Props props = kNeutral;
  std::array<std::optional<SubImage>, 4> subs;
  std::vector<SnapPoint> points;     // one per point category of the container
  std::array<std::string, 4> steps;  // names of animation steps 1..4, empty = none
};

struct Category {
  std::string image_dir;
  int bits = 8;
  int usual = 1;
  bool mask_second = false, invert_mask = false, colour_mask = false, with_span = false;
  int shadow = -1;
  std::vector<int> point_categories;
  std::array<int, 4> colour_slots{};
  std::vector<Component> components;
};

struct ColourEntry {
  uint32_t colour = 0;  // red in the low byte
  int contrast = 85;
  int frequency = 10;
  Props props = kNeutral;
};

struct ColourType {
  std::string name;
  std::vector<ColourEntry> entries;
};

struct DrawStep {
  int category = 1;
  int sub = 1;
  char kind = 'N';  // N, O, M or C
};

struct DataSet {
  std::string name;
  std::array<Category, kCategoryCount + 1> categories;   // index 1..14
  std::array<ColourType, kColourTypeCount + 1> colours;  // index 1..11
  std::vector<DrawStep> draw_order;
  std::vector<std::pair<int, int>> dependencies;  // parent, dependent
};

constexpr uint32_t RgbValue(int r, int g, int b) {
  return static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b) << 16;
}

}  // namespace kelvo::demo
