#include "imageedit/effects/antique_texture.h"

#include <algorithm>
#include <cstdint>

#include "brush/bitmap/hls_colour.h"
#include "brush/bitmap/image_effect.h"
#include "brush/bitmap/colour_functions.h"
#include "core/effect/effect_def.h"
#include "platform/service/progress.h"

namespace {

// The eight neighbours, clockwise from the one above.
constexpr int kRing[8][2] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};

tmb::Colour Shade(tmb::Colour c, bool light) {
  int ch[3] = {tmb::RedOf(c), tmb::GreenOf(c), tmb::BlueOf(c)};
  for (int& v : ch) v = light ? v + (255 - v) * 30 / 100 : v * 90 / 100;
  return tmb::MakeRgb(ch[0], ch[1], ch[2]);
}

struct Hls {
  double h = 0, s = 0, l = 0;
};

Hls HlsOf(tmb::Colour c) {
  Hls v;
  RgbToHls(c, &v.h, &v.s, &v.l);
  return v;
}

}  // namespace

void GrowAntiqueTexture(const CEffectDef& def, tmb::Surface* bitmap, const tmb::Rect& rect, int light) {
  if (!bitmap || bitmap->IsNull()) return;
  tmb::Rect r = rect;
  r.Normalize();
  r = tmb::Rect::Intersection(r, bitmap->Bounds());
  if (r.IsEmpty()) return;
  const tmb::Colour background = tmb::PlainColour(def.m_colour1[kEffectColourBack]);
  const tmb::Colour dark = Shade(background, false), bright = Shade(background, true);
  CEffectRandom random(1);
  int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
  tmb::Colour colour = light ? bright : dark;
  bitmap->SetPixel(x, y, colour);
  const int64_t steps = int64_t(r.Width()) * r.Height() * std::max(def.m_value1[kEffectAntique], 0) / 5;
  int reported = 0;
  for (int64_t step = 0; step < steps; ++step) {
    const int first = random.Next() % 8;
    int best = -1, bestDistance = 765 + 1;
    tmb::Colour bestColour = colour;
    for (int k = 0; k < 8; ++k) {
      const int d = (first + k) % 8;
      const int nx = x + kRing[d][0], ny = y + kRing[d][1];
      if (nx < r.left || nx >= r.right || ny < r.top || ny >= r.bottom) continue;
      const tmb::Colour c = bitmap->GetPixel(nx, ny);
      const int distance = ColourDistance(c, background);
      if (distance < bestDistance) {
        best = d;
        bestDistance = distance;
        bestColour = c;
      }
    }
    if (best < 0) break;  // a rectangle of one pixel
    x += kRing[best][0];
    y += kRing[best][1];
    const int pick = random.Next() % 20;
    if (pick >= 11) {
      colour = BlendColour(colour, bestColour, 50);
    } else if (pick < 3) {
      colour = dark;
    } else if (pick == 3) {
      colour = bright;
    }
    bitmap->SetPixel(x, y, colour);
    const int tenth = int((step + 1) * 10 / steps);
    if (tenth > reported) {
      reported = tenth;
      tmb::Progress().SetPos(tenth * 10);
    }
  }
}

void ApplyAntiqueTexture(const CEffectDef& def, tmb::Surface* destination, const tmb::Surface* source,
                         tmb::Surface* texture, const tmb::Rect& rect) {
  if (!destination || !source || !texture || destination->IsNull() || source->IsNull() || texture->IsNull()) return;
  tmb::Rect r = rect;
  r.Normalize();
  const tmb::Colour background = tmb::PlainColour(def.m_colour1[kEffectColourBack]);
  {
    tmb::DeviceContext dc(texture);
    dc.FillSolidRect({r.left, r.top, r.right, r.bottom + r.Height() * 3 / 2}, background);
  }
  GrowAntiqueTexture(def, texture, r, 0);
  const Hls base = HlsOf(background);
  r = tmb::Rect::Intersection(r, destination->Bounds());
  r = tmb::Rect::Intersection(r, source->Bounds());
  r = tmb::Rect::Intersection(r, texture->Bounds());
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const Hls s = HlsOf(source->GetPixel(x, y)), t = HlsOf(texture->GetPixel(x, y));
      destination->SetPixel(x, y, HlsToRgb(s.h + t.h - base.h, s.s + t.s - base.s, s.l + t.l - base.l));
    }
  }
  tmb::Progress().SetPos(0);
}
