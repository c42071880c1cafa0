// "Edit comp.", "Edit type" and "Mirror" over the editor's test library, with the prompter's
// dialogs answered by the fake prompter.
#include <filesystem>

#include "editor/editor_test_support.h"
#include "editor/main_window/mirror_command.h"
#include "editor/windows/edit_component_model.h"
#include "editor/windows/edit_type_model.h"
#include "library/component.h"
#include "library/container.h"
#include "library/library_test_support.h"

namespace kelvo::test {
namespace {

constexpr Rgb kGrey{100, 100, 100};

// A 10 x 8 bitmap with a grey 4 x 3 block at (2, 1): at depth 8 a 4 x 3 image at (-3, -3).
std::string Block() {
  return MakeBitmap(
      10, 8, [](int x, int y) { return x >= 2 && x < 6 && y >= 1 && y <= 3 ? kGrey : kKeyGreen; });
}

class EditLibraryTest : public EditorFixture {
 protected:
  void SetUp() override {
    Start();
    Select(kFaces, "f2");
    art = folder.Dir() + "art/";
    std::filesystem::create_directories(art);
  }

  TKelvoKompKontejner& Faces() { return Lib().Container(kFaces); }
  TKelvoKomp& F2() { return Komp(kFaces, "f2"); }
  std::string Write(const std::string& name, const std::string& bytes = Block()) {
    WriteText(art + name, bytes);
    return art + name;
  }
  std::string LastText() const {
    return prompter.messages.empty() ? "" : prompter.messages.back().Text;
  }

  std::string art;
  EditComponentModel edit{model->Session()};
  EditTypeModel type{model->Session()};
};

TEST_F(EditLibraryTest, OpeningFillsTheFieldsAndTheRows) {
  F2().Source = "C:\\art\\";
  F2().Kind = 7;  // not shown outside Hair and Beards
  ASSERT_TRUE(edit.Open());
  const EditComponentState& s = edit.State();
  EXPECT_EQ(s.Caption, "Edit component: f2");
  EXPECT_EQ(s.Name, "f2");
  EXPECT_EQ(s.Source, "C:\\art\\");
  EXPECT_EQ(s.Frequency, 100);
  EXPECT_FALSE(s.HeadEnabled);
  EXPECT_EQ(s.Kind, 0);
  EXPECT_TRUE(s.PreserveShift);
  EXPECT_EQ(s.Rows[1].Text, "f2.img");
  EXPECT_EQ(s.Rows[2].Text, "f2b.img");
  EXPECT_TRUE(s.Rows[2].Present);
  EXPECT_FALSE(s.Rows[3].Present);
  EXPECT_EQ(s.Rows[3].Text, "");

  // Head number and sign stay with the component outside Hair and Beards.
  edit.SetKind(3);
  edit.Apply();
  EXPECT_EQ(F2().Kind, 7);

  Select(kHair, "h2");
  ASSERT_TRUE(edit.Open());
  EXPECT_TRUE(edit.State().HeadEnabled);
  EXPECT_EQ(edit.State().Kind, 2);
  EXPECT_EQ(edit.State().Signature, "x");
  edit.SetKind(4);
  edit.SetSignature("yy");
  edit.Apply();
  EXPECT_EQ(Komp(kHair, "h2").Kind, 4);
  EXPECT_EQ(Komp(kHair, "h2").Signature, "yy");
}

TEST_F(EditLibraryTest, RenamingToAnExistingNameWarnsAndStillAppliesTheRest) {
  ASSERT_TRUE(edit.Open());
  edit.SetName("f3");
  edit.SetFrequency(42);
  edit.SetAnimation(true);
  edit.Apply();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].Kind, MessageKind::Warning);
  EXPECT_EQ(prompter.messages[0].Text, "Component f3 already exists!");
  EXPECT_EQ(F2().Frequency, 42);
  EXPECT_TRUE(F2().IsFrame);
  EXPECT_EQ(F2().Sub(1)->FileName, "f2_s01");
  EXPECT_TRUE(model->Session().State().LibraryChanged);

  // A free name is taken, with the images named after it; the list shows it.
  TKelvoKomp& f2 = F2();
  ASSERT_TRUE(edit.Open());
  edit.SetName("F3");
  edit.SetAnimation(false);  // back into the list of components without animations
  edit.Apply();
  EXPECT_EQ(f2.Name, "F3");
  EXPECT_EQ(f2.Sub(2)->FileName, "F3_s02");
  EXPECT_NE(Line("F3"), -1);
}

