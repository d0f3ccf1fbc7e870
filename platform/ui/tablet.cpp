#include "platform/ui/tablet.h"

#include <QGuiApplication>
#include <QPointingDevice>
#include <QScreen>
#include <QTabletEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tmb::ui {
namespace {

// Orientation axes in tenths of a degree, as tablets report them.
constexpr int32_t kFullTurn = 3600;
// Beyond any pen's overshoot: keeps the raw pressure a number.
constexpr double kPressureCeiling = 1000.0;

QRect ScreenArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->virtualGeometry() : QRect();
}

// One coordinate from the input extents to the output extents, in 64 bits.
int32_t MapAxis(int64_t device, int32_t inOrg, int32_t inExt, int32_t outOrg, int32_t outExt) {
  if (inExt == 0) return outOrg;
  const int64_t v = outOrg + (device - inOrg) * outExt / inExt;
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

TabletService gDefault;
TabletService* gTablet = &gDefault;

}  // namespace

TabletService::~TabletService() = default;

bool TabletService::Present() { return true; }

TabletAxis TabletService::Axis(TabletAxisId axis) {
  const QRect area = ScreenArea();
  switch (axis) {
    case kTabletAxisX:
      return {0, area.width() * kUnitsPerPixel};
    case kTabletAxisY:
      return {0, area.height() * kUnitsPerPixel};
    case kTabletAxisPressure:
      return {0, kPressureMax};
    case kTabletAxisOrientation:
      return {0, kFullTurn};
  }
  return {};
}

TabletContextRecord TabletService::DefaultContext() {
  TabletContextRecord r;
  r.inExtX = r.outExtX = Axis(kTabletAxisX).max;
  r.inExtY = r.outExtY = Axis(kTabletAxisY).max;
  return r;
}

TabletContext* TabletService::Open(QWidget* window, const TabletContextRecord& record, bool enable) {
  auto context = std::make_unique<TabletContext>();
  context->window = window;
  context->record = record;
  context->enabled = enable;
  contexts_.push_back(std::move(context));
  return contexts_.back().get();
}

int TabletService::PacketsGet(TabletContext* context, int max, TabletPacket* out) {
  if (!context || !out) return 0;
  int n = 0;
  while (n < max && !context->queue.empty()) {
    out[n++] = context->queue.front();
    context->queue.pop_front();
  }
  return n;
}

bool TabletService::Overlap(TabletContext* context, bool toTop) {
  auto it = std::find_if(contexts_.begin(), contexts_.end(), [context](const auto& c) { return c.get() == context; });
  if (it == contexts_.end()) return false;
  if (toTop) {
    std::rotate(it, it + 1, contexts_.end());
  } else {
    std::rotate(contexts_.begin(), it, it + 1);
  }
  return true;
}

bool TabletService::Close(TabletContext* context) {
  auto it = std::find_if(contexts_.begin(), contexts_.end(), [context](const auto& c) { return c.get() == context; });
  if (it == contexts_.end()) return false;
  contexts_.erase(it);
  return true;
}

TabletPacket TabletService::PacketAt(const TabletContextRecord& record, double x, double y, uint32_t pressure) {
  TabletPacket p;
  const auto device = [](double v) { return static_cast<int64_t>(std::llround(v * kUnitsPerPixel)); };
  p.x = MapAxis(device(x), record.inOrgX, record.inExtX, record.outOrgX, record.outExtX);
  p.y = MapAxis(device(y), record.inOrgY, record.inExtY, record.outOrgY, record.outExtY);
  p.normalPressure = pressure;
  return p;
}

void TabletService::Feed(const QTabletEvent& event) {
  auto top = std::find_if(contexts_.rbegin(), contexts_.rend(), [](const auto& c) { return c->enabled; });
  if (top == contexts_.rend()) return;
  TabletContext& context = **top;
  const QPointF at = event.globalPosition() - QPointF(ScreenArea().topLeft());
  // Pressure as the device's raw value: what a pen reports beyond full pressure is kept.
  const double pressure = std::clamp(event.pressure(), 0.0, kPressureCeiling) * kPressureMax;
  TabletPacket packet = PacketAt(context.record, at.x(), at.y(), static_cast<uint32_t>(std::lround(pressure)));
  const QPointingDevice* device = event.pointingDevice();
  const bool eraser = device && device->pointerType() == QPointingDevice::PointerType::Eraser;
  packet.cursor = eraser ? kTabletCursorEraser : kTabletCursorPen;
  packet.buttons = static_cast<uint32_t>(event.buttons().toInt());
  if (context.queue.size() >= kQueuePackets) context.queue.pop_front();
  context.queue.push_back(packet);
}

TabletService& Tablet() { return *gTablet; }

void SetTabletService(TabletService* tablet) { gTablet = tablet ? tablet : &gDefault; }

}  // namespace tmb::ui
