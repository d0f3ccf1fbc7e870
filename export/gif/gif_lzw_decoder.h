// The LZW decoder of GIF image data: variable-length codes read least significant bit
// first from a frame's chain of sub-blocks into one colour index per pixel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

enum GifLzwResult {
  kGifLzwEnd = 0,        // the end code, or every pixel written
  kGifLzwBadCode = 1,    // a code the table does not hold ended the frame
  kGifLzwDataEnded = 2,  // the sub-blocks ended before the end code
  kGifLzwBadCodeSize = -1,  // a minimum code size outside 1 to 8: nothing decoded
};

// Decodes one frame. chain starts at the first sub-block's size byte and may run on
// past the chain's zero-length end block. Writes never go past pixels; what the codes do
// not reach is left as it was, and *written receives the count of pixels written.
int DecodeGifLzw(int minCodeSize, std::span<const uint8_t> chain, std::span<uint8_t> pixels, size_t* written);
