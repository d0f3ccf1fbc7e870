// The shape records that draw outline contours in an SWF shape: moves, straight edges and
// quadratic curves between whole-twip points, each delta taken from where the previous
// record left the pen.
#pragma once

#include "platform/gdi/geometry.h"

class CStrokePath;
class SwfTagDefineShape;

class SwfOutlineWriter {
 public:
  // Records go to shape (its styles closed); every contour selects lineStyle and, when
  // fillStyle is non-zero, fills with it on its right.
  SwfOutlineWriter(SwfTagDefineShape& shape, int lineStyle, int fillStyle)
      : m_shape(shape), m_nLineStyle(lineStyle), m_nFillStyle(fillStyle) {}

  // Starts a contour at p.
  void MoveTo(tmb::Point p);
  // A straight edge to p, split where a delta exceeds what an edge holds; none when the
  // pen is already there.
  void LineTo(tmb::Point p);
  // A quadratic curve through control to anchor; a straight edge when control coincides
  // with the pen or the anchor, split where a delta exceeds what an edge holds.
  void CurveTo(tmb::Point control, tmb::Point anchor);
  // Back to the contour's first point, unless the pen is there.
  void CloseContour() { LineTo(m_contourFirst); }

  tmb::Point Pen() const { return m_pen; }
  // Where the current contour started.
  tmb::Point ContourFirst() const { return m_contourFirst; }

 private:
  SwfTagDefineShape& m_shape;
  int m_nLineStyle;
  int m_nFillStyle;
  tmb::Point m_pen;
  tmb::Point m_contourFirst;
};

// The records of the outline run of points [first, last] of path (twips): a point with a
// non-zero flag starts a contour, a point of attribute 3 is the control point of a curve
// to the next point (or, last in its contour, to the contour's first point), and every
// contour is closed. Points are rounded to whole twips.
void AddOutlineRecords(SwfOutlineWriter& writer, const CStrokePath& path, int first, int last);
