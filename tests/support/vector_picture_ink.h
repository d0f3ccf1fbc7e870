// Checks of the vector pictures a character is exported as, for tests: the ink of a
// picture against the brush rendering, an SWF movie's first frame filled as the brush
// renderer fills outlines, and an SVG picture rendered by rsvg-convert.
#pragma once

#include <filesystem>
#include <string>

#include "platform/gdi/surface.h"
#include "support/swf_reader.h"

namespace tmb::test {

struct InkComparison {
  int ink = 0;           // pixels the brush inked
  int otherInk = 0;      // pixels the other picture inked
  int differing = 0;     // pixels inked in one picture only
  int awayFromEdge = 0;  // of those, the ones with no change of ink next to them in either
};

// Darker than half grey.
bool Inked(Colour c);
InkComparison CompareInk(const Surface& brush, const Surface& other);
// The two pictures ink as much within 5 %, and differ only where one of them has an edge
// (two anti-aliasings cross the half-tone threshold a pixel apart): a stroke left out,
// misplaced or filled where the brush left a gap would differ away from every edge.
void ExpectSameInk(const InkComparison& c);

// The shapes on stage at the movie's first frame, filled with their fill colours by the
// alternate rule on white, as the brush renderer fills outlines: at four times the size,
// each polygon with a one-pixel edge, reduced by averaging. The shapes' one-pixel lines
// (half a paper pixel either side of every edge) are left out: the comparison is of the
// filled outline.
Surface SwfFirstFrame(const SwfFileInfo& info, int width, int height);

// The SVG file rendered on white by rsvg-convert into picture (width x height); false
// with the reason when the tool fails or its PNG cannot be read.
bool RenderSvgFile(const std::filesystem::path& svg, int width, int height, Surface& picture, std::string& why);

}  // namespace tmb::test
