#include "export/swf/swf_outline_records.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "core/path/stroke_path.h"
#include "export/swf/swf_shape_records.h"
#include "export/swf/swf_shape_tags.h"

namespace {

int64_t LongestDelta(tmb::Point a, tmb::Point b) {
  return std::max(std::llabs(int64_t(b.x) - a.x), std::llabs(int64_t(b.y) - a.y));
}

tmb::Point Midpoint(double ax, double ay, double bx, double by) {
  return {int(std::lround((ax + bx) / 2)), int(std::lround((ay + by) / 2))};
}

}  // namespace

void SwfOutlineWriter::MoveTo(tmb::Point p) {
  auto change = std::make_unique<SwfStyleChangeRecord>();
  change->MoveTo(p.x, p.y).LineStyle(m_nLineStyle);
  if (m_nFillStyle != 0) change->FillStyle1(m_nFillStyle);
  m_shape.AddRecord(std::move(change));
  m_pen = m_contourFirst = p;
}

void SwfOutlineWriter::LineTo(tmb::Point p) {
  const int64_t longest = LongestDelta(m_pen, p);
  if (longest == 0) return;
  const int64_t pieces = (longest + kSwfMaxEdgeDelta - 1) / kSwfMaxEdgeDelta;
  const tmb::Point from = m_pen;
  const int64_t dx = int64_t(p.x) - from.x, dy = int64_t(p.y) - from.y;
  for (int64_t k = 1; k <= pieces; ++k) {
    const tmb::Point to{int(from.x + dx * k / pieces), int(from.y + dy * k / pieces)};
    if (to == m_pen) continue;
    m_shape.AddRecord(std::make_unique<SwfStraightEdgeRecord>(to.x - m_pen.x, to.y - m_pen.y));
    m_pen = to;
  }
}

void SwfOutlineWriter::CurveTo(tmb::Point control, tmb::Point anchor) {
  if (control == m_pen || control == anchor) {
    LineTo(anchor);
    return;
  }
  if (LongestDelta(m_pen, control) > kSwfMaxEdgeDelta || LongestDelta(control, anchor) > kSwfMaxEdgeDelta) {
    // Halves of the curve: each one's control point halfway along its side of the hull.
    const tmb::Point firstControl = Midpoint(m_pen.x, m_pen.y, control.x, control.y);
    const tmb::Point secondControl = Midpoint(control.x, control.y, anchor.x, anchor.y);
    const tmb::Point middle = Midpoint((double(m_pen.x) + control.x) / 2, (double(m_pen.y) + control.y) / 2,
                                       (double(control.x) + anchor.x) / 2, (double(control.y) + anchor.y) / 2);
    CurveTo(firstControl, middle);
    CurveTo(secondControl, anchor);
    return;
  }
  m_shape.AddRecord(std::make_unique<SwfCurvedEdgeRecord>(control.x - m_pen.x, control.y - m_pen.y,
                                                          anchor.x - control.x, anchor.y - control.y));
  m_pen = anchor;
}

void AddOutlineRecords(SwfOutlineWriter& writer, const CStrokePath& path, int first, int last) {
  last = std::min(last, path.m_nCount - 1);
  for (int i = first; i <= last; ++i) {
    const tmb::Point p = path.m_pPoints[i].RoundToPoint();
    auto lastOfContour = [&path, last](int j) { return j >= last || path.m_pFlags[j + 1] != 0; };
    if (path.m_pFlags[i] != 0) {
      writer.MoveTo(p);
    } else if (path.m_pAttrs[i] == CStrokePath::kAttrSkip) {
      if (lastOfContour(i)) {
        writer.CurveTo(p, writer.ContourFirst());
      } else {
        ++i;  // the anchor is consumed
        writer.CurveTo(p, path.m_pPoints[i].RoundToPoint());
      }
    } else {
      writer.LineTo(p);
    }
    if (lastOfContour(i)) writer.CloseContour();
  }
}
