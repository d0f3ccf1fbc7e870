// What the shell measures of the display before it lays out its windows: the screen
// resolution, the text metrics of the screen font and two system sizes.
#pragma once

#include "platform/gdi/geometry.h"

struct ScreenMetrics {
  tmb::Size screen{1024, 768};  // resolution in pixels
  int textHeight = 16;          // height of the screen font
  int externalLeading = 0;
  int aveCharWidth = 8;
  int ascent = 13;
  int captionButtonHeight = 18;  // height of a caption button (g of the layout)
  int scrollBarWidth = 16;       // width of a vertical scroll bar (s of the layout)
};
