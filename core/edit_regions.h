// The rectangles of partial-edit mode in a character record, and the table that records
// which point ranges of the character lie in which rectangle.
#pragma once

#include <array>
#include <cstdint>

#include "platform/gdi/geometry.h"

struct CEditRegions {
  static constexpr int kMaxRegions = 256;

  std::array<tmb::Rect, kMaxRegions> m_rects{};    // the frames the user drew
  std::array<tmb::Rect, kMaxRegions> m_extents{};  // per frame, the bounds of its points
  int32_t m_nCount = 0;
  int32_t m_nReserved1 = 0;
  int32_t m_nCurrent = 0;
  int32_t m_nReserved2 = 0;
  uint8_t m_bAppend = 1;  // 1: a new rubber-band rectangle is appended; 0: it replaces
};

// One range of points [first, last) that lies in frame region.
struct CRegionMember {
  int32_t first = 0;
  int32_t last = 0;
  int32_t region = 0;
};

struct CRegionMembers {
  static constexpr int kMaxEntries = 1024;

  std::array<CRegionMember, kMaxEntries> m_entries{};
  int32_t m_nCount = 0;
};
