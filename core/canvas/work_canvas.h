// The one work canvas: the paper size, the point capacity of every point path, the folder
// of the store and the work bitmaps the painters borrow.
#pragma once

#include <string>

#include "core/bitmap/dib.h"
#include "core/canvas/work_bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"

class CWorkCanvas {
 public:
  CWorkCanvas() = default;
  CWorkCanvas(const CWorkCanvas&) = delete;
  CWorkCanvas& operator=(const CWorkCanvas&) = delete;

  // Sizes the canvas; creates no bitmaps.
  void Init(int width, int height, const std::string& folder, int maxPoints, int originX, int originY);
  // Creates the bitmaps in five stages (masks, colour and spare bitmaps, scaled mask, mask
  // copies, scaled copies), stopping at the first that fails; what exists already counts
  // as made. Sizes the vectoriser's lists in any case. Returns 1, or 0 after telling the
  // user which stage failed (62136).
  int CreateBitmaps(tmb::DeviceContext* pDC);
  // Deletes every bitmap and block and empties the vectoriser's lists.
  void DeleteBitmaps();
  // Back to the state after construction (tests start from here).
  void Reset();

  // Paper of at least this size gets a colour bitmap of the paper's size.
  static constexpr int kMinColorWidth = 256;
  static constexpr int kMinColorHeight = 1024;

  int m_nMaxPoints = 32000;  // default capacity of every point path
  int m_width = 500;
  int m_height = 750;
  int m_scaledWidth = 2000;
  int m_scaledHeight = 3000;
  tmb::Rect m_rect{0, 0, 500, 750};
  CWorkBitmap m_maskBitmaps[4];    // monochrome, paper size
  CWorkBitmap m_colorBitmap;       // colour, at least kMinColorWidth x kMinColorHeight
  CWorkBitmap* m_pColorBitmap = nullptr;
  CWorkBitmap m_scaledMaskBitmap;  // monochrome, paper size times m_nScale
  CWorkBitmap m_spareBitmap;       // colour, paper size: the drawing pass's scratch target
  CDib m_maskDibs[3];              // 1-bit copies of the first mask bitmap
  CDib m_scaledDibs[2];            // 1-bit copies of the scaled mask bitmap
  tmb::Point m_ptOrigin{32, 32};
  int m_nScale = 4;
  int m_nTraceLevel = 400;
  int m_bFlagA = 0;
  int m_bTabletPC = 0;
  int m_bInkActive = 0;
  int m_nInkValue = 0;
  std::string m_folder;  // the store's folder: the user's data folder (UTF-8)
  std::string m_text;
};

extern CWorkCanvas gWorkCanvas;
