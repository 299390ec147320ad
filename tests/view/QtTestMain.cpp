// Test main for tests that paint: a QGuiApplication on the offscreen platform,
// so that fonts and painters work without a display.

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
