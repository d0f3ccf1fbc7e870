// Converted characters drawn for a person to look at: every segment of a stroke as a
// round-ended line of its first point's brush width.
#pragma once

#include "platform/gdi/geometry.h"

class CStrokeWork;
namespace tmb {
class DeviceContext;
}

namespace tmb::test {

// Draws path moved by offset, in black.
void DrawConverted(DeviceContext& dc, const CStrokeWork& path, Point offset = {0, 0});

}  // namespace tmb::test
