// The two background pictures the record defaults name, drawn here: "花見.bmp", a quiet
// paper with a few fallen petals, and "森.bmp", a soft landscape of misty hills and a
// forest. Both are pale, so that a character written over them stays the thing seen.
#pragma once

#include <filesystem>

#include "platform/gdi/surface.h"

// Draws the paper onto a colour surface of any size.
void DrawPaperPicture(tmb::Surface& surface);
// Draws the landscape onto a colour surface of any size.
void DrawLandscapePicture(tmb::Surface& surface);
// Writes the surface as a 24-bit BMP file through the bitmap block's writer. 1, or 0 on
// failure.
int WriteBmpPicture(const tmb::Surface& surface, const std::filesystem::path& path);
