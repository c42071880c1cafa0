#include "editor/main_window/import_model.h"

#include "editor/editor_test_support.h"
#include "library/component.h"
#include "library/container.h"
#include "library/library_test_support.h"

namespace kelvo::test {
namespace {

constexpr Rgb kGrey{100, 100, 100};

// A 10 x 8 bitmap, green but for a grey block of columns x0..x0+3 and rows 1..3: imported at
// depth 8 it is 4 x 3 pixels at offset (x0 - 5, -3).
std::string Block(int x0 = 2, Rgb colour = kGrey) {
  return MakeBitmap(10, 8, [=](int x, int y) {
    return x >= x0 && x < x0 + 4 && y >= 1 && y <= 3 ? colour : kKeyGreen;
  });
}

class ImportTest : public EditorFixture {
 protected:
  void SetUp() override {
    Start();
    Select(kFaces, "f2");
    // Blanks and non-ASCII letters in the folder name are read as any other.
    art = folder.Dir() + "art work \xC5\xBE/";
    std::filesystem::create_directories(art);
  }

  TKelvoKompKontejner& Faces() { return Lib().Container(kFaces); }
  void Write(const std::string& name, const std::string& bytes = Block()) {
    WriteText(art + name, bytes);
  }
  // Imports the file of the art folder, answering the questions in turn.
  void Import(const std::string& name, std::initializer_list<MessageAnswer> answers = {}) {
    prompter.messages.clear();
    prompter.answers.assign(answers);
    ImportModel(model->Session()).ImportFile(art + name);
  }
  std::string Text(size_t message) const {
    return message < prompter.messages.size() ? prompter.messages[message].Text : "";
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : prompter.messages) texts.push_back(m.Text);
    return texts;
  }

