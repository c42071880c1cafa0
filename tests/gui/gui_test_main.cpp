// The GUI tests need one QApplication for the whole run; they use the offscreen platform and a
// settings folder of their own unless the caller chose otherwise. The offscreen screen is made
// desktop-sized, so the windows' first-run layout fits on it as on a user's screen (smaller
// screens are the placement model's tests).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  QTemporaryDir config;
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen") {
    const QString screens = config.filePath("screens.json");
    QFile file(screens);
    if (file.open(QIODevice::WriteOnly)) {
      file.write(R"({"screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 1920,)"
                 R"( "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
      file.close();
      qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());
    } else {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
  }
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
