// The title bar of a child frame as the user reaches for it: where Qt's MDI draws each of
// its parts, also for a maximised frame whose buttons moved into the menu bar, and a click
// of the pointer brought there first.
#pragma once

#include <QMdiSubWindow>
#include <QPoint>
#include <QRect>
#include <QStyle>
#include <QStyleOptionComplex>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <gtest/gtest.h>

namespace tmb::test {

// Where frame's style puts a part of its title bar, for a title bar with the given flags.
inline QRect TitleBarRect(QMdiSubWindow& frame, QStyle::SubControl part, Qt::WindowFlags flags) {
  QStyleOptionTitleBar o;
  o.initFrom(&frame);
  o.subControls = QStyle::SC_All;
  o.titleBarFlags = flags;
  o.titleBarState = frame.windowState();
  constexpr int kBorder = 4;  // the frame's edge around its title bar
  QStyle* style = frame.style();
  o.rect = QRect(kBorder, kBorder, frame.width() - 2 * kBorder,
                 style->pixelMetric(QStyle::PM_TitleBarHeight, &o, &frame));
  return style->subControlRect(QStyle::CC_TitleBar, &o, part, &frame);
}

// The centre of a part of frame's title bar where Qt's MDI puts it for a sub-window with
// the usual buttons, close included: where the user reaches for it.
inline QPoint TitleBarPart(QMdiSubWindow& frame, QStyle::SubControl part) {
  return TitleBarRect(frame, part,
                      Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint)
      .center();
}

// The centre of the close button that a maximised sub-window puts among its buttons at
// the menu bar's right end.
inline QPoint MenuBarCloseButton(QWidget& buttons) {
  QStyleOptionComplex o;
  o.initFrom(&buttons);
  o.subControls = QStyle::SC_MdiMinButton | QStyle::SC_MdiNormalButton | QStyle::SC_MdiCloseButton;
  return buttons.style()->subControlRect(QStyle::CC_MdiControls, &o, QStyle::SC_MdiCloseButton, &buttons).center();
}

// A click (or a double click) of the pointer brought there first, as a title bar notes
// what lies under the pointer before a press.
inline void ClickAt(QWidget* widget, QPoint at, bool twice) {
  ASSERT_TRUE(widget);
  QTest::mouseMove(widget, at);
  if (twice) {
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
  } else {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
  }
}

}  // namespace tmb::test
