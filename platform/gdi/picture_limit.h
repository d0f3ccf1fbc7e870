// The largest picture the program takes in. The canvas is at most 3000 x 3000 and the
// image editor works on canvas-sized pictures; what a reader decodes beyond that is only
// cut away, so a picture of more pixels than this is refused before its memory is taken.
// It is ten times a full canvas and above any camera's picture a user draws from.
#pragma once

#include <cstdint>

namespace tmb {

constexpr uint64_t kMaxPicturePixels = 100'000'000;

// Whether a picture of width x height pixels is one the program holds (sides positive).
constexpr bool IsHoldablePicture(int64_t width, int64_t height) {
  return width > 0 && height > 0 && uint64_t(width) * uint64_t(height) <= kMaxPicturePixels;
}

}  // namespace tmb
