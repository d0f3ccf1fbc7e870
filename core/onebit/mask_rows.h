// The work canvas's one-bit blocks as the vectoriser's masks.
#pragma once

#include <cstdint>
#include <span>

// The rows of the canvas's one-bit block k (0 to 2), bottom row first; empty when the
// block is missing.
std::span<uint8_t> MaskDibRows(int k);
