#include "dataset.h"

#include <stdexcept>

namespace kelvo::demo {

namespace {

void SetUp(DataSet& ds) {
  auto cat = [&](int c) -> Category& { return ds.categories[static_cast<size_t>(c)]; };
  const char* dirs[] = {"",    "poz", "krk", "obl", "lic", "oci", "nos", "pus",
                        "uch", "obo", "vla", "vou", "sat", "bry", "pop"};
  for (int c = 1; c <= kCategoryCount; ++c) cat(c).image_dir = dirs[c];

  cat(kBackgrounds).bits = 16;
  cat(kBackgrounds).point_categories = {kNecks, kForeground};
  cat(kForeground).bits = 16;

  cat(kNecks).point_categories = {kFaces, kClothing};
  cat(kNecks).colour_slots = {kSkin, kHairColour, 0, 0};

  // The head carries the face mask and the shadow its jaw casts on the neck.
  cat(kFaces).mask_second = true;
  cat(kFaces).shadow = 3;
  cat(kFaces).point_categories = {kCheeks, kEyes,     kNoses, kMouths,
                                  kEars,   kEyebrows, kHair,  kGlasses};
  cat(kFaces).colour_slots = {kSkin, kHairColour, 0, 0};
  cat(kFaces).colour_mask = true;

  cat(kCheeks).shadow = 2;
  cat(kCheeks).point_categories = {kBeards};
  cat(kCheeks).colour_slots = {kSkin, kLips, 0, 0};  // blush takes the lips' tint

  for (int c : {kEyes, kEyebrows, kEars}) {
    cat(c).with_span = true;
    cat(c).usual = 2;
  }
  cat(kEyes).colour_slots = {kSkin, kIris, kWhites, kAccent};
  cat(kEyes).colour_mask = true;
  cat(kEyebrows).colour_slots = {kHairColour, 0, 0, 0};
  cat(kEars).colour_slots = {kSkin, kMetal, 0, 0};
  cat(kEars).colour_mask = true;

  cat(kNoses).shadow = 2;
  cat(kNoses).colour_slots = {kSkin, 0, 0, 0};

  // The mouth's mask is used inverted: beards are drawn around the lips.
  cat(kMouths).mask_second = true;
  cat(kMouths).invert_mask = true;
  cat(kMouths).colour_slots = {kLips, kWhites, kSkin, 0};
  cat(kMouths).colour_mask = true;

  cat(kHair).usual = 2;
  cat(kHair).shadow = 3;
  cat(kHair).colour_slots = {kHairColour, kSkin, kTrim, kUniform};
  cat(kHair).colour_mask = true;

  cat(kBeards).colour_slots = {kHairColour, kSkin, kAccent, kLips};

  cat(kClothing).usual = 2;
  cat(kClothing).colour_slots = {kUniform, kShirt, kMetal, kTrim};
  cat(kClothing).colour_mask = true;

  cat(kGlasses).shadow = 2;
  cat(kGlasses).colour_slots = {kMetal, kLens, 0, 0};
  cat(kGlasses).colour_mask = true;

  ds.dependencies = {{kBackgrounds, kNecks}, {kBackgrounds, kForeground},
                     {kNecks, kFaces},       {kNecks, kClothing},
                     {kFaces, kCheeks},      {kFaces, kEyes},
                     {kFaces, kNoses},       {kFaces, kMouths},
                     {kFaces, kEars},        {kFaces, kEyebrows},
                     {kFaces, kHair},        {kFaces, kGlasses},
                     {kCheeks, kBeards}};

  ds.draw_order = {{kBackgrounds, 1, 'N'},
                   {kBackgrounds, 2, 'N'},
                   {kHair, 2, 'N'},
                   {kClothing, 2, 'N'},
                   {kNecks, 1, 'N'},
                   {kFaces, 3, 'N'},
                   {kClothing, 1, 'N'},
                   {kEars, 1, 'N'},
                   {kEars, 2, 'N'},
                   {kFaces, 1, 'N'},
                   {kFaces, 2, 'M'},
                   {kCheeks, 2, 'O'},
                   {kCheeks, 1, 'O'},
                   {kEyes, 1, 'N'},
                   {kEyes, 2, 'N'},
                   {kMouths, 1, 'N'},
                   {kNoses, 2, 'O'},
                   {kNoses, 1, 'N'},
                   {kEyebrows, 1, 'N'},
                   {kEyebrows, 2, 'N'},
                   {kMouths, 2, 'M'},
                   {kBeards, 1, 'C'},
                   // Back to the face mask, so that a render always ends with a plain mask.
                   {kFaces, 2, 'M'},
                   {kHair, 3, 'O'},
                   {kHair, 1, 'N'},
                   {kGlasses, 2, 'N'},
                   {kGlasses, 1, 'N'},
                   {kForeground, 1, 'N'}};
}

}  // namespace

std::string DataSetName(Species sp) {
  switch (sp) {
    case Species::kFemale:
      return "female";
    case Species::kApe:
      return "ape";
    default:
      return "male";
  }
}

Component& AddComponent(DataSet& ds, int category, const std::string& name, int frequency,
                        Props props) {
  Category& cat = ds.categories[static_cast<size_t>(category)];
  Component c;
  c.name = name;
  c.frequency = frequency;
  c.props = props;
  c.points.resize(cat.point_categories.size());
  cat.components.push_back(std::move(c));
  return cat.components.back();
}

void SetImage(Component& c, int slot, Image8 image, bool clip) {
  if (image.px.empty()) return;
  SubImage sub;
  sub.image8 = std::move(image);
  sub.clip = clip;
  c.subs[static_cast<size_t>(slot - 1)] = std::move(sub);
}

void SetImage(Component& c, int slot, Image16 image) {
  if (image.px.empty()) return;
  SubImage sub;
  sub.image16 = std::move(image);
  c.subs[static_cast<size_t>(slot - 1)] = std::move(sub);
}

Component FrameOf(const Component& owner, const std::string& name) {
  Component f;
  f.name = name;
  f.is_frame = true;
  f.props = owner.props;
  f.kind = owner.kind;
  f.sig = owner.sig;
  f.points = owner.points;
  return f;
}

void AddStep(DataSet& ds, int category, const std::string& owner, int step, Component frame) {
  Category& cat = ds.categories[static_cast<size_t>(category)];
  for (Component& c : cat.components) {
    if (c.name != owner) continue;
    c.steps[static_cast<size_t>(step - 1)] = frame.name;
    cat.components.push_back(std::move(frame));
    return;
  }
  throw std::logic_error("no component " + owner + " for an animation step");
}

std::vector<SnapPoint> FacePoints(const FaceShape& f) {
  auto at = [](int x, int y, int spread, int span) {
    SnapPoint p;
    p.x = x, p.y = y;
    p.left = p.right = p.up = p.down = spread;
    p.span_x = span;
    return p;
  };
  // Cheeks, eyes, nose, mouth, ears, eyebrows, hair, glasses.
  return {at(0, f.mouth_y - 56, 0, 0),
          at(0, f.eye_y, 3, static_cast<int>(f.eye_span)),
          at(0, f.nose_y, 3, 0),
          at(0, f.mouth_y, 4, 0),
          at(0, f.ear_y, 2, static_cast<int>(f.ear_span)),
          at(0, f.brow_y, 3, static_cast<int>(f.eye_span) + 1),
          at(0, 0, 0, 0),
          at(0, f.eye_y, 2, 0)};
}

DataSet BuildDataSet(Species sp, const Scenery& scenery) {
  DataSet ds;
  ds.name = DataSetName(sp);
  SetUp(ds);
  AddScenery(ds, scenery);
  AddHeads(ds, sp);
  AddFeatures(ds, sp);
  AddHair(ds, sp);
  AddDress(ds, sp);
  AddColours(ds, sp);
  return ds;
}

}  // namespace kelvo::demo
