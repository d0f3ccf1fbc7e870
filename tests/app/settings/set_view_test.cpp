// The settings panels in the running application: their rows for each row set, values and
// maxima, dragging a bar, the rebuild when a value settles, the buttons and the commands.
#include <QDir>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QStyleOptionSlider>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/settings/set_scroll_bar.h"
#include "app/settings/set_view.h"
#include "core/document/tmb_doc.h"
#include "resources/command_ids.h"
#include "views/tmb_view.h"

namespace tmb::test {
namespace {

constexpr int kRowSetParam = 200;

class SettingsPanel : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
    ShowAndPaint();
    ASSERT_TRUE(PanelOf(kKindDrawA) && PanelOf(kKindDrawB));
  }
  static CSetView* PanelOf(int kind) {
    CFrame_View* frame = FrameOfKind(kind);
    return frame ? qobject_cast<CSetView*>(frame->splitter()->widget(2)) : nullptr;
  }
  static CTmbDoc& DocOf(int kind) { return GetCharDocumentOfKind(kind)->engine(); }
  static CCharDataFull& RecordOf(int kind) { return DocOf(kind).m_char; }
  // A sent mouse event on the bar, at x within its thumb's row.
  static void Mouse(QWidget* bar, QEvent::Type type, int x, Qt::MouseButtons held) {
    const QPoint at(x, bar->height() / 2);
    QMouseEvent event(type, at, bar->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      held, Qt::NoModifier);
    QApplication::sendEvent(bar, &event);
  }
  static QRect ThumbOf(CSetScrollBar* bar) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.orientation = Qt::Horizontal;
    opt.state |= QStyle::State_Horizontal;
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
  }
};

TEST_F(SettingsPanel, EachRowSetShowsItsRowsLabelsAndTitle) {
  CSetView* panel = PanelOf(kKindDrawB);
  const struct {
    int set;
    std::vector<int> params;
    std::vector<std::string> labels;
    bool buttons;
    const char* title;
  } cases[] = {
      {1, {0, 2}, {"草书", "连绵"}, false, "Original B"},
      {2, {2}, {"连绵"}, false, "Original B"},
      {0, {0, 1, 7, 2, 3, 4, 5}, {"草书", "笔脉", "轻笔", "连绵", "宽度", "抑扬", "飞白"}, true, "书写窗口B"},
      // A display mode no row set has shows the first set.
      {9, {0, 1, 7, 2, 3, 4, 5}, {"草书", "笔脉", "轻笔", "连绵", "宽度", "抑扬", "飞白"}, true, "书写窗口B"},
  };
  for (const auto& c : cases) {
    RecordOf(kKindDrawB).m_param[kRowSetParam] = c.set;
    panel->RedrawNow();
    ASSERT_EQ(panel->rowCount(), int(c.params.size())) << c.set;
    for (int r = 0; r < CSetView::kRows; ++r) {
      const bool shown = r < panel->rowCount();
      EXPECT_EQ(panel->rowBar(r)->isVisible(), shown) << c.set << " row " << r;
      if (!shown) continue;
      EXPECT_EQ(panel->RowParam(r), c.params[size_t(r)]) << c.set << " row " << r;
      EXPECT_EQ(panel->RowLabel(r), c.labels[size_t(r)]) << c.set << " row " << r;
    }
    for (int i = 0; i < CSetView::kButtons; ++i) EXPECT_EQ(panel->button(i)->isVisible(), c.buttons) << c.set;
    EXPECT_EQ(FrameOfKind(kKindDrawB)->windowTitle().toStdString(), c.title) << c.set;
  }
  EXPECT_EQ(PanelOf(kKindDrawA)->shownSet(), 0);
  EXPECT_EQ(FrameOfKind(kKindDrawA)->windowTitle().toStdString(), "书写窗口A");
  // The labels and values are written on the panel's picture; the panel with its bars and
  // buttons is left for a person to see.
  QDir().mkpath(QStringLiteral(TMB_BUILD_DIR "/pictures"));
  EXPECT_TRUE(panel->grab().save(QStringLiteral(TMB_BUILD_DIR "/pictures/settings_panel_b.png")));
  const Surface& s = panel->surface();
  int ink = 0;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) ink += s.GetPixel(x, y) == 0x000000;
  }
  EXPECT_GT(ink, 7 * 20);  // seven labels and values, each many pixels of text
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(SettingsPanel, AValueAboveItsMaximumRaisesItAndTheMaximaShowOnlyWithOneDocument) {
  // With one document shared by every window, panel B shows that document's record.
  CSetView* panel = PanelOf(kKindDrawB);
  gDrawState.m_bMultiDoc = 0;
  ASSERT_EQ(panel->GetCharDocument(), &DocOf(kKindDrawA));
  CCharDataFull& shared = RecordOf(kKindDrawA);
  shared.m_param[3] = 105;
  shared.m_paramMax[3] = 100;
  panel->RedrawNow();
  EXPECT_EQ(shared.m_paramMax[3], 110);
  ASSERT_EQ(panel->RowParam(4), 3);
  EXPECT_EQ(panel->RowValueText(4), "105  (< 110)");
  EXPECT_EQ(panel->rowBar(4)->value(), 95);
  gDrawState.m_bMultiDoc = 1;
  CCharDataFull& rec = RecordOf(kKindDrawB);
  rec.m_param[3] = 105;
  panel->RedrawNow();
  EXPECT_EQ(panel->RowValueText(4), "105   ");
  // Any value a file holds is shown on the bar without overflow.
  rec.m_param[3] = 2147483647;
  panel->RedrawNow();
  EXPECT_EQ(rec.m_paramMax[3], 2147483647);
  EXPECT_EQ(panel->rowBar(4)->value(), CSetView::kScale);
  rec.m_param[3] = -40;
  panel->RedrawNow();
  EXPECT_EQ(panel->rowBar(4)->value(), 0);
}

