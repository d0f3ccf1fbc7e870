// The step that runs one numbered image effect of a definition on a region of a picture:
// it prepares the work bitmap, runs the effect's pixel routine and copies the result back.
// The pixel routines stand in a table by effect number; an effect without one only has
// its region carried through the work bitmap.
#pragma once

#include <cstdint>

#include "core/effect/effect_names.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

class CEffectDef;

// The random numbers of the image effects: a generator of their own, started afresh for
// every step, so that an effect gives the same picture every time and neither disturbs
// nor depends on anything else that draws random numbers.
class CEffectRandom {
 public:
  static constexpr int kMax = 0x7FFF;
  explicit CEffectRandom(uint32_t seed = 1) : m_state(seed) {}
  // The next number, 0 to kMax.
  int Next() {
    m_state = m_state * 214013u + 2531011u;
    return int((m_state >> 16) & kMax);
  }

 private:
  uint32_t m_state;
};

// When set, every effect step draws its random numbers from a seed of the clock's time
// instead of 1, so that the same effect may look different each time. Off at start-up.
extern int gEffectSeedFromClock;

// The pixel routine of one effect: works on def's region of image or work (pass as
// PrepareImageEffect got it) and may change def's colours.
using ImageEffectRoutine = void (*)(CEffectDef& def, tmb::DeviceContext* pDC, tmb::Surface* image, tmb::Surface* work,
                                    int pass, CEffectRandom& random);

// The picture a routine changes: work, which carries the region between the steps of a
// script, except in a run over files (pass 2), whose steps work on image itself.
inline tmb::Surface* EffectTarget(tmb::Surface* image, tmb::Surface* work, int pass) {
  return pass == 2 ? image : work;
}

// The routines by effect number; an empty entry does nothing. They start with the scalings
// (40 to 45) and the whole-paper colour change (56), both on work.
extern ImageEffectRoutine gImageEffectRoutines[kEffectSlots];
// Puts the table back as it starts.
void ResetImageEffectRoutines();

// Runs def's current effect, its random numbers seeded as gEffectSeedFromClock says. Puts the region's corners in order (effect 56 works on the
// whole canvas); when pass is not 2 and position is 1 (the first of a script) fills work
// with the background colour over the canvas and copies the region of image into it; for
// effect 55 the background colour becomes the paper colour when pass is non-zero or the
// region is the whole canvas; runs the routine; when position is non-zero and pass below
// 2, copies the region of work back into image.
void PrepareImageEffect(CEffectDef& def, tmb::DeviceContext* pDC, tmb::Surface* image, tmb::Surface* work, int pass,
                        int position);
