// Small pictures as text for tests: one line per row, '#' for a pixel of ink (not white)
// and '.' for white, so expected shapes can be written out as they look.
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/surface.h"

namespace tmb::test {

// The rows of surface within r, each ended by '\n'.
std::string SurfaceText(const Surface& surface, const Rect& r);
std::string SurfaceText(const Surface& surface);

// Joins lines into the form SurfaceText returns.
std::string Lines(const std::vector<std::string>& lines);

// The number of pixels of surface equal to colour.
int CountPixels(const Surface& surface, Colour colour);

}  // namespace tmb::test