// Names become parts of the images' paths: one that leads out of its folder is refused with a
// message naming it, the old one stays and the other fields are applied.
TEST_F(EditLibraryTest, NamesLeadingOutOfTheirFolderAreRefusedAndTheOldOnesStay) {
  for (const std::string name : {"../../escaped", "a\\..\\..\\b", "\\abs", "/abs", "C:\\x"}) {
    prompter.messages.clear();
    ASSERT_TRUE(edit.Open());
    edit.SetName(name);
    edit.SetFrequency(42);
    edit.Apply();
    EXPECT_EQ(F2().Name, "f2") << name;
    EXPECT_EQ(F2().Frequency, 42);
    EXPECT_EQ(F2().Sub(1)->FileName, "f2_s01");
    ASSERT_EQ(prompter.messages.size(), 1u) << name;
    EXPECT_EQ(prompter.messages[0].Kind, MessageKind::Warning);
    EXPECT_NE(LastText().find("Component name " + name + " leads out"), std::string::npos)
        << LastText();

    prompter.messages.clear();
    type.Open();
    type.SetImageDir(name);
    type.SetUsual(2);
    type.Apply();
    EXPECT_EQ(Faces().ImageDir, "obl") << name;
    EXPECT_EQ(Faces().Usual, 2);
    EXPECT_NE(LastText().find("Path to components " + name), std::string::npos) << LastText();

    // "Export all" names its files after the name field.
    prompter.messages.clear();
    ASSERT_TRUE(edit.Open());
    edit.SetName(name);
    EXPECT_FALSE(edit.ExportAllTo(art + "all/deeper"));
    EXPECT_NE(LastText().find("Cannot export"), std::string::npos) << LastText();
    edit.Cancel();
  }

  // A name with subfolders stays inside the category folder; saving makes them.
  TKelvoKomp& f2 = F2();
  ASSERT_TRUE(edit.Open());
  edit.SetName("sub\\dir\\ok");
  edit.Apply();
  EXPECT_EQ(f2.Sub(1)->FileName, "sub\\dir\\ok_s01");
  const std::string saved = folder.Dir() + "saved";
  std::filesystem::create_directories(saved);
  Lib().SaveTextAs(saved);
  Lib().SaveImagesAs(saved);
  EXPECT_TRUE(std::filesystem::exists(saved + "/obl/sub/dir/ok_s01"));
}

TEST_F(EditLibraryTest, ClearingARowRemovesItsSubcomponentAndRenamesTheRest) {
  ASSERT_TRUE(edit.Open());
  edit.SetRowText(2, "");
  edit.SetRowText(1, "typed text is not used");
  edit.Apply();
  ASSERT_NE(F2().Sub(1), nullptr);
  EXPECT_EQ(F2().Sub(1)->FileName, "f2_s01");
  EXPECT_EQ(F2().Sub(2), nullptr);
}

TEST_F(EditLibraryTest, ApplyingUnchangedFieldsOnRenamedImagesLeavesTheMarkAlone) {
  ASSERT_TRUE(edit.Open());
  edit.Apply();  // f2.img becomes f2_s01: a change
  EXPECT_TRUE(model->Session().State().LibraryChanged);
  model->Session().State().LibraryChanged = false;
  ASSERT_TRUE(edit.Open());
  edit.Apply();
  EXPECT_FALSE(model->Session().State().LibraryChanged);
}

TEST_F(EditLibraryTest, ImportNamesTheSlotAfterTheFileAndSurvivesCancel) {
  ASSERT_TRUE(edit.Open());
  prompter.files.push_back(Write("eye_a.bmp"));
  edit.SubImportClick(3);
  ASSERT_EQ(prompter.fileRequests.size(), 1u);
  EXPECT_EQ(prompter.fileRequests[0].Filter, "Bitmaps (*.bmp)|*.bmp");
  ASSERT_TRUE(prompter.messages.empty()) << LastText();
  ASSERT_NE(F2().Sub(3), nullptr);
  EXPECT_EQ(F2().Sub(3)->FileName, "eye__s03");
  EXPECT_EQ(F2().Sub(3)->Bits, 8);
  EXPECT_EQ(F2().Sub(3)->Width, 4);
  // An empty slot with the shift preserved starts at (0, 0).
  EXPECT_EQ(F2().Sub(3)->X, 0);
  EXPECT_EQ(edit.State().Rows[3].Text, "eye__s03");
  EXPECT_TRUE(edit.State().Rows[3].Present);
  EXPECT_TRUE(model->Session().State().LibraryChanged);
  edit.Cancel();
  EXPECT_EQ(F2().Sub(3)->FileName, "eye__s03");

  // The name another component's image has is not taken again.
  Select(kFaces, "f3");
  ASSERT_TRUE(edit.Open());
  EXPECT_TRUE(edit.ImportFile(3, Write("eye_b.bmp")));
  EXPECT_EQ(Komp(kFaces, "f3").Sub(3)->FileName, "eye__s03_2");
}