  std::string art;
};

using Answer = MessageAnswer;

TEST_F(ImportTest, PairedFilesBecomeANewComponentLikeTheSelectedOne) {
  Faces().Usual = 2;
  Write("nos07_z.bmp", Block(1));
  Write("nos07_p.bmp", Block(3));
  const int before = Faces().ComponentCount();
  Import("nos07_p.bmp", {Answer::Ok, Answer::No, Answer::No});

  EXPECT_EQ(Texts(),
            (std::vector<std::string>{"To group Faces will be imported:\r\nnos07_z\r\nnos07_p\r\n",
                                      "Is the component an animation ?",
                                      "Should I use shift and span of component f2 ?"}));
  EXPECT_EQ(prompter.messages[1].Caption, "Question");
  ASSERT_EQ(Faces().ComponentCount(), before + 1);
  const TKelvoKomp& added = Komp(kFaces, "nos07");
  EXPECT_EQ(&added, &Faces().Komp(before + 1));
  EXPECT_EQ(added.Source, art);
  EXPECT_FALSE(added.IsFrame);
  EXPECT_EQ(added.ImagesLoaded, 1);
  ASSERT_NE(added.Sub(1), nullptr);
  ASSERT_NE(added.Sub(2), nullptr);
  EXPECT_EQ(added.Sub(1)->FileName, "nos07_s01");
  EXPECT_EQ(added.Sub(2)->FileName, "nos07_s02");
  EXPECT_EQ(added.Sub(1)->X, -4);
  EXPECT_EQ(added.Sub(2)->X, -2);
  EXPECT_EQ(added.Sub(2)->Width, 4);
  EXPECT_EQ(added.Sub(2)->Bits, 8);
  EXPECT_EQ(added.Points, Komp(kFaces, "f2").Points);
  EXPECT_EQ(model->SelectedComponent(), &added);
  EXPECT_NE(Line("nos07"), -1);
  EXPECT_TRUE(model->Session().State().LibraryChanged);
  EXPECT_EQ(model->Session().State().SrcPath, art);
  // A new component starts with frequency 0, and the status bar says what that means.
  EXPECT_EQ(model->Session().State().StatusMessage,
            "Imported nos07 into Faces (frequency 0: random portraits will not choose it)");
}

TEST_F(ImportTest, ExpectedNamesFollowTheCategorySettings) {
  struct Row {
    int usual;
    bool clipMask;
    bool shadow;
    std::vector<std::string> files;  // the first is picked
    std::string summary;
    std::vector<std::string> names;  // subcomponents 1..4, "" for none
  };
  const Row rows[] = {
      {3, false, false, {"ab7_p", "ab7_z"}, "ab7_z\r\nab7_p\r\n", {"ab7_s01", "", "ab7_s03", ""}},
      {1, false, false, {"ab_c"}, "ab_c\r\n", {"ab__s01", "", "", ""}},
      // The clipping mask's slot is used up also without its file.
      {1, true, true, {"sh", "sh_shd"}, "sh\r\nsh_shd\r\n", {"sh_s01", "", "sh_s03", ""}},
      {2,
       true,
       true,
       {"m_z", "m_p", "m_omsk", "m_shd"},
       "m_z\r\nm_p\r\nm_omsk\r\nm_shd\r\n",
       {"m_s01", "m_s02", "m_s03", "m_s04"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.files.front());
    Faces().Usual = row.usual;
    Faces().MaskSecond = row.clipMask;
    Faces().Shadow = row.shadow ? 3 : -1;
    for (const std::string& file : row.files) Write(file + ".bmp");
    Import(row.files.front() + ".bmp", {Answer::Ok, Answer::No, Answer::No});
    EXPECT_EQ(Text(0), "To group Faces will be imported:\r\n" + row.summary);
    const TKelvoKomp& added = Faces().Komp(Faces().ComponentCount());
    for (int i = 1; i <= 4; ++i) {
      const std::string& name = row.names[static_cast<size_t>(i - 1)];
      EXPECT_EQ(added.Sub(i) != nullptr ? added.Sub(i)->FileName : "", name) << i;
    }
  }
}

TEST_F(ImportTest, ImageFileNamesOfOtherComponentsAreNotTakenAgain) {
  Write("ab_c.bmp");
  Write("ab_d.bmp");
  Import("ab_c.bmp", {Answer::Ok, Answer::No, Answer::No});
  Import("ab_d.bmp", {Answer::Ok, Answer::No, Answer::No});
  Import("ab_c.bmp", {Answer::Ok});  // its own name is free for new pictures
  EXPECT_EQ(Komp(kFaces, "ab_c").Sub(1)->FileName, "ab__s01");
  EXPECT_EQ(Komp(kFaces, "ab_d").Sub(1)->FileName, "ab_d_s01");
}

TEST_F(ImportTest, AFifthFileIsNamedButNotRead) {
  Faces().Usual = 3;
  Faces().MaskSecond = true;
  Faces().Shadow = 1;
  for (const char* file : {"v_z", "v_s", "v_p", "v_omsk", "v_shd"})
    Write(file + std::string(".bmp"));
  Import("v_z.bmp", {Answer::Ok, Answer::No, Answer::No});
  EXPECT_EQ(Text(0),
            "To group Faces will be imported:\r\nv_z\r\nv_s\r\nv_p\r\nv_omsk\r\n"
            "\r\nNot imported, all four subcomponents are taken: v_shd");
  const TKelvoKomp& added = Komp(kFaces, "v");
  EXPECT_EQ(added.Sub(4)->FileName, "v_s04");
}

TEST_F(ImportTest, ColourMasksAreListedAndRead) {
  Faces().ColourMask = true;
  Write("x.bmp", MakeBitmap(2, 1, [](int, int) { return Rgb{255, 255, 255}; }));
  Write("x_msk.bmp", MakeBitmap(2, 1, [](int, int) { return Rgb{255, 255, 255}; }));
  Import("x.bmp", {Answer::Ok, Answer::No, Answer::No});
  EXPECT_EQ(Text(0), "To group Faces will be imported:\r\nx\r\nx_msk\r\n");
  EXPECT_EQ(Komp(kFaces, "x").Sub(1)->Pixels, (std::vector<uint8_t>{191, 191}));  // slot 3
}

TEST_F(ImportTest, SixteenBitCategoriesKeepTheWholePicture) {
  model->CategoryButtonClick(kBackgrounds);
  Write("sky.bmp");
  Import("sky.bmp", {Answer::Ok, Answer::No, Answer::No});
  EXPECT_EQ(Text(0), "To group Backgrounds will be imported:\r\nsky\r\n");
  const TKelvoSubKomp* sky = Komp(kBackgrounds, "sky").Sub(1);
  ASSERT_NE(sky, nullptr);
  EXPECT_EQ(sky->Bits, 16);
  EXPECT_EQ(sky->Width, 10);
  EXPECT_EQ(sky->Height, 8);
  EXPECT_EQ(sky->X, 0);
  EXPECT_EQ(Komp(kBackgrounds, "sky").Points, Komp(kBackgrounds, "normalni").Points);
}

TEST_F(ImportTest, NothingFoundListsTheExpectedNamesLastFirst) {
  Faces().Usual = 2;
  Faces().Shadow = 2;
  const int before = Faces().ComponentCount();
  Import("q7_p.bmp");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].Kind, MessageKind::Warning);
  EXPECT_EQ(Text(0), "Nothing will be imported! I expected:\r\nq7_shd\r\nq7_p\r\nq7_z");
  EXPECT_EQ(Faces().ComponentCount(), before);
  EXPECT_FALSE(model->Session().State().LibraryChanged);
  EXPECT_EQ(model->Session().State().SrcPath, art);
}

