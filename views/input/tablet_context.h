// The one tablet context of the program, which the drawing views share, and what the pen
// input makes of its packets: screen positions and pressure percentages.
#pragma once

#include <cstdint>

#include "platform/gdi/geometry.h"

class QWidget;
namespace tmb::ui {
struct TabletContext;
}

// How far the packet choice of the current stroke has come (gPenSampleState).
enum PenSampleState { kPenStrokeStarted = 1, kPenFirstNoted = 2, kPenMoved = 3 };

extern tmb::ui::TabletContext* gTabletContext;  // null while no view holds it
extern int32_t gTabletMaxX;                     // the maxima of the device's position axes
extern int32_t gTabletMaxY;
extern int32_t gPenSampleState;
extern tmb::Point gPenFirstPosition;  // where the pen was at the first packet of a stroke

// Takes one reference to the shared context. The first opens it for window, deciding
// whether a tablet is present (CDrawState::m_bTabletPresent) and its pressure maximum;
// later ones share it. Returns whether a reference was taken (none without a tablet).
bool AcquireTabletContext(QWidget* window);
// Gives one reference back; the last one closes the context.
void ReleaseTabletContext();
// Reads and discards every queued packet of the context; returns how many there were.
int DrainTabletPackets();

// A packet position on a screen of the given size: the axis maxima span the screen.
// The products are taken in 64 bits; an axis without extent gives 0.
tmb::Point TabletToScreen(int32_t x, int32_t y, tmb::Size screen, int32_t maxX, int32_t maxY);
// A raw pressure in percent of the device maximum, at most 100; -1 without a maximum.
int PressurePercent(uint32_t raw, int32_t max);
