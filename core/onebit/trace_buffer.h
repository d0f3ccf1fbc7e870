// The vectoriser's node lists: the traced points with their stroke-start flags (a light
// path), the same as float points (an extended path, filled from the light one when a
// tracing ends), one hole flag per traced outline, and the step direction and run offset
// of every stored point, all of one capacity. The work canvas sizes them when it creates
// its bitmaps and frees them with them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/path/byte_buffer.h"
#include "core/path/stroke_path_ex.h"
#include "core/path/stroke_path_lite.h"
#include "platform/gdi/geometry.h"

class CTraceBuffer {
 public:
  // Makes every list with room for n points (nothing for n < 1).
  void Allocate(int n);
  // Releases the lists when they are allocated.
  void Free();

  int m_bAllocated = 0;
  int m_nCapacity = 0;
  std::unique_ptr<CStrokePathLite> m_pLite;  // traced points, flag 1 where an outline starts
  std::unique_ptr<CStrokePathEx> m_pPath;    // the light path as float points
  CByteBuffer m_holeFlags;                   // one per traced outline: 1 for a hole
  std::vector<uint8_t> m_directions;         // step direction of every stored point
  std::vector<tmb::Point> m_runOffsets;      // run offset of every stored point
};

extern CTraceBuffer gTraceBuffer;
