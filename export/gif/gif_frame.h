// One GIF frame's pixels: decoded from the file's bytes by the frame's record into one
// colour index per pixel in picture order, and drawn with the frame's colour table.
#pragma once

#include <cstdint>
#include <span>

#include "export/gif/gif_records.h"
#include "platform/gdi/bitmap_bytes.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

// Decodes the frame into pixels, top row first (an interlaced frame's rows put in
// order); pixels the codes do not reach (bad codes end a frame early) are index 0.
// Returns kPictureRead, kPictureDamaged (the record's data lies outside bytes or is cut
// short or could not fill the frame even whole, a minimum code size outside 1 to 8, a
// frame side of 0) or kPictureTooLarge (beyond the largest picture or the bitmap budget);
// the sides are checked before any memory is taken.
int DecodeGifFrame(std::span<const uint8_t> bytes, const CGifFrameRecord& frame, tmb::BitmapBytes& pixels);

// Decodes the frame from bytes and draws it with the frame's table at the frame's place
// (left, top) in pTarget, cut to the target; a null pTarget only decodes it. The frame's
// bitmap is made before its pixels are decoded, once its sides passed the checks of
// DecodeGifFrame. Returns as DecodeGifFrame; the target changes only when it returns
// kPictureRead.
int DecodeAndDrawGifFrame(tmb::DeviceContext* pDC, std::span<const uint8_t> bytes, tmb::Surface* pTarget,
                          const CGifFrameRecord& frame);
