// Reading a picture file of any kind the program knows (BMP, JPEG, PNG, GIF) into a
// bitmap, the reader chosen by the file's first bytes, never by its name.
#pragma once

#include <string>

#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

// The kinds ReadPictureFile tells apart.
enum PictureFileKind { kPictureFileUnknown = -1, kPictureFileBmp, kPictureFileJpeg, kPictureFilePng, kPictureFileGif };

// The kind of the file at path (UTF-8) by its first bytes; kPictureFileUnknown for a file
// that cannot be read or starts like none of them.
int PictureFileKindOf(const std::string& path);

// Reads the picture at path into pTarget with its top-left at (0, 0), cut to the target,
// and writes the size drawn (the picture's size cut to the target) into size. Returns a
// PictureReadResult; kPictureDamaged for a file of no known kind. On any failure neither
// the target nor size changes, and no message is shown: the caller says what happened.
int ReadPictureFile(tmb::DeviceContext* pDC, const std::string& path, tmb::Surface* pTarget, tmb::Size* size);
