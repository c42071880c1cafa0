// The editor's command line: an optional gallery file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/editor_app.h"

namespace kelvo {
namespace {

struct ArgumentRow {
  std::vector<std::string> args;
  bool ok;
  std::string gallery;
  std::string error_start;
};

TEST(EditorArguments, TakeOneOptionalGalleryFile) {
  const ArgumentRow rows[] = {
      {{"KelvoEd"}, true, "", ""},
      {{"KelvoEd", "faces.xgl"}, true, "faces.xgl", ""},
      {{"KelvoEd", "/home/u/My Galleries/a.xgl"}, true, "/home/u/My Galleries/a.xgl", ""},
      {{"KelvoEd", "--", "-odd.xgl"}, true, "-odd.xgl", ""},
      {{"KelvoEd", "-"}, true, "-", ""},
      {{"KelvoEd", "a.xgl", "b.xgl"}, false, "", "Only one gallery file"},
      {{"KelvoEd", "--gallery"}, false, "", "Unknown option --gallery"},
      {{"KelvoEd", ""}, false, "", "The gallery file name is empty."},
  };
  for (const ArgumentRow& row : rows) {
    EditorAppOptions options;
    std::string error;
    const std::string where = row.args.size() > 1 ? row.args[1] : "(none)";
    EXPECT_EQ(row.ok, ParseEditorArguments(row.args, options, error)) << where;
    EXPECT_EQ(row.gallery, options.gallery_file) << where;
    if (!row.ok) {
      EXPECT_EQ(0u, error.find(row.error_start)) << error;
      EXPECT_NE(std::string::npos, error.find("Usage: KelvoEd [GALLERY.xgl]")) << error;
    }
  }
}

}  // namespace
}  // namespace kelvo
