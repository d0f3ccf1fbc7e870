#include "core/record/effect_def.h"

#include "brush/bitmap/image_effect.h"
#include "core/canvas/work_canvas.h"
#include "core/state/draw_state.h"
#include "imageedit/effects/bitmap_pixel.h"

CEffectDef::CEffectDef() { SetDefaults(); }

// Construction leaves the shared dialogs alone: every character record holds a definition,
// and a record made for a moment (a file being read) must not put its defaults over the
// colours the user chose there.
void CEffectDef::SetDefaults() {
  m_nEntries = 0;
  m_crPaper = 0xFFFFFF;
  m_nColourSource = 0;
  m_colour1[kEffectColourBack] = 0xFFFFFF;
  m_colour1[kEffectColourPaper] = 0xFFFFFF;
  m_colour1[kEffectColourOutline] = 0xC0FFC0;
  m_colour1[kEffectColourRelief] = 0x608060;
  m_colour1[kEffectColourStone] = 0x404040;
  m_colour1[kEffectColourGrade1] = 0xFF00FF;
  m_colour1[kEffectColourGrade2] = 0x00FF80;
  m_colour1[67] = 0;
  m_exchange = {};
}

void CEffectDef::ResetDefaults() {
  SetDefaults();
  PushColoursToDialogs();
}

int CEffectDef::SetFile(const std::string& file, int colourSource) {
  ApplyDetailValues();
  m_region = {0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height};
  m_strFile = file;
  m_nColourSource = colourSource;
  Parse();
  return 1;
}

void CEffectDef::CopyFrom(const CEffectDef& other) {
  if (&other == this) return;
  *this = other;
}

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