TEST_F(EditLibraryTest, PreservedShiftIsTheOldSubcomponentsOffset) {
  F2().Sub(1)->X = 11;
  F2().Sub(1)->Y = -6;
  ASSERT_TRUE(edit.Open());
  EXPECT_TRUE(edit.ImportFile(1, Write("nose.bmp")));
  EXPECT_EQ(F2().Sub(1)->FileName, "nose_s01");
  EXPECT_EQ(F2().Sub(1)->X, 11);
  EXPECT_EQ(F2().Sub(1)->Y, -6);
  EXPECT_EQ(edit.State().SavedShift[1], (Offset{11, -6}));

  edit.SetPreserveShift(false);
  EXPECT_TRUE(edit.ImportFile(1, Write("nose.bmp")));
  EXPECT_EQ(F2().Sub(1)->X, -3);  // the imported, centred offset
  EXPECT_EQ(F2().Sub(1)->Y, -3);
}

TEST_F(EditLibraryTest, BadBitmapsAreReportedByNameAndLeaveTheSlot) {
  std::string wrongDepth = Block();
  wrongDepth[28] = 8;
  std::string absurd = Block();
  absurd[22] = absurd[23] = absurd[24] = '\xff';
  absurd[25] = '\x7f';
  const std::string truncated = Block().substr(0, 100);
  const std::string mask = MakeBitmap(3, 3, [](int, int) { return kGrey; });
  struct Case {
    std::string file, bytes, message;
  };
  for (const Case& c : {Case{"depth.bmp", wrongDepth, "Not an uncompressed"},
                        Case{"huge.bmp", absurd, "Bitmap too large"},
                        Case{"short.bmp", truncated, "shorter than its header"},
                        Case{"gone.bmp", "", "Failed to open"}}) {
    ASSERT_TRUE(edit.Open());
    const std::string path = c.bytes.empty() ? art + c.file : Write(c.file, c.bytes);
    prompter.messages.clear();
    EXPECT_FALSE(edit.ImportFile(2, path)) << c.file;
    ASSERT_EQ(prompter.messages.size(), 1u) << c.file;
    EXPECT_EQ(prompter.messages[0].Kind, MessageKind::Error);
    EXPECT_NE(LastText().find(c.message), std::string::npos) << LastText();
    EXPECT_NE(LastText().find(path), std::string::npos) << LastText();
    EXPECT_EQ(F2().Sub(2)->FileName, "f2b.img");
    EXPECT_EQ(F2().Sub(2)->Width, 2);
    EXPECT_EQ(edit.State().Rows[2].Text, "f2b.img");
  }

  // A colour mask of another size is named with its bitmap.
  Faces().ColourMask = true;
  Write("m_msk.bmp", mask);
  prompter.messages.clear();
  EXPECT_FALSE(edit.ImportFile(2, Write("m.bmp")));
  EXPECT_NE(LastText().find(art + "m_msk.bmp"), std::string::npos) << LastText();
  EXPECT_EQ(F2().Sub(2)->FileName, "f2b.img");
}

TEST_F(EditLibraryTest, ColourMaskBesideTheBitmapGivesTheSlots) {
  Faces().ColourMask = true;
  const std::string blue = MakeBitmap(10, 8, [](int, int) { return Rgb{0, 0, 255}; });
  Write("m_msk.bmp", blue);
  ASSERT_TRUE(edit.Open());
  EXPECT_TRUE(edit.ImportFile(1, Write("m.bmp")));
  ASSERT_GT(F2().Sub(1)->Pixels.size(), 0u);
  EXPECT_GE(F2().Sub(1)->Pixels[0], 192);  // slot 4
}

TEST_F(EditLibraryTest, ExportWritesBitmapsWithTheUsualSuffixesAndReportsFailures) {
  Faces().Usual = 2;
  ASSERT_TRUE(edit.Open());
  edit.SetName("out");
  prompter.saveFiles.push_back(art + "pick.bmp");
  edit.SubExportClick(2);
  ASSERT_EQ(prompter.saveRequests.size(), 1u);
  EXPECT_EQ(prompter.saveRequests[0].FileName, "out.bmp");
  EXPECT_EQ(prompter.saveRequests[0].Filter, "Bitmaps (*.bmp)|*.bmp");
  EXPECT_TRUE(std::filesystem::exists(art + "pick_p.bmp"));

  prompter.directories.push_back(folder.Dir() + "all");
  std::filesystem::create_directories(folder.Dir() + "all");
  edit.BtnExportAllClick();
  EXPECT_TRUE(std::filesystem::exists(folder.Dir() + "all/out_z.bmp"));
  EXPECT_TRUE(std::filesystem::exists(folder.Dir() + "all/out_p.bmp"));
  EXPECT_TRUE(prompter.messages.empty()) << LastText();
  EXPECT_EQ(F2().Name, "f2");  // the field is only used for the file names

  // A folder that cannot be written: the message names the file, nothing is left behind.
  WriteText(art + "plain", "x");
  EXPECT_FALSE(edit.ExportFile(1, art + "plain/x.bmp"));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_NE(LastText().find("x_z.bmp"), std::string::npos) << LastText();
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(art),
                          std::filesystem::directory_iterator()),
            2);  // plain and pick_p.bmp, no temporary file
}

