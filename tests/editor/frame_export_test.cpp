// "Save As BMP" of the editor: the file set and its order, the portrait and hide boxes as they
// were afterwards, and a folder that cannot be written.
#include <filesystem>

#include "editor/editor_test_support.h"
#include "editor/main_window/frame_export_model.h"

namespace kelvo::test {
namespace {

class FrameExport : public EditorFixture {
 protected:
  void SetUp() override {
    Start();
    Select(kFaces, "f2");
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(out)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  std::filesystem::path out = dir / "out";
  FrameExportModel exporter{model->Session()};
};

TEST_F(FrameExport, PortraitBmpGivesTheNineteenFilesInTheirOrder) {
  std::filesystem::create_directories(out);
  model->ChkKompShowClick(kHair, true);
  const auto selected = model->Portrait().Selected;
  ASSERT_TRUE(exporter.ExportTo((out / "portrait.bmp").string()));
  EXPECT_TRUE(prompter.messages.empty());
  std::vector<std::string> expected;
  for (const char* name :
       {"Mouth_0", "Mouth_1", "Mouth_2", "Mouth_3", "Eyes_0", "Eyes_1", "Eyes_2", "Eyes_3",
        "EyeBrows_0", "EyeBrows_1", "Mouth_NB_0", "Mouth_NB_1", "Mouth_NB_2", "Mouth_NB_3",
        "Eyes_NB_0", "Eyes_NB_1", "Eyes_NB_2", "Eyes_NB_3"}) {
    expected.push_back((out / ("portrait_" + std::string(name) + ".bmp")).string());
  }
  expected.push_back((out / "portrait.bmp").string());
  EXPECT_EQ(exporter.State().Written, expected);
  EXPECT_EQ(model->Session().State().StatusMessage,
            "Wrote 19 bitmaps to " + out.string() + "/ (portrait_Mouth_0.bmp to portrait.bmp)");
  std::vector<std::string> names;
  for (const std::string& file : expected) {
    names.push_back(std::filesystem::path(file).filename().string());
    EXPECT_EQ(std::filesystem::file_size(file), 54u + 320u * 3u * 400u) << file;
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(Files(), names);
  // The mouth is not left at its step 1, and the hide boxes rule again.
  EXPECT_EQ(model->Portrait().Selected, selected);
  PerCategory<bool> hidden{};
  hidden[kHair] = true;
  EXPECT_EQ(model->Portrait().Hidden, hidden);
}

TEST_F(FrameExport, AFolderThatCannotBeWrittenIsNamedAndLeavesNoFile) {
  const auto selected = model->Portrait().Selected;
  const auto before = model->Session().State().RefreshCount;
  EXPECT_FALSE(exporter.ExportTo((out / "missing" / "portrait.bmp").string()));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].Kind, MessageKind::Error);
  EXPECT_NE(prompter.messages[0].Text.find("portrait_Mouth_0.bmp"), std::string::npos)
      << prompter.messages[0].Text;
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(model->Portrait().Selected, selected);
  EXPECT_EQ(model->Portrait().Hidden, (PerCategory<bool>{}));
  EXPECT_GT(model->Session().State().RefreshCount, before);
}

TEST_F(FrameExport, TheSaveDialogAsksForABitmapAndCancelWritesNothing) {
  const FileDialogRequest request = exporter.DialogRequest();
  EXPECT_EQ(request.Filter, "Bitmaps (*.bmp)|*.bmp");
  EXPECT_EQ(request.DefaultExt, ".bmp");
  exporter.Button6Click();  // the fake prompter cancels
  EXPECT_TRUE(exporter.State().Written.empty());
  EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace kelvo::test
