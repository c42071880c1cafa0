// Messages that quote a token read from a library or gallery file: a long token is cut with a
// mark, the end of the file is said in words with the file and line, short tokens stay whole.
#include <gtest/gtest.h>

#include <string>

#include "foundation/errors.h"
#include "gallery_test_library.h"
#include "portrait/gallery.h"
#include "support/param_names.h"

namespace kelvo::test {
namespace {

struct MessageRow {
  const char* what;
  const char* file;  // "g.xgl" for a gallery, else a file of library "t"
  std::string text;
  std::string shown;  // "@" stands for the data folder
};

class TokenMessages : public GalleryLibraryFixture, public testing::WithParamInterface<MessageRow> {
 protected:
  // The message the user sees for the load: a data error with its prefix and place, any
  // other error with its text.
  std::string LoadMessage(const MessageRow& row) {
    try {
      if (std::string(row.file) == "g.xgl") {
        context.folder.Write("data/g.xgl", row.text);
        TKelvoGallery(*context, *library, "title", "g.xgl").Load();
      } else {
        WriteLibraryFolder("t", {"e1"});
        context.folder.Write(std::string("data/t/") + row.file, row.text);
        TKelvoTyp(context->Archive(), "t").LoadAll();
      }
    } catch (const FatalDataError& error) {
      return FatalDataText(error);
    } catch (const KelvoError& error) {
      return error.what();
    }
    return "no error";
  }
};

TEST_P(TokenMessages, QuoteTokensShortAndSayWhereTheFileEnds) {
  const MessageRow& row = GetParam();
  std::string expected = row.shown;
  const std::string data = context.folder.Dir() + "data/";
  for (size_t at = expected.find('@'); at != std::string::npos; at = expected.find('@', at))
    expected.replace(at, 1, data);
  EXPECT_EQ(expected, LoadMessage(row));
}

const std::string kLong = std::string(30000, 'X');
const std::string kCut = std::string(60, 'X') + "... (30000 characters)";
const std::string kEyes = "COMPONENTS\r\n  TYP OCI\r\n    PATH oci\r\n    COMP e1\r\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, TokenMessages,
    testing::Values(
        // Short tokens are quoted whole.
        MessageRow{"short keyword in components", "cmp", "COMPONENTS FOO",
                   "Kelvo ERROR: END_OF_COMPONENTS expected instead of FOO\nin @t/cmp, line 1"},
        MessageRow{"short keyword in a component", "cmp", kEyes + "      FOO",
                   "Kelvo ERROR: END_OF_COMP expected instead of FOO\nin @t/cmp, line 5"},
        MessageRow{"short number", "cmp", kEyes + "      CETNOST 8x",
                   "'8x' is not a valid integer value\nin @t/cmp, line 5"},
        MessageRow{"short keyword in a gallery", "g.xgl", "GALLERY END_OF_GALLERY FIN",
                   "Kelvo ERROR: END expected instead of FIN\nin @g.xgl, line 1"},
        // Long tokens are cut after 60 characters.
        MessageRow{
            "long keyword in components", "cmp", "COMPONENTS " + kLong,
            "Kelvo ERROR: END_OF_COMPONENTS expected instead of " + kCut + "\nin @t/cmp, line 1"},
        MessageRow{"long number", "cmp", kEyes + "      CETNOST " + kLong,
                   "'" + kCut + "' is not a valid integer value\nin @t/cmp, line 5"},
        MessageRow{"long keyword in a gallery", "g.xgl", "GALLERY END_OF_GALLERY " + kLong,
                   "Kelvo ERROR: END expected instead of " + kCut + "\nin @g.xgl, line 1"},
        MessageRow{
            "long component name in a gallery", "g.xgl",
            "GALLERY PORTRET PAK lib PORT_COMPONENTS TYP OCI COMP \"" + kLong + "\" " + kLong,
            "Kelvo ERROR: KelvoPortret: END_OF_TYP expected instead of " + kCut +
                "\nin @g.xgl, line 1"},
        MessageRow{
            "long component name in components", "cmp",
            "COMPONENTS TYP OCI COMP " + kLong + " BODY 1",
            "Kelvo ERROR: Wrong number of snapping points in " + kCut + "\nin @t/cmp, line 1"},
        MessageRow{"long dependency", "dep", "DEPENDENCIES " + kLong + " OCI",
                   "Kelvo ERROR: Unknown DEPENDENCY " + kCut + ":OCI\nin @t/dep, line 1"},
        // A number or a name missing at the end of the file.
        MessageRow{"number missing in a component", "cmp", kEyes + "      CETNOST\r\n",
                   "A number is missing at the end of the file\nin @t/cmp, line 5"},
        MessageRow{"name missing in components", "cmp", "COMPONENTS\r\n  TYP",
                   "Kelvo ERROR: A name is missing at the end of the file\nin @t/cmp, line 2"},
        MessageRow{"name missing in dependencies", "dep", "DEPENDENCIES OCI",
                   "Kelvo ERROR: A name is missing at the end of the file\nin @t/dep, line 1"},
        MessageRow{"number missing in a gallery", "g.xgl",
                   "GALLERY\r\nPORTRET PAK lib PORT_COMPONENTS TYP OCI BARVY 0000FF",
                   "A number is missing at the end of the file\nin @g.xgl, line 2"},
        MessageRow{"name missing in a gallery", "g.xgl", "GALLERY PORTRET PAK",
                   "Kelvo ERROR: A name is missing at the end of the file\nin @g.xgl, line 1"},
        // A keyword missing at the end of the file.
        MessageRow{"empty gallery", "g.xgl", "",
                   "Kelvo ERROR: END expected instead of the end of the file\nin @g.xgl, line 1"},
        MessageRow{"colour type unfinished", "col", "COLORS COLOR_TYPE 1 skin",
                   "Kelvo ERROR: END_OF_COLOR_TYPE expected instead of the end of the file\n"
                   "in @t/col, line 1"},
        MessageRow{"colour missing", "col", "COLORS COLOR_TYPE 1 skin COUNT 1 0 0",
                   "COLOR expected instead of the end of the file\nin @t/col, line 1"}),
    NameBy(&MessageRow::what));

}  // namespace
}  // namespace kelvo::test
