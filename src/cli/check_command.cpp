#include "cli/commands.h"

#include <QJsonArray>
#include <QJsonObject>
#include <iomanip>

#include "cli/command_support.h"
#include "cli/json_output.h"
#include "foundation/paths.h"
#include "library/categories.h"
#include "library/type_library.h"

namespace kelvo::cli {
namespace {

std::string Padded(const std::string& text, std::size_t width) {
  std::string out = text;
  if (out.size() < width) out.resize(width, ' ');
  return out;
}

// "1 entry", "2 entries", "3 components".
std::string Counted(int n, const std::string& one, const std::string& many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

int FrameLinks(const TKelvoKomp& component) {
  int links = 0;
  for (int n = 1; n <= kMaxAnimationFrames; ++n) links += component.Frames[n] != nullptr;
  return links;
}

// Components per category, colour types with their entry counts, draw-order entries and
// animation links.
void PrintSummary(const TKelvoTyp& library, std::ostream& out) {
  out << "Library " << ShownFolder(library.Path) << "\n";
  out << "Components per category:\n";
  int totalLinks = 0;
  for (int c = 1; c <= kCategoryCount; ++c) {
    const TKelvoKompKontejner& container = library.Container(c);
    int frames = 0;
    int links = 0;
    for (const auto& component : container.Components) {
      frames += component->IsFrame;
      links += FrameLinks(*component);
    }
    totalLinks += links;
    out << std::setw(4) << c << " " << Padded(CategoryName(c), 12) << Padded(CategoryDir(c), 9)
        << std::setw(4) << container.ComponentCount()
        << (container.ComponentCount() == 1 ? " component" : " components");
    if (frames > 0) out << ", " << Counted(frames, "animation step", "animation steps");
    if (links > 0) out << ", " << Counted(links, "animation link", "animation links");
    out << "\n";
  }
  out << "Colour types:\n";
  for (int t = 1; t <= 11; ++t) {
    const TDruhBarvy& type = library.ColourType(t);
    out << std::setw(4) << t << " " << Padded(type.Name.empty() ? "-" : type.Name, 21)
        << std::setw(4) << type.EntryCount()
        << (type.EntryCount() == 1 ? " entry\n" : " entries\n");
  }
  out << "Draw order: " << Counted(library.DrawOrderCount(), "entry", "entries") << "\n";
  out << "Animation links: " << totalLinks << "\n";
}

// The same counts as one JSON object.
QJsonObject SummaryObject(const TKelvoTyp& library) {
  QJsonArray categories;
  int totalLinks = 0;
  for (int c = 1; c <= kCategoryCount; ++c) {
    const TKelvoKompKontejner& container = library.Container(c);
    int frames = 0;
    for (const auto& component : container.Components) {
      frames += component->IsFrame;
      totalLinks += FrameLinks(*component);
    }
    categories.append(QJsonObject{{"index", c},
                                  {"directory", JsonText(CategoryDir(c))},
                                  {"name", JsonText(CategoryName(c))},
                                  {"components", container.ComponentCount()},
                                  {"frames", frames}});
  }
  QJsonArray colourTypes;
  for (int t = 1; t <= 11; ++t) {
    const TDruhBarvy& type = library.ColourType(t);
    colourTypes.append(
        QJsonObject{{"index", t}, {"name", JsonText(type.Name)}, {"entries", type.EntryCount()}});
  }
  return QJsonObject{{"library", JsonText(ShownFolder(library.Path))},
                     {"categories", categories},
                     {"colour_types", colourTypes},
                     {"draw_order", library.DrawOrderCount()},
                     {"animation_links", totalLinks}};
}

}  // namespace

template <>
int Command<CheckOptions>::Run() {
  const auto library = LoadLibraryWithImages(context_, options_.lib.library);
  if (options_.json) {
    PrintJson(SummaryObject(*library), out_);
  } else {
    PrintSummary(*library, out_);
  }
  return 0;
}

}  // namespace kelvo::cli