TEST_F(ImportTest, CancelledConfirmationChangesNothing) {
  Write("c.bmp");
  const int before = Faces().ComponentCount();
  Import("c.bmp", {Answer::Cancel});
  EXPECT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(Faces().ComponentCount(), before);
  EXPECT_FALSE(model->Session().State().LibraryChanged);
}

TEST_F(ImportTest, AnswersSetAnimationAndTakeTheSelectedComponentsShift) {
  Faces().Usual = 2;
  Write("s_z.bmp", Block(1));  // offset (-4, -3)
  Write("s_p.bmp", Block(5));  // offset (0, -3)
  // f2: subcomponent 1 at (-10, -30), 2 at (4, 5); subcomponent 1 is the reference.
  Import("s_z.bmp", {Answer::Ok, Answer::Yes, Answer::Yes});
  const TKelvoKomp& shifted = Komp(kFaces, "s");
  EXPECT_TRUE(shifted.IsFrame);
  EXPECT_EQ(shifted.Sub(1)->X, -10);
  EXPECT_EQ(shifted.Sub(1)->Y, -30);
  EXPECT_EQ(shifted.Sub(2)->X, -6);
  EXPECT_EQ(shifted.Sub(2)->Y, -30);

  // A paired category takes the offsets themselves.
  Faces().WithSpan = true;
  Write("t_z.bmp", Block(1));
  Write("t_p.bmp", Block(5));
  Select(kFaces, "f2");
  Import("t_z.bmp", {Answer::Ok, Answer::No, Answer::Yes});
  const TKelvoKomp& paired = Komp(kFaces, "t");
  EXPECT_EQ(paired.Sub(2)->X, 4);
  EXPECT_EQ(paired.Sub(2)->Y, 5);
}

// Enter on every question keeps a new component an ordinary one where it was drawn, and a clipping
// mask the old component lacked unplaced: each question preselects No.
TEST_F(ImportTest, TheQuestionsPreselectNo) {
  Faces().Usual = 2;
  Write("e_z.bmp", Block(1));  // offset (-4, -3)
  Write("e_p.bmp", Block(5));
  std::vector<MessageButtons> questions;
  const auto noteQuestions = [&] {
    for (size_t i = 1; i < prompter.messages.size(); ++i) {
      questions.push_back(prompter.messages[i].Buttons);
    }
  };
  Import("e_z.bmp", {Answer::Ok});
  noteQuestions();
  const TKelvoKomp& added = Komp(kFaces, "e");
  EXPECT_FALSE(added.IsFrame);
  model->RGKompClick(kWithoutAnimations);
  EXPECT_NE(Line("e"), -1) << "an animation step would leave the ordinary list";
  EXPECT_EQ(added.Sub(1)->X, -4) << "not moved to f2's place";

  Faces().Usual = 1;
  Faces().MaskSecond = true;
  TKelvoKomp& f3 = Komp(kFaces, "f3");
  f3.Subcomponents[2].reset();
  Write("f3.bmp", Block(1));
  Write("f3_omsk.bmp", Block(3));
  Import("f3.bmp", {Answer::Ok});
  noteQuestions();
  EXPECT_EQ(f3.Sub(1)->X, -4) << "the sets differ: the imported offsets";
  EXPECT_EQ(questions, std::vector<MessageButtons>(3, MessageButtons::YesNoDefaultNo));
}

