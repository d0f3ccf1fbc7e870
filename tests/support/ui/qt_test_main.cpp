// Test entry point for UI tests: one QApplication for the whole run, without a display
// unless the caller chose a platform (the screenshot test runs under Xvfb), and a user's
// data folder of the run's own, never the real user's. Without a display the screen is
// 1,024 x 768, the smallest the program is made for, so that what reaches past it fails.
#include <QApplication>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

#include "support/temp_dir.h"

namespace {

constexpr const char* kSmallScreen =
    R"({"screens": [{"name": "offscreen", "x": 0, "y": 0, "width": 1024, "height": 768,)"
    R"( "logicalDpi": 96, "logicalBpp": 32, "dpr": 1}]})";

}  // namespace

int main(int argc, char** argv) {
  tmb::test::TempDir run;
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (!platform || std::string(platform) == "offscreen") {
    const std::string screen = (run / "screen.json").string();
    std::ofstream(screen) << kSmallScreen;
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen).c_str(), 1);
  }
  tmb::test::TempDir userData;
  setenv("XDG_DATA_HOME", userData.path().c_str(), 1);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
