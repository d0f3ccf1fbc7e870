#include "brush/outline/flow_step.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/geometry/saturate.h"
#include "core/path/quad_sampling.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data.h"

namespace {

constexpr int kKeyEvery = 1000;  // a key point every this many points of a stroke
constexpr tmb::Colour kFlowColour = 0xFFC0;
constexpr tmb::Colour kPieceColour = 255;  // red
constexpr int64_t kNearestStart = 100000000;
constexpr uint8_t kAttrStrokeKey = 2;

// A curve coordinate truncated to a whole pixel, held within the int range (the points
// may lie anywhere).
int Pixel(float v) { return SaturateToInt(double(v)); }

CFPoint Blend(CFPoint s, CFPoint target, double f) {
  return CFPoint(static_cast<float>(s.x * (1 - f) + target.x * f), static_cast<float>(s.y * (1 - f) + target.y * f));
}

}  // namespace

void FlowRedraw(const CStrokePath& keyPath, FlowCanvas* canvas, tmb::Colour colour, int mode, CStrokePath& source,
                int value, std::span<const int> table) {
  const int kn = std::min<int>(keyPath.GetCount(), static_cast<int>(table.size()));
  if (kn <= 0) return;
  const CStrokePath& k = keyPath;
  const size_t capacity = size_t(std::max(gWorkCanvas.m_nMaxPoints, 0));
  std::vector<CFPoint> curve(capacity);
  std::vector<uint8_t> starts(capacity, 0);
  std::vector<int> vtx(size_t(kn), -1);
  const std::span<const CFPoint> keys(k.m_pPoints, size_t(kn));

  // The curve through every run of key points joined by attribute 3.
  int count = 0;
  bool odd = false;
  for (int i = 0; i < kn; ++i) {
    if (i + 1 >= kn || k.m_pAttrs[i + 1] != CStrokePath::kAttrSkip) continue;
    int r = 2;
    while (i + r < kn && k.m_pAttrs[i + r] == CStrokePath::kAttrSkip && k.m_pFlags[i + r] == 0) ++r;
    if (r >= 3) {
      const int before = count;
      count = SampleQuadraticPolyline(keys, i, r, curve, count, vtx, starts);
      for (int j = before; canvas && j < count; ++j) {
        if (starts[size_t(j)]) odd = !odd;
        canvas->SetPixel(Pixel(curve[size_t(j)].x), Pixel(curve[size_t(j)].y), odd ? kPieceColour : colour);
      }
    }
    i += r - 1;
  }

  // Each key point inside a run matched to its nearest point of the curve before it.
  std::vector<int> near(size_t(kn) + 1, -1);
  for (int i = 0; mode == 0 && i + 1 < kn; ++i) {
    if (k.m_pFlags[i + 1] != 0 || vtx[size_t(i)] < 0 || vtx[size_t(i) + 1] < 0) continue;
    const CFPoint key = k.m_pPoints[i + 1];
    int64_t best = kNearestStart;
    int found = vtx[size_t(i) + 1];
    for (int j = vtx[size_t(i)]; j < vtx[size_t(i) + 1]; ++j) {
      const double dx = double(curve[size_t(j)].x) - key.x;
      const double dy = double(curve[size_t(j)].y) - key.y;
      // Nothing at the start distance or beyond can win (a NaN neither).
      const double d2 = dx * dx + dy * dy;
      const int64_t d = d2 < double(kNearestStart) ? static_cast<int64_t>(d2) : kNearestStart;
      if (d < best) {
        best = d;
        found = j;
      }
    }
    near[size_t(i) + 1] = found;
  }

  // The source points between two key points follow the matching stretch of the curve.
  const double f = value / 100.0;
  for (int i = 0; i + 1 < kn; ++i) {
    if (near[size_t(i)] < 0 && near[size_t(i) + 1] < 0) continue;
    const int a = table[size_t(i)];
    const int b = std::min(table[size_t(i) + 1], source.GetCount() - 1);
    const int fa = near[size_t(i)] >= 0 ? near[size_t(i)] : vtx[size_t(i)];
    const int fb = near[size_t(i) + 1] >= 0 ? near[size_t(i) + 1] : vtx[size_t(i) + 1];
    if (fa < 0 || fb < 0 || a < 0 || b <= a || source.IsStrokeLast(a)) continue;
    for (int j = a; j <= b; ++j) {
      const int t = fa + int(int64_t{fb - fa} * (j - a) / (b - a));
      source.m_pPoints[j] = Blend(source.m_pPoints[j], curve[size_t(t)], f);
    }
  }
}

void BlendFromKeyPoints(CStrokePath& keyPath, CStrokePath& source, int percent, std::span<const int> table) {
  CStrokePath& k = keyPath;
  const int kn = std::min<int>(k.GetCount(), static_cast<int>(table.size()));
  for (int i = 0; i + 2 < k.GetCount(); ++i) {
    const CFPoint a = k.m_pPoints[i];
    const CFPoint c = k.m_pPoints[i + 2];
    k.m_pPoints[i + 1] = CFPoint(static_cast<float>((double(a.x) + c.x) / 2), static_cast<float>((double(a.y) + c.y) / 2));
  }
  const double f = percent / 100.0;
  for (int s = 0; s + 1 < kn;) {
    const int e = std::min(k.FindStrokeEnd(s), kn - 1);
    const int a = table[size_t(s)];
    const int b = std::min(table[size_t(s) + 1], source.GetCount() - 1);
    for (int j = std::max(a, 0); b > a && j <= b; ++j) {
      const int t = s + int(int64_t{e - s} * (j - a) / (b - a));
      source.m_pPoints[j] = Blend(source.m_pPoints[j], k.m_pPoints[t], f);
    }
    s = e + 1;
  }
}

void CCharData::FlowStep(CStrokeWork& path, int value, int joinDistance, FlowCanvas* canvas) {
  CStrokeWork& s = path;
  const int n = s.GetCount();
  CStrokePath keys;
  std::vector<int> table;
  table.reserve(size_t(std::max(n, 0)));
  const double join2 = double(joinDistance) * joinDistance;
  int strokeStart = 0;
  for (int i = 0; i < n; ++i) {
    const bool start = i == 0 || s.m_pFlags[i] != 0;
    if (start) strokeStart = i;
    if (!start && !s.IsStrokeLast(i) && (i - strokeStart) % kKeyEvery != 0) continue;
    if (!keys.AppendPointFrom(s, i)) break;
    const int k = keys.GetCount() - 1;
    keys.m_pAttrs[k] = CStrokePath::kAttrSkip;
    if (start) {
      const double dx = i > 0 ? double(s.m_pPoints[i].x) - s.m_pPoints[i - 1].x : 0;
      const double dy = i > 0 ? double(s.m_pPoints[i].y) - s.m_pPoints[i - 1].y : 0;
      if (i > 0 && dx * dx + dy * dy < join2) {
        keys.m_pFlags[k] = 0;  // joined to the stroke before
      } else {
        keys.m_pAttrs[k] = kAttrStrokeKey;
      }
    }
    table.push_back(i);
  }
  FlowRedraw(keys, canvas, kFlowColour, 0, s, value, table);
  if (canvas) canvas->DrawPointMarks(s);
}
