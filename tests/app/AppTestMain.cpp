// Test main for the window tests: a QApplication on the offscreen platform, so
// that windows open, paint and close without a display, and settings in a
// throw-away folder for any test that does not choose its own.

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir configHome;
  qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
  QApplication application(argc, argv);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
