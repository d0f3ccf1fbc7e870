// The common picture writer: a bitmap (or a block of one) saved as BMP, JPEG, PNG or GIF,
// and optionally added as a frame to an open MNG movie or animated GIF.
#pragma once

#include <string>

#include "export/gif/gif_file_writer.h"
#include "export/picture/mng_writer.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/palette.h"
#include "platform/gdi/surface.h"

// Format codes of the picture writer; any other code writes no file.
enum PictureFormat { kFormatBmp = 0, kFormatJpeg = 1, kFormatPng = 2, kFormatGif = 3, kFormatNone = -1 };

// The format the extension of path names, in either case: "jpg" or "jpeg" JPEG, "png" PNG,
// "gif" GIF, "swf" and "svg" kFormatNone (vector formats, not written here), any other BMP.
int PictureFormatOfPath(const std::string& path);

// The open animations a written picture is also added to; null ones get nothing.
struct CPictureFrames {
  CMngWriter* mng = nullptr;
  CGifFile* gif = nullptr;
  GifFrameSetup gifSetup{};
};

// The palette pictures are written with: the characters' application palette while the
// display works through one, none otherwise.
const tmb::Palette* PaletteOfPictureWrites();

// Writes bitmap (width x height, its own size) under path (UTF-8) in format, then adds it
// to the frames given. A file is replaced only by a complete picture. JPEG, PNG and GIF
// take colour bitmaps only. Returns 1, or 0 after one message: 62043 when the picture's
// block cannot be had, 62047 when a file or frame could not be written.
int WritePictureFile(tmb::DeviceContext* pDC, const tmb::Surface* bitmap, const tmb::Palette* palette,
                     const std::string& path, int width, int height, int format, const CPictureFrames& frames = {});

// With region set: the block (x, y, width, height) of source copied into a new bitmap and
// written (beep and 62063 when that bitmap cannot be made); with region 0: source itself.
// Returns the writer's result.
int SaveDCImageFile(tmb::DeviceContext* pDC, const tmb::Surface* source, int x, int y, int width, int height,
                    const std::string& path, int format, int region, const CPictureFrames& frames = {});
