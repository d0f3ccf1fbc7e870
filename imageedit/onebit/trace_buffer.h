// The vectoriser's node lists: the traced points with their stroke-start flags, one hole
// flag per traced outline, and the step direction and run offset of every stored point,
// all of one capacity. The work canvas sizes them when it creates its bitmaps and frees
// them with them.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/geometry.h"

class CTraceBuffer {
 public:
  // Makes every list with room for n points (nothing for n < 1).
  void Allocate(int n);
  // Releases the lists when they are allocated.
  void Free();

  int m_bAllocated = 0;
  int m_nCapacity = 0;
  int m_nCount = 0;                     // points stored
  std::vector<tmb::Point> m_points;     // the light path's points
  std::vector<uint8_t> m_flags;         // 1 where a traced outline starts
  std::vector<uint8_t> m_holeFlags;     // one per traced outline: 1 for a hole
  std::vector<uint8_t> m_directions;    // step direction of every stored point
  std::vector<tmb::Point> m_runOffsets; // run offset of every stored point
};

extern CTraceBuffer gTraceBuffer;
