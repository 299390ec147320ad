// Test main for the tests that start the application: a QApplication on the
// offscreen platform; or, started again by a test as "--instance PHOTO
// READY_FD GO_FD", one instance of the application in a process of its own.

#include "InstanceProcess.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc == 5 && std::string(argv[1]) == "--instance") {
    return RunInstance(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
