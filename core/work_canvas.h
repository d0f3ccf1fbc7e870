// The one work canvas: the paper size, the point capacity of every point path, the data
// folder of the store and the work bitmaps the painters borrow.
#pragma once

#include <string>

#include "platform/gdi/geometry.h"

class CWorkCanvas {
 public:
  // Sizes the canvas; creates no bitmaps.
  void Init(int width, int height, const std::string& folder, int maxPoints, int originX, int originY);

  int m_nMaxPoints = 32000;  // default capacity of every point path
  int m_width = 500;
  int m_height = 750;
  int m_scaledWidth = 2000;
  int m_scaledHeight = 3000;
  tmb::Rect m_rect{0, 0, 500, 750};
  tmb::Point m_ptOrigin{32, 32};
  int m_nScale = 4;
  std::string m_folder;  // the data folder (UTF-8)
};

extern CWorkCanvas gWorkCanvas;
