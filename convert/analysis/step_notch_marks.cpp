#include "convert/analysis/step_notch_marks.h"

#include <vector>

#include "convert/analysis/step_cleaning.h"
#include "core/path/stroke_path.h"
#include "platform/gdi/device_context.h"

int PaintStepNotches(const CStrokePath& path, tmb::DeviceContext& dc) {
  const tmb::Colour white = tmb::MakeRgb(255, 255, 255);
  std::vector<CFPoint> p;
  for (int i = 0; i < path.GetCount(); ++i) {
    const tmb::Point r = path.m_pPoints[i].RoundToPoint();
    p.emplace_back(float(r.x), float(r.y));
  }
  int notches = 0;
  for (int s = 0; s < path.GetCount();) {
    const int e = path.FindStrokeEnd(s);
    // A notch needs four different points.
    for (int a = s; e - s >= 3 && a <= e; ++a) {
      const StepWindow w = StepWindowAt(path, a);
      if (NotchOf(p.data(), w) == kNoNotch) continue;
      for (int k : {w.b, w.c}) dc.SetPixel(int(p[size_t(k)].x), int(p[size_t(k)].y), white);
      ++notches;
    }
    s = e + 1;
  }
  return notches;
}
