// The status bar's panes 59144 and 59143 follow the image editor's cursor point as the
// pointer moves over the editor: x and y written "%4d" by the idle pass.
#include <QLabel>
#include <QStatusBar>

#include "app/app_fixture.h"
#include "imageedit/view/bmp_view_window.h"
#include "resources/command_ids.h"

namespace tmb::test {
namespace {

class StatusPanes : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
    ShowAndPaint();
  }
  QString Pane(int id) {
    auto* label = frame()->statusBar()->findChild<QLabel*>(QStringLiteral("pane%1").arg(id));
    return label ? label->text() : QStringLiteral("(none)");
  }
};

TEST_F(StatusPanes, ShowTheEditorsCursorPointWhileThePointerMovesOverIt) {
  const QString blank = Pane(kPaneCursorX);
  frame()->EnsureImageEditorOpen();
  CBmpViewWindow* editor = CBmpViewWindow::Instance();
  ASSERT_NE(editor, nullptr);
  QWidget* surface = editor->viewport();
  // The pointer enters the window first (the test's first move can land a pixel off).
  QTest::mouseMove(surface, QPoint(140, 150));
  QTest::mouseMove(surface, QPoint(150, 160));
  QTest::qWait(400);  // the idle pass writes the panes
  const int x0 = Pane(kPaneCursorX).trimmed().toInt(), y0 = Pane(kPaneCursorY).trimmed().toInt();
  EXPECT_NE(Pane(kPaneCursorX), blank);
  EXPECT_EQ(Pane(kPaneCursorX).size(), 4) << "\"%4d\"";
  struct Move {
    int dx, dy;
  } moves[] = {{10, 20}, {-5, 0}, {0, 33}, {25, -40}};
  for (const Move& m : moves) {
    SCOPED_TRACE(testing::Message() << m.dx << "," << m.dy);
    QTest::mouseMove(surface, QPoint(150 + m.dx, 160 + m.dy));
    QTest::qWait(400);
    EXPECT_EQ(Pane(kPaneCursorX), QString::asprintf("%4d", x0 + m.dx));
    EXPECT_EQ(Pane(kPaneCursorY), QString::asprintf("%4d", y0 + m.dy));
  }
}

}  // namespace
}  // namespace tmb::test
