// The blends of an animation frame: the eased percentage of a frame, integers and
// colours between two values, and the parameters of two records.
#pragma once

#include <cstdint>

#include "core/record/param_block.h"
#include "platform/gdi/geometry.h"

// The easing exponent of params: acceleration / 10, negative when decelerating.
double EasingExponent(const ParamBlock& params);
// t eased by exponent: t^(e + 1) for e > 0, 1 - (1 - t)^(1 - e) for e < 0, t for 0.
double EaseFraction(double t, double exponent);
// The percentage of frame (held within 0 .. frames - 1) of frames (held within 2 ..
// 1,000): linear, then eased by exponent unless it is 0 or 100.
int FramePercent(int frame, int frames, double exponent);

// a to b at num / den (den 0 gives a) or, with an exponent, at t; halves away from zero.
int InterpolateInt(int a, int b, int num, int den, double t, double exponent);
// Each of red, green and blue from a toward b by t, halves away from zero.
uint32_t InterpolateColour(uint32_t a, uint32_t b, double t);
// The blended parameters of a and b at num / den (eased by exponent) into out: the brush
// values by InterpolateInt, the nine colours by InterpolateColour. 1 when a colour of out
// changed, else 0.
int InterpolateRecords(ParamBlock& out, const ParamBlock& a, const ParamBlock& b, int num, int den,
                       double exponent);
// The values whose switches a and b hold: out takes a's switch, and a value b switches
// off becomes 0. Returns 1.
int MergeSwitchedValues(ParamBlock& out, const ParamBlock& a, const ParamBlock& b);
// rect grown by the margins of params (and 32 pixels more right and down), kept on the
// work canvas.
void ExpandDirtyRect(tmb::Rect& rect, const ParamBlock& params);
