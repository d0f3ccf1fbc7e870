// The pixel routines of the numbered image effects: outlines, dots, roughened and hollowed
// ink, thinning, colour inversion, mirroring, fog and blur, saturation and lightness
// steps, grey and antique tones, relief, shadow and intaglio, added outlines, gradients and
// the colour changes. Each works on the work bitmap over the definition's region.
#pragma once

#include "brush/bitmap/image_effect.h"

// The effect numbers the routines here serve.
constexpr int kPixelEffects[] = {1,  2,  3,  4,  5,  6,  7,  11, 12, 13, 14, 15, 16, 17, 21, 22, 23, 24, 25,
                                 26, 27, 28, 29, 30, 31, 32, 50, 51, 52, 53, 55, 57, 58, 59, 66, 67};

// Puts the routines into gImageEffectRoutines; the other entries are left as they are.
void RegisterEffectRoutines();
