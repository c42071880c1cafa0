#include "support/test_libraries.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "support/test_support.h"

namespace kelvo::test {
namespace {

std::string WindowComponents(bool hair_without_head) {
  std::string text = "COMPONENTS\r\n";
  text +=
      "TYP POZADI\r\n  PATH poz\r\n  BITS 16\r\n  BODY 2 OBLICEJE VLASY\r\n"
      "  COMP normalni\r\n    CETNOST 100\r\n    PICFILE 1 bg.img\r\n    REF 1 0 0\r\n"
      "    BODY 2\r\n      160 150 0 0 0 0 0 0 0 0\r\n      160 80 0 0 0 0 0 0 0 0\r\n"
      "  END_OF_COMP\r\nEND_OF_TYP\r\n";
  text += "TYP OBLICEJE\r\n  PATH obl\r\n  BODY 1 OCI\r\n";
  for (const char* name : {"f1", "f2", "f3"}) {
    text += std::string("  COMP ") + name +
            "\r\n    CETNOST 100\r\n    PICFILE 1 face.img\r\n    REF 1 -40 -60\r\n"
            "    BODY 1\r\n      0 -20 0 0 0 0 10 0 0 0\r\n  END_OF_COMP\r\n";
  }
  text += "END_OF_TYP\r\n";
  text += "TYP OCI\r\n  PATH oci\r\n  SROZESUNEM\r\n";
  for (const char* name : {"e1", "e2"}) {
    text += std::string("  COMP ") + name +
            "\r\n    CETNOST 100\r\n    PICFILE 1 l.img\r\n    PICFILE 2 r.img\r\n"
            "    REF 1 -20 0\r\n    REF 2 10 0\r\n  END_OF_COMP\r\n";
  }
  text += "END_OF_TYP\r\n";
  text += "TYP VLASY\r\n  PATH vla\r\n";
  for (const char* name : {"h1", "h2"}) {
    const bool headless = hair_without_head && std::string(name) == "h2";
    text += std::string("  COMP ") + name + "\r\n    CETNOST 100\r\n" +
            (headless ? "" : "    DRUH 2\r\n    SIG x\r\n") +
            "    PICFILE 1 h.img\r\n    REF 1 -30 -10\r\n  END_OF_COMP\r\n";
  }
  text += "END_OF_TYP\r\n";
  return text + "END_OF_COMPONENTS\r\n";
}

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

std::string EditorComponents() {
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

}  // namespace

void WriteWindowLibrary(const std::filesystem::path& dir, bool hair_without_head) {
  WriteText(dir / "dro",
            "DRAWORDER\r\n  NORM POZADI 1\r\n  NORM OBLICEJE 1\r\n  NORM OCI 1\r\n"
            "  NORM OCI 2\r\n  NORM VLASY 1\r\nEND_OF_DRAWORDER\r\n");
  WriteText(dir / "dep",
            "DEPENDENCIES\r\n  POZADI OBLICEJE\r\n  POZADI VLASY\r\n  OBLICEJE OCI\r\n"
            "END_OF_DEPENDENCIES\r\n");
  WriteText(dir / "cmp", WindowComponents(hair_without_head));
  WriteText(dir / "col", "COLORS\r\nEND_OF_COLORS\r\n");
  WriteImage(dir / "poz" / "bg.img", 16, 40, 40, 0x001F);
  WriteImage(dir / "obl" / "face.img", 8, 80, 100, 20);
  WriteImage(dir / "oci" / "l.img", 8, 10, 6, 40);
  WriteImage(dir / "oci" / "r.img", 8, 10, 6, 40);
  WriteImage(dir / "vla" / "h.img", 8, 60, 30, 60);
}

void WriteBrokenLibrary(const std::filesystem::path& dir) {
  WriteWindowLibrary(dir);
  WriteText(dir / "cmp", "COMPONENTS\r\nTYP NOSUCHCATEGORY\r\nEND_OF_TYP\r\nEND_OF_COMPONENTS\r\n");
}

void WriteEditorLibrary(const std::filesystem::path& lib) {
  WriteText(lib / "dro", kDrawOrder);
  WriteText(lib / "dep", kDependencies);
  WriteText(lib / "cmp", EditorComponents());
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

}  // namespace kelvo::test
