// The error and warning handlers the PNG reader and writer give libpng: a failure jumps
// back to the jump point of the call that started the work (never aborting the program),
// and warnings are dropped rather than printed.
#pragma once

#include <png.h>

[[noreturn]] void PngJumpOnError(png_structp png, png_const_charp message);
void PngIgnoreWarning(png_structp png, png_const_charp message);
