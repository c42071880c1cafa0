#include "cli/commands.h"

#include <array>
#include <cmath>
#include <iomanip>
#include <map>
#include <sstream>
#include <vector>

#include "cli/command_support.h"
#include "cli/random_portraits.h"
#include "foundation/paths.h"
#include "library/categories.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

// After the portrait's header, whose "slots" Qt's macros would meet.
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include "cli/json_output.h"

namespace kelvo::cli {
namespace {

// The random choice's factor for one property: weight and value in percent.
double PropertyFactor(int weight, int value) {
  const double x = weight / 100.0;
  const double y = value / 100.0;
  if (x == 0) return 1.0;
  return x > 0 ? std::pow(y, x) : std::pow(1.0 - y, -x);
}

double ComponentWeight(const TKelvoKomp& komp, const std::array<int, 6>* weights) {
  double w = 1.0;
  if (weights) {
    for (int j = 1; j <= kPropertyCount; ++j)
      w *= PropertyFactor((*weights)[j], komp.Properties[j]);
  }
  return w * std::max(komp.Frequency, 0);
}

std::vector<double> Normalised(std::vector<double> weights) {
  double sum = 0;
  for (double w : weights) sum += w;
  if (sum > 0) {
    for (double& w : weights) w /= sum;
  }
  return weights;
}

// Why a component gets no share.
std::string NeverReason(const TKelvoKomp& komp, const std::array<int, 6>* weights) {
  if (komp.IsFrame) return "animation step";
  if (komp.Frequency <= 0) return "frequency 0";
  for (int j = 1; weights && j <= kPropertyCount; ++j) {
    if (PropertyFactor((*weights)[j], komp.Properties[j]) == 0) {
      return PropertyName(j) + " value " + std::to_string(komp.Properties[j]);
    }
  }
  return "weight 0";
}

std::string Percent(double share) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(2) << std::setw(7) << 100 * share << "%";
  return text.str();
}

// The share each component of a container is meant to get, 0 for those never chosen.
// weights: the portrait's property weights 1..5 ([0] unused), or null for frequencies alone.
std::vector<double> IntendedShares(const TKelvoKompKontejner& container,
                                   const std::array<int, 6>* weights) {
  std::vector<double> shares;
  for (const auto& komp : container.Components) {
    shares.push_back(komp->IsFrame ? 0.0 : ComponentWeight(*komp, weights));
  }
  shares = Normalised(std::move(shares));
  bool any = false;
  for (double s : shares) any = any || s > 0;
  // Without any weight the choice falls back to the frequencies, and without those to an even
  // choice.
  if (!any && weights) return IntendedShares(container, nullptr);
  if (!any) {
    for (std::size_t i = 0; i < shares.size(); ++i) {
      shares[i] = container.Components[i]->IsFrame ? 0.0 : 1.0;
    }
    shares = Normalised(std::move(shares));
  }
  return shares;
}

}  // namespace

template <>
int Command<StatsOptions>::Run() {
  auto library = LoadLibraryWithImages(context_, options_.lib.library);
  std::array<int, 6> weights{0, 50, 50, 50, 50, 50};
  if (options_.nation) {
    TKelvoPortret probe(*library);
    probe.ApplyNationPreset(*options_.nation);
    for (int j = 1; j <= kPropertyCount; ++j) weights[j] = probe.PropertyWeights[j];
  }
  const std::array<int, 6>* weighting = options_.nation ? &weights : nullptr;

  std::array<std::map<const TKelvoKomp*, long>, 15> chosen;
  context_.Random().SetPortraitSeed(options_.seed);
  for (int n = 0; n < options_.count; ++n) {
    auto portrait = NextRandomPortrait(*library, context_.Random(), options_.nation);
    for (int c = 1; c <= kCategoryCount; ++c) ++chosen[c][portrait->Selected[c]];
  }

  if (options_.json) {
    QJsonArray categories;
    for (int c = 1; c <= kCategoryCount; ++c) {
      const TKelvoKompKontejner& container = library->Container(c);
      QJsonArray components;
      for (int i = 1; i <= container.ComponentCount(); ++i) {
        const TKelvoKomp& komp = container.Komp(i);
        const long times = chosen[c].count(&komp) ? chosen[c].at(&komp) : 0;
        components.append(QJsonObject{{"name", JsonText(komp.Name)},
                                      {"chosen", static_cast<qint64>(times)},
                                      {"share", static_cast<double>(times) / options_.count}});
      }
      categories.append(QJsonObject{{"index", c},
                                    {"directory", JsonText(CategoryDir(c))},
                                    {"name", JsonText(CategoryName(c))},
                                    {"components", components}});
    }
    PrintJson(QJsonObject{{"library", JsonText(ShownFolder(library->Path))},
                          {"count", options_.count},
                          {"nation", options_.nation ? QJsonValue(NationName(*options_.nation))
                                                     : QJsonValue()},
                          {"seed", static_cast<qint64>(options_.seed)},
                          {"categories", categories}},
              out_);
    return 0;
  }
  out_ << "Drew " << options_.count << " portraits of " << ShownFolder(library->Path);
  if (weighting) out_ << " with the " << NationName(*options_.nation) << " weights";
  out_ << "\n";
  int never = 0;
  for (int c = 1; c <= kCategoryCount; ++c) {
    const TKelvoKompKontejner& container = library->Container(c);
    const std::vector<double> intended = IntendedShares(container, weighting);
    out_ << "\n" << CategoryName(c) << " (" << CategoryDir(c) << ")\n";
    out_ << "  component                  chosen    share  intended\n";
    for (int i = 1; i <= container.ComponentCount(); ++i) {
      const TKelvoKomp& komp = container.Komp(i);
      const long times = chosen[c].count(&komp) ? chosen[c].at(&komp) : 0;
      std::string name = komp.Name;
      if (name.size() < 24) name.resize(24, ' ');
      out_ << "  " << name << " " << std::setw(8) << times << " "
           << Percent(static_cast<double>(times) / options_.count) << " "
           << Percent(intended[static_cast<std::size_t>(i - 1)]);
      if (intended[static_cast<std::size_t>(i - 1)] == 0) {
        out_ << "  never chosen: " << NeverReason(komp, weighting);
        ++never;
      }
      out_ << "\n";
    }
  }
  out_ << "\n" << never << (never == 1 ? " component" : " components") << " can never be chosen.\n";
  return 0;
}

}  // namespace kelvo::cli
