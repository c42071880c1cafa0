// Necks, faces, cheeks and ears of each species, with their frequencies and
// property values (American, Arabian, Russian, Strength, Age).
#include <algorithm>

#include "dataset.h"

namespace kelvo::demo {

namespace {

struct NeckRow {
  const char* name;
  int frequency;
  Props props;
  NeckShape shape;
};

struct FaceRow {
  const char* name;
  int frequency;
  Props props;
  FaceShape shape;
};

struct CheekRow {
  const char* name;
  int frequency;
  Props props;
  int style;
};

struct EarRow {
  const char* name;
  int frequency;
  Props props;
  int style;
};

FaceShape Face(float cheek, float jaw_w, float jaw_y, float chin_w, float chin_y, float brow,
               float eye_span, float ear_span, int nose_y = 28, int mouth_y = 56) {
  FaceShape f;
  f.cheek_w = cheek, f.jaw_w = jaw_w, f.jaw_y = jaw_y, f.chin_w = chin_w, f.chin_y = chin_y;
  f.brow = brow, f.eye_span = eye_span, f.ear_span = ear_span;
  f.nose_y = nose_y, f.mouth_y = mouth_y;
  return f;
}

std::vector<NeckRow> Necks(Species sp) {
  switch (sp) {
    case Species::kFemale:
      return {{"stredni", 30, kNeutral, {31, 1, 0, -122}},
              {"stihly", 24, {50, 55, 55, 30, 40}, {28, 1, 0, -124}},
              {"dlouhy", 14, {45, 50, 60, 40, 45}, {30, 1, 0, -128}},
              {"plny", 16, {55, 45, 50, 70, 60}, {35, 1, 0, -120}}};
    case Species::kApe:
      return {{"stredni", 30, kNeutral, {50, 1, 0, -118}},
              {"silny", 24, {50, 50, 50, 80, 50}, {58, 1, 0, -114}},
              {"stihly", 18, {50, 50, 50, 30, 40}, {44, 1, 0, -120}},
              {"byci", 12, {50, 50, 50, 95, 60}, {64, 1, 0, -110}}};
    default:
      return {{"stredni", 30, kNeutral, {40, 1, 0, -122}},
              {"tenky", 16, {55, 50, 45, 25, 35}, {35, 1, 0, -124}},
              {"silny", 20, {55, 45, 55, 75, 55}, {45, 1, 3, -120}},
              {"dlouhy", 12, {50, 55, 50, 40, 45}, {38, 1, 4, -128}},
              {"byci", 10, {50, 40, 60, 95, 60}, {52, 1, 0, -116}},
              {"ohryzek", 14, {50, 50, 50, 50, 50}, {40, 1, 6, -122}}};
  }
}

std::vector<FaceRow> Faces(Species sp) {
  switch (sp) {
    case Species::kFemale:
      return {{"ovalny", 30, kNeutral, Face(70, 52, 60, 20, 92, 1, 33, 70)},
              {"kulaty", 20, {55, 45, 60, 50, 40}, Face(73, 58, 58, 24, 90, 1, 33, 72)},
              {"srdcovity", 20, {60, 50, 45, 40, 35}, Face(72, 48, 60, 16, 92, 1, 34, 71)},
              {"protahly", 14, {50, 60, 45, 45, 55}, Face(68, 52, 66, 20, 98, 2, 32, 68, 30, 60)},
              {"hranaty", 14, {55, 45, 55, 65, 50}, Face(71, 58, 64, 24, 92, 2, 33, 71)},
              {"siroky", 12, {45, 55, 55, 60, 60}, Face(75, 60, 60, 24, 90, 2, 34, 73)}};
    case Species::kApe:
      return {{"gorila", 30, kNeutral, Face(86, 76, 68, 38, 100, 6, 38, 84, 30, 60)},
              {"simpanz", 24, {55, 50, 45, 40, 40}, Face(80, 64, 66, 30, 96, 4, 36, 80, 28, 60)},
              {"orangutan", 18, {45, 55, 55, 55, 60}, Face(92, 70, 66, 34, 96, 3, 38, 88, 30, 60)},
              {"stary", 12, {50, 50, 50, 45, 90}, Face(84, 70, 70, 34, 102, 7, 37, 84, 30, 62)},
              {"mlady", 16, {50, 50, 50, 40, 15}, Face(80, 66, 62, 32, 94, 3, 36, 80, 28, 58)},
              {"silak", 14, {50, 50, 50, 95, 55}, Face(90, 80, 70, 40, 102, 8, 38, 86, 30, 62)}};
    default:
      return {{"ovalny", 30, kNeutral, Face(76, 62, 64, 27, 96, 4, 33, 76)},
              {"hranaty", 22, {60, 45, 55, 75, 50}, Face(78, 68, 68, 32, 98, 5, 33, 78)},
              {"kulaty", 18, {50, 45, 60, 45, 50}, Face(79, 64, 62, 30, 94, 3, 34, 78)},
              {"protahly", 16, {50, 60, 45, 45, 55}, Face(74, 58, 70, 25, 102, 4, 32, 75, 30, 60)},
              {"siroky", 14, {45, 50, 65, 70, 55}, Face(80, 70, 66, 32, 96, 5, 35, 79)},
              {"ostry", 14, {55, 65, 45, 50, 45}, Face(75, 58, 66, 22, 100, 5, 32, 76)},
              {"masivni", 10, {50, 40, 60, 95, 60}, Face(81, 72, 70, 34, 100, 7, 34, 80, 30, 58)}};
  }
}

std::vector<CheekRow> Cheeks(Species sp) {
  switch (sp) {
    case Species::kFemale:
      return {{"hladke", 34, kNeutral, 0},           {"licni", 20, {60, 50, 55, 50, 40}, 3},
              {"plne", 14, {50, 45, 60, 55, 45}, 2}, {"rumenec", 16, {55, 35, 70, 50, 35}, 7},
              {"pihy", 12, {60, 20, 65, 50, 30}, 8}, {"vrasky", 10, {50, 50, 50, 45, 95}, 4}};
    case Species::kApe:
      return {{"hladke", 30, kNeutral, 0},
              {"propadle", 18, {50, 50, 50, 40, 60}, 1},
              {"vrasky", 14, {50, 50, 50, 50, 95}, 4},
              {"jizva", 12, {50, 50, 50, 80, 60}, 6},
              {"plne", 14, {50, 50, 50, 60, 40}, 2}};
    default:
      return {{"hladke", 30, kNeutral, 0},
              {"propadle", 16, {50, 60, 50, 40, 55}, 1},
              {"plne", 14, {55, 40, 60, 55, 45}, 2},
              {"licni", 16, {55, 55, 60, 60, 45}, 3},
              {"vrasky", 12, {50, 50, 50, 45, 95}, 4},
              {"dolicky", 12, {70, 45, 45, 45, 30}, 5},
              {"jizva", 10, {45, 55, 55, 85, 60}, 6}};
  }
}

std::vector<EarRow> Ears(Species sp) {
  switch (sp) {
    case Species::kFemale:
      return {{"normalni", 26, kNeutral, 0},
              {"male", 18, kNeutral, 2},
              {"pecka", 18, {60, 50, 50, 50, 50}, 6},
              {"kruh", 16, {55, 70, 45, 50, 40}, 7},
              {"privesek", 14, {50, 60, 55, 50, 55}, 8}};
    case Species::kApe:
      return {{"normalni", 30, kNeutral, 0},
              {"velke", 20, kNeutral, 1},
              {"male", 20, kNeutral, 2},
              {"boxer", 10, {50, 50, 50, 85, 60}, 4}};
    default:
      return {{"normalni", 30, kNeutral, 0},
              {"velke", 16, {50, 50, 50, 50, 65}, 1},
              {"male", 16, kNeutral, 2},
              {"spicate", 10, {50, 50, 50, 50, 40}, 3},
              {"boxer", 10, {50, 45, 55, 90, 55}, 4},
              {"lalocky", 12, {50, 55, 50, 50, 70}, 5}};
  }
}

}  // namespace

float NarrowestNeck(Species sp) {
  float narrowest = 1e9f;
  for (const NeckRow& row : Necks(sp)) narrowest = std::min(narrowest, row.shape.half_width);
  // The neck tapers slightly towards the head (see DrawNeck).
  return narrowest * 0.92f;
}

void AddHeads(DataSet& ds, Species sp) {
  uint32_t seed = 100;
  for (const NeckRow& row : Necks(sp)) {
    Component& c = AddComponent(ds, kNecks, row.name, row.frequency, row.props);
    SetImage(c, 1, DrawNeck(sp, row.shape));
    c.points[0].y = row.shape.face_y;
    c.points[0].up = c.points[0].down = 2;
    c.points[1].y = 18;
  }
  for (const FaceRow& row : Faces(sp)) {
    Component& c = AddComponent(ds, kFaces, row.name, row.frequency, row.props);
    c.points = FacePoints(row.shape);
    HeadImages head = DrawHead(sp, row.shape, 0, ++seed);
    SetImage(c, 1, std::move(head.head));
    SetImage(c, 2, std::move(head.mask));
    SetImage(c, 3, std::move(head.shadow));
    // Step 3 opens the jaw for the widest mouth.
    Component jaw = FrameOf(c, std::string(row.name) + "-cel");
    HeadImages open = DrawHead(sp, row.shape, kJawDrop, seed);
    SetImage(jaw, 1, std::move(open.head));
    SetImage(jaw, 2, std::move(open.mask));
    SetImage(jaw, 3, std::move(open.shadow));
    AddStep(ds, kFaces, row.name, 3, std::move(jaw));
  }
  for (const CheekRow& row : Cheeks(sp)) {
    Component& c = AddComponent(ds, kCheeks, row.name, row.frequency, row.props);
    c.points[0].y = 56;
    c.points[0].down = 2;
    SetImage(c, 1, DrawCheeks(sp, row.style, 0, false));
    SetImage(c, 2, DrawCheeks(sp, row.style, 0, true));
    Component open = FrameOf(c, std::string(row.name) + "-cel");
    SetImage(open, 1, DrawCheeks(sp, row.style, kJawDrop, false));
    SetImage(open, 2, DrawCheeks(sp, row.style, kJawDrop, true));
    AddStep(ds, kCheeks, row.name, 3, std::move(open));
  }
  for (const EarRow& row : Ears(sp)) {
    Component& c = AddComponent(ds, kEars, row.name, row.frequency, row.props);
    SetImage(c, 1, DrawEar(sp, row.style, -1));
    SetImage(c, 2, DrawEar(sp, row.style, 1));
  }
}

}  // namespace kelvo::demo
