#include "test_library.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "support/test_support.h"

namespace kelvo::test {
namespace {

std::string Components(bool hair_without_head) {
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

}  // namespace

void WriteTestLibrary(const std::filesystem::path& dir, bool hair_without_head) {
  WriteText(dir / "dro",
            "DRAWORDER\r\n  NORM POZADI 1\r\n  NORM OBLICEJE 1\r\n  NORM OCI 1\r\n"
            "  NORM OCI 2\r\n  NORM VLASY 1\r\nEND_OF_DRAWORDER\r\n");
  WriteText(dir / "dep",
            "DEPENDENCIES\r\n  POZADI OBLICEJE\r\n  POZADI VLASY\r\n  OBLICEJE OCI\r\n"
            "END_OF_DEPENDENCIES\r\n");
  WriteText(dir / "cmp", Components(hair_without_head));
  WriteText(dir / "col", "COLORS\r\nEND_OF_COLORS\r\n");
  WriteImage(dir / "poz" / "bg.img", 16, 40, 40, 0x001F);
  WriteImage(dir / "obl" / "face.img", 8, 80, 100, 20);
  WriteImage(dir / "oci" / "l.img", 8, 10, 6, 40);
  WriteImage(dir / "oci" / "r.img", 8, 10, 6, 40);
  WriteImage(dir / "vla" / "h.img", 8, 60, 30, 60);
}

void WriteBrokenLibrary(const std::filesystem::path& dir) {
  WriteTestLibrary(dir);
  WriteText(dir / "cmp", "COMPONENTS\r\nTYP NOSUCHCATEGORY\r\nEND_OF_TYP\r\nEND_OF_COMPONENTS\r\n");
}

}  // namespace kelvo::test
