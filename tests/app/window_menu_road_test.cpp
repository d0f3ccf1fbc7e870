// The Window menu as a user works it: the preview window shown and centred, the font-axis
// items, and cascading the windows.
#include <QGuiApplication>
#include <QMdiArea>
#include <QTest>
#include <QWindow>
#include <QMenuBar>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/sheets/shape_sheet.h"
#include "support/ui/menu_path.h"
#include "views/pre_view.h"

namespace tmb::test {
namespace {

using WindowMenuRoad = ShownAppTest;

TEST_F(WindowMenuRoad, ThePreviewsShowItemOpensThePreviewWindowInFront) {
  ASSERT_EQ(CPre_View::Instance(), nullptr);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"窗口", "ﾌﾟﾚﾋﾞｭｰｳｨﾝﾄﾞｳ", "表示"}));
  CPre_View* preview = CPre_View::Instance();
  ASSERT_TRUE(preview);
  ui::ChildFrame* shown = preview->frame();
  ASSERT_TRUE(shown);
  EXPECT_TRUE(shown->isVisible());
  EXPECT_FALSE(shown->isMinimized());
  EXPECT_EQ(frame()->ActiveChildFrame(), shown);
  EXPECT_EQ(frame()->GetActiveViewKind(), kKindPreview);
  // Shown again, it is the same window; centred, it stays open in the middle.
  frame()->ActivateViewOfKind(kKindDrawA, 0);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"窗口", "ﾌﾟﾚﾋﾞｭｰｳｨﾝﾄﾞｳ", "中央に移動"}));
  EXPECT_EQ(CPre_View::Instance(), preview);
  EXPECT_EQ(frame()->ActiveChildFrame(), shown);
  EXPECT_EQ(messages.beeps, 0);
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(WindowMenuRoad, TheFontAxisItemsShowTheSheetTheCurrentKindNamesAndMoveNoWindow) {
  // No window of the font axis exists: its show item brings up the sheet of the window
  // its kind reads as (B), and centring it moves nothing.
  const QRect a = FrameOfKind(kKindDrawA)->geometry();
  ASSERT_TRUE(ChooseMenuItem(bar(), {"窗口", "フォント軸ウィンドウ", "中央に移動"}));
  EXPECT_EQ(FrameOfKind(kKindDrawA)->geometry(), a);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"窗口", "フォント軸ウィンドウ", "表示"}));
  ASSERT_TRUE(frame()->m_pSheetFrameB);
  EXPECT_TRUE(frame()->m_pSheetFrameB->isVisible());
  EXPECT_EQ(frame()->m_pSheetFrameB->windowTitle(), QStringLiteral("书写窗口B设置"));
  EXPECT_EQ(messages.beeps, 0);
}

TEST_F(WindowMenuRoad, CascadeSetsTheWindowsOneCaptionApartAtTheirOwnSize) {
  ui::ChildFrame* a = FrameOfKind(kKindDrawA);
  ui::ChildFrame* b = FrameOfKind(kKindDrawB);
  ASSERT_TRUE(a && b);
  const QSize sizeA = a->size(), sizeB = b->size();
  frame()->ActivateViewOfKind(kKindDrawA, 0);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"窗口", "重叠显示"}));
  EXPECT_EQ(a->size(), sizeA);
  EXPECT_EQ(b->size(), sizeB);
  // B behind, A (the active one) a caption further down and right, in front.
  EXPECT_EQ(b->pos(), QPoint(0, 0));
  EXPECT_GT(a->pos().y(), 10);
  EXPECT_EQ(a->pos().x(), a->pos().y());
  EXPECT_EQ(frame()->ActiveChildFrame(), a);
  EXPECT_TRUE(messages.ids.empty());
}

// A writing sheet shown from the menus takes the keyboard: Escape, typed without a click
// into the sheet, closes it.
TEST_F(WindowMenuRoad, AShownWritingSheetTakesTheKeyboardSoEscapeClosesIt) {
  const std::initializer_list<const char*> items[] = {
      {"窗口", "设置窗口A", "显示"}, {"窗口", "设置窗口B", "显示"}, {"形状", "形状"}};
  for (const auto& item : items) {
    SCOPED_TRACE(*(item.end() - 2));
    frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame()));
    ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), item));
    QWidget* sheet = frame()->m_pCurSheetFrame;
    ASSERT_TRUE(sheet && sheet->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([sheet] { return QGuiApplication::focusWindow() == sheet->windowHandle(); }));
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([sheet] { return !sheet->isVisible(); }));
  }
}

}  // namespace
}  // namespace tmb::test