TEST_F(EditLibraryTest, EditTypeKeepsNoShadowAndSixteenBitsReachLaterImports) {
  ASSERT_EQ(Faces().Shadow, -1);
  type.Open();
  EXPECT_EQ(type.State().Caption, "Edit type: Faces");
  EXPECT_EQ(type.State().ImageDir, "obl");
  EXPECT_EQ(type.State().Shadow, kNoShadow);
  EXPECT_EQ(type.State().BitsItem, kBitsItem8);
  type.Apply();
  EXPECT_EQ(Faces().Shadow, -1);
  EXPECT_FALSE(model->Session().State().LibraryChanged);

  type.Open();
  type.SetBitsItem(kBitsItem16);
  type.SetShadow(2);
  type.SetUsual(3);
  type.SetColourMask(true);
  type.SetSource("C:\\src\\");
  type.Apply();
  EXPECT_EQ(Faces().Bits, 16);
  EXPECT_EQ(Faces().Shadow, 2);
  EXPECT_EQ(Faces().Usual, 3);
  EXPECT_TRUE(Faces().ColourMask);
  EXPECT_EQ(Faces().Source, "C:\\src\\");
  EXPECT_TRUE(model->Session().State().LibraryChanged);

  ASSERT_TRUE(edit.Open());
  EXPECT_TRUE(edit.ImportFile(4, Write("w.bmp")));
  EXPECT_EQ(F2().Sub(4)->Bits, 16);
  EXPECT_EQ(F2().Sub(4)->Width, 10);

  // Cancel drops the fields; "none" gives -1 again.
  type.Open();
  type.SetBitsItem(kBitsItem8);
  type.Cancel();
  type.Apply();
  EXPECT_EQ(Faces().Bits, 16);
  type.Open();
  EXPECT_EQ(type.State().Shadow, 2);
  type.SetShadow(kNoShadow);
  type.Apply();
  EXPECT_EQ(Faces().Shadow, -1);
}

TEST_F(EditLibraryTest, WithSpanOffDropsTheSpanAtOnce) {
  Select(kEyes, "e1");
  model->SpinEditRozXChange(4);
  type.Open();
  EXPECT_TRUE(type.State().WithSpan);
  type.SetWithSpan(false);
  type.Apply();
  EXPECT_FALSE(Lib().Container(kEyes).WithSpan);
  EXPECT_FALSE(model->Placement().State().SpanControlsEnabled);
  EXPECT_EQ(model->Placement().State().SpanX, 0);
}

TEST_F(EditLibraryTest, MirrorTurnsTheLibraryAndUndoTurnsItBack) {
  TKelvoKomp& bg = Komp(kBackgrounds, "normalni");
  TKelvoKomp& f1 = Komp(kFaces, "f1");
  const auto before = model->Session().State().RefreshCount;
  ASSERT_TRUE(MirrorCommand(model->Session()).BtnMirrorClick());
  EXPECT_EQ(bg.Point(1).X, 220);
  EXPECT_EQ(bg.Point(2).X, 230);
  EXPECT_EQ(bg.Sub(1)->X, 0);  // 16 bits: left alone
  EXPECT_EQ(f1.Point(1).X, -20);
  EXPECT_EQ(f1.Sub(1)->X, 20 - 4);
  EXPECT_EQ(f1.Sub(2)->X, -4 - 2);
  EXPECT_TRUE(model->Session().State().LibraryChanged);
  EXPECT_GT(model->Session().State().RefreshCount, before);
  EXPECT_EQ(model->Undo().NextUndo()->Title(), "Mirror");

  model->BtnUndoClick();
  EXPECT_EQ(bg.Point(1).X, 100);
  EXPECT_EQ(f1.Sub(1)->X, -20);
  model->BtnRedoClick();
  EXPECT_EQ(f1.Point(1).X, -20);
}

TEST_F(EditLibraryTest, GeometryUndoneAfterAMirrorLandsWhereItWas) {
  TKelvoKomp& f2 = F2();
  const int32_t x = f2.Sub(1)->X;
  model->SpinEditPosXChange(5);
  model->BtnUsePosClick();  // baked: x + 5
  ASSERT_EQ(f2.Sub(1)->X, x + 5);
  ASSERT_TRUE(MirrorCommand(model->Session()).BtnMirrorClick());
  model->BtnUndoAllClick();
  EXPECT_EQ(f2.Sub(1)->X, x);
}

}  // namespace
}  // namespace kelvo::test
