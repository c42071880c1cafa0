#include "editor/main_window/import_model.h"

#include <exception>

#include "foundation/errors.h"
#include "library/categories.h"
#include "library/component.h"
#include "library/component_import.h"
#include "library/container.h"
#include "library/process_context.h"
#include "portrait/portrait.h"

namespace kelvo {
namespace {

// Every question preselects No: Enter twice must not turn new artwork into an animation step.
class PrompterQuestions : public ImportQuestions {
 public:
  explicit PrompterQuestions(Prompter& prompter) : prompter_(prompter) {}
  bool IsAnimation() override { return Ask("Is the component an animation ?"); }
  bool UseShiftOf(const std::string& componentName) override {
    return Ask("Should I use shift and span of component " + componentName + " ?");
  }
  bool PlaceClipMask() override {
    return Ask(
        "Subcomponents count mismatches, but the different subcompontent is a "
        "clipping mask.\n\rShould I try to place it ?");
  }

 private:
  bool Ask(const std::string& text) { return AskYesNo(prompter_, text, /*defaultNo=*/true); }

  Prompter& prompter_;
};

}  // namespace

FileDialogRequest ImportModel::DialogRequest() const {
  const int category = session_.State().CurrentCategory;
  const TKelvoKompKontejner& container = session_.Container(category);
  FileDialogRequest request;
  request.Title = "Import - " + CategoryName(category);
  request.Filter = kImportFilter;
  request.InitialDir = session_.State().Folders.Start(
      FileKind::Bitmaps, container.Source.empty() ? session_.State().SrcPath : container.Source);
  return request;
}

void ImportModel::BtnImportClick() {
  if (!session_.HasPortrait()) return;
  const std::optional<std::string> path = session_.prompter().OpenFile(DialogRequest());
  if (!path || path->empty()) return;
  session_.State().Folders.Chosen(FileKind::Bitmaps, *path);
  ImportFile(*path);
}

void ImportModel::ImportFile(const std::string& path) {
  EditorSession::Command cmd(session_);
  EditorSession::Step step(session_, "Import", session_.State().CurrentCategory);
  Prompter& prompter = session_.prompter();
  const int category = session_.State().CurrentCategory;
  TKelvoKompKontejner& container = session_.Container(category);
  TPak& archive = session_.Context().Archive();
  state_ = ImportState{};
  state_.LastFile = path;

  const ImportPlan plan = PlanImport(archive, container, path);
  session_.State().SrcPath = plan.Folder;
  if (plan.Summary().empty()) {
    ShowWarning(prompter, plan.NothingFound());
    return;
  }
  if (prompter.Message(MessageKind::Confirmation, "Question",
                       plan.Confirmation(CategoryName(category)),
                       MessageButtons::OkCancel) != MessageAnswer::Ok) {
    return;
  }
  PrompterQuestions questions(prompter);
  ImportResult result;
  try {
    result = ImportComponent(archive, container, plan, session_.Selected(category), questions);
  } catch (const FatalDataError& error) {
    // Bad artwork ends this import only; the editor keeps its unsaved work.
    ReportError(prompter, error);
    return;
  } catch (const KelvoError& error) {
    ReportError(prompter, error);
    return;
  }
  state_.Component = result.Component->Name;
  state_.Added = result.Added;
  session_.Portrait().Selected.at(category) = result.Component;
  session_.MarkLibraryChanged();
  session_.Notify(SessionEvent::LibraryEdited);
  const TKelvoKomp& imported = *result.Component;
  session_.Report(
      std::string(result.Added ? "Imported " : "Imported new pictures of ") + imported.Name +
      " into " + CategoryName(category) +
      (imported.Frequency == 0 ? " (frequency 0: random portraits will not choose it)" : ""));
}

}  // namespace kelvo
