// "&Import" of the main window on the offscreen platform, with the file dialog and the
// questions answered by the fake prompter.
#include "portrait/portrait.h"  // before Qt, whose macros clash with its names

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

#include "library/component.h"
#include "library/container.h"
#include "library/library_test_support.h"
#include "library/type_library.h"
#include "support/gui_fixture.h"

namespace kelvo::test {
namespace {

class ImportGuiTest : public MainWindowFixture {};

// A name as the file dialog hands it back: Windows separators after the root.
std::string DialogForm(std::string path) {
  for (size_t i = 1; i < path.size(); ++i) {
    if (path[i] == '/') path[i] = '\\';
  }
  return path;
}

TEST_F(ImportGuiTest, ImportButtonAddsTheComponentAndShowsIt) {
  ASSERT_TRUE(Start());
  auto* button = Find<QPushButton>("BtnImport");
  ASSERT_TRUE(button->isEnabled());
  const std::filesystem::path art = data_.parent_path() / "new art";
  std::filesystem::create_directories(art);
  WriteText(art / "nose 1.bmp", MakeBitmap(6, 4, [](int x, int) {
              return x < 3 ? Rgb{90, 90, 90} : kKeyGreen;
            }));
  prompter_.files.push_back(DialogForm((art / "nose 1.bmp").string()));
  prompter_.answers = {MessageAnswer::Ok, MessageAnswer::No, MessageAnswer::No};
  const auto before = model_->Session().State().RefreshCount;

  QTest::mouseClick(button, Qt::LeftButton);

  ASSERT_EQ(prompter_.fileRequests.size(), 1u);
  EXPECT_EQ(prompter_.fileRequests[0].Title, "Import - Faces");
  EXPECT_EQ(prompter_.fileRequests[0].Filter, "Bitmaps (*.bmp)|*.bmp");
  ASSERT_EQ(prompter_.messages.size(), 3u) << prompter_.messages.back().Text;
  EXPECT_EQ(prompter_.messages[0].Text, "To group Faces will be imported:\r\nnose 1\r\n");
  const TKelvoKompKontejner& faces = model_->Library().Container(kFaces);
  ASSERT_NE(faces.FindByName("nose 1"), -1);
  EXPECT_EQ(faces.Komp(faces.FindByName("nose 1")).Sub(1)->Width, 3);
  EXPECT_TRUE(Lines("LbxKomp").contains("nose 1"));
  auto* list = Find<QListWidget>("LbxKomp");
  ASSERT_NE(list->currentItem(), nullptr);
  EXPECT_EQ(list->currentItem()->text(), "nose 1");
  EXPECT_TRUE(model_->Session().State().LibraryChanged);
  EXPECT_GT(model_->Session().State().RefreshCount, before);

  // A cancelled dialog leaves everything as it was.
  const int count = faces.ComponentCount();
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(prompter_.fileRequests.size(), 2u);
  EXPECT_EQ(prompter_.fileRequests[1].InitialDir, DialogForm(art.string()) + "\\");
  EXPECT_EQ(faces.ComponentCount(), count);
}

}  // namespace
}  // namespace kelvo::test
