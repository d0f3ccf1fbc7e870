// The rectangle list of the edit mode and the region area stored after it. The edit view
// fills and reads the list; records copy the two together as one block.
#pragma once

#include <array>
#include <cstdint>

#include "platform/gdi/geometry.h"

constexpr int kEditRegionCount = 256;

struct CEditRegions {
  std::array<tmb::Rect, kEditRegionCount> m_rects{};
  std::array<tmb::Rect, kEditRegionCount> m_rects2{};
  int32_t m_nCount = 0;
  int32_t m_nReserved1 = 0;
  int32_t m_nCurrent = 0;
  int32_t m_nReserved2 = 0;
  uint8_t m_bAppend = 0;   // 1: a new rubber-band rectangle is appended; 0: it replaces
  uint8_t m_bDrawn = 0;    // the frames are on the screen
  uint8_t m_nDisplay = 0;  // 2: a hit test asks for a repaint; 1: a rectangle was added
};

// The list and its companion area: 20,500 bytes in all.
struct CRegionBlock {
  static constexpr size_t kSize = 20500;
  CEditRegions m_list;
  std::array<uint8_t, kSize - sizeof(CEditRegions)> m_area{};
};

static_assert(sizeof(CRegionBlock) == CRegionBlock::kSize);
