// A printed page as the page renderer draws on it: its printable area in device pixels
// and one transfer, a block of a picture stretched onto the page from its top-left corner.
// The print service gives pages of a printer; tests give pages that record the transfers.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

namespace tmb {

class PageContext {
 public:
  virtual ~PageContext() = default;

  // The printable area: width and height in device pixels.
  virtual Size PageSize() const = 0;
  // Stretches block of source onto (0, 0, dest.cx, dest.cy) of the page. False when
  // nothing could be put on the page.
  virtual bool StretchToPage(const Surface& source, const Rect& block, Size dest) = 0;
};

}  // namespace tmb
