// One-bit masks of a region of a picture: the picture's ink, its border, and a spare copy,
// which the vectoriser traces.
#pragma once

#include <cstdint>
#include <span>

#include "core/onebit/mono_bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

// Every ink pixel of source's region with 1 <= x < width - 1 and 1 <= y < height - 1
// that has a background pixel among its four neighbours is made ink in target (of the
// same geometry, cleared by the caller).
void ExtractBorder(const CMonoBitmap& source, CMonoBitmap& target);

// Bytes a mask of the picture's geometry needs.
size_t RegionMaskBytes(const tmb::Surface& picture);

// Builds the masks of the region (left, top, right, bottom) of picture, cut to clip (the
// canvas when null) and to the picture. Each mask takes the picture's size and the cut
// region and lives in its own memory (at least RegionMaskBytes): a holds the region's
// ink (dark pixels; all outside the region is background), b its border, c a copy of b.
// Returns 1, or 0 with the masks untouched when a memory is too small or there is no
// picture.
int BuildRegionMasks(tmb::DeviceContext* pDC, const tmb::Surface* picture, int left, int top, int right, int bottom,
                     CMonoBitmap& a, CMonoBitmap& b, CMonoBitmap& c, std::span<uint8_t> bitsA,
                     std::span<uint8_t> bitsB, std::span<uint8_t> bitsC, const tmb::Rect* clip);

// Builds the masks as BuildRegionMasks does and paints the region of target (the picture
// itself when null) with the border: black where b is ink, white elsewhere, so that it
// shows only the outlines of the picture's ink. Returns what BuildRegionMasks returned.
int BorderToPicture(tmb::DeviceContext* pDC, tmb::Surface* picture, int left, int top, int right, int bottom,
                    CMonoBitmap& a, CMonoBitmap& b, CMonoBitmap& c, std::span<uint8_t> bitsA,
                    std::span<uint8_t> bitsB, std::span<uint8_t> bitsC, const tmb::Rect* clip, tmb::Surface* target);