TEST_F(ImportTest, AnExistingNameGetsNewPicturesAndKeepsTheRest) {
  Faces().Usual = 2;
  TKelvoKomp& f1 = Komp(kFaces, "f1");
  f1.Sub(1)->Clip = true;
  f1.Frequency = 33;
  const auto points = f1.Points;
  const auto frames = f1.Frames;
  const int before = Faces().ComponentCount();
  Write("f1_z.bmp", Block(1, Rgb{255, 255, 255}));
  Write("f1_p.bmp", Block(5));
  Import("f1_p.bmp", {Answer::Ok});

  EXPECT_EQ(prompter.messages.size(), 1u);  // no questions for a replacement
  EXPECT_EQ(Faces().ComponentCount(), before);
  EXPECT_EQ(f1.Sub(1)->Pixels, std::vector<uint8_t>(12, 63));
  EXPECT_EQ(f1.Sub(1)->FileName, "f1_s01");
  EXPECT_EQ(f1.Sub(1)->X, -20);
  EXPECT_EQ(f1.Sub(1)->Y, -30);
  EXPECT_TRUE(f1.Sub(1)->Clip);
  EXPECT_EQ(f1.Sub(2)->X, 4);
  EXPECT_EQ(f1.Sub(2)->Y, 5);
  EXPECT_EQ(f1.Frequency, 33);
  EXPECT_EQ(f1.Points, points);
  EXPECT_EQ(f1.Frames, frames);
  EXPECT_EQ(model->SelectedComponent(), &f1);
  EXPECT_TRUE(model->Session().State().LibraryChanged);

  // Another set of subcomponents takes the imported offsets and no clip flags.
  Faces().Usual = 3;
  Write("f1_s.bmp");
  Import("f1_s.bmp", {Answer::Ok});
  EXPECT_EQ(prompter.messages.size(), 1u);
  ASSERT_NE(f1.Sub(3), nullptr);
  EXPECT_EQ(f1.Sub(1)->X, -4);
  EXPECT_FALSE(f1.Sub(1)->Clip);
  EXPECT_EQ(f1.Sub(3)->X, 0);
}

TEST_F(ImportTest, ClipMaskPlacesTheReplacedPicturesByTheReference) {
  Faces().MaskSecond = true;
  TKelvoKomp& f1 = Komp(kFaces, "f1");  // subcomponent 1 at (-20, -30), 2 at (4, 5)
  f1.Sub(2)->Clip = true;
  Write("f1.bmp", Block(1));       // (-4, -3)
  Write("f1_omsk.bmp", Block(3));  // (-2, -3)
  Import("f1.bmp", {Answer::Ok});
  EXPECT_EQ(f1.Sub(1)->X, -20);
  EXPECT_EQ(f1.Sub(1)->Y, -30);
  EXPECT_EQ(f1.Sub(2)->X, -18);  // moved as the reference was
  EXPECT_EQ(f1.Sub(2)->Y, -30);
  EXPECT_FALSE(f1.Sub(2)->Clip);
}

TEST_F(ImportTest, AClipMaskTheOldComponentLackedIsPlacedOnRequest) {
  Faces().MaskSecond = true;
  const std::string question =
      "Subcomponents count mismatches, but the different subcompontent is a clipping mask."
      "\n\rShould I try to place it ?";
  Write("f2.bmp", Block(1));
  Write("f2_omsk.bmp", Block(3));
  struct Row {
    Answer answer;
    int x1, x2;
  };
  for (const Row row : {Row{Answer::Yes, -10, -8}, Row{Answer::No, -4, -2}}) {
    TKelvoKomp& f2 = Komp(kFaces, "f2");
    f2.SetSub(1, "old.img").X = -10;
    f2.Sub(1)->Y = -30;
    f2.Sub(1)->Clip = true;
    f2.Subcomponents[2].reset();
    Import("f2.bmp", {Answer::Ok, row.answer});
    EXPECT_EQ(Text(1), question);
    EXPECT_EQ(prompter.messages[1].Caption, "Question");
    EXPECT_EQ(f2.Sub(1)->X, row.x1);
    EXPECT_EQ(f2.Sub(2)->X, row.x2);
    EXPECT_EQ(f2.Sub(1)->Clip, row.answer == Answer::Yes);
  }

  // Placed without a common subcomponent: the mask keeps its own offset.
  TKelvoKomp& f3 = Komp(kFaces, "f3");
  f3.Subcomponents[1].reset();
  f3.Subcomponents[2].reset();
  Write("f3_omsk.bmp", Block(3));
  Import("f3.bmp", {Answer::Ok, Answer::Yes});
  EXPECT_EQ(Text(1), question);
  EXPECT_EQ(f3.Sub(1), nullptr);
  ASSERT_NE(f3.Sub(2), nullptr);
  EXPECT_EQ(f3.Sub(2)->X, -2);
}

