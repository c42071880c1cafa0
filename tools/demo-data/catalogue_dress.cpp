// Hair, beards, clothing, glasses, backgrounds and foreground items.
#include "art_util.h"
#include "dataset.h"

namespace kelvo::demo {

namespace {

template <class Style>
struct Row {
  const char* name;
  int frequency;
  Props props;
  Style style;
  const char* sig = "";
};

// Props: American, Arabian, Russian, Strength, Age.
std::vector<Row<HairStyle>> Hair(Species sp) {
  using H = HairStyle;
  switch (sp) {
    case Species::kFemale:
      return {{"dlouhe", 30, kNeutral, H::kLongStraight, "Fl"},
              {"mikado", 22, {60, 40, 60, 50, 45}, H::kBob, "Fb"},
              {"culik", 20, {65, 40, 55, 60, 35}, H::kPonytail, "Fp"},
              {"drdol", 14, {50, 45, 65, 50, 60}, H::kBun, "Fd"},
              {"kratke", 14, {70, 30, 45, 60, 40}, H::kPixie, "Fk"},
              {"kudrny", 14, {70, 50, 35, 45, 35}, H::kLongCurly, "Fc"},
              {"copy", 12, {45, 40, 80, 50, 30}, H::kBraids, "Fo"},
              {"satek", 14, {5, 95, 10, 50, 55}, H::kHijab, "Fh"},
              {"babicka", 8, {10, 20, 90, 45, 85}, H::kBabushka, "Fs"},
              {"helma", 10, {80, 30, 40, 70, 40}, H::kHelmet, "Hh"},
              {"baret", 10, {45, 50, 60, 60, 45}, H::kBeret, "Hb"},
              {"cepice", 8, {85, 25, 20, 55, 40}, H::kCap, "Hc"}};
    case Species::kApe:
      return {{"hreben", 30, kNeutral, H::kApeCrest, "Ac"},
              {"chochol", 22, {55, 45, 50, 45, 35}, H::kApeTuft, "At"},
              {"hunaty", 14, {50, 50, 60, 60, 60}, H::kApeShaggy, "As"},
              {"hladky", 18, {50, 50, 50, 55, 50}, H::kApeFlat, "Af"},
              {"helma", 12, {80, 30, 45, 75, 45}, H::kHelmet, "Hh"},
              {"cepice", 10, {85, 25, 20, 55, 40}, H::kCap, "Hc"},
              {"baret", 10, {45, 55, 60, 60, 45}, H::kBeret, "Hb"},
              {"usanka", 8, {10, 5, 95, 60, 55}, H::kUshanka, "Hu"}};
    default:
      return {{"kratke", 30, {70, 30, 55, 55, 40}, H::kCrew, "Mk"},
              {"pesinka", 22, {60, 35, 55, 45, 45}, H::kSidePart, "Mp"},
              {"uhlazene", 14, {65, 65, 40, 45, 50}, H::kSlick, "Mu"},
              {"strniste", 16, {70, 35, 60, 75, 40}, H::kBuzz, "Ms"},
              {"plesaty", 10, {50, 50, 55, 50, 90}, H::kBaldRing, "Mb"},
              {"kudrny", 12, {70, 55, 35, 45, 35}, H::kCurly, "Mc"},
              {"dlouhe", 8, {55, 50, 45, 40, 35}, H::kLongMale, "Ml"},
              {"cirokez", 6, {70, 20, 40, 70, 20}, H::kMohawk, "Mm"},
              {"kouty", 12, {50, 50, 60, 50, 75}, H::kReceding, "Mr"},
              {"helma", 14, {85, 30, 45, 75, 40}, H::kHelmet, "Hh"},
              {"usanka", 10, {10, 5, 95, 60, 55}, H::kUshanka, "Hu"},
              {"kefija", 14, {5, 95, 5, 55, 55}, H::kKeffiyeh, "Hk"},
              {"baret", 10, {55, 45, 60, 65, 45}, H::kBeret, "Hb"},
              {"cepice", 8, {85, 30, 20, 55, 40}, H::kCap, "Hc"}};
  }
}

std::vector<Row<BeardStyle>> Beards(Species sp) {
  using B = BeardStyle;
  switch (sp) {
    case Species::kFemale:
      return {{"piha", 14, {60, 50, 50, 50, 50}, B::kBeautyMark, "p"},
              {"pihy", 10, {60, 20, 65, 50, 30}, B::kFreckles, "f"},
              {"barvy", 8, {65, 30, 40, 75, 30}, B::kWarPaint, "w"},
              {"rumenec", 12, {55, 35, 70, 45, 35}, B::kBlush, "r"}};
    case Species::kApe:
      return {{"licousy", 20, kNeutral, B::kApeWhiskers, "w"},
              {"hriva", 14, {50, 50, 50, 90, 60}, B::kApeMane, "m"},
              {"bradka", 16, {50, 60, 50, 50, 50}, B::kApeChin, "c"},
              {"sedivy", 10, {50, 50, 50, 50, 95}, B::kApeGrey, "g"},
              {"knir", 10, {55, 50, 55, 50, 50}, B::kMoustache, "k"},
              {"strnisko", 12, {50, 50, 50, 60, 45}, B::kStubble, "s"}};
    default:
      return {{"strnisko", 16, {60, 55, 60, 60, 45}, B::kStubble, "s"},
              {"knir", 14, {45, 60, 70, 50, 55}, B::kMoustache, "k"},
              {"bradka", 12, {60, 65, 40, 50, 45}, B::kGoatee, "g"},
              {"plnovous", 12, {30, 85, 55, 60, 60}, B::kFull, "f"},
              {"lemovka", 8, {55, 55, 45, 55, 45}, B::kChinstrap, "c"},
              {"kotlety", 8, {55, 35, 60, 55, 60}, B::kMutton, "m"},
              {"mroz", 8, {45, 40, 70, 60, 70}, B::kWalrus, "w"},
              {"dlouhy", 6, {10, 90, 50, 50, 75}, B::kLong, "l"}};
  }
}

std::vector<Row<ClothingStyle>> Clothing(Species sp) {
  using C = ClothingStyle;
  std::vector<Row<ClothingStyle>> rows = {{"USsol1", 30, {95, 5, 5, 60, 45}, C::kUsSoldier},
                                          {"RUsol1", 26, {5, 5, 95, 60, 45}, C::kRuSoldier},
                                          {"ARsol1", 26, {5, 95, 5, 55, 50}, C::kArRobe}};
  switch (sp) {
    case Species::kFemale:
      rows.push_back({"halenka", 18, {55, 30, 50, 40, 50}, C::kBlouse});
      rows.push_back({"saty", 14, {55, 30, 45, 35, 40}, C::kDress});
      rows.push_back({"tilko", 12, {60, 10, 30, 65, 25}, C::kTankTop});
      rows.push_back({"bunda", 12, {50, 25, 45, 60, 45}, C::kFlightJacket});
      break;
    case Species::kApe:
      rows.push_back({"tricko", 18, {60, 40, 50, 60, 40}, C::kTshirt});
      rows.push_back({"vesta", 14, {55, 45, 50, 70, 50}, C::kVest});
      rows.push_back({"bunda", 12, {60, 40, 55, 60, 50}, C::kFlightJacket});
      break;
    default:
      rows.push_back({"oblek", 14, {55, 35, 40, 40, 60}, C::kSuit});
      rows.push_back({"tricko", 16, {60, 25, 30, 70, 30}, C::kTshirt});
      rows.push_back({"bunda", 14, {60, 20, 35, 60, 45}, C::kFlightJacket});
      rows.push_back({"svetr", 12, {30, 15, 60, 55, 55}, C::kSweater});
      rows.push_back({"dustojnik", 10, {50, 30, 50, 55, 70}, C::kOfficer});
      break;
  }
  return rows;
}

std::vector<Row<GlassesStyle>> Glasses(Species sp) {
  using G = GlassesStyle;
  std::vector<Row<GlassesStyle>> rows = {{"zadne", 150, kNeutral, G::kNone},
                                         {"kulate", 8, {50, 50, 60, 40, 70}, G::kRound},
                                         {"pilotni", 8, {85, 45, 30, 60, 40}, G::kAviator},
                                         {"hranate", 8, {55, 50, 55, 45, 60}, G::kSquare}};
  if (sp == Species::kFemale) {
    rows.push_back({"kocici", 8, {65, 45, 45, 40, 45}, G::kCatEye});
  } else {
    rows.push_back({"monokl", 4, {40, 45, 65, 40, 85}, G::kMonocle});
    rows.push_back({"paska", 5, {50, 50, 50, 85, 60}, G::kEyePatch});
  }
  rows.push_back({"bryle", 5, {60, 55, 50, 60, 40}, G::kGoggles});
  return rows;
}

// Beards around the mouth are clipped by the lips; a walrus moustache hangs over
// them, and chin tufts and face marks stay clear of the mouth anyway (war paint
// does cross it).
bool ClippedByTheLips(BeardStyle style) {
  switch (style) {
    case BeardStyle::kWalrus:
    case BeardStyle::kApeChin:
    case BeardStyle::kBeautyMark:
    case BeardStyle::kFreckles:
    case BeardStyle::kBlush:
      return false;
    default:
      return true;
  }
}

}  // namespace

void AddHair(DataSet& ds, Species sp) {
  uint32_t seed = 300;
  int kind = 0;
  for (const auto& row : Hair(sp)) {
    ++kind;
    Component& c = AddComponent(ds, kHair, row.name, row.frequency, row.props);
    c.kind = kind, c.sig = row.sig;
    HairImages h = DrawHair(sp, row.style, ++seed);
    SetImage(c, 1, std::move(h.front));
    SetImage(c, 2, std::move(h.back));
    SetImage(c, 3, std::move(h.shadow));
  }
}

void AddDress(DataSet& ds, Species sp) {
  uint32_t seed = 500;
  // A clean face is the most common "beard"; it has no image at all.
  Component& none =
      AddComponent(ds, kBeards, "zadne", sp == Species::kFemale ? 100 : 70, {70, 20, 45, 45, 40});
  none.sig = "n";
  const float drops[] = {1, 2, 3, kJawDrop};
  for (const auto& row : Beards(sp)) {
    const bool clip = ClippedByTheLips(row.style);
    Component& c = AddComponent(ds, kBeards, row.name, row.frequency, row.props);
    c.sig = row.sig;
    const Image8 beard = DrawBeard(sp, row.style, 0, ++seed);
    SetImage(c, 1, beard, clip);
    Component owner = FrameOf(c, "");
    for (int step = 1; step <= 4; ++step) {
      Component f = FrameOf(owner, std::string(row.name) + "-" + std::to_string(step));
      SetImage(f, 1, FollowJaw(beard, drops[step - 1]), clip);
      AddStep(ds, kBeards, row.name, step, std::move(f));
    }
  }
  for (const auto& row : Clothing(sp)) {
    Component& c = AddComponent(ds, kClothing, row.name, row.frequency, row.props);
    ClothingImages img = DrawClothing(sp, row.style, ++seed);
    SetImage(c, 1, std::move(img.front));
    SetImage(c, 2, std::move(img.back));
  }
  for (const auto& row : Glasses(sp)) {
    Component& c = AddComponent(ds, kGlasses, row.name, row.frequency, row.props);
    GlassesImages img = DrawGlasses(sp, row.style, sp == Species::kApe ? 37.0f : 33.0f);
    SetImage(c, 1, std::move(img.frame));
    SetImage(c, 2, std::move(img.lens));
  }
}

namespace {

const std::vector<Row<SceneStyle>>& Scenes() {
  static const std::vector<Row<SceneStyle>> rows = {
      {"normalni", 30, kNeutral, SceneStyle::kStudio},
      {"les", 12, {50, 20, 75, 55, 50}, SceneStyle::kForest},
      {"poust", 12, {40, 90, 10, 55, 50}, SceneStyle::kDesert},
      {"mesto", 12, {85, 40, 40, 45, 45}, SceneStyle::kCity},
      {"zed", 10, {55, 50, 55, 55, 50}, SceneStyle::kBrick},
      {"nebe", 10, {60, 50, 50, 50, 50}, SceneStyle::kSky},
      {"snih", 10, {30, 5, 95, 60, 55}, SceneStyle::kSnow},
      {"stan", 10, {70, 50, 45, 60, 50}, SceneStyle::kTent}};
  return rows;
}

const std::vector<Row<ForegroundStyle>>& Items() {
  static const std::vector<Row<ForegroundStyle>> rows = {
      {"zadne", 220, kNeutral, ForegroundStyle::kNone},
      {"pytle", 8, {70, 45, 55, 60, 50}, ForegroundStyle::kSandbags},
      {"ram", 8, {50, 50, 50, 50, 60}, ForegroundStyle::kFrame},
      {"drat", 6, {50, 45, 60, 65, 50}, ForegroundStyle::kWire},
      {"vineta", 8, kNeutral, ForegroundStyle::kVignette},
      {"kour", 6, {50, 55, 55, 60, 50}, ForegroundStyle::kSmoke}};
  return rows;
}

}  // namespace

Scenery DrawScenery() {
  Scenery out;
  for (const auto& row : Scenes()) out.scenes.push_back(DrawScene(row.style));
  for (const auto& row : Items()) out.items.push_back(DrawForeground(row.style));
  return out;
}

void AddScenery(DataSet& ds, const Scenery& scenery) {
  for (size_t i = 0; i < Scenes().size(); ++i) {
    const auto& row = Scenes()[i];
    Component& c = AddComponent(ds, kBackgrounds, row.name, row.frequency, row.props);
    SetImage(c, 1, scenery.scenes[i].backdrop);
    SetImage(c, 2, scenery.scenes[i].overlay);
    c.points[0] = {160, 292, 4, 4, 2, 2, 0, 0};
    c.points[1] = {0, 0, 0, 0, 0, 0, 0, 0};
  }
  for (size_t i = 0; i < Items().size(); ++i) {
    const auto& row = Items()[i];
    Component& c = AddComponent(ds, kForeground, row.name, row.frequency, row.props);
    SetImage(c, 1, scenery.items[i]);
  }
}

}  // namespace kelvo::demo
