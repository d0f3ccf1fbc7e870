// Shows the real main window on an X server and keeps pictures of it under the build
// folder. It runs only on the xcb platform (CTest starts it under Xvfb).
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <filesystem>

#include "app/app_fixture.h"
#include "support/recorded_character_file.h"
#include "support/temp_dir.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace tmb::test {
namespace {

class Screenshot : public AppTest {
 protected:
  // Starts the program on the X server's own display with commandLine; false when there
  // is no X server (the test is then skipped) or the start failed.
  bool StartShown(const std::string& commandLine = "") {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return false;
    theApp.SetScreenMetrics(std::nullopt);
    if (!Start(commandLine)) return false;
    if (!QTest::qWaitForWindowExposed(frame())) return false;
    QTest::qWait(300);
    return true;
  }
  // The main window as the screen shows it, also kept as <build>/screenshots/name.png.
  QImage Shot(const char* name) {
    CMainFrame* main = frame();
    QPixmap shot = main->screen()->grabWindow(main->winId());
    EXPECT_FALSE(shot.isNull());
    const std::filesystem::path folder = std::filesystem::path(TMB_BUILD_DIR) / "screenshots";
    std::filesystem::create_directories(folder);
    const std::string file = (folder / name).string();
    EXPECT_TRUE(shot.save(QString::fromStdString(file)));
    return shot.toImage();
  }
};

TEST_F(Screenshot, MainWindowWithWindowsAAndB) {
  if (!StartShown()) GTEST_SKIP() << "needs an X server";
  QImage image = Shot("main_window.png");

  // The picture shows the window: window A's background colour is in it.
  const QColor backA(0x60, 0x80, 0x40);
  int hits = 0;
  for (int y = 0; y < image.height(); y += 4) {
    for (int x = 0; x < image.width(); x += 4) hits += image.pixelColor(x, y) == backA;
  }
  EXPECT_GT(hits, 100);
}

TEST_F(Screenshot, WindowAShowsTheCharacterFileOfTheCommandLineBrushWritten) {
  TempDir dir;
  const std::string path = (dir / "recorded.wdf").string();
  ASSERT_TRUE(WriteRecordedCharacterFile(path));
  if (!StartShown(path)) GTEST_SKIP() << "needs an X server";
  QImage image = Shot("main_window_with_character.png");

  // Window A's paper, where the picture shows it.
  auto* view = qobject_cast<CTmbView*>(FrameOfKind(kKindDrawA)->activeView());
  ASSERT_TRUE(view);
  QWidget* viewport = view->area()->viewport();
  const Rect client = view->ClientRectLogical();
  const Rect canvas = gDrawState.m_rcCanvas;
  const QPoint corner = viewport->mapTo(frame(), QPoint(canvas.left - client.left, canvas.top - client.top)) *
                        image.devicePixelRatio();
  const QRect paper = QRect(corner, QSize(canvas.Width(), canvas.Height())).intersected(image.rect());
  ASSERT_GT(paper.width() * paper.height(), canvas.Width() * canvas.Height() / 2);
  int ink = 0, white = 0;
  for (int y = paper.top(); y <= paper.bottom(); ++y) {
    for (int x = paper.left(); x <= paper.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      ink += c.red() < 96 && c.green() < 96 && c.blue() < 96;
      white += c == Qt::white;
    }
  }
  const int area = paper.width() * paper.height();
  // Black strokes on white paper: a good part of the paper is inked, most of it is not.
  EXPECT_GT(ink, area / 100);
  EXPECT_GT(white, area / 2);
}

}  // namespace
}  // namespace tmb::test
