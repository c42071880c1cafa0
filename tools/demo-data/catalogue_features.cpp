// Eyes, noses, mouths and eyebrows of each species, with their animation steps.
#include "dataset.h"

namespace kelvo::demo {

namespace {

template <class Shape>
struct Row {
  const char* name;
  int frequency;
  Props props;
  Shape shape;
};

EyeShape Eye(float width, float open, float tilt, float lid, float iris, float lashes = 0,
             float socket = 0, float bags = 0) {
  return {width, open, tilt, lid, iris, lashes, socket, bags};
}

std::vector<Row<EyeShape>> Eyes(Species sp) {
  switch (sp) {
    case Species::kFemale:
      return {{"mandlove", 30, kNeutral, Eye(15, 8, 1.5f, 0.25f, 7.2f, 1)},
              {"velke", 24, {60, 45, 60, 40, 30}, Eye(15.5f, 9.5f, 0.5f, 0.15f, 7.8f, 1.2f)},
              {"uzke", 14, {45, 60, 45, 50, 50}, Eye(15, 6.5f, 2.5f, 0.35f, 6.8f, 1)},
              {"kocici", 18, {55, 65, 50, 50, 40}, Eye(15.5f, 7.5f, 3.5f, 0.3f, 7, 1.6f)},
              {"privrene", 12, {50, 50, 55, 50, 60}, Eye(14.5f, 6.5f, 0.5f, 0.7f, 7, 0.8f, 0, 1)},
              {"kulate", 14, {60, 40, 60, 45, 35}, Eye(14, 9, 0, 0.2f, 7.4f, 0.9f)}};
    case Species::kApe:
      return {{"hluboke", 30, kNeutral, Eye(12, 6.5f, 0.5f, 0.3f, 5.6f, 0, 2)},
              {"male", 20, kNeutral, Eye(11, 5.5f, 0, 0.35f, 5, 0, 2)},
              {"kulate", 18, {50, 50, 50, 40, 30}, Eye(12.5f, 8, 0, 0.2f, 6, 0, 1)},
              {"unavene", 14, {50, 50, 50, 45, 85}, Eye(12, 6, -0.5f, 0.6f, 5.6f, 0, 2, 2)},
              {"zamracene", 16, {50, 50, 50, 80, 55}, Eye(12.5f, 5.5f, -1.5f, 0.55f, 5.6f, 0, 3)},
              {"siroke", 12, {50, 50, 50, 50, 40}, Eye(13.5f, 7, 1, 0.3f, 6, 0, 1)}};
    default:
      return {{"mandlove", 30, kNeutral, Eye(15, 7, 1, 0.3f, 6.8f)},
              {"kulate", 18, {60, 40, 55, 40, 35}, Eye(14, 8.5f, 0, 0.2f, 7)},
              {"uzke", 16, {45, 60, 55, 55, 50}, Eye(15, 5.5f, 1.5f, 0.35f, 6.4f)},
              {"previsle", 14, {50, 55, 60, 55, 55}, Eye(14.5f, 6.5f, -1, 0.7f, 6.6f, 0, 1)},
              {"hluboke", 14, {50, 50, 60, 70, 55}, Eye(14.5f, 6.5f, 0.5f, 0.4f, 6.6f, 0, 2.5f)},
              {"unavene", 12, {50, 50, 50, 45, 85}, Eye(14.5f, 6.5f, -0.5f, 0.5f, 6.6f, 0, 1, 2)},
              {"siroke", 12, {65, 45, 50, 50, 35}, Eye(16, 7.5f, 0.5f, 0.25f, 7)}};
  }
}

std::vector<Row<NoseShape>> Noses(Species sp) {
  auto n = [](float length, float tip, float wings, float bridge, float hook, float crooked) {
    return NoseShape{length, tip, wings, bridge, hook, crooked};
  };
  switch (sp) {
    case Species::kFemale:
      return {{"maly", 30, kNeutral, n(30, 6.5f, 12, 4, 0, 0)},
              {"rovny", 24, {50, 55, 55, 50, 50}, n(34, 7, 13, 4.5f, 0, 0)},
              {"prsty", 18, {60, 35, 65, 45, 35}, n(28, 7.5f, 11.5f, 3.5f, -2, 0)},
              {"orli", 14, {40, 75, 40, 55, 55}, n(36, 7, 13, 5, 4, 0)},
              {"siroky", 14, {60, 50, 45, 55, 50}, n(32, 8, 16, 5, 0, 0)},
              {"uzky", 12, {50, 55, 55, 45, 45}, n(34, 6, 11, 3.5f, 0, 0)}};
    case Species::kApe:
      return {{"plochy", 30, kNeutral, n(30, 8, 18, 6, 0, 0)},
              {"siroky", 22, kNeutral, n(28, 9, 21, 7, 0, 0)},
              {"uzky", 16, kNeutral, n(34, 7, 15, 5, 0, 0)},
              {"krivy", 12, {50, 50, 50, 85, 60}, n(30, 8, 18, 6, 0, 3)},
              {"velky", 14, {50, 50, 50, 60, 60}, n(34, 10, 22, 7, 0, 0)},
              {"maly", 12, {50, 50, 50, 40, 30}, n(26, 7, 15, 5, 0, 0)}};
    default:
      return {{"rovny", 30, kNeutral, n(34, 8, 14, 5, 0, 0)},
              {"orli", 16, {40, 80, 45, 55, 60}, n(38, 8, 14, 5.5f, 5, 0)},
              {"knoflik", 14, {65, 35, 60, 40, 35}, n(28, 8.5f, 13, 4, -2, 0)},
              {"siroky", 16, {60, 55, 50, 60, 50}, n(33, 9.5f, 18, 6, 0, 0)},
              {"dlouhy", 12, {45, 55, 55, 50, 60}, n(42, 8, 14, 5, 1, 0)},
              {"boxersky", 10, {50, 45, 60, 90, 55}, n(33, 9.5f, 17, 6.5f, 1, 3)},
              {"rimsky", 12, {45, 60, 55, 55, 55}, n(38, 8, 14, 6, 3, 0)}};
  }
}

std::vector<Row<MouthShape>> Mouths(Species sp) {
  auto m = [](float width, float upper, float lower, float smile, float asym) {
    return MouthShape{width, upper, lower, smile, asym};
  };
  switch (sp) {
    case Species::kFemale:
      return {{"plna", 30, kNeutral, m(23, 5, 6.5f, 0.5f, 0)},
              {"usmev", 24, {70, 45, 50, 45, 40}, m(25, 4.5f, 6, 3, 0)},
              {"mala", 16, {50, 55, 60, 45, 40}, m(19, 4.5f, 6, 0.5f, 0)},
              {"siroka", 14, {60, 50, 45, 55, 45}, m(27, 5, 6.5f, 1, 0)},
              {"usklebek", 12, {55, 50, 50, 55, 45}, m(23, 4.5f, 6, 0, 2.5f)},
              {"vazna", 14, {45, 55, 60, 55, 55}, m(23, 4, 5.5f, -1.5f, 0)}};
    case Species::kApe:
      return {{"siroka", 30, kNeutral, m(34, 4, 6, 0, 0)},
              {"zamracena", 20, {50, 50, 50, 80, 55}, m(32, 4, 5.5f, -3, 0)},
              {"usmev", 18, {55, 50, 50, 45, 40}, m(34, 4, 5.5f, 3, 0)},
              {"uzka", 14, {50, 50, 50, 45, 50}, m(28, 3.5f, 5, 0, 0)},
              {"plna", 14, {50, 50, 50, 55, 45}, m(32, 5, 7.5f, 0, 0)},
              {"kriva", 10, {50, 50, 50, 60, 60}, m(32, 4, 5.5f, 0, 3)}};
    default:
      return {{"neutralni", 30, kNeutral, m(25, 3.5f, 5, 0, 0)},
              {"tenka", 16, {50, 50, 60, 55, 60}, m(25, 2.5f, 3.5f, 0, 0)},
              {"plna", 16, {60, 55, 45, 50, 45}, m(24, 4.5f, 6.5f, 0, 0)},
              {"usmev", 18, {75, 45, 40, 45, 40}, m(26, 3.5f, 5, 2.5f, 0)},
              {"siroka", 12, {55, 50, 50, 60, 50}, m(29, 3.5f, 5, 0.5f, 0)},
              {"zamracena", 14, {40, 55, 65, 70, 55}, m(25, 3, 4.5f, -2.5f, 0)},
              {"usklebek", 10, {55, 50, 50, 55, 45}, m(25, 3.5f, 5, 0, 2.5f)}};
  }
}

std::vector<Row<BrowShape>> Brows(Species sp) {
  auto b = [](float length, float thick, float arch, float tilt, float bushy) {
    return BrowShape{length, thick, arch, tilt, bushy};
  };
  switch (sp) {
    case Species::kFemale:
      return {{"oblouk", 30, kNeutral, b(30, 2.6f, 4.5f, 1, 0)},
              {"tenke", 22, {60, 45, 60, 40, 45}, b(30, 2, 4, 1, 0)},
              {"rovne", 16, {50, 55, 50, 50, 45}, b(30, 2.8f, 2, 0, 0)},
              {"vysoke", 14, {60, 50, 50, 45, 40}, b(29, 2.4f, 6, 2, 0)},
              {"husta", 12, {45, 65, 50, 55, 45}, b(31, 3.4f, 3.5f, 0.5f, 0.8f)},
              {"zamracene", 10, {50, 50, 55, 60, 50}, b(30, 2.8f, 3, -2, 0)}};
    case Species::kApe:
      return {{"husta", 30, kNeutral, b(34, 5, 2, 0, 2)},
              {"rovne", 20, kNeutral, b(34, 4.5f, 1, 0, 1.2f)},
              {"zamracene", 18, {50, 50, 50, 80, 55}, b(34, 5, 1, -3, 1.5f)},
              {"sede", 12, {50, 50, 50, 45, 90}, b(32, 4, 2, 1, 2.5f)},
              {"tenke", 12, {50, 50, 50, 40, 35}, b(32, 3.5f, 2, 0, 1)},
              {"oblouk", 12, kNeutral, b(34, 4.5f, 4, 1, 1.2f)}};
    default:
      return {{"rovne", 30, kNeutral, b(32, 3.6f, 3, 0, 0)},
              {"oblouk", 18, {55, 50, 50, 45, 45}, b(32, 3.2f, 5, 1, 0)},
              {"huste", 18, {45, 60, 60, 65, 55}, b(33, 4.6f, 3, 0, 1.2f)},
              {"tenke", 12, {55, 50, 45, 35, 40}, b(31, 2.6f, 3.5f, 0.5f, 0)},
              {"zamracene", 14, {45, 55, 55, 75, 55}, b(32, 4, 2, -2.5f, 0.4f)},
              {"sede", 10, {50, 50, 50, 45, 90}, b(32, 3.6f, 3, 1.5f, 1.6f)},
              {"strapate", 10, {50, 50, 60, 55, 60}, b(33, 4.2f, 3.5f, 0.5f, 2.2f)}};
  }
}

}  // namespace

void AddFeatures(DataSet& ds, Species sp) {
  const char* eye_steps[] = {"-pul", "-zavr", "-vlevo", "-vpravo"};
  const EyeStep eye_kinds[] = {EyeStep::kHalf, EyeStep::kShut, EyeStep::kLeft, EyeStep::kRight};
  for (const auto& row : Eyes(sp)) {
    Component& c = AddComponent(ds, kEyes, row.name, row.frequency, row.props);
    SetImage(c, 1, DrawEye(sp, row.shape, EyeStep::kOpen, -1));
    SetImage(c, 2, DrawEye(sp, row.shape, EyeStep::kOpen, 1));
    Component owner = FrameOf(c, "");
    for (int i = 0; i < 4; ++i) {
      Component f = FrameOf(owner, std::string(row.name) + eye_steps[i]);
      SetImage(f, 1, DrawEye(sp, row.shape, eye_kinds[i], -1));
      SetImage(f, 2, DrawEye(sp, row.shape, eye_kinds[i], 1));
      AddStep(ds, kEyes, row.name, i + 1, std::move(f));
    }
  }
  for (const auto& row : Noses(sp)) {
    Component& c = AddComponent(ds, kNoses, row.name, row.frequency, row.props);
    SetImage(c, 1, DrawNose(sp, row.shape));
    SetImage(c, 2, DrawNoseShadow(sp, row.shape));
  }
  for (const auto& row : Mouths(sp)) {
    Component& c = AddComponent(ds, kMouths, row.name, row.frequency, row.props);
    SetImage(c, 1, DrawMouth(sp, row.shape, 0));
    SetImage(c, 2, DrawMouthMask(sp, row.shape, 0));
    Component owner = FrameOf(c, "");
    for (int step = 1; step <= 4; ++step) {
      Component f = FrameOf(owner, std::string(row.name) + "-" + std::to_string(step));
      SetImage(f, 1, DrawMouth(sp, row.shape, step));
      SetImage(f, 2, DrawMouthMask(sp, row.shape, step));
      AddStep(ds, kMouths, row.name, step, std::move(f));
    }
  }
  const char* brow_steps[] = {"-nahoru", "-mrac"};
  const BrowStep brow_kinds[] = {BrowStep::kRaised, BrowStep::kFrown};
  for (const auto& row : Brows(sp)) {
    Component& c = AddComponent(ds, kEyebrows, row.name, row.frequency, row.props);
    SetImage(c, 1, DrawBrow(sp, row.shape, BrowStep::kRest, -1));
    SetImage(c, 2, DrawBrow(sp, row.shape, BrowStep::kRest, 1));
    Component owner = FrameOf(c, "");
    for (int i = 0; i < 2; ++i) {
      Component f = FrameOf(owner, std::string(row.name) + brow_steps[i]);
      SetImage(f, 1, DrawBrow(sp, row.shape, brow_kinds[i], -1));
      SetImage(f, 2, DrawBrow(sp, row.shape, brow_kinds[i], 1));
      AddStep(ds, kEyebrows, row.name, i + 1, std::move(f));
    }
  }
}

}  // namespace kelvo::demo
