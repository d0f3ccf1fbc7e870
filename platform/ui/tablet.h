// The graphics tablet as the pen input reads it: a device with position and pressure
// axes, and contexts that queue one packet per pen event, read one packet at a time.
// The packets come from Qt's tablet events; without a tablet none ever arrives. Tests
// feed the default tablet with tablet events or install one of their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include <QPointer>

class QTabletEvent;
class QWidget;

namespace tmb::ui {

// What a context delivers per pen event, fields in the order a context delivers them.
struct TabletPacket {
  uint32_t status = 0;
  uint32_t cursor = 0;   // kTabletCursorPen or kTabletCursorEraser
  uint32_t buttons = 0;  // the pen's buttons held, one bit each
  int32_t x = 0;         // position in the context's output extents
  int32_t y = 0;
  uint32_t normalPressure = 0;  // 0 to the pressure axis maximum (more from a device that overshoots)
  int32_t azimuth = 0;          // orientation: Qt gives no such angles, they stay 0
  int32_t altitude = 0;
  int32_t twist = 0;
};

enum TabletCursor { kTabletCursorPen = 1, kTabletCursorEraser = 2 };
enum TabletAxisId { kTabletAxisX, kTabletAxisY, kTabletAxisPressure, kTabletAxisOrientation };

struct TabletAxis {
  int32_t min = 0;
  int32_t max = 0;
};

// How a context is opened: what its packets hold and how device coordinates (input
// extents) map to packet coordinates (output extents).
struct TabletContextRecord {
  uint32_t msgBase = 0;
  uint32_t pktData = 0;
  uint32_t pktMode = 0;
  uint32_t moveMask = 0;
  uint32_t btnDnMask = 0;
  uint32_t btnUpMask = 0;
  int32_t inOrgX = 0, inOrgY = 0, inExtX = 0, inExtY = 0;
  int32_t outOrgX = 0, outOrgY = 0, outExtX = 0, outExtY = 0;
};

// An open context: its record and its queue of packets not yet read.
struct TabletContext {
  QPointer<QWidget> window;
  TabletContextRecord record;
  bool enabled = false;
  std::deque<TabletPacket> queue;
};

class TabletService {
 public:
  // Device units per screen pixel of the position axes.
  static constexpr int kUnitsPerPixel = 20;
  // The maximum of the pressure axis: full pressure.
  static constexpr int32_t kPressureMax = 1023;
  // A context keeps the newest packets only: the oldest goes when a new one finds it full.
  static constexpr size_t kQueuePackets = 128;

  virtual ~TabletService();

  // Whether a tablet can deliver packets. Qt always can: without a tablet the queues
  // simply stay empty.
  virtual bool Present();
  // The axis of the device: positions in device units over the whole screen.
  virtual TabletAxis Axis(TabletAxisId axis);
  // The context a program gets unless it changes it: the whole device on the whole screen.
  virtual TabletContextRecord DefaultContext();
  // Opens a context for window on top of the others; null when it cannot be opened.
  virtual TabletContext* Open(QWidget* window, const TabletContextRecord& record, bool enable);
  // Moves up to max of the oldest queued packets of context to out; returns how many.
  virtual int PacketsGet(TabletContext* context, int max, TabletPacket* out);
  // Puts context on top of the others (or at the bottom); false for an unknown context.
  virtual bool Overlap(TabletContext* context, bool toTop);
  // Closes context with what it still queued; false for an unknown context.
  virtual bool Close(TabletContext* context);

  // A pen event: queued as a packet on the enabled context on top, if any.
  void Feed(const QTabletEvent& event);
  // The packet of a pen at screen position (x, y) with raw pressure, as context maps it.
  static TabletPacket PacketAt(const TabletContextRecord& record, double x, double y, uint32_t pressure);

 private:
  // In overlap order: the last is on top.
  std::vector<std::unique_ptr<TabletContext>> contexts_;
};

// The installed tablet; the default one until another is set.
TabletService& Tablet();
// Installs tablet (not owned); nullptr restores the default.
void SetTabletService(TabletService* tablet);

}  // namespace tmb::ui
