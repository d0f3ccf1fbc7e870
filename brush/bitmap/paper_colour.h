// The whole-paper colour change: every pixel that still has the paper colour takes the
// background colour, which then is the paper colour.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

class CEffectDef;

// Paints every pixel of rect (cut to image) whose colour is def's paper colour with
// colour1[54] and makes that the paper colour. Returns 1; 0 without a colour picture.
int ChangeWholePaperColour(CEffectDef& def, tmb::DeviceContext* pDC, tmb::Surface* image, const tmb::Rect& rect);
