// An aged-paper texture: a random walk from the area's centre that shades the background
// darker and lighter, laid over a picture in hue, lightness and saturation. No command
// runs it yet; it waits for the effects that will.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

class CEffectDef;

// Grows the texture on bitmap over rect from its centre: width x height x value1[27] / 5
// steps, each moving to the neighbour inside rect whose colour lies nearest the
// background (colour1[54]) and painting it a blend of the last colour and that
// neighbour's, a shade darker or lighter, or the last colour again. The first pixel is
// the light shade when light is set, else the dark one. Reports progress by tenths.
void GrowAntiqueTexture(const CEffectDef& def, tmb::Surface* bitmap, const tmb::Rect& rect, int light);

// Fills texture with the background over rect and half as much again below it, grows the
// texture there and writes into destination, pixel by pixel over rect, the source's hue,
// lightness and saturation moved by how far the texture's lie from the background's.
void ApplyAntiqueTexture(const CEffectDef& def, tmb::Surface* destination, const tmb::Surface* source,
                         tmb::Surface* texture, const tmb::Rect& rect);
