// The soft edge: a supersampled picture reduced to the paper through its one-bit mask.
// The mask may first grow by whole pixels; each block of scale x scale mask pixels then
// becomes one paper pixel shaded by the share of ink in the block, along a curve.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

// Grow counts above this are taken as this many; growing stops earlier once nothing grows.
constexpr int kMaxEffectMaskGrow = 64;

// Reduces the block (x, y, w, h) of source by scale into target. The source's ink is
// every pixel that is not white; its mask first grows grow times by one pixel all round
// (8-neighbours; the source itself is not changed). The pixel (bx, by) of target, whose
// block of the mask holds c ink pixels, becomes channel by channel, with n = scale^2,
// P the paper colour and Q the ink colour: with curve 100, P - (P - Q) x c / n in
// integer arithmetic; with any other curve s (0 and below counting as 1), the share c / n
// raised to 100 / s (when Q > P, the paper's share raised likewise). A block with ink
// whose seven neighbours (all but the lower right) hold no ink in six or more becomes
// paper: a stray speck. Blocks without ink keep what they had. A scale below 1 does nothing.
void BuildEffectMasks(tmb::DeviceContext* pDC, tmb::Surface* target, const tmb::Surface* source, int x, int y, int w,
                      int h, int scale, tmb::Colour ink, tmb::Colour paper, int grow, int curve);

// Grows the ink of the monochrome surface mask by one pixel towards all eight neighbours
// (within the surface). Whether any pixel changed.
bool GrowMask(tmb::Surface& mask);

// The number of blocks without ink among the seven neighbours (-1,-1), (0,-1), (1,-1),
// (-1,0), (1,0), (-1,1), (0,1) of the block (i, j) of a counts grid of columns x rows;
// 0 for a block on the grid's border.
int CountEmptyNeighbourCells(const int* counts, int columns, int rows, int i, int j);
