// The drawing views' right-button menus: which popup a press opens in each state of the
// view, the style popup in the drawing menu, and the frame-part commands run from the
// edit menu on the strokes of the current edit rectangle.
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QTest>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "core/canvas/work_canvas.h"
#include "core/document/tmb_doc.h"
#include "platform/ui/popup_menus.h"
#include "resources/command_ids.h"
#include "resources/menus.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"
#include "views/view_params.h"
#include "views/view_popup_menus.h"

namespace tmb::test {
namespace {

class ViewPopupMenus : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
    ShowAndPaint();
    view = CTmbView::ViewOfKind(kKindDrawA);
    ASSERT_TRUE(view);
    doc = view->GetDocument();
    gDrawState.m_bViewsReady = 1;
  }
  void TearDown() override {
    gWorkCanvas.m_bInkActive = 0;
    SetStyleMenuFiller(nullptr);
    AppTest::TearDown();
  }
  std::string RightPress() {
    popups.names.clear();
    view->OnRButtonDown({50, 50});
    return popups.names.empty() ? "" : popups.names.back();
  }
  // Stroke k (1, 2, 3 ...) is two points at x = 100 k; a frame around one x holds it.
  void AddStroke(int k) {
    CCharDataFull& rec = doc->m_char;
    for (int i = 0; i < 2; ++i) {
      const int n = rec.m_nPoints++;
      rec.m_pPoints[n] = {100 * k, 100 + 10 * i};
      rec.m_pFlags[n] = i == 0 ? 1 : 0;
    }
  }
  void FrameOn(int k) {
    CEditRegions& regions = doc->m_char.m_regions.m_list;
    regions.m_rects[0] = {100 * k - 20, 50, 100 * k + 20, 200};
    regions.m_nCount = 1;
    regions.m_nCurrent = 0;
  }
  std::vector<int> Order() const {
    std::vector<int> order;
    const CCharDataFull& rec = doc->m_char;
    for (int i = 0; i < rec.m_nPoints; ++i) {
      if (rec.m_pFlags[i] == 1) order.push_back(rec.m_pPoints[i].x / 100);
    }
    return order;
  }

  CTmbView* view = nullptr;
  CTmbDoc* doc = nullptr;
};

TEST_F(ViewPopupMenus, TheStylePopupHoldsTheStyleMenusAndEscapeClosesItThenTheMenu) {
  // The menus as they run on the screen, not noted.
  ui::SetPopupMenuService(nullptr);
  QStringList styles;
  bool subMenuClosedAlone = false;
  bool closed = false;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    QMenu* sub = menu->findChild<QMenu*>(QStringLiteral("stylePopup"));
    ASSERT_TRUE(sub);
    emit sub->aboutToShow();
    for (QAction* a : sub->actions()) styles << a->text();
    // Into the style popup with the arrow key, out of it and out of the menu with Escape.
    menu->setActiveAction(sub->menuAction());
    QTest::keyClick(menu, Qt::Key_Right);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    subMenuClosedAlone = !sub->isVisible() && menu->isVisible();
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    closed = !menu->isVisible();
  });
  // Should a key not close it, the menu is closed all the same so the test goes on.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  guard.start(2000);
  view->OnRButtonDown({50, 50});
  ui::SetPopupMenuService(&popups);
  EXPECT_GT(styles.size(), 3) << "the style definitions' menus";
  EXPECT_TRUE(subMenuClosedAlone);
  EXPECT_TRUE(closed);
}

TEST_F(ViewPopupMenus, AStyleChosenFromTheStylePopupOfARightPressChangesTheCharacter) {
  // The menus as they run on the screen, opened by the right button on the view.
  ui::SetPopupMenuService(nullptr);
  const ParamBlock before = doc->m_char.m_param;
  QString chosen;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    QMenu* open = menu->findChild<QMenu*>(QStringLiteral("stylePopup"));
    ASSERT_TRUE(open);
    menu->setActiveAction(open->menuAction());
    QTest::keyClick(menu, Qt::Key_Right);
    // Down the first popups of the style menus to their first style, clicked.
    for (int depth = 0; depth < 8; ++depth) {
      ASSERT_EQ(QApplication::activePopupWidget(), open);
      QAction* first = nullptr;
      for (QAction* a : open->actions()) {
        if (!a->isSeparator() && a->isEnabled()) {
          first = a;
          break;
        }
      }
      ASSERT_TRUE(first);
      if (QMenu* deeper = first->menu()) {
        open->setActiveAction(first);
        QTest::keyClick(open, Qt::Key_Right);
        open = deeper;
        continue;
      }
      chosen = first->text();
      QTest::mouseClick(open, Qt::LeftButton, {}, open->actionGeometry(first).center());
      return;
    }
  });
  // Should the menus stay open, they are closed all the same so the test goes on.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  guard.start(2000);
  QTest::mousePress(view->area()->viewport(), Qt::RightButton, {}, QPoint(120, 120));
  QTest::mouseRelease(view->area()->viewport(), Qt::RightButton, {}, QPoint(120, 120));
  ui::SetPopupMenuService(&popups);
  ASSERT_FALSE(chosen.isEmpty());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_NE(doc->m_char.m_param, before) << "the style " << chosen.toStdString() << " changed nothing";
  EXPECT_EQ(messages.beeps, 0);
}

