// Marking one stroke of a working record for its kind: its segments in a pen of the
// kind's colour and width, and small circles on its points for kinds 2 and 4.
#pragma once

#include "platform/gdi/device_context.h"

class CCharData;

// The widths the annotation pens take, by entry.
inline constexpr int kAnnotationWidths[] = {1, 3, 5, 7, 9, 11, 13};

// Draws the segments of stroke `stroke` (counted from 0) of work: kind 101 in 0xFF8000
// with a pen of width 7, any other kind in black one pixel wide; kinds 2 and 4 also put
// a circle of radius 3 in a red pen of width 2 on every point. The pen and brush found
// are restored. Nothing is drawn for a stroke the record does not have.
void DrawStrokeAnnotations(tmb::DeviceContext* pDC, const CCharData& work, int kind, int stroke);
