// The reduction of a supersampled picture to the paper through its one-bit mask: each
// block of scale x scale source pixels becomes one target pixel shaded by the share of
// ink in the block.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

// Reduces the block (x, y, w, h) of source by scale into target: the source's ink is
// every pixel that is not white; the pixel of target at (bx, by), the block's position
// in steps of scale, whose block holds c ink pixels becomes, channel by channel,
// paper - (paper - ink) x c / scale^2 (integer arithmetic). Pixels whose block holds no
// ink keep what they had. The image editor's soft-edge effects (growing the mask, a
// curve on the share) come on top of this plain reduction.
void BuildEffectMasks(tmb::DeviceContext* pDC, tmb::Surface* target, const tmb::Surface* source, int x, int y, int w,
                      int h, int scale, tmb::Colour ink, tmb::Colour paper);
