// The block structure of a GIF file: header, logical screen, colour tables, extensions
// and image descriptors, turned into the file record and one record per frame.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "export/gif/gif_records.h"

// Whether bytes start with "GIF87a" or "GIF89a".
bool IsGifSignature(std::span<const uint8_t> bytes);

// Parses the whole file. Returns kPictureRead with the records filled (at most
// kMaxGifFrames frames; a missing trailer after a whole frame is accepted), else
// kPictureDamaged (no GIF signature, a cut header or table, a screen side of 0, a chain
// of sub-blocks or image data cut short, a minimum code size outside 1 to 8, no frame)
// or kPictureBadFrame (an image descriptor or local table cut short, a frame side of 0),
// with the records cleared.
int ParseGifFile(std::span<const uint8_t> bytes, CGifFileRecord& file, std::vector<CGifFrameRecord>& frames);
