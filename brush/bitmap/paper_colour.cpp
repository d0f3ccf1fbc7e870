#include "brush/bitmap/paper_colour.h"

#include "core/effect/effect_def.h"
#include "platform/gdi/pixel.h"

int ChangeWholePaperColour(CEffectDef& def, tmb::DeviceContext* /*pDC*/, tmb::Surface* image, const tmb::Rect& rect) {
  if (!image || image->IsNull() || image->IsMono()) return 0;
  const tmb::Colour background = tmb::PlainColour(def.m_colour1[kEffectColourBack]);
  const uint32_t from = tmb::StoredFromColour(tmb::PlainColour(def.m_crPaper));
  const uint32_t to = tmb::StoredFromColour(background);
  tmb::Rect r = rect;
  r.Normalize();
  r = tmb::Rect::Intersection(r, image->Bounds());
  for (int y = r.top; y < r.bottom; ++y) {
    uint32_t* row = image->ColourRow(y);
    for (int x = r.left; x < r.right; ++x) {
      if (row[x] == from) row[x] = to;
    }
  }
  def.m_crPaper = background;
  return 1;
}
