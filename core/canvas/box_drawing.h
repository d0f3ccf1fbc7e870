// Drawing of rubber bands, dots, coloured boxes and the frame around the paper. Colours
// pass through the palette of 256-colour displays.
#pragma once

#include <cstdint>

#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"

// Two corners, whether they are still paper coordinates (to be moved by the canvas
// origin), and a colour or pen width.
struct CLineRecord {
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int32_t shift = 0;
  int32_t value = 0;
};

// The record's rectangle outlined with a dotted pen (width from value) that inverts
// what it covers, so that drawing it again removes it. The record is brought into the
// form it was drawn in: shifted by the canvas origin (the shift flag then cleared, so a
// second drawing lands on the first) and its corners put in order.
void DrawRubberBandLine(tmb::DeviceContext& dc, CLineRecord& record);
void DrawRubberBandLinePts(tmb::DeviceContext& dc, tmb::Point p1, tmb::Point p2, int shift, int width);
// Fills the record's rectangle with the colour in value.
void FillColouredRect(tmb::DeviceContext& dc, const CLineRecord& record);
// Fills the parts of outer around inner with colour, then a dark grey shadow 6 pixels
// wide along inner's right and bottom sides, where inner ends before outer.
void FillAroundRect(tmb::DeviceContext& dc, const tmb::Rect& outer, const tmb::Rect& inner, tmb::Colour colour);
// One pixel for a size below 2, else a size x size square at (x, y); with shift the
// canvas origin is added first.
void DrawDot(tmb::DeviceContext& dc, int x, int y, int size, tmb::Colour colour, int shift);
// A dot of the drawing state's mark size under palette.
void DrawPointMark(tmb::DeviceContext& dc, int x, int y, tmb::Colour colour, const tmb::Palette* palette);
// Copies the box of corners (x1, y1) and (x2, y2) from src to the same place of dst
// under palette; origin and size receive the box.
void BlitBox(tmb::DeviceContext& dst, const tmb::DeviceContext& src, int x1, int y1, int x2, int y2,
             tmb::Point& origin, tmb::Size& size, const tmb::Palette* palette);
