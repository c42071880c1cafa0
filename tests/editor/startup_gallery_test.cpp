// The gallery named on the editor's command line.
#include "editor/windows/startup_gallery.h"

#include <filesystem>
#include <fstream>

#include "editor/editor_test_support.h"
#include "editor/windows/gallery_document.h"
#include "portrait/gallery.h"

namespace kelvo::test {
namespace {

using StartupGallery = EditorFixture;

TEST_F(StartupGallery, ReadsTheFileOverTheCurrentLibrary) {
  Start();
  const std::string file = (dir / "saved.xgl").string();
  {
    TKelvoGallery gallery(*context, Lib(), "t", file);
    gallery.Add(model->Portrait());
    gallery.Add(model->Portrait());
    gallery.Save(file);
  }
  // Relative names are taken from the working directory.
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  GalleryDocument& gallery = model->Gallery();
  const bool loaded = OpenStartupGallery(gallery, prompter, "saved.xgl");
  std::filesystem::current_path(cwd);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(2, gallery.Count());
  EXPECT_EQ(file, gallery.Gallery()->FilePath());
  EXPECT_TRUE(gallery.Saved());
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_TRUE(model->HasPortrait());
}

struct BadGalleryRow {
  std::string content;  // "" = no file at all
  std::string expected_start;
};

TEST_F(StartupGallery, AFileThatCannotBeReadIsNamedAndTheEditorGoesOn) {
  Start();
  const BadGalleryRow rows[] = {
      {"", "Cannot open the gallery file "},
      {"PORTRET\r\n  NONSENSE 1\r\nEND_OF_PORTRET\r\n", "Kelvo ERROR: "},
  };
  GalleryDocument& gallery = model->Gallery();
  for (const BadGalleryRow& row : rows) {
    prompter.messages.clear();
    const std::filesystem::path file = dir / "bad.xgl";
    std::filesystem::remove(file);
    if (!row.content.empty()) std::ofstream(file, std::ios::binary) << row.content;
    EXPECT_FALSE(OpenStartupGallery(gallery, prompter, file.string()));
    EXPECT_FALSE(gallery.HasGallery());
    ASSERT_EQ(1u, prompter.messages.size()) << row.expected_start;
    EXPECT_EQ("Error", prompter.messages[0].Caption);
    EXPECT_EQ(0u, prompter.messages[0].Text.find(row.expected_start)) << prompter.messages[0].Text;
    EXPECT_NE(std::string::npos, prompter.messages[0].Text.find(file.string()))
        << prompter.messages[0].Text;
    EXPECT_TRUE(model->HasPortrait());
  }
}

}  // namespace
}  // namespace kelvo::test
