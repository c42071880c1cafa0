// The editor model on the bundled data sets: every category, every listed component, every
// snapping point and the placement commands must work on real data without an error.
#include <filesystem>

#include "editor/editor_test_support.h"
#include "support/param_names.h"
#include "support/test_support.h"

namespace kelvo::test {
namespace {

class BundledData : public ::testing::TestWithParam<const char*> {};

TEST_P(BundledData, EveryCategoryComponentAndPointCanBeEdited) {
  const std::filesystem::path base =
      std::filesystem::path(KELVO_PROGRAM_DIR) / "kelvoed" / "data_big";
  if (!std::filesystem::exists(base / GetParam() / "dro")) GTEST_SKIP() << "no bundled data";
  // A folder of its own for the logs, so parallel runs do not share one.
  const TestFolder logs;
  CollectingSink sink;
  ProcessOptions options;
  options.program_dir = logs.Dir();
  options.data_base = base.string();
  options.computer_name = "TEST";
  ProcessContext context(sink, options);
  FakePrompter prompter;
  EditorModel model(context, prompter);
  EditorSettings settings;
  settings.KeyExists = true;
  settings.LoadDirectory = GetParam();
  ASSERT_TRUE(model.StartUp(settings));
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_TRUE(sink.shown.empty());

  for (int c = 1; c <= kCategoryCount; ++c) {
    model.CategoryButtonClick(c);
    for (int filter = 0;
         filter < static_cast<int>(model.ComponentList().State().FilterItems.size()); ++filter) {
      model.RGKompClick(filter);
      for (int line = 0;
           line < static_cast<int>(model.ComponentList().State().ComponentLines.size()); ++line) {
        model.LbxKompClick(line);
      }
    }
    model.RGKompClick(kWithoutAnimations);
    model.LbxKompClick(0);
    for (int p = 0; p < static_cast<int>(model.SnapPoints().State().SnapPointLines.size()); ++p) {
      model.LbxUmistClick(p);
      model.ChkUmBodClick(true);
      model.SnapPointAbsolute();
    }
    model.ImageMouseDown(1, MouseButton::Left, 100, 100);
    model.ImageMouseMove(1, 103, 98);
    model.ImageMouseUp(1, MouseButton::Left, 103, 98);
    model.BtnUsePosClick();
  }
  EXPECT_TRUE(prompter.messages.empty());
  while (!model.Undo().Empty()) model.Undo().UndoStep();
}

INSTANTIATE_TEST_SUITE_P(DataSets, BundledData, ::testing::Values("male", "female", "ape"),
                         ParamName{});

}  // namespace
}  // namespace kelvo::test
