// A mini frame whose content grows, also while it is hidden, or which is centred over an
// owner reaching past the screen, keeps itself on the screen's available area.
#include <QApplication>
#include <QScreen>
#include <gtest/gtest.h>

#include "platform/ui/mini_frame.h"

namespace tmb::ui {
namespace {

class GrowingFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    frame.SetContent(content);
    content->setMinimumSize(200, 150);
    frame.show();
    QCoreApplication::processEvents();
  }
  QRect Area() const { return frame.screen()->availableGeometry(); }
  // The content asks for size; the frame grows once the layouts have run, each posting
  // the request of the next.
  void Grow(QSize size) {
    const QSize before = frame.size();
    content->setMinimumSize(size);
    for (int pass = 0; pass < 10 && frame.size() == before; ++pass) QCoreApplication::processEvents();
    EXPECT_NE(frame.size(), before);
  }

  QWidget owner;
  MiniFrame frame{QStringLiteral("frame"), &owner};
  QWidget* content = new QWidget;
};

TEST_F(GrowingFrame, GrowingPastTheScreensEdgeMovesTheFrameUpAndLeftJustEnough) {
  const QRect area = Area();
  // Near the bottom right corner, with room for the frame as it is.
  const QSize outer = frame.frameGeometry().size();
  frame.move(area.right() - outer.width() - 10, area.bottom() - outer.height() - 20);
  QCoreApplication::processEvents();
  const QPoint placed = frame.frameGeometry().topLeft();
  Grow({300, 260});
  const QRect grown = frame.frameGeometry();
  EXPECT_TRUE(area.contains(grown)) << "within the screen";
  EXPECT_EQ(grown.right(), area.right()) << "moved left only as far as it must";
  EXPECT_EQ(grown.bottom(), area.bottom()) << "moved up only as far as it must";
  EXPECT_LT(grown.left(), placed.x());
  EXPECT_LT(grown.top(), placed.y());
}

TEST_F(GrowingFrame, AFrameThatStillFitsStaysWhereItIs) {
  const QRect area = Area();
  frame.move(area.topLeft() + QPoint(30, 40));
  QCoreApplication::processEvents();
  const QPoint placed = frame.frameGeometry().topLeft();
  Grow({300, 260});
  EXPECT_EQ(frame.frameGeometry().topLeft(), placed);
}

TEST_F(GrowingFrame, AFrameThatGrewWhileHiddenIsBackOnTheScreenWhenShownAgain) {
  const QRect area = Area();
  const QSize outer = frame.frameGeometry().size();
  frame.move(area.right() - outer.width() - 10, area.bottom() - outer.height() - 20);
  QCoreApplication::processEvents();
  frame.hide();
  content->setMinimumSize(300, 260);
  frame.adjustSize();
  frame.show();
  QCoreApplication::processEvents();
  const QRect shown = frame.frameGeometry();
  EXPECT_EQ(shown.height(), outer.height() + 110);
  EXPECT_TRUE(area.contains(shown)) << "within the screen";
  EXPECT_EQ(shown.bottom(), area.bottom()) << "moved up only as far as it must";
}

TEST_F(GrowingFrame, AFrameTallerThanTheScreenKeepsItsTopLeftCornerOnIt) {
  const QRect area = Area();
  frame.move(area.center());
  QCoreApplication::processEvents();
  Grow({area.width() / 2, area.height() + 100});
  const QRect grown = frame.frameGeometry();
  EXPECT_EQ(grown.top(), area.top());
  EXPECT_EQ(grown.right(), area.right());
}

TEST_F(GrowingFrame, CentringOverAnOwnerThatReachesPastTheScreenKeepsTheFrameOnIt) {
  const QRect area = Area();
  // The owner's lower right part lies past the screen's corner.
  owner.setGeometry(area.center().x(), area.center().y(), area.width(), area.height());
  frame.CentreOnOwner();
  EXPECT_TRUE(area.contains(frame.frameGeometry()));
  EXPECT_EQ(frame.frameGeometry().bottomRight(), area.bottomRight());
}

}  // namespace
}  // namespace tmb::ui
