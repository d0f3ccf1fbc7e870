// The light point path: integer points with a flag and an attribute byte per point and
// nothing else, for the vectoriser and the outline smoothing of painted characters.
#pragma once

#include <cstdint>

#include "platform/gdi/geometry.h"

class CStrokePath;

class CStrokePathLite {
 public:
  // The default capacity is the work canvas's point capacity.
  CStrokePathLite();
  explicit CStrokePathLite(int capacity);
  ~CStrokePathLite();
  CStrokePathLite(const CStrokePathLite&) = delete;
  CStrokePathLite& operator=(const CStrokePathLite&) = delete;

  // Copies slot srcIndex of src into slot dstIndex; false when either lies outside.
  bool CopyPointFrom(const CStrokePathLite& src, int srcIndex, int dstIndex);
  // Replaces this path by path's points rounded (halves away from zero) with their flag
  // bytes; false when they did not all fit.
  bool CopyFrom(const CStrokePath& path);
  // True when i is the last point or the next point starts a stroke (any non-zero flag).
  bool IsStrokeEnd(int i) const;
  int FindStrokeEnd(int i) const;
  // The largest j in [1, i] with a non-zero flag, else 0.
  int FindStrokeStart(int i) const;
  // The nearest point to (x, y); with maxDist >= 0, 1 when it lies within maxDist and 0
  // otherwise; with maxDist < 0, its index.
  int FindNearest(int x, int y, float maxDist) const;
  // Walking on from i through its stroke: -1 at the first point left of point i, 1 at the
  // first right of it, 1 when the stroke ends first.
  int XDirectionAfter(int i) const;

  tmb::Point* m_pPoints = nullptr;
  uint8_t* m_pFlags = nullptr;
  uint8_t* m_pAttrs = nullptr;
  int m_nCount = 0;
  int m_nCapacity = 0;
};
