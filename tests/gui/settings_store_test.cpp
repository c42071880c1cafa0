#include "gui/settings_store.h"

#include <gtest/gtest.h>

#include <QFile>

#include "gui/registry_key.h"
#include "support/gui_fixture.h"

namespace kelvo {
namespace {

TEST(RegistryKeyTest, MapsTheKeyPathToOrganisationApplicationAndGroups) {
  const RegistryKey editor("\\Software\\Nerab\\Vx\\KelvoEd");
  EXPECT_EQ(editor.Organisation(), "Nerab");
  EXPECT_EQ(editor.Application(), "Vx");
  EXPECT_EQ(editor.Group(), "KelvoEd");
  const RegistryKey game("Software\\Nerab\\Grimvale\\mod1\\Player");
  EXPECT_EQ(game.Organisation(), "Nerab");
  EXPECT_EQ(game.Application(), "Grimvale");
  EXPECT_EQ(game.Group(), "mod1/Player");
  const RegistryKey log("Software\\Nerab\\VORODE");
  EXPECT_EQ(log.Application(), "VORODE");
  EXPECT_EQ(log.Group(), "");
}

TEST(SettingsStoreTest, AbsentKeyReadsAsNotExisting) {
  test::SettingsFolder folder;
  const EditorSettings settings = ReadEditorSettings();
  EXPECT_FALSE(settings.KeyExists);
  EXPECT_FALSE(settings.MainWinX);
  EXPECT_FALSE(settings.Previews[0].Visible);
}

TEST(SettingsStoreTest, WritesTheValueNamesUnderTheEditorKeyAndReadsThemBack) {
  test::SettingsFolder folder;
  EditorSettings out;
  out.SrcPath = "C:\\art\\\x9A\xE8";  // Windows-1250 bytes survive the UTF-8 file
  out.MainWinX = 12;
  out.MainWinY = -3;
  for (int i = 0; i < kPreviewCount; ++i) {
    out.Previews[i].X = 100 + i;
    out.Previews[i].Y = 200 + i;
    out.Previews[i].Visible = i != 2;
  }
  out.DockPreviews = true;
  out.Folders.SetFolder(FileKind::Frames, "C:\\frames\\");
  ASSERT_TRUE(WriteEditorSettings(out));

  QFile file(folder.Path() + "/Nerab/Vx.conf");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(text.contains("[KelvoEd]"));
  for (const char* name : {"MainWinX=12", "MainWinY=-3", "Win1X=100", "Win4Y=203",
                           "Win3Visible=false", "Win1Visible=true", "DockPreviews=true"}) {
    EXPECT_TRUE(text.contains(name)) << name;
  }
  EXPECT_FALSE(text.contains("LoadDirectory"));

  const EditorSettings in = ReadEditorSettings();
  EXPECT_TRUE(in.KeyExists);
  EXPECT_EQ(in.SrcPath, out.SrcPath);
  EXPECT_EQ(in.MainWinX, 12);
  EXPECT_EQ(in.MainWinY, -3);
  for (int i = 0; i < kPreviewCount; ++i) {
    EXPECT_EQ(in.Previews[i].X, 100 + i);
    EXPECT_EQ(in.Previews[i].Y, 200 + i);
    EXPECT_EQ(in.Previews[i].Visible, i != 2);
  }
  EXPECT_FALSE(in.LoadDirectory);
  EXPECT_EQ(in.DockPreviews, std::optional<bool>(true));
  EXPECT_EQ(in.Folders, out.Folders);  // the frames' folder, and no other
}

TEST(SettingsStoreTest, MissingOrMalformedValuesStayEmpty) {
  test::SettingsFolder folder;
  RegistryKey key(kEditorSettingsKey);
  key.WriteString("MainWinX", "12px");
  key.WriteString("Win2Visible", "maybe");
  key.WriteString("Win1X", "40");
  key.WriteString("LoadDirectory", "female");
  ASSERT_TRUE(key.Flush());

  const EditorSettings in = ReadEditorSettings();
  EXPECT_TRUE(in.KeyExists);
  EXPECT_FALSE(in.MainWinX);
  EXPECT_FALSE(in.MainWinY);
  EXPECT_FALSE(in.Previews[1].Visible);
  EXPECT_EQ(in.Previews[0].X, 40);
  EXPECT_FALSE(in.Previews[0].Y);
  EXPECT_EQ(in.LoadDirectory, "female");
  EXPECT_FALSE(in.SrcPath);
}

}  // namespace
}  // namespace kelvo
