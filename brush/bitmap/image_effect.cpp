#include "brush/bitmap/image_effect.h"

#include <algorithm>

#include "brush/bitmap/deform_selection.h"
#include "brush/bitmap/paper_colour.h"
#include "core/canvas/bitmap_blits.h"
#include "core/canvas/bitmap_masks.h"
#include "core/canvas/work_canvas.h"
#include "core/effect/effect_def.h"
#include "platform/service/clock.h"

namespace {

void ScaleRegion(CEffectDef& def, tmb::DeviceContext* pDC, tmb::Surface* image, tmb::Surface* work, int pass,
                 CEffectRandom&) {
  tmb::Surface* target = EffectTarget(image, work, pass);
  DeformSelection(def, pDC, target, target, def.m_nCurrentEffect);
}

void ChangePaperColour(CEffectDef& def, tmb::DeviceContext* pDC, tmb::Surface* image, tmb::Surface* work, int pass,
                       CEffectRandom&) {
  ChangeWholePaperColour(def, pDC, EffectTarget(image, work, pass), def.m_region);
}

// Fills the table; the table starts filled (it is set before anything runs).
bool FillRoutines() {
  std::fill(std::begin(gImageEffectRoutines), std::end(gImageEffectRoutines), nullptr);
  for (int e = kEffectScaleSame; e <= kEffectScaleEllipse; ++e) gImageEffectRoutines[e] = ScaleRegion;
  gImageEffectRoutines[kEffectColourPaperAll] = ChangePaperColour;
  return true;
}

}  // namespace

ImageEffectRoutine gImageEffectRoutines[kEffectSlots] = {};
int gEffectSeedFromClock = 0;

namespace {
[[maybe_unused]] const bool gRoutinesFilled = FillRoutines();
}  // namespace

void ResetImageEffectRoutines() { FillRoutines(); }

void PrepareImageEffect(CEffectDef& def, tmb::DeviceContext* pDC, tmb::Surface* image, tmb::Surface* work, int pass,
                        int position) {
  CEffectRandom random(gEffectSeedFromClock ? tmb::TickCount() : 1);
  const tmb::Rect canvas{0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height};
  const int effect = def.m_nCurrentEffect;
  def.m_region.Normalize();
  if (effect == kEffectColourPaperAll) def.m_region = canvas;
  const tmb::Rect& r = def.m_region;
  if (pass != 2 && position == 1) {
    FillBitmapRect(pDC, work, canvas, def.m_colour1[kEffectColourBack]);
    CopyBitmapArea(pDC, work, r.left, r.top, r.Width(), r.Height(), image, r.left, r.top);
  }
  if (effect == kEffectColourPaper && (pass != 0 || r == canvas)) {
    def.m_colour1[kEffectColourBack] = def.m_colour1[kEffectColourPaper];
  }
  if (effect > 0 && effect < kEffectSlots && gImageEffectRoutines[effect]) {
    gImageEffectRoutines[effect](def, pDC, image, work, pass, random);
  }
  if (position != 0 && pass < 2) CopyBitmapArea(pDC, image, r.left, r.top, r.Width(), r.Height(), work, r.left, r.top);
}
