// The measure of a walk over the points of a traced stroke: the length walked, the walked
// points nearest the stroke's ends, and how many walked points lie near each end.
#pragma once

#include "core/path/stroke_path.h"

class CStrokeMeasure {
 public:
  // A fresh measure of the stroke from point start to point end.
  CStrokeMeasure(int start, int end);

  // Point i of path is walked: the length grows by its distance from the point walked
  // before (the sum truncated to whole pixels), i becomes the previous point and the
  // nearest and near-end fields take it into account; a point in the first or the last
  // quarter of the stroke's index span counts for that end.
  void AddPoint(int i, const CStrokePath& path);

  int m_nStart;
  int m_nEnd;
  int m_nPrevious = -1;
  int m_nFirstSeen = -1;
  int m_nLastSeen = -1;
  int m_nNearStartCount = 0;  // walked points within a quarter of the span from the start
  int m_nNearEndCount = 0;    // and from the end
  int m_nNearestStart = -1;   // the walked point nearest the start by index
  int m_nNearestEnd = -1;
  double m_fStartDistance = 100000000.0;  // its index distance
  double m_fEndDistance = 100000000.0;
  double m_fLength = 0.0;
};