TEST_F(ViewPopupMenus, ThePopupFollowsWhatTheViewIsDoing) {
  SetStyleMenuFiller([](QMenu& menu) { menu.addAction(QStringLiteral("style"))->setData(33150); });
  EXPECT_EQ(RightPress(), "viewPopup11");
  // The style popup stands at position 2, between the two separators.
  ASSERT_GE(popups.items.size(), 4u);
  EXPECT_EQ(popups.items[0], kCmdConvertDisplaySheet);
  EXPECT_EQ(popups.items[1], 0);
  EXPECT_EQ(popups.items[2], -1);
  EXPECT_EQ(popups.items[3], 0);
  EXPECT_EQ(popups.subMenuNames.front(), "stylePopup");
  EXPECT_EQ(popups.items.back(), kCmdCancelMenu);

  view->SetEditMode(CTmbView::kModeEdit);
  EXPECT_EQ(RightPress(), "viewPopup3");
  doc->m_char.m_param[kParamDisplayMode] = 1;
  EXPECT_EQ(RightPress(), "viewPopup6");
  view->SetEditMode(CTmbView::kModeDraw);
  EXPECT_EQ(RightPress(), "viewPopup6");
  doc->m_char.m_param[kParamDisplayMode] = 0;
  gDrawState.m_toolPanel.m_bShown = 1;
  EXPECT_EQ(RightPress(), "viewPopup3");
  gDrawState.m_toolPanel.m_bShown = 0;
  gWorkCanvas.m_bInkActive = 1;
  EXPECT_EQ(RightPress(), "");
}

TEST_F(ViewPopupMenus, TheFrameCommandsAreEnabledByTheRecordWheneverAMenuShowsThem) {
  EXPECT_FALSE(frame()->QueryCommand(kCmdFrameKeep).enabled());
  FrameOn(2);
  EXPECT_TRUE(frame()->QueryCommand(kCmdFrameKeep).enabled());
  EXPECT_FALSE(frame()->QueryCommand(kCmdFrameMoveFirst).enabled());
  for (int k : {1, 2, 3}) AddStroke(k);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFrameKeep));
  EXPECT_TRUE(frame()->QueryCommand(kCmdFrameMoveFirst).enabled());
  // Chosen from the edit-mode popup.
  view->SetEditMode(CTmbView::kModeEdit);
  popups.choose = kCmdFrameMoveFirst;
  RightPress();
  EXPECT_EQ(Order(), (std::vector<int>{2, 1, 3}));
  EXPECT_TRUE(doc->m_bUndoValid);
}

TEST_F(ViewPopupMenus, TheEditModePopupNotesWhatTheFrameCommandsMayActOn) {
  view->SetEditMode(CTmbView::kModeEdit);
  struct Case {
    bool frame, saved;
  };
  for (Case c : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
    doc->m_char.m_regions.m_list.m_nCount = 0;
    if (c.frame) FrameOn(1);
    doc->m_char.m_nFrameFirst = 0;
    doc->m_char.m_nFrameEnd = c.saved ? 2 : 0;
    gRegionsExist = gSavedPartExists = gRegionsAndSaved = -1;
    EXPECT_EQ(RightPress(), "viewPopup3");
    EXPECT_EQ(gRegionsExist, c.frame ? 1 : 0);
    EXPECT_EQ(gSavedPartExists, c.saved ? 1 : 0);
    EXPECT_EQ(gRegionsAndSaved, c.frame && c.saved ? 1 : 0);
    // The move to the start needs the saved part alone; the move after the frame both.
    EXPECT_EQ(frame()->QueryCommand(kCmdFrameMoveFirst).enabled(), c.saved);
    EXPECT_EQ(frame()->QueryCommand(kCmdFrameMoveAfter).enabled(), c.frame && c.saved);
    EXPECT_EQ(frame()->QueryCommand(kCmdFrameKeep).enabled(), c.frame);
  }
}

TEST_F(ViewPopupMenus, AReplacementIsWrittenAndTakesThePlaceOfTheCutPartAtTheNextDisplay) {
  for (int k : {1, 2, 3}) AddStroke(k);
  FrameOn(2);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFrameReplace));
  EXPECT_EQ(Order(), (std::vector<int>{1, 3}));
  EXPECT_EQ(view->m_nMode, CTmbView::kModeDraw);
  EXPECT_EQ(doc->m_char.m_nFramePending, 1);
  AddStroke(4);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdConvertDisplaySheet));
  EXPECT_EQ(Order(), (std::vector<int>{1, 4, 3}));
  EXPECT_EQ(doc->m_char.m_nFramePending, 0);

  // Kept in place, and what is written goes in front of it.
  view->ClearAll();
  EXPECT_EQ(doc->m_char.m_nFramePending, 0);
  for (int k : {1, 2, 3}) AddStroke(k);
  FrameOn(2);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFrameInsert));
  AddStroke(4);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdConvertDisplaySheet));
  EXPECT_EQ(Order(), (std::vector<int>{1, 4, 2, 3}));
}

TEST_F(ViewPopupMenus, AMoveAfterTheSavedStrokesWereErasedBeepsAndChangesNothing) {
  for (int k : {1, 2, 3}) AddStroke(k);
  FrameOn(3);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFrameKeep));
  FrameOn(1);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFrameMoveAfter));
  EXPECT_EQ(Order(), (std::vector<int>{1, 3, 2}));

  view->ClearAll();
  for (int k : {1, 2, 3}) AddStroke(k);
  FrameOn(2);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFrameKeep));
  view->RedrawAfterErase(0);
  view->RedrawAfterErase(0);
  FrameOn(1);
  const int beeps = messages.beeps;
  view->ClearFramePart(kFrameMoveAfter);
  EXPECT_EQ(messages.beeps, beeps + 1);
  EXPECT_EQ(Order(), (std::vector<int>{1}));
}

TEST_F(ViewPopupMenus, TheToolbarPopupOffersTheCopiesBetweenTheWindows) {
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdToolbarPopup));
  EXPECT_EQ(popups.items, (std::vector<int>{kCmdCopyAToB, kCmdCopyBToA}));
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdCancelMenu));
}

}  // namespace
}  // namespace tmb::test
