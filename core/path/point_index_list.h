// A list of points, each with an int32 value (the index of an anchored point) and a kind
// byte, of fixed capacity.
#pragma once

#include <cstdint>

#include "core/geometry/fpoint.h"

class CPointIndexList {
 public:
  // The default capacity is the work canvas's point capacity.
  CPointIndexList();
  explicit CPointIndexList(int capacity);
  ~CPointIndexList();
  CPointIndexList(const CPointIndexList&) = delete;
  CPointIndexList& operator=(const CPointIndexList&) = delete;

  // Count 0 and every kind byte 0.
  void Clear();
  // The first slot whose value and kind equal the arguments, or -1.
  int Find(int value, int kind) const;
  // Appends a value (point (0, 0), kind 0); the new count, or -1 when full.
  int Append(int value);
  // Appends the point (x, y) with its index and kind; nothing when full.
  void AddPoint(float x, float y, uint8_t kind, int index);

  CFPoint* m_pPoints = nullptr;
  int32_t* m_pValues = nullptr;
  uint8_t* m_pKinds = nullptr;
  int m_nCount = 0;
  int m_nCapacity = 0;
};
