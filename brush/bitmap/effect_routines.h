// The pixel routines of the numbered image effects: outlines, dots, roughened and hollowed
// ink, thinning, colour inversion, mirroring, fog and blur, saturation and lightness
// steps, grey and antique tones, relief, shadow and intaglio, added outlines, gradients and
// the colour changes. Each works on the work bitmap over the definition's region.
#pragma once

#include "brush/bitmap/image_effect.h"

// Puts the routines into gImageEffectRoutines; the other entries are left as they are.
void RegisterEffectRoutines();
