#include "views/input/tablet_context.h"

#include <algorithm>

#include "core/state/draw_state.h"
#include "platform/ui/tablet.h"

namespace {

// What the pen input asks of its context: status, cursor, buttons, x, y, normal pressure
// and orientation in every packet, buttons relative, and a move in any of them reported.
constexpr uint32_t kMessageBase = 0x7FF0;
constexpr uint32_t kPacketData = 0x15E2;
constexpr uint32_t kPacketButtonsRelative = 0x0040;
constexpr int kPercent = 100;

int gReferences = 0;

}  // namespace

tmb::ui::TabletContext* gTabletContext = nullptr;
int32_t gTabletMaxX = 0;
int32_t gTabletMaxY = 0;
int32_t gPenSampleState = 0;
tmb::Point gPenFirstPosition{};

bool AcquireTabletContext(QWidget* window) {
  if (gTabletContext) {
    ++gReferences;
    return true;
  }
  tmb::ui::TabletService& tablet = tmb::ui::Tablet();
  gDrawState.m_bTabletPresent = tablet.Present() ? 1 : 0;
  if (!gDrawState.m_bTabletPresent) return false;
  tmb::ui::TabletContextRecord record = tablet.DefaultContext();
  gTabletMaxX = tablet.Axis(tmb::ui::kTabletAxisX).max;
  gTabletMaxY = tablet.Axis(tmb::ui::kTabletAxisY).max;
  record.msgBase = kMessageBase;
  record.pktData = kPacketData;
  record.pktMode = kPacketButtonsRelative;
  record.moveMask = kPacketData;
  record.btnUpMask = record.btnDnMask;
  record.inOrgX = record.inOrgY = 0;
  record.inExtX = gTabletMaxX;
  record.inExtY = gTabletMaxY;
  record.outOrgX = record.outOrgY = 0;
  record.outExtX = gTabletMaxX;
  record.outExtY = gTabletMaxY;
  gTabletContext = tablet.Open(window, record, true);
  if (!gTabletContext) {
    gDrawState.m_bTabletPresent = 0;
    return false;
  }
  gDrawState.m_nPressureMax = tablet.Axis(tmb::ui::kTabletAxisPressure).max;
  gReferences = 1;
  return true;
}

void ReleaseTabletContext() {
  if (gReferences == 0 || --gReferences > 0) return;
  tmb::ui::Tablet().Close(gTabletContext);
  gTabletContext = nullptr;
}

int DrainTabletPackets() {
  int n = 0;
  tmb::ui::TabletPacket packet;
  while (gTabletContext && tmb::ui::Tablet().PacketsGet(gTabletContext, 1, &packet) == 1) ++n;
  return n;
}

tmb::Point TabletToScreen(int32_t x, int32_t y, tmb::Size screen, int32_t maxX, int32_t maxY) {
  const auto scale = [](int32_t v, int32_t extent, int32_t max) {
    if (max == 0) return 0;
    return static_cast<int>(std::clamp<int64_t>(int64_t{v} * extent / max, INT32_MIN, INT32_MAX));
  };
  return {scale(x, screen.cx, maxX), scale(y, screen.cy, maxY)};
}

int PressurePercent(uint32_t raw, int32_t max) {
  if (max <= 0) return -1;
  return static_cast<int>(std::min<int64_t>(int64_t{raw} * kPercent / max, kPercent));
}
