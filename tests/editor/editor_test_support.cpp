#include "editor/editor_test_support.h"

#include <algorithm>

namespace kelvo::test {

EditorFixture::EditorFixture() : dir(folder.Path()) {
  WriteEditorLibrary(dir / "data" / "lib");
  ProcessOptions options;
  options.program_dir = dir.string();
  options.data_base = (dir / "data").string();
  options.computer_name = "TEST";
  context = std::make_unique<ProcessContext>(sink, options);
  model = std::make_unique<EditorModel>(*context, prompter);
}

EditorFixture::~EditorFixture() {
  model.reset();
  context.reset();
}

void EditorFixture::Start() {
  EditorSettings settings;
  settings.KeyExists = true;
  settings.LoadDirectory = "lib";
  ASSERT_TRUE(model->StartUp(settings));
  ASSERT_TRUE(prompter.messages.empty()) << prompter.messages.front().Text;
}

TKelvoKomp& EditorFixture::Komp(int category, const std::string& name) {
  TKelvoKompKontejner& container = Lib().Container(category);
  return container.Komp(container.FindByName(name));
}

int EditorFixture::Line(const std::string& text) const {
  const auto& lines = model->ComponentList().State().ComponentLines;
  const auto found = std::find(lines.begin(), lines.end(), text);
  return found == lines.end() ? -1 : static_cast<int>(found - lines.begin());
}

void EditorFixture::Select(int category, const std::string& name) {
  model->CategoryButtonClick(category);
  model->RGKompClick(kWithoutAnimations);
  model->LbxKompClick(Line(name));
  ASSERT_EQ(model->SelectedComponent(), &Komp(category, name));
}

}  // namespace kelvo::test
