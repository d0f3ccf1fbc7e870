// The whole of a picture file in memory, for the readers that parse it from bytes. The
// bytes are held in the bitmap budget: a file the budget cannot hold is refused as too
// large, like a picture whose pixels it cannot hold.
#pragma once

#include <cstdint>
#include <string>

#include "platform/gdi/bitmap_bytes.h"

// Largest picture file read.
constexpr uint64_t kMaxPictureFileSize = uint64_t(1) << 30;

// Reads the file at path (UTF-8) into bytes: kPictureRead, kPictureNotOpened, or
// kPictureTooLarge above kMaxPictureFileSize or the budget.
int ReadPictureFileBytes(const std::string& path, tmb::BitmapBytes& bytes);
