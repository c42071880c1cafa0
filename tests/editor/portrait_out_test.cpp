// The portrait out of the editor: "Export portrait" by extension, size and background, "Copy
// portrait", and the portrait code copied and pasted as one command with the avatar import's
// refusals.
#include <gtest/gtest.h>

#include <filesystem>

#include "editor/editor_test_support.h"
#include "editor/session/file_folders.h"
#include "foundation/paths.h"
#include "portrait/avatar_settings.h"
#include "portrait/transparent_render.h"

namespace kelvo::test {
namespace {

class FakeDesktop : public DesktopPort {
 public:
  void WritePng(const std::string& path, const RgbaImage& image) override {
    pngs.emplace_back(path, image);
  }
  void CopyPicture(const RgbaImage& image) override { picture = image; }
  void CopyText(const std::string& copied) override { text = copied; }
  std::optional<std::string> ClipboardText() override { return text; }

  std::vector<std::pair<std::string, RgbaImage>> pngs;
  RgbaImage picture;
  std::optional<std::string> text;
};

class PortraitOut : public EditorFixture {
 protected:
  // On a data set named "male", the one a portrait code of sex 0 asks for.
  void StartMale() {
    WriteEditorLibrary(dir / "data" / "male");
    EditorSettings settings;
    settings.KeyExists = true;
    settings.LoadDirectory = "male";
    ASSERT_TRUE(model->StartUp(settings));
    model->SetDesktopPort(&desktop);
    model->SetListener(&listener);
  }
  std::string Path(const std::string& name) const { return (dir / name).string(); }