TEST_F(SettingsPanel, DraggingChangesTheValueOnEachMoveAndRebuildsOnlyOnRelease) {
  CSetView* panel = PanelOf(kKindDrawB);
  CTmbDoc& doc = DocOf(kKindDrawB);
  CCharDataFull& rec = doc.m_char;
  rec.m_param[0] = 0;
  rec.m_paramMax[0] = 200;
  doc.m_work.m_param[0] = 0;
  const int32_t valueA = RecordOf(kKindDrawA).m_param[0];
  panel->RedrawNow();
  CSetScrollBar* bar = panel->rowBar(0);
  ASSERT_TRUE(bar->isVisible());
  const QRect thumb = ThumbOf(bar);
  ASSERT_FALSE(thumb.isEmpty());
  int x = thumb.center().x();
  Mouse(bar, QEvent::MouseButtonPress, x, Qt::LeftButton);
  ASSERT_TRUE(bar->isSliderDown());
  std::vector<int32_t> seen;
  for (int step = 0; step < 3; ++step) {
    x += bar->width() / 8;
    Mouse(bar, QEvent::MouseMove, x, Qt::LeftButton);
    seen.push_back(rec.m_param[0]);
    EXPECT_EQ(panel->RowValueText(0), (QString::number(rec.m_param[0]).rightJustified(3) + "   ").toStdString());
    EXPECT_EQ(doc.m_work.m_param[0], 0) << "no rebuild while dragging";
  }
  EXPECT_GT(seen[0], 0);
  EXPECT_LT(seen[0], seen[1]);
  EXPECT_LT(seen[1], seen[2]);
  Mouse(bar, QEvent::MouseButtonRelease, x, Qt::NoButton);
  EXPECT_FALSE(bar->isSliderDown());
  EXPECT_EQ(rec.m_param[0], seen[2]);
  EXPECT_EQ(doc.m_work.m_param[0], seen[2]) << "the release rebuilt the outline";
  EXPECT_EQ(RecordOf(kKindDrawA).m_param[0], valueA) << "window A's record is not touched";
  EXPECT_EQ(rec.m_bModified, 1);
}

