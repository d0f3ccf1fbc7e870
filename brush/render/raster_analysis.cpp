#include "brush/render/raster_analysis.h"

#include <algorithm>

#include "brush/render/edge_smoothing.h"
#include "platform/gdi/raster_ops.h"

namespace {

constexpr int kTestSide = 8;
constexpr int kBoxStart = 100000;
// Copy the source where the mask is 0, keep the destination where it is 1.
constexpr uint32_t kKeepWhereMasked = 0xCCAA0029;
// Every run shaded; the outline smoothed first with all corners alike; all corners alike
// at one strength.
constexpr CSmoothingVariant kTraceVariant{.everyRun = true};
constexpr CSmoothingVariant kSmoothVariant{.midpointOutline = true, .plainCorners = true};
constexpr CSmoothingVariant kBasicVariant{.plainCorners = true, .evenStrength = true};

}  // namespace

void RenderStrokesByStrokeTrace(tmb::DeviceContext* pDC, tmb::Surface* bitmap, tmb::Colour background,
                                tmb::Colour ink, int strength, int level) {
  SmoothPaintedEdges(pDC, bitmap, background, ink, strength, level, kTraceVariant);
}

void RenderStrokesByStrokeSmooth(tmb::DeviceContext* pDC, tmb::Surface* bitmap, tmb::Colour background,
                                 tmb::Colour ink, int strength, int level) {
  SmoothPaintedEdges(pDC, bitmap, background, ink, strength, level, kSmoothVariant);
}

void RenderStrokesByStrokeBasic(tmb::DeviceContext* pDC, tmb::Surface* bitmap, tmb::Colour background,
                                tmb::Colour ink, int strength, int level) {
  SmoothPaintedEdges(pDC, bitmap, background, ink, strength, level, kBasicVariant);
}

int TestRasterOps(tmb::DeviceContext* pDC) {
  tmb::Surface picture;
  if (!picture.Create(kTestSide, kTestSide, tmb::PixelFormat::kColour32)) return kTestSide * kTestSide;
  tmb::DeviceContext dc = tmb::DeviceContext::CompatibleWith(pDC);
  dc.SelectSurface(&picture);
  struct Step {
    uint32_t rop;
    tmb::Colour expected;
  };
  // White, black, the brush's colour, and its inversion.
  const Step steps[] = {
      {tmb::kWhiteness, 0xFFFFFF}, {tmb::kBlackness, 0x000000}, {tmb::kPatCopy, 0x204080}, {tmb::kDstInvert, 0xDFBF7F}};
  dc.SelectBrush(tmb::Brush::Solid(0x204080));
  int wrong = 0;
  for (const Step& s : steps) {
    dc.PatBlt(0, 0, kTestSide, kTestSide, s.rop);
    for (int y = 0; y < kTestSide; ++y) {
      for (int x = 0; x < kTestSide; ++x) wrong += dc.GetPixel(x, y) != s.expected;
    }
  }
  return wrong;
}

void MaskedColorBlit(tmb::DeviceContext* pDC, tmb::Surface& target, const tmb::Surface& source, tmb::Colour key,
                     const tmb::Rect& rect) {
  tmb::Surface mask;
  if (!mask.Create(source.width(), source.height(), tmb::PixelFormat::kMono1)) return;
  tmb::DeviceContext from = tmb::DeviceContext::CompatibleWith(pDC);
  from.SelectSurface(const_cast<tmb::Surface*>(&source));
  // The key colour becomes 1 in the mask: the target is kept there.
  from.SetBackgroundColour(key);
  tmb::DeviceContext toMask = tmb::DeviceContext::CompatibleWith(pDC);
  toMask.SelectSurface(&mask);
  toMask.BitBlt(0, 0, source.width(), source.height(), &from, 0, 0, tmb::kSrcCopy);
  tmb::DeviceContext to = tmb::DeviceContext::CompatibleWith(pDC);
  to.SelectSurface(&target);
  to.MaskBlt(rect.left, rect.top, rect.Width(), rect.Height(), &from, rect.left, rect.top, &mask, rect.left, rect.top,
             kKeepWhereMasked);
}

void InvertTwice(tmb::DeviceContext& dc, const tmb::Rect& rect) {
  for (int i = 0; i < 2; ++i) dc.PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), tmb::kDstInvert);
}

tmb::Rect PathBoundingBox(const CStrokePathLite& path, int from, int to) {
  tmb::Rect box{kBoxStart, kBoxStart, 0, 0};
  const int end = to < 0 ? path.m_nCount - 1 : std::min(to, path.m_nCount - 1);
  for (int i = std::max(from, 0); i <= end; ++i) {
    const tmb::Point p = path.m_pPoints[i];
    box.left = std::min(box.left, p.x);
    box.top = std::min(box.top, p.y);
    box.right = std::max(box.right, p.x);
    box.bottom = std::max(box.bottom, p.y);
  }
  return box;
}

std::vector<CStrokeStats> CollectStrokeStats(const CStrokePathLite& path) {
  std::vector<CStrokeStats> stats;
  for (int first = 0; first < path.m_nCount && int(stats.size()) < kMaxStrokeStats;) {
    const int last = StrokeLastOf(path, first);
    CStrokeStats s;
    s.bounds = PathBoundingBox(path, first, last);
    s.first = path.m_pPoints[first];
    s.last = path.m_pPoints[last];
    s.count = last - first + 1;
    const int h = s.bounds.Height();
    s.aspect = h == 0 ? 0.0f : float(s.bounds.Width()) / float(h);
    stats.push_back(s);
    first = NextStrokeStart(path, first);
  }
  return stats;
}

int CompareStrokeStats(const CStrokePathLite& a, const CStrokePathLite& b) {
  return CollectStrokeStats(a).size() == CollectStrokeStats(b).size() ? 1 : 0;
}

int StrokeFirstOf(const CStrokePathLite& path, int i) {
  if (i <= 0) return 0;
  if (path.m_pFlags[i] != 0) return i;
  return path.FindStrokeStart(i);
}

int StrokeLastOf(const CStrokePathLite& path, int i) { return path.FindStrokeEnd(std::max(i, 0)); }

int NextStrokeStart(const CStrokePathLite& path, int i) {
  return std::min(StrokeLastOf(path, i) + 1, path.m_nCount);
}

tmb::Point StepWithinStroke(const CStrokePathLite& path, int i) {
  if (i < 0 || i >= path.m_nCount || path.IsStrokeEnd(i)) return {0, 0};
  return {path.m_pPoints[i + 1].x - path.m_pPoints[i].x, path.m_pPoints[i + 1].y - path.m_pPoints[i].y};
}
