// Shows the real main window on an X server and keeps a picture of it under the build
// folder. It runs only on the xcb platform (CTest starts it under Xvfb).
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <filesystem>

#include "app/app_fixture.h"

namespace tmb::test {
namespace {

using Screenshot = AppTest;

TEST_F(Screenshot, MainWindowWithWindowsAAndB) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
  theApp.SetScreenMetrics(std::nullopt);  // the X server's own display
  ASSERT_TRUE(Start());
  CMainFrame* main = frame();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
  QTest::qWait(300);
  QPixmap shot = main->screen()->grabWindow(main->winId());
  ASSERT_FALSE(shot.isNull());
  const std::filesystem::path folder = std::filesystem::path(TMB_BUILD_DIR) / "screenshots";
  std::filesystem::create_directories(folder);
  const std::string file = (folder / "main_window.png").string();
  ASSERT_TRUE(shot.save(QString::fromStdString(file)));

  // The picture shows the window: window A's background colour is in it.
  QImage image = shot.toImage();
  const QColor backA(0x60, 0x80, 0x40);
  int hits = 0;
  for (int y = 0; y < image.height(); y += 4) {
    for (int x = 0; x < image.width(); x += 4) hits += image.pixelColor(x, y) == backA;
  }
  EXPECT_GT(hits, 100);
}

}  // namespace
}  // namespace tmb::test