  FakeDesktop desktop;
  CountingListener listener;
};

TEST_F(PortraitOut, ExportWritesOnePictureByExtensionSizeAndBackground) {
  StartMale();
  const Layer shown = *model->Portrait().RenderLayer;
  struct Row {
    std::string name;
    int reduction;
    bool transparent;
    std::string written;  // the file's name
    bool png;
  };
  const std::vector<Row> rows = {
      {"a.png", 1, false, "a.png", true},
      {"b", 2, false, "b.png", true},
      {"c.PNG", 4, true, "c.PNG", true},
      {"d.bmp", 8, true, "d.bmp", false},  // a BMP has no transparency
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    desktop.pngs.clear();
    ASSERT_TRUE(model->PortraitExport().ExportTo({Path(row.name), row.reduction, row.transparent}));
    EXPECT_EQ(model->Session().State().StatusMessage, "Exported " + ShownName(Path(row.written)));
    if (!row.png) {
      EXPECT_TRUE(desktop.pngs.empty());
      EXPECT_EQ(std::filesystem::file_size(Path(row.written)), 54u + 40u * 3u * 50u);
      continue;
    }
    ASSERT_EQ(desktop.pngs.size(), 1u);
    EXPECT_EQ(desktop.pngs[0].first, ShownName(Path(row.written)));
    const RgbaImage& image = desktop.pngs[0].second;
    EXPECT_EQ(image.width, 320 / row.reduction);
    EXPECT_EQ(image.height, 400 / row.reduction);
    int clear = 0;
    for (size_t i = 3; i < image.bytes.size(); i += 4) clear += image.bytes[i] == 0 ? 1 : 0;
    EXPECT_EQ(clear > 0, row.transparent);
  }
  // The display is the portrait's again, and a transparent full-size picture shows its drawn
  // pixels in their ordinary colours.
  EXPECT_EQ(model->Portrait().RenderLayer->pixels, shown.pixels);
  ASSERT_TRUE(model->PortraitExport().ExportTo({Path("e.png"), 1, true}));
  const RgbaImage& clear = desktop.pngs.back().second;
  const RgbaImage opaque = OpaqueRgba(shown);
  int drawn = 0;
  for (size_t i = 0; i < clear.bytes.size(); i += 4) {
    if (clear.bytes[i + 3] == 0) continue;
    ++drawn;
    ASSERT_TRUE(std::equal(&clear.bytes[i], &clear.bytes[i] + 4, &opaque.bytes[i])) << i / 4;
  }
  EXPECT_GT(drawn, 0);
  EXPECT_EQ(model->PortraitExport().Proposal("x").Path, Path("e.png"));
  // A later start proposes the folder of the last export (the settings keep it), then the home.
  const std::string exported = model->Session().State().Folders.Folder(FileKind::Exports);
  EXPECT_EQ(ToOsForm(exported), (dir / "").string());
  PortraitExportModel later(model->Session());
  EXPECT_EQ(ToOsForm(later.Proposal("/home/u/").Path), ToOsForm(exported) + "portrait.png");
  model->Session().State().Folders.SetFolder(FileKind::Exports, "");
  EXPECT_EQ(ToOsForm(later.Proposal("/home/u/").Path), "/home/u/portrait.png");

  // Another extension is refused before anything is written.
  prompter.messages.clear();
  EXPECT_FALSE(model->PortraitExport().ExportTo({Path("f.jpg"), 1, false}));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_NE(prompter.messages[0].Text.find("f.jpg"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Path("f.jpg")));
}

// The editor's transparent export and `kelvo render --transparent` make the same picture.
TEST_F(PortraitOut, TransparentExportIsTheBatchTransparentRender) {
  StartMale();
  for (const int scale : {1, 2, 4, 8}) {
    const RgbaImage exported = model->PortraitExport().Picture(scale, true);
    const std::unique_ptr<TKelvoPortret> twin = model->Portrait().Clone();
    twin->ComputePositions();
    EXPECT_EQ(exported.bytes, RenderTransparent(*twin, scale).bytes) << "scale " << scale;
  }
}

TEST_F(PortraitOut, CopyPortraitPutsTheShownPictureOnTheClipboard) {
  StartMale();
  EXPECT_EQ(model->PortraitExport().Proposal("dir").Path, "dir\\portrait.png");
  model->CopyPortraitClick();
  EXPECT_EQ(desktop.picture.width, 320);
  EXPECT_EQ(desktop.picture.height, 400);
  EXPECT_EQ(desktop.picture.bytes, OpaqueRgba(*model->Portrait().RenderLayer).bytes);
}

TEST_F(PortraitOut, PortraitCodeRoundTripsAsOneCommand) {
  StartMale();
  model->CopyPortraitCodeClick();
  ASSERT_TRUE(desktop.text);
  EXPECT_EQ(*desktop.text, AvatarSettingsText(model->Portrait()) + "\n0\n");

  // Another face by its number, pasted: one command, one report to the window.
  const TKelvoKompKontejner& faces = Lib().Container(kFaces);
  const int other =
      faces.Komp(faces.ComponentCount()).Name == model->Portrait().Selected[kFaces]->Name
          ? 1
          : faces.ComponentCount();
  std::string settings;
  for (int c = 1; c <= kCategoryCount; ++c)
    settings += (c == kFaces ? std::to_string(other) : "0") + ";";
  desktop.text = "  " + settings + "\r\n0\r\n";
  listener.calls.clear();
  model->PastePortraitCodeClick();
  EXPECT_EQ(model->Portrait().Selected[kFaces], &faces.Komp(other));
  EXPECT_EQ(listener.calls.size(), 1u);
  EXPECT_EQ(model->Session().State().StatusMessage.rfind("Pasted the portrait code ", 0), 0u);
  // The paste is one undo step.
  TKelvoKomp* pasted = model->Portrait().Selected[kFaces];
  model->BtnUndoClick();
  EXPECT_NE(model->Portrait().Selected[kFaces], pasted);
  model->BtnRedoClick();
  EXPECT_EQ(model->Portrait().Selected[kFaces], pasted);
}

TEST_F(PortraitOut, PasteRefusesWhatIsNoPortraitCode) {
  StartMale();
  TKelvoKomp* face = model->Portrait().Selected[kFaces];
  const std::vector<std::string> texts = {
      "",                                     // empty clipboard
      "1;2;3;\n",                             // no sex line
      "x;\n0\n",                              // a field that is no number
      "1;\nabc\n",                            // a sex that is no number
      "1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;\n0\n",  // fifteen fields
      "300;\n0\n",                            // out of range
      "hello\nworld\nagain\n",                // any chat text
  };
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    prompter.messages.clear();
    EXPECT_FALSE(model->PortraitCode().PasteCode(text));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].Text.rfind("The clipboard holds no portrait code: ", 0), 0u);
    EXPECT_EQ(model->Portrait().Selected[kFaces], face);
  }
  // Sex 1 asks for "female", which this installation lacks: the data set stays.
  prompter.messages.clear();
  EXPECT_FALSE(model->PortraitCode().PasteCode("1;2;\n1\n"));
  EXPECT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(model->Session().State().DataSetDir, "male");
  EXPECT_EQ(model->Portrait().Selected[kFaces], face);
}

}  // namespace
}  // namespace kelvo::test
