#include "support/converted_drawing.h"

#include "core/path/stroke_work.h"
#include "platform/gdi/device_context.h"

namespace tmb::test {

void DrawConverted(DeviceContext& dc, const CStrokeWork& path, Point offset) {
  for (int i = 0; i + 1 < path.GetCount(); ++i) {
    if (path.m_pFlags[i + 1] == CStrokePath::kFlagStart) continue;
    dc.SelectPen({kPenSolid, path.m_pWidths[i], 0x000000, kCapRound, kJoinRound});
    const Point a = path.m_pPoints[i].RoundToPoint();
    const Point b = path.m_pPoints[i + 1].RoundToPoint();
    dc.MoveTo(a.x + offset.x, a.y + offset.y);
    dc.LineTo(b.x + offset.x, b.y + offset.y);
  }
}

}  // namespace tmb::test
