#include "editor/editor_test_support.h"

#include <unistd.h>
#include <algorithm>
#include <atomic>

#include "support/test_support.h"

namespace kelvo::test {

namespace {

const char* const kDrawOrder =
    "DRAWORDER\r\n"
    "  NORM POZADI 1\r\n  NORM OBLICEJE 1\r\n  NORM OBLICEJE 2\r\n  NORM OCI 1\r\n"
    "  NORM OCI 2\r\n  NORM OBOCI 1\r\n  NORM VLASY 1\r\n"
    "END_OF_DRAWORDER\r\n";

const char* const kDependencies =
    "DEPENDENCIES\r\n"
    "  POZADI OBLICEJE\r\n  POZADI VLASY\r\n  OBLICEJE OCI\r\n  OCI OBOCI\r\n"
    "END_OF_DEPENDENCIES\r\n";

std::string Face(const std::string& name, bool frame, int refX, int pointX) {
  return "  COMP " + name + "\r\n    CETNOST " + (frame ? "0" : "100") + "\r\n" +
         (frame ? "    ANIMACE\r\n" : "") + "    PICFILE 1 " + name + ".img\r\n    PICFILE 2 " +
         name + "b.img\r\n    REF 1 " + std::to_string(refX) +
         " -30\r\n    REF 2 4 5\r\n    BODY 1\r\n      " + std::to_string(pointX) +
         " 40 1 2 3 4 10 0 10 0\r\n  END_OF_COMP\r\n";
}

std::string Components() {
  std::string text = "COMPONENTS\r\n";
  text +=
      "TYP POZADI\r\n  PATH poz\r\n  BITS 16\r\n  BODY 2 OBLICEJE VLASY\r\n"
      "  COMP normalni\r\n    CETNOST 100\r\n    PICFILE 1 bg.img\r\n    REF 1 0 0\r\n"
      "    BODY 2\r\n      100 50 0 0 0 0 0 0 0 0\r\n      90 20 0 0 0 0 0 0 0 0\r\n"
      "  END_OF_COMP\r\nEND_OF_TYP\r\n";
  text += "TYP OBLICEJE\r\n  PATH obl\r\n  BODY 1 OCI\r\n" + Face("f1", false, -20, 20) +
          Face("a", true, -20, 20) + Face("b", true, -20, 20) + Face("f2", false, -10, 22) +
          Face("f3", false, 0, 24) + "END_OF_TYP\r\n";
  text += "TYP OCI\r\n  PATH oci\r\n  SROZESUNEM\r\n  BODY 1 OBOCI\r\n";
  for (const char* name : {"e1", "e2"}) {
    text += std::string("  COMP ") + name +
            "\r\n    CETNOST 100\r\n    PICFILE 1 l.img\r\n    PICFILE 2 r.img\r\n"
            "    REF 1 -10 0\r\n    REF 2 5 0\r\n    BODY 1\r\n      3 -8 0 0 0 0 0 0 0 0\r\n"
            "  END_OF_COMP\r\n";
  }
  text += "END_OF_TYP\r\n";
  text +=
      "TYP OBOCI\r\n  PATH obo\r\n  COMP br1\r\n    CETNOST 100\r\n    PICFILE 1 br.img\r\n"
      "    REF 1 -5 -2\r\n  END_OF_COMP\r\nEND_OF_TYP\r\n";
  text += "TYP VLASY\r\n  PATH vla\r\n";
  for (const char* name : {"h1", "h2", "h3"}) {
    text += std::string("  COMP ") + name +
            "\r\n    CETNOST 100\r\n    DRUH 2\r\n    SIG x\r\n    PICFILE 1 h.img\r\n"
            "  END_OF_COMP\r\n";
  }
  text += "  COMP hf\r\n    ANIMACE\r\n    PICFILE 1 h.img\r\n  END_OF_COMP\r\nEND_OF_TYP\r\n";
  return text + "END_OF_COMPONENTS\r\n";
}

const char* const kAnimations =
    "ANIMACE\r\n  TYP OBLICEJE\r\n    COMP f1\r\n      ANIM 1 a\r\n      ANIM 3 b\r\n"
    "    END_OF_COMP\r\n  END_OF_TYP\r\nEND_OF_ANIMACE\r\n";

std::filesystem::path MakeTempDir() {
  static std::atomic<int> counter{0};
  const auto dir =
      std::filesystem::temp_directory_path() /
      ("kelvo_editor_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

}  // namespace

void WriteTestLibrary(const std::filesystem::path& base) {
  const auto lib = base / "lib";
  WriteText(lib / "dro", kDrawOrder);
  WriteText(lib / "dep", kDependencies);
  WriteText(lib / "cmp", Components());
  WriteText(lib / "col", "COLORS\r\nEND_OF_COLORS\r\n");
  WriteText(lib / "ani", kAnimations);
  WriteImage(lib / "poz" / "bg.img", 16, 8, 8, 0x001F);
  for (const char* name : {"f1", "a", "b", "f2", "f3"}) {
    WriteImage(lib / "obl" / (std::string(name) + ".img"), 8, 4, 4, 20);
    WriteImage(lib / "obl" / (std::string(name) + "b.img"), 8, 2, 2, 30);
  }
  WriteImage(lib / "oci" / "l.img", 8, 2, 2, 40);
  WriteImage(lib / "oci" / "r.img", 8, 2, 2, 40);
  WriteImage(lib / "obo" / "br.img", 8, 2, 1, 50);
  WriteImage(lib / "vla" / "h.img", 8, 3, 3, 60);
}

EditorFixture::EditorFixture() : dir(MakeTempDir()) {
  WriteTestLibrary(dir / "data");
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
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
}

void EditorFixture::Start() {
  EditorSettings settings;
  settings.KeyExists = true;
  settings.LoadDirectory = "lib";
  ASSERT_TRUE(model->StartUp(settings));
  ASSERT_TRUE(prompter.shown.empty()) << prompter.shown.front().Text;
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
