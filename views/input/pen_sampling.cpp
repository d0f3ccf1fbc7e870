// The tablet around a stroke: the view's reference to the shared context, the packets
// drained when a stroke starts and ends, and the pressure each mouse sample takes from
// the packets. The points themselves always come from the mouse events.
#include <QWidget>
#include <cstdlib>

#include "core/state/draw_state.h"
#include "platform/ui/tablet.h"
#include "views/input/tablet_context.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace {

// The first sample of a stroke takes the pressure of the first packet at which the pen
// has moved by this much in x or y.
constexpr int kPenMoveThreshold = 3;

}  // namespace

void CTmbView::OpenTablet() {
  if (!m_bTabletOpen) m_bTabletOpen = AcquireTabletContext(m_pArea->viewport()) ? 1 : 0;
}

void CTmbView::CloseTablet() {
  if (m_bTabletOpen) ReleaseTabletContext();
  m_bTabletOpen = 0;
}

void CTmbView::DrainStartPackets() {
  if (!gDrawState.m_bTabletPresent) return;
  m_nStartPackets = DrainTabletPackets();
  gDrawState.m_nPenPressure = -2;
  gPenSampleState = kPenStrokeStarted;
  if (gTabletContext) tmb::ui::Tablet().Overlap(gTabletContext, true);
}

void CTmbView::DrainEndPackets() {
  if (gDrawState.m_bTabletPresent && m_nStartPackets != 0) DrainTabletPackets();
}

void CTmbView::ReadSamplePressure() {
  const int previous = gDrawState.m_nPenPressure;
  gDrawState.m_nPenPressure = -1;
  // A stroke begun with an empty queue is a stroke of the mouse.
  if (!gDrawState.m_bTabletPresent || m_nStartPackets == 0 || !gTabletContext) return;
  // One thread cannot wait for packets to arrive: the sample takes those that have. A
  // packet of the first move is chosen for the pen's having moved off its first place.
  tmb::ui::TabletPacket packet;
  bool read = false;
  tmb::ui::TabletPacket next;
  while (tmb::ui::Tablet().PacketsGet(gTabletContext, 1, &next) == 1) {
    packet = next;
    read = true;
    if (m_bStrokeActive == 2 || gPenSampleState == kPenMoved) break;
    const tmb::Point screen = TabletToScreen(packet.x, packet.y, gDrawState.m_sizeScreen, gTabletMaxX, gTabletMaxY);
    const QPoint client = m_pArea->viewport()->mapFromGlobal(QPoint(screen.x, screen.y));
    const tmb::Point at = LogicalOf({client.x(), client.y()});
    if (gPenSampleState == kPenStrokeStarted) {
      gPenFirstPosition = at;
      gPenSampleState = kPenFirstNoted;
    } else if (std::abs(at.x - gPenFirstPosition.x) >= kPenMoveThreshold ||
               std::abs(at.y - gPenFirstPosition.y) >= kPenMoveThreshold) {
      gPenSampleState = kPenMoved;
      break;
    }
  }
  // No packet came for this sample: it keeps the pressure of the one before, never that
  // of a packet read for another sample.
  if (!read) {
    gDrawState.m_nPenPressure = previous >= 0 ? previous : -1;
    return;
  }
  if (gDrawState.m_nPressureMax > 0) {
    gDrawState.m_nPenPressure = PressurePercent(packet.normalPressure, gDrawState.m_nPressureMax);
  }
}
