// Test entry point for UI tests: one QApplication for the whole run, without a display
// unless the caller chose a platform (the screenshot test runs under Xvfb), and a user's
// data folder of the run's own, never the real user's.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "support/temp_dir.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  tmb::test::TempDir userData;
  setenv("XDG_DATA_HOME", userData.path().c_str(), 1);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
