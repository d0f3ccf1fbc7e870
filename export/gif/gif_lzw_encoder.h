// The variable-length-code LZW coder of GIF image data: index pixels in; the minimum code
// size byte, the data sub-blocks and their zero terminator out.
#pragma once

#include <cstdint>
#include <span>

#include "platform/service/result.h"

class GifByteSink;

// The largest width or height a GIF records.
constexpr int kGifMaxSide = 65535;

// Codes width x height index pixels, row after row, with the given initial code size (the
// GIF's minimum code size; 1 is raised to 2, the rest must lie in 2..9). Fails before
// writing anything for a code size outside that range, a size outside 1..65,535, fewer
// pixels than width x height or a pixel the code size cannot hold (a reader would take it
// for a control code); a failing sink ends the coding with the sink's reason.
tmb::Status GifLzwCompress(int initialCodeSize, int width, int height, std::span<const uint8_t> pixels,
                           GifByteSink& sink);