TEST_F(ImportTest, BadFilesAreReportedByNameAndChangeNothing) {
  const std::string good = Block();
  std::string eightBit = good;
  eightBit[28] = 8;
  std::string compressed = good;
  compressed[30] = 1;
  std::string topDown = good;
  topDown[25] = '\xFF';
  struct Row {
    std::string bytes;
    std::string text;  // before the file's path
  };
  const Row rows[] = {
      {"not a bitmap at all", "Bitmap file too short: "},
      {eightBit, "Not an uncompressed bottom-up 24-bit bitmap: "},
      {compressed, "Not an uncompressed bottom-up 24-bit bitmap: "},
      {topDown, "Not an uncompressed bottom-up 24-bit bitmap: "},
      {good.substr(0, good.size() - 3), "Bitmap file shorter than its header announces: "},
      {MakeBitmap(801, 640, [](int, int) { return kKeyGreen; }),
       "Picture 4x bigger than size of the window: "},
  };
  Faces().Usual = 2;
  Write("n_z.bmp");
  TKelvoKomp& f1 = Komp(kFaces, "f1");
  Write("f1_z.bmp");
  const std::vector<uint8_t> f1Pixels = f1.Sub(1)->Pixels;
  const int before = Faces().ComponentCount();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    // The second file is bad: neither a new component nor new pictures of f1.
    for (const char* name : {"n", "f1"}) {
      Write(std::string(name) + "_p.bmp", row.bytes);
      Import(std::string(name) + "_z.bmp", {Answer::Ok, Answer::No, Answer::No});
      ASSERT_EQ(prompter.messages.size(), 2u);
      EXPECT_EQ(prompter.messages[1].Kind, MessageKind::Error);
      EXPECT_EQ(Text(1), row.text + art + name + "_p.bmp");
    }
    EXPECT_EQ(Faces().ComponentCount(), before);
    EXPECT_EQ(f1.Sub(1)->Pixels, f1Pixels);
    EXPECT_FALSE(model->Session().State().LibraryChanged);
  }

  // A colour mask of another size ends only this import.
  Faces().Usual = 1;
  Faces().ColourMask = true;
  Write("m.bmp");
  Write("m_msk.bmp", MakeBitmap(3, 3, [](int, int) { return kGrey; }));
  Import("m.bmp", {Answer::Ok});
  EXPECT_EQ(Text(1), "Kelvo ERROR: velikost barevn\xE9 masky nesouhlas\xED: " + art +
                         "m_msk.bmp (" + art + "m.bmp)");
  EXPECT_EQ(Faces().ComponentCount(), before);
  EXPECT_FALSE(model->Session().State().LibraryChanged);
}

TEST_F(ImportTest, TheButtonAsksForAFileInTheCategorysFolder) {
  model->Session().State().SrcPath = "C:\\art\\";
  prompter.files.push_back(art + "nb.bmp");
  Write("nb.bmp");
  prompter.answers = {Answer::Ok, Answer::No, Answer::No};
  ImportModel import(model->Session());
  import.BtnImportClick();
  ASSERT_EQ(prompter.fileRequests.size(), 1u);
  EXPECT_EQ(prompter.fileRequests[0].Title, "Import - Faces");
  EXPECT_EQ(prompter.fileRequests[0].Filter, "Bitmaps (*.bmp)|*.bmp");
  EXPECT_EQ(prompter.fileRequests[0].InitialDir, "C:\\art\\");
  EXPECT_EQ(import.State().Component, "nb");
  EXPECT_TRUE(import.State().Added);
  EXPECT_EQ(model->Session().State().SrcPath, art);

  // The folder of the bitmap chosen last comes before the container's source folder; a
  // cancelled dialog changes nothing.
  Faces().Source = "D:\\faces\\";
  const int count = Faces().ComponentCount();
  import.BtnImportClick();
  EXPECT_EQ(prompter.fileRequests[1].InitialDir, art);
  EXPECT_EQ(Faces().ComponentCount(), count);
  // With no bitmap chosen yet, the container's source folder comes first.
  model->Session().State().Folders = {};
  import.BtnImportClick();
  EXPECT_EQ(prompter.fileRequests[2].InitialDir, "D:\\faces\\");
}

}  // namespace
}  // namespace kelvo::test
