#include "cli/commands.h"

#include <charconv>
#include <filesystem>

#include "cli/command_support.h"
#include "cli/image_output.h"
#include "foundation/diagnostics.h"
#include "foundation/errors.h"
#include "foundation/paths.h"
#include "foundation/whole_number.h"
#include "library/categories.h"
#include "library/component.h"
#include "library/component_import.h"
#include "library/container.h"
#include "library/process_context.h"
#include "library/type_library.h"

namespace kelvo::cli {
namespace {

class FlagAnswers : public ImportQuestions {
 public:
  explicit FlagAnswers(const ImportOptions& options) : options_(options) {}
  bool IsAnimation() override { return options_.animation; }
  bool UseShiftOf(const std::string&) override { return options_.useShift; }
  bool PlaceClipMask() override { return options_.placeClipMask; }

 private:
  const ImportOptions& options_;
};

// The editor's "\r\n" line ends as the terminal's.
std::string TerminalLines(std::string text) {
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
    text.erase(at, 1);
  }
  return text;
}

// The category named by its directory name (NOSY), display name (Noses) or number (6), letter
// case aside; throws KelvoError for none.
int CategoryByAnyName(const std::string& text) {
  if (const std::optional<int> number = WholeNumber<int>(text);
      number && *number >= 1 && *number <= kCategoryCount) {
    return *number;
  }
  for (int i = 1; i <= kCategoryCount; ++i) {
    if (EqualsIgnoringCase(text, CategoryDir(i)) || EqualsIgnoringCase(text, CategoryName(i))) {
      return i;
    }
  }
  throw KelvoError("Unknown category '" + text +
                   "': give its directory name (NOSY), its name (Noses) or its number (1 to 14).");
}

}  // namespace

template <>
int Command<ImportOptions>::Run() {
  const int category = CategoryByAnyName(options_.category);
  const auto library = LoadLibraryWithImages(context_, options_.lib.library);
  TKelvoKompKontejner& container = library->Container(category);
  const TKelvoKomp* like = nullptr;
  if (!options_.like.empty()) {
    const int32_t n = container.FindByName(options_.like);
    if (n == -1) {
      throw KelvoError("No component " + options_.like + " in " + CategoryName(category));
    }
    like = &container.Komp(n);
  } else if (container.ComponentCount() > 0) {
    like = &container.Komp(1);
  }

  const ImportPlan plan = PlanImport(context_.Archive(), container, CommandLinePath(options_.file));
  if (plan.Summary().empty()) {
    DataWarning(context_.Sink(), TerminalLines(plan.NothingFound()));
    return 2;
  }
  std::string shown = TerminalLines(plan.Confirmation(CategoryName(category)));
  if (shown.back() != '\n') shown += '\n';
  out_ << shown;
  FlagAnswers answers(options_);
  const ImportResult result = ImportComponent(context_.Archive(), container, plan, like, answers);
  // Made only once the import worked, so a failed one leaves no half-written folder.
  const std::string folder = WriteLibraryTo(*library, options_.out, /*images=*/true);
  out_ << (result.Added ? "Added the component " : "Replaced the images of the component ")
       << result.Component->Name << " and wrote the library to " << folder << "\n";
  return 0;
}

}  // namespace kelvo::cli