TEST_F(SettingsPanel, ScrollCodesSettleAndRebuildAgainAfterTheRecordChangedElsewhere) {
  CSetView* panel = PanelOf(kKindDrawB);
  CTmbDoc& doc = DocOf(kKindDrawB);
  CCharDataFull& rec = doc.m_char;
  rec.m_param[2] = 95;
  rec.m_paramMax[2] = 100;
  panel->RedrawNow();
  const int row = 3;
  ASSERT_EQ(panel->RowParam(row), 2);
  panel->rowBar(row)->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(rec.m_param[2], 100);
  EXPECT_EQ(doc.m_work.m_param[2], 100);
  // Something else (an undo, a load, a style) puts the record back and builds it.
  rec.m_param[2] = 60;
  auto* view = qobject_cast<CTmbView*>(FrameOfKind(kKindDrawB)->activeView());
  view->RebuildOutline();
  ASSERT_EQ(doc.m_work.m_param[2], 60);
  // Back to the value applied last: the outline still has to follow.
  panel->rowBar(row)->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(rec.m_param[2], 100);
  EXPECT_EQ(doc.m_work.m_param[2], 100);
  panel->rowBar(row)->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(rec.m_param[2], 0);
  panel->rowBar(row)->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(rec.m_param[2], 0);
  EXPECT_EQ(panel->rowBar(row)->value(), 0);
}

TEST_F(SettingsPanel, TheButtonsRunTheSettingActionsAndOneCommandHidesThemInBothPanels) {
  CSetView* a = PanelOf(kKindDrawA);
  CSetView* b = PanelOf(kKindDrawB);
  CTmbDoc& doc = DocOf(kKindDrawB);
  doc.m_char.m_param[1] = 33;
  b->button(0)->click();  // "变换": rebuild and redraw
  EXPECT_EQ(doc.m_work.m_param[1], 33);
  EXPECT_EQ(b->button(0)->text().toStdString(), "变换");
  EXPECT_EQ(b->button(2)->text().toStdString(), "清除");

  ASSERT_TRUE(frame()->QueryCommand(kCmdSettingButtons).enabled());
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdSettingButtons));
  EXPECT_EQ(gDrawState.m_bSettingViewButton, 1);
  EXPECT_TRUE(frame()->QueryCommand(kCmdSettingButtons).checked());
  for (CSetView* panel : {a, b}) {
    for (int i = 0; i < CSetView::kButtons; ++i) EXPECT_FALSE(panel->button(i)->isVisible());
  }
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdSettingButtons));
  EXPECT_EQ(gDrawState.m_bSettingViewButton, 0);
  for (CSetView* panel : {a, b}) EXPECT_TRUE(panel->button(1)->isVisible());

  // The redraw command draws the current window's panel from its record.
  frame()->ActivateViewOfKind(kKindDrawB, 0);
  doc.m_char.m_param[kRowSetParam] = 2;
  ASSERT_TRUE(frame()->QueryCommand(kCmdRedrawSettingsPanel).enabled());
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRedrawSettingsPanel));
  EXPECT_EQ(b->rowCount(), 1);
  EXPECT_EQ(a->rowCount(), 7);
}

TEST_F(SettingsPanel, FocusMakesItsWindowCurrentAndAKeyReleaseIsRecorded) {
  CSetView* b = PanelOf(kKindDrawB);
  gDrawState.m_nCurDrawKind = kKindDrawA;
  QFocusEvent in(QEvent::FocusIn);
  QApplication::sendEvent(b, &in);
  EXPECT_EQ(gDrawState.m_nCurDrawKind, kKindDrawB);
  QKeyEvent up(QEvent::KeyRelease, Qt::Key_F, Qt::NoModifier, QStringLiteral("f"));
  QApplication::sendEvent(b, &up);
  EXPECT_EQ(gDrawState.m_nLastKeyChar, 'F');
  EXPECT_EQ(gDrawState.m_nLastKeyRepeat, 1);
  EXPECT_EQ(messages.beeps, 0);
}

}  // namespace
}  // namespace tmb::test
