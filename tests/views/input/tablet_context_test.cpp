// The tablet: packets queued from tablet events, the one context the drawing views share
// and close once, a program without a tablet, and the conversions of packet values.
#include <QTabletEvent>
#include <climits>

#include "core/document/tmb_doc.h"
#include "platform/ui/tablet.h"
#include "views/input/pen_fixture.h"
#include "views/input/tablet_context.h"

namespace tmb::test {
namespace {

// The default tablet, with the contexts opened and closed counted, or none at all.
class CountingTablet final : public ui::TabletService {
 public:
  CountingTablet() { ui::SetTabletService(this); }
  ~CountingTablet() override { ui::SetTabletService(nullptr); }

  bool Present() override { return present; }
  ui::TabletContext* Open(QWidget* window, const ui::TabletContextRecord& record, bool enable) override {
    ++opened;
    lastRecord = record;
    return refuseOpen ? nullptr : TabletService::Open(window, record, enable);
  }
  bool Close(ui::TabletContext* context) override {
    closes += TabletService::Close(context) ? 1 : 0;
    return true;
  }

  bool present = true;
  bool refuseOpen = false;
  int opened = 0;
  int closes = 0;
  ui::TabletContextRecord lastRecord;
};

TEST(TabletToScreen, ScalesPacketPositionsIn64Bits) {
  struct Case {
    int32_t x, y;
    Size screen;
    int32_t maxX, maxY;
    Point expected;
  };
  const Case cases[] = {
      {0, 0, {1280, 1024}, 25600, 20480, {0, 0}},
      {25600, 10240, {1280, 1024}, 25600, 20480, {1280, 512}},
      // 2,000,000 x 2,560 does not fit in 32 bits.
      {2000000, 1500000, {2560, 1600}, 2000000, 2000000, {2560, 1200}},
      {INT32_MAX, INT32_MIN, {3840, 2160}, INT32_MAX, INT32_MAX, {3840, -2160}},
      {500, 500, {1280, 1024}, 0, 0, {0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TabletToScreen(c.x, c.y, c.screen, c.maxX, c.maxY), c.expected) << c.x << "," << c.y;
  }
}

TEST(PressurePercent, IsAPercentageOfTheMaximumAtMost100) {
  struct Case {
    uint32_t raw;
    int32_t max;
    int expected;
  };
  const Case cases[] = {{0, 1023, 0},    {1023, 1023, 100}, {511, 1023, 49},        {2000, 1023, 100},
                        {UINT32_MAX, 1, 100}, {500, 0, -1},  {500, -5, -1}, {37, 100, 37}};
  for (const Case& c : cases) EXPECT_EQ(PressurePercent(c.raw, c.max), c.expected) << c.raw << "/" << c.max;
}

TEST(TabletQueue, KeepsTheNewestPacketsOnTheContextOnTop) {
  CountingTablet tablet;
  ui::TabletContext* lower = tablet.Open(nullptr, tablet.DefaultContext(), true);
  ui::TabletContext* upper = tablet.Open(nullptr, tablet.DefaultContext(), true);
  QPointingDevice stylus(QStringLiteral("stylus"), 9, QInputDevice::DeviceType::Stylus,
                         QPointingDevice::PointerType::Pen, QInputDevice::Capability::Pressure, 1, 2);
  const auto feed = [&](int i) {
    QTabletEvent e(QEvent::TabletMove, &stylus, QPointF(i, 0), QPointF(i, 0), 0.5, 0, 0, 0, 0, 0, Qt::NoModifier,
                   Qt::NoButton, Qt::LeftButton);
    tablet.Feed(e);
  };
  for (int i = 0; i < 200; ++i) feed(i);
  ui::TabletPacket packets[300];
  EXPECT_EQ(tablet.PacketsGet(lower, 300, packets), 0);
  ASSERT_EQ(tablet.PacketsGet(upper, 300, packets), int(ui::TabletService::kQueuePackets));
  EXPECT_EQ(packets[0].x, (200 - int(ui::TabletService::kQueuePackets)) * ui::TabletService::kUnitsPerPixel);
  EXPECT_EQ(packets[0].normalPressure, 512u);
  EXPECT_EQ(packets[0].cursor, uint32_t(ui::kTabletCursorPen));
  // Brought to the top, the other context gets the packets.
  EXPECT_TRUE(tablet.Overlap(lower, true));
  feed(1);
  EXPECT_EQ(tablet.PacketsGet(lower, 1, packets), 1);
  EXPECT_TRUE(tablet.Close(lower));
  EXPECT_TRUE(tablet.Close(upper));
  EXPECT_FALSE(tablet.Overlap(upper, true));
  feed(2);  // no context: the packet goes nowhere
}

using TabletContextOfViews = DrawingViewTest;

TEST_F(TabletContextOfViews, TheViewsShareOneContextThatTheLastOfThemCloses) {
  CountingTablet tablet;
  gDrawState.m_nCreatingKind = kKindDrawA;
  auto viewA = std::make_unique<CTmbView>(nullptr, 1);
  gDrawState.m_nCreatingKind = kKindDrawB;
  auto viewB = std::make_unique<CTmbView>(nullptr, 1);
  FirstPaint(*viewA);
  FirstPaint(*viewB);
  EXPECT_EQ(tablet.opened, 1);
  EXPECT_EQ(gDrawState.m_bTabletPresent, 1);
  EXPECT_EQ(gDrawState.m_nPressureMax, ui::TabletService::kPressureMax);
  EXPECT_EQ(viewA->m_bTabletOpen, 1);
  EXPECT_EQ(viewB->m_bTabletOpen, 1);
  ASSERT_NE(gTabletContext, nullptr);
  // The context as the pen input asks for it: the device's whole extent, both ways.
  EXPECT_EQ(tablet.lastRecord.pktData, 0x15E2u);
  EXPECT_EQ(tablet.lastRecord.moveMask, 0x15E2u);
  EXPECT_EQ(tablet.lastRecord.pktMode, 0x40u);
  EXPECT_EQ(tablet.lastRecord.outExtX, gTabletMaxX);
  EXPECT_EQ(tablet.lastRecord.inExtY, gTabletMaxY);
  // A view opened again takes no second reference.
  viewA->OpenTablet();
  viewA.reset();
  EXPECT_EQ(tablet.closes, 0);
  EXPECT_NE(gTabletContext, nullptr);
  viewB->CloseTablet();
  viewB->CloseTablet();
  EXPECT_EQ(tablet.closes, 1);
  EXPECT_EQ(gTabletContext, nullptr);
  viewB.reset();
  EXPECT_EQ(tablet.closes, 1);
}

TEST_F(TabletContextOfViews, WithoutATabletOrItsContextEveryPointHasNoPressure) {
  for (bool refuse : {false, true}) {
    SCOPED_TRACE(refuse ? "the context cannot be opened" : "no tablet");
    CountingTablet tablet;
    tablet.present = refuse;
    tablet.refuseOpen = refuse;
    gDrawState.m_nCreatingKind = kKindDrawA;
    auto view = std::make_unique<CTmbView>(nullptr, 1);
    const Point o = gDrawState.m_ptCanvasOrigin;
    view->resize(kPaperWidth + 2 * o.x, kPaperHeight + 2 * o.y);
    view->show();
    view->OnInitialUpdate();
    FirstPaint(*view);
    EXPECT_EQ(gDrawState.m_bTabletPresent, 0);
    EXPECT_EQ(view->m_bTabletOpen, 0);
    EXPECT_EQ(gTabletContext, nullptr);
    a.m_nPoints = 0;
    PenEvents pen(view->area()->viewport(), clock);
    pen.PenPress({100, 100}, 0.5);
    pen.PenMove({120, 100}, 0.5);
    pen.PenRelease({140, 100}, 0.5);
    ASSERT_EQ(a.m_nPoints, 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(a.m_pPressure[i], -1) << i;
    view.reset();
    EXPECT_EQ(tablet.closes, 0);
  }
}

}  // namespace
}  // namespace tmb::test
