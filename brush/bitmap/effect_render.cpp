// Running a definition's script: each effect in turn on the picture, the background colour
// taken from the sample point when the definition asks for it.
#include "brush/bitmap/bitmap_pixel.h"
#include "brush/bitmap/image_effect.h"
#include "core/effect/effect_def.h"
#include "core/state/draw_state.h"

void CEffectDef::Render(tmb::DeviceContext* pDC, tmb::Surface* image, tmb::Surface* work, int batch) {
  gDrawState.m_bEffectRunning = 1;
  const int savedEffect = m_nCurrentEffect;
  const tmb::Colour savedBack = m_colour1[kEffectColourBack];
  if (m_nColourSource == 1) {
    // A sample point off the picture has no colour: the background stays as it is.
    const tmb::Colour sample = GetBitmapPixel(pDC, m_ptSample.x, m_ptSample.y, image);
    if (sample != tmb::kInvalidColour) m_colour1[kEffectColourBack] = sample;
  }
  for (int i = 0; i < m_nEntries; ++i) {
    m_nCurrentEffect = m_entries[size_t(i)];
    const int position = i == 0 ? 1 : (i == m_nEntries - 1 ? 2 : 0);
    PrepareImageEffect(*this, pDC, image, work, batch + 1, position);
  }
  gDrawState.m_bEffectRunning = 0;
  m_nCurrentEffect = savedEffect;
  m_colour1[kEffectColourBack] = savedBack;
}
