// The gradient fill of an SWF picture's shapes: which of a frame's four gradient colours
// take part, where each sits on the gradient, and the fill style that spans the shape.
#pragma once

#include <array>
#include <memory>

#include "platform/gdi/geometry.h"

struct CSequenceFrame;
struct CSequenceGradient;
class SwfStyle;

constexpr int kSwfGradientColours = 4;

// The gradient entries of frame: the colours whose weight passes (weight mode 0: 0..100;
// above 0: above 0; below 0: from 0 up), in order, with their ratios on the 0..255 scale.
// Weight mode 0 places each at weight x 255 / 100; otherwise the first sits at 0, the last
// at 255 and each between at the middle of its share of the weights, or, when the weights
// add up to 0, evenly. Returns the number of entries.
int BuildGradient(std::array<tmb::Colour, kSwfGradientColours>& colours, std::array<int, kSwfGradientColours>& ratios,
                  const CSequenceFrame& frame, const CSequenceGradient& settings);

// A gradient fill style over bounds (twips): radial for mode 1, linear otherwise, scaled
// to bounds' width and height for mode 2 and to its diagonal for the others, centred on
// it. Null when no gradient colour takes part.
std::unique_ptr<SwfStyle> MakeGradientFill(const CSequenceFrame& frame, const CSequenceGradient& settings,
                                           const tmb::Rect& bounds);
