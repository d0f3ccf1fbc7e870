// The pixels the picture writers take: a 24-bit device-independent bitmap's rows of blue,
// green, red, each padded to 4 bytes, the bottom row first, as a CDib block holds them.
#pragma once

#include <cstddef>

// Whether bytes hold such a picture of width x height, each side 1 to the largest bitmap's.
bool HoldsDibPixels24(int width, int height, size_t bytes);
