#include "brush/bitmap/smoothing_passes.h"

#include <algorithm>
#include <new>

#include "brush/bitmap/pixel_effects.h"
#include "core/bitmap/palettes.h"
#include "platform/service/progress.h"

int ApplyMaskStepSet(tmb::Surface& picture, const tmb::Rect& rect, int radius, const tmb::Colour* onlyColour,
                     int greyMode, int showProgress) {
  const tmb::Rect r = tmb::Rect::Intersection(rect, picture.Bounds());
  if (picture.IsNull() || picture.IsMono() || r.IsEmpty()) return 0;
  // The windows read the picture as it was: a copy of the rectangle's rows.
  tmb::Surface before;
  if (!before.Create(picture.width(), picture.height(), tmb::PixelFormat::kColour32)) return 0;
  for (int y = r.top; y < r.bottom; ++y) std::copy(picture.ColourRow(y) + r.left, picture.ColourRow(y) + r.right, before.ColourRow(y) + r.left);
  const uint32_t key = onlyColour ? tmb::StoredFromColour(*onlyColour) : 0;
  const int tenth = std::max(r.Height() / 10, 1);
  int changed = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    if (showProgress && (y - r.top) % tenth == 0) tmb::Progress().SetPos(std::min((y - r.top) / tenth * 10, 100));
    uint32_t* row = picture.ColourRow(y);
    const uint32_t* was = before.ColourRow(y);
    for (int x = r.left; x < r.right; ++x) {
      if (onlyColour && was[x] != key) continue;
      NeighbourhoodParams p{r, tmb::ColourFromStored(was[x]), radius};
      if (!AverageNeighbourhood(before, x, y, p)) continue;
      tmb::Colour c = p.colour;
      if (greyMode == 0 || greyMode == 1) {
        const int g = GreyValue(c, greyMode);
        c = tmb::MakeRgb(g, g, g);
      }
      const uint32_t stored = tmb::StoredFromColour(PaletteRgb(c));
      if (stored != row[x]) {
        row[x] = stored;
        ++changed;
      }
    }
  }
  if (showProgress) tmb::Progress().SetPos(-1);
  return changed;
}
