// The rectangle list of the edit mode and the region area stored after it. The edit view
// fills and reads the list; records copy the two together as one block.
#pragma once

#include <array>
#include <cstdint>

#include "platform/gdi/geometry.h"

namespace tmb {
class DeviceContext;
}

constexpr int kEditRegionCount = 256;

// How a frame of the list is drawn: the current rectangle, every other one.
enum EditFrameStyle { kFrameCurrent = 1, kFrameOther = 2 };

struct CEditRegions {
  std::array<tmb::Rect, kEditRegionCount> m_rects{};
  std::array<tmb::Rect, kEditRegionCount> m_rects2{};
  int32_t m_nCount = 0;
  int32_t m_nReserved1 = 0;
  int32_t m_nCurrent = 0;
  int32_t m_nReference = 0;  // the frame the layout takes as its model
  uint8_t m_bAppend = 0;   // 1: a new rubber-band rectangle is appended; 0: it replaces
  uint8_t m_bDrawn = 0;    // the frames are on the screen
  uint8_t m_nDisplay = 0;  // 2: a hit test asks for a repaint; 1: a rectangle was added

  // The first rectangle that holds (x, y) becomes current, else the one whose centre lies
  // nearest (the earlier of equals); an empty list keeps its index. Asks for a repaint.
  void HitTest(int x, int y);
  // The rectangles (paper coordinates) framed on dc by inverting, so that framing them
  // again takes the frames off: ShowAll while they are off the screen, HideAll while
  // they are on; the current one in kFrameCurrent, the others in kFrameOther.
  void ShowAll(tmb::DeviceContext& dc);
  void HideAll(tmb::DeviceContext& dc);
  // Frames the current rectangle alone, on or off (around a move of its corner).
  void ToggleCurrent(tmb::DeviceContext& dc);
  // The current rectangle; an empty one when the index lies outside the list.
  tmb::Rect GetCurrent() const;
  // Its corners as stored and its size (right minus left, bottom minus top): the block of
  // a drawing window that a picture save or a clipboard send takes.
  tmb::Point GetCurrentTopLeft() const;
  tmb::Point GetCurrentBottomRight() const;
  tmb::Size GetCurrentSize() const;

 private:
  int HeldCount() const;
  void FrameAll(tmb::DeviceContext& dc);
};

// A document's cell-rectangle table: the edit-region list of its drawn record.
struct CCellRectTable {
  // No rectangles: count, current index and reference index 0.
  static void Clear(CEditRegions& table);
};

// The list and its companion area: 20,500 bytes in all.
struct CRegionBlock {
  static constexpr size_t kSize = 20500;
  CEditRegions m_list;
  std::array<uint8_t, kSize - sizeof(CEditRegions)> m_area{};
};

static_assert(sizeof(CRegionBlock) == CRegionBlock::kSize);
