// The main of every test that starts the game through the end-to-end support. The support needs
// a Qt application of the test's own: it starts processes through QProcess and lays out the
// game's main window to find its menus. That application runs on Qt's offscreen platform, in an
// environment as plain as the game's (a fresh HOME, private folders for the player's files, no
// style or scaling of the test's desktop), so that it lays out the window as the game does and
// touches nothing of the player's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include "tests/support/private_folders.h"

int main(int argc, char* argv[]) {
  const lucen::testing::PrivateFolders home;
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
  for (const char* name :
       {"XDG_CACHE_HOME", "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME", "QT_SCALE_FACTOR",
        "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_ENABLE_HIGHDPI_SCALING"}) {
    qunsetenv(name);
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_NO_GLIB", "1");  // the event loop stays clear of the screen reader test's GLib
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
