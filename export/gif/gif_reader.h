// Reading GIF pictures and animations: every frame's record, the first frame drawn, and
// any frame drawn again later from its record.
#pragma once

#include <string>
#include <vector>

#include "export/gif/gif_records.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

// Reads the GIF file at path (UTF-8) into the file record and one record per frame (at
// most kMaxGifFrames) and, unless noDraw is set or pTarget is null, draws the first
// frame at its place in pTarget. Returns a PictureReadResult: kPictureRead,
// kPictureNotOpened, kPictureDamaged (not a GIF, or damaged), kPictureBadFrame (a bad
// image descriptor) or kPictureTooLarge. On failure the records are cleared and the
// target is unchanged.
int ReadGifFile(tmb::DeviceContext* pDC, const std::string& path, tmb::Surface* pTarget, int noDraw,
                CGifFileRecord& file, std::vector<CGifFrameRecord>& frames);

// Reads a GIF as one picture: draws its first frame into pTarget (null: only checks it)
// and writes the logical screen's width and height into size (unchanged on failure).
// Returns the result of ReadGifFile.
int ReadGifPicture(tmb::DeviceContext* pDC, const std::string& path, tmb::Size* size, tmb::Surface* pTarget);

// Reads the file at path again and draws the frame of the record (from an earlier read
// of the same file) at its place in pTarget (null: only decodes it). Returns kPictureRead,
// or as ReadGifFile on failure, with the target unchanged.
int DrawGifFrame(tmb::DeviceContext* pDC, const std::string& path, tmb::Surface* pTarget,
                 const CGifFrameRecord& frame);
