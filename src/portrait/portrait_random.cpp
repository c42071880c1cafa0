// Random choice of components and colour entries, weighted by frequency and by properties.
#include <cmath>
#include <limits>

#include "foundation/random_generators.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

namespace {

constexpr uint32_t kPropertyScale = 1000000;

// Negative frequencies count as 0, so every walk ends on a positive one.
int64_t Freq(int32_t frequency) {
  return frequency > 0 ? frequency : 0;
}

uint32_t Bound(int64_t sum) {
  return sum > std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max()
                                                    : static_cast<uint32_t>(sum);
}

double Factor(double x, double y) {
  if (x == 0) return 1;
  if (x > 0) return std::pow(y, x);
  return std::pow(1 - y, -x);
}

// frequency x the five property factors, multiplied in property order, then the frequency;
// values that give no defined weight (properties outside 0..100) count as 0.
template <class PropertyOf>
double Weight(const OneBased<int32_t, kPropertyCount>& weights, int32_t frequency,
              PropertyOf property) {
  double w = 1;
  for (int j = 1; j <= kPropertyCount; ++j) w *= Factor(weights[j] / 100.0, property(j) / 100.0);
  w *= frequency;
  return std::isfinite(w) && w > 0 ? w : 0;
}

int64_t Share(double weight, double k) {
  return static_cast<int64_t>(std::nearbyint(weight * k));
}

}  // namespace

int32_t TKelvoPortret::RandomComponentIndex(int32_t c, RandomGenerators& random) const {
  const TKelvoKompKontejner& container = library_->Container(c);
  const int32_t n = container.ComponentCount();
  int64_t sum = 0;
  uint32_t eligible = 0;
  for (int32_t i = 1; i <= n; ++i) {
    const TKelvoKomp& komp = container.Komp(i);
    if (komp.IsFrame) continue;
    sum += Freq(komp.Frequency);
    ++eligible;
  }
  if (sum == 0) return static_cast<int32_t>(random.PortraitBelow(eligible)) + 1;
  int64_t r = int64_t{random.PortraitBelow(Bound(sum))} + 1;
  int32_t last = 1;
  for (int32_t i = 1; i <= n; ++i) {
    const TKelvoKomp& komp = container.Komp(i);
    if (komp.IsFrame || Freq(komp.Frequency) == 0) continue;
    last = i;
    r -= Freq(komp.Frequency);
    if (r <= 0) return i;
  }
  return last;
}

int32_t TKelvoPortret::RandomComponentIndexByProperties(int32_t c, RandomGenerators& random) const {
  const TKelvoKompKontejner& container = library_->Container(c);
  const int32_t n = container.ComponentCount();
  double sum = 0;
  for (int32_t i = 1; i <= n; ++i) {
    const TKelvoKomp& komp = container.Komp(i);
    if (komp.IsFrame) continue;
    sum += Weight(PropertyWeights, komp.Frequency, [&](int j) { return komp.Properties[j]; });
  }
  if (sum == 0) return RandomComponentIndex(c, random);
  const double k = kPropertyScale / sum;
  int64_t r = int64_t{random.PortraitBelow(kPropertyScale)} + 1;
  // The rounded shares can fall short of the draw; the walk then ends on the last component
  // with a weight.
  int32_t last = 0;
  for (int32_t i = 1; i <= n; ++i) {
    const TKelvoKomp& komp = container.Komp(i);
    if (komp.IsFrame) continue;
    const double w =
        Weight(PropertyWeights, komp.Frequency, [&](int j) { return komp.Properties[j]; });
    if (w > 0) last = i;
    r -= Share(w, k);
    if (r <= 0) return i;
  }
  return last;
}

void TKelvoPortret::RandomComponent(int32_t c, RandomGenerators& random) {
  if (c < 1 || c > kCategoryCount) return;
  const int32_t i = RandomComponentIndex(c, random);
  TKelvoKompKontejner& container = library_->Container(c);
  if (i >= 1 && i <= container.ComponentCount()) Selected[c] = &container.Komp(i);
}

void TKelvoPortret::RandomComponents(RandomGenerators& random) {
  for (int32_t c = 1; c <= kCategoryCount; ++c) RandomComponent(c, random);
}

void TKelvoPortret::RandomColourEntry(int32_t t, RandomGenerators& random) {
  TDruhBarvy& type = library_->ColourType(t);
  int64_t sum = 0;
  for (const ColourEntry& e : type.Entries) sum += Freq(e.Frequency());
  if (sum == 0) return;
  int64_t r = int64_t{random.PortraitBelow(Bound(sum))} + 1;
  int32_t last = 1;
  for (int32_t i = 1; i <= type.EntryCount(); ++i) {
    const int64_t f = Freq(type.Entry(i).Frequency());
    if (f == 0) continue;
    last = i;
    r -= f;
    if (r <= 0) break;
  }
  type.Selected = last;
}

void TKelvoPortret::RandomColourEntryByProperties(int32_t t, RandomGenerators& random) {
  TDruhBarvy& type = library_->ColourType(t);
  auto weight = [this](const ColourEntry& e) {
    return Weight(PropertyWeights, e.Frequency(), [&](int j) { return e.Property(j); });
  };
  double sum = 0;
  for (const ColourEntry& e : type.Entries) sum += weight(e);
  if (sum == 0) {
    type.Selected = static_cast<int32_t>(random.PortraitBelow(Bound(type.EntryCount()))) + 1;
    return;
  }
  const double k = kPropertyScale / sum;
  int64_t r = int64_t{random.PortraitBelow(kPropertyScale)} + 1;
  int32_t last = 1;
  for (int32_t i = 1; i <= type.EntryCount(); ++i) {
    const double w = weight(type.Entry(i));
    if (w > 0) last = i;
    r -= Share(w, k);
    if (r <= 0) {
      last = i;
      break;
    }
  }
  type.Selected = last;
}

void TKelvoPortret::RandomColours(RandomGenerators& random) {
  for (int32_t t = 1; t <= kColourTypeCount; ++t) {
    if (!ColourTypeLocked[t]) RandomColourEntry(t, random);
  }
  ApplyColours();
}

void TKelvoPortret::RandomColoursByProperties(RandomGenerators& random) {
  for (int32_t t = 1; t <= kColourTypeCount; ++t) {
    if (!ColourTypeLocked[t]) RandomColourEntryByProperties(t, random);
  }
  ApplyColours();
}

void TKelvoPortret::ApplyNationPreset(Nation nation) {
  ResetPropertyWeights();
  const int chosen = nation == Nation::kAmerican ? 1 : nation == Nation::kArabian ? 2 : 3;
  for (int j = 1; j <= 3; ++j) PropertyWeights[j] = j == chosen ? 100 : 0;
}

}  // namespace kelvo
