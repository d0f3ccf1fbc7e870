// A list of rectangles kept as two arrays of corners (top-left, bottom-right) with a fixed
// capacity: the recorded regions of the region dialog.
#pragma once

#include <vector>

#include "platform/gdi/geometry.h"

class CPointArrayPair {
 public:
  CPointArrayPair() = default;
  CPointArrayPair(const CPointArrayPair&) = delete;
  CPointArrayPair& operator=(const CPointArrayPair&) = delete;

  // Makes both arrays of n points once (later calls keep them) and empties the list.
  void Allocate(int n);
  // Copies the other list, cut to this one's capacity (its newest entries kept).
  void CopyFrom(const CPointArrayPair& other);
  // The same from and to the drawing state's rectangle list.
  void CopyFromRects(const std::vector<tmb::Rect>& rects);
  std::vector<tmb::Rect> ToRects() const;

  int Count() const { return m_nCount1; }
  tmb::Rect At(int i) const { return {m_points1[i].x, m_points1[i].y, m_points2[i].x, m_points2[i].y}; }
  // Appends, first dropping the oldest entry when the count plus one reaches the capacity
  // (so at most capacity - 1 are held); false without arrays.
  bool Append(const tmb::Rect& rect);
  // Removes entry i; false when there is none.
  bool RemoveAt(int i);
  bool Contains(const tmb::Rect& rect) const;

  std::vector<tmb::Point> m_points1;  // top-left corners
  std::vector<tmb::Point> m_points2;  // bottom-right corners
  int m_nCapacity = 0;
  int m_nCount1 = 0;
  int m_nCount2 = 0;
  int m_bAllocated = 0;
};
