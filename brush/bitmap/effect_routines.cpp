#include "brush/bitmap/effect_routines.h"

#include <algorithm>
#include <vector>

#include "brush/bitmap/colour_functions.h"
#include "brush/bitmap/hls_colour.h"
#include "brush/bitmap/mask_effects.h"
#include "brush/bitmap/pixel_effects.h"
#include "brush/bitmap/smoothing_passes.h"
#include "core/canvas/work_canvas.h"
#include "core/effect/effect_def.h"
#include "core/state/draw_state.h"

namespace {

using tmb::Colour;
using tmb::Surface;

// Steps of the saturation and lightness effects when their value gives none, in percent.
constexpr int kDefaultHlsStep = 10;
// How far the light side of a relief goes towards white, in percent.
constexpr int kReliefLight = 60;
constexpr int kMaxHeight = 100;
constexpr int kMaxOutlineWidth = 100;

// The routines below work on the picture the step names (see EffectTarget).
using PixelRoutine = void (*)(CEffectDef& def, Surface& target, CEffectRandom& random);

template <PixelRoutine kRoutine>
void OnTarget(CEffectDef& def, tmb::DeviceContext*, Surface* image, Surface* work, int pass, CEffectRandom& random) {
  Surface* target = EffectTarget(image, work, pass);
  if (target && !target->IsNull() && !target->IsMono()) kRoutine(def, *target, random);
}

tmb::Rect Area(const CEffectDef& def, const Surface& s) { return tmb::Rect::Intersection(def.m_region, s.Bounds()); }
Colour Paper(const CEffectDef& def) { return def.m_colour1[kEffectColourBack]; }
int Value(const CEffectDef& def, int effect) { return def.m_value1[size_t(effect)]; }
Colour Colour1(const CEffectDef& def, int effect) { return def.m_colour1[size_t(effect)]; }

int Chan(Colour c, int i) { return ColourChannel(c, i); }
Colour Blend(Colour from, Colour to, int percent) {
  int v[3];
  for (int i = 0; i < 3; ++i) v[i] = Chan(from, i) + (Chan(to, i) - Chan(from, i)) * percent / 100;
  return ClampedRgb(v[0], v[1], v[2]);
}

// Calls f(colour) -> colour for every pixel of the area.
template <typename F>
void MapPixels(Surface& s, const tmb::Rect& r, F f) {
  for (int y = r.top; y < r.bottom; ++y) {
    uint32_t* row = s.ColourRow(y);
    for (int x = r.left; x < r.right; ++x) row[x] = tmb::StoredFromColour(f(tmb::ColourFromStored(row[x])));
  }
}

// Recolours the pixels of the area that equal key (match) or differ from it.
void Recolour(Surface& s, const tmb::Rect& r, Colour key, bool match, Colour colour) {
  const uint32_t k = tmb::StoredFromColour(key), c = tmb::StoredFromColour(colour);
  for (int y = r.top; y < r.bottom; ++y) {
    uint32_t* row = s.ColourRow(y);
    for (int x = r.left; x < r.right; ++x) {
      if ((row[x] == k) == match) row[x] = c;
    }
  }
}

// The mask effects: what they add is painted in the stone colour (3) or the pen colour
// (17); the hollowing takes its width as rounds.
template <int kEffect>
void Mask(CEffectDef& def, Surface& target, CEffectRandom& random) {
  Colour added = Paper(def);
  if (kEffect == kEffectStone) added = Colour1(def, kEffectStone);
  if (kEffect == 17) added = def.m_colour1[kEffectColourPen];
  MaskStepValues values;
  values.density = std::clamp(Value(def, kEffectStone), 0, 100);
  ApplyMaskEffect(target, Area(def, target), kEffect, Paper(def), added, Value(def, kEffectHollow), values, random,
                  1);
}

void LightColouring(CEffectDef& def, Surface& target, CEffectRandom&) {
  const int strength = std::clamp(Value(def, kEffectLightColouring), 0, 100);
  MapPixels(target, Area(def, target), [strength](Colour c) { return Blend(c, 0xFFFFFF, strength); });
}

void Invert(CEffectDef& def, Surface& target, CEffectRandom&) {
  MapPixels(target, Area(def, target), [](Colour c) { return c ^ 0xFFFFFFu; });
}

void MirrorLeftRight(CEffectDef& def, Surface& target, CEffectRandom&) {
  const tmb::Rect r = Area(def, target);
  for (int y = r.top; y < r.bottom; ++y) std::reverse(target.ColourRow(y) + r.left, target.ColourRow(y) + r.right);
}

void MirrorTopBottom(CEffectDef& def, Surface& target, CEffectRandom&) {
  const tmb::Rect r = Area(def, target);
  for (int a = r.top, b = r.bottom - 1; a < b; ++a, --b) {
    std::swap_ranges(target.ColourRow(a) + r.left, target.ColourRow(a) + r.right, target.ColourRow(b) + r.left);
  }
}

// Copies the area of s into before, a picture of s's size, so that a neighbourhood
// routine reads the pixels as they were; false when the area is empty or memory short.
bool CopyArea(const Surface& s, const tmb::Rect& r, Surface& before) {
  if (r.IsEmpty() || !before.Create(s.width(), s.height(), tmb::PixelFormat::kColour32)) return false;
  for (int y = r.top; y < r.bottom; ++y) {
    std::copy(s.ColourRow(y) + r.left, s.ColourRow(y) + r.right, before.ColourRow(y) + r.left);
  }
  return true;
}

void Fog(CEffectDef& def, Surface& target, CEffectRandom&) {
  ApplyMaskStepSet(target, Area(def, target), std::clamp(Value(def, kEffectFog), 1, kMaxAverageRadius), nullptr, -1,
                   1);
}
// Ink bleeding into the paper: only the paper's pixels change.
void Shade(CEffectDef& def, Surface& target, CEffectRandom&) {
  const Colour paper = Paper(def);
  ApplyMaskStepSet(target, Area(def, target), std::clamp(Value(def, kEffectShade), 1, kMaxAverageRadius), &paper, -1,
                   1);
}

// Effects 21 to 24: saturation up, down, lightness up, down, by the effect's value in
// percent (10 when it gives none); with the background switch the paper stays.
void StepHls(CEffectDef& def, Surface& target, CEffectRandom&) {
  const int effect = def.m_nCurrentEffect;
  const int value = Value(def, effect);
  const double step = (value > 0 ? value : kDefaultHlsStep) / 100.0;
  const int k = effect - kEffectSaturationUp;
  const double sign = k % 2 == 0 ? 1.0 : -1.0;
  const bool keepPaper = def.m_flagA[size_t(effect)] != 0;
  const Colour paper = Paper(def);
  MapPixels(target, Area(def, target), [&](Colour c) {
    if (keepPaper && c == tmb::PlainColour(paper)) return c;
    double h = 0, s = 0, l = 0;
    RgbToHls(c, &h, &s, &l);
    if (k < 2) {
      s = std::clamp(s + sign * step, 0.0, 1.0);
    } else {
      l = std::clamp(l + sign * step, 0.0, 1.0);
    }
    return HlsToRgb(h, s, l);
  });
}

void Monochrome(CEffectDef& def, Surface& target, CEffectRandom&) {
  MapPixels(target, Area(def, target), [](Colour c) {
    const int g = GreyValue(c, 0);
    return ClampedRgb(g, g, g);
  });
}

// A brownish tone of the grey value, as strong as the density (1 to 10) says.
void Antique(CEffectDef& def, Surface& target, CEffectRandom&) {
  const int density = std::clamp(Value(def, kEffectAntique), 1, 10);
  MapPixels(target, Area(def, target), [density](Colour c) {
    const int g = GreyValue(c, 0);
    return Blend(c, ClampedRgb(g + 40, g + 10, g - 30), density * 10);
  });
}

// Relief (raised) and intaglio (cut in): the ink's sides facing the light and away from
// it, height pixels deep, are lightened and shaded with the relief colour; shadow: the
// ink's shape, shifted by height, in the relief colour on the paper behind it.
void ReliefOrShadow(CEffectDef& def, Surface& target, int effect) {
  const tmb::Rect r = Area(def, target);
  OneBitPlane ink;
  if (!ReadInkPlane(target, r, Paper(def), ink)) return;
  const CMonoBitmap& m = ink.map();
  const int valueOf = effect == kEffectShadow ? kEffectShadow : kEffectRelief;
  const int h = std::clamp(Value(def, valueOf), 1, kMaxHeight);
  const Colour dark = Colour1(def, valueOf);
  const uint32_t darkStored = tmb::StoredFromColour(dark);
  for (int y = r.top; y < r.bottom; ++y) {
    uint32_t* row = target.ColourRow(y);
    for (int x = r.left; x < r.right; ++x) {
      const bool isInk = !m.TestBit(x, y);
      if (effect == kEffectShadow) {
        if (!isInk && !m.TestBit(x - h, y - h) && x - h >= r.left && y - h >= r.top) row[x] = darkStored;
        continue;
      }
      if (!isInk) continue;
      const bool litSide = m.TestBit(x - h, y - h) != 0, shadedSide = m.TestBit(x + h, y + h) != 0;
      const bool raised = effect == kEffectRelief;
      if (raised ? litSide : shadedSide) {
        row[x] = tmb::StoredFromColour(Blend(tmb::ColourFromStored(row[x]), 0xFFFFFF, kReliefLight));
      } else if (raised ? shadedSide : litSide) {
        row[x] = darkStored;
      }
    }
  }
  // With the outline switch, the ink's edge is drawn over it in the pen colour.
  if (def.m_flagA[size_t(valueOf)]) {
    OneBitPlane edge;
    edge.CopyFrom(ink);
    edge.map().Clear();
    CEffectRandom unused;
    MaskNeighbourhoodStep(m, edge.map(), effect == kEffectShadow ? kEffectShadow : kEffectRelief, {}, unused);
    OneBitPlane none;
    none.CopyFrom(edge);
    none.map().Clear();
    WriteMaskChanges(target, r, none.map(), edge.map(), 0, def.m_colour1[kEffectColourPen]);
  }
}
void Relief(CEffectDef& def, Surface& target, CEffectRandom&) {
  ReliefOrShadow(def, target, kEffectRelief);
}
void Shadow(CEffectDef& def, Surface& target, CEffectRandom&) {
  ReliefOrShadow(def, target, kEffectShadow);
}
void Intaglio(CEffectDef& def, Surface& target, CEffectRandom&) {
  ReliefOrShadow(def, target, 26);
}

// An outline as wide as the effect's value grown around the ink in its colour.
void AddOutline(CEffectDef& def, Surface& target, CEffectRandom& random) {
  const tmb::Rect r = Area(def, target);
  OneBitPlane ink, grown, edge;
  if (!ReadInkPlane(target, r, Paper(def), ink)) return;
  grown.CopyFrom(ink);
  edge.CopyFrom(ink);
  const int width = std::clamp(Value(def, kEffectFrame), 1, kMaxOutlineWidth);
  for (int round = 0; round < width; ++round) {
    edge.map().Clear();
    MaskNeighbourhoodStep(grown.map(), edge.map(), kEffectFrame, {}, random);
    int added = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        if (edge.map().TestBit(x, y)) continue;
        for (const tmb::Point d : {tmb::Point{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
          const int nx = x + d.x, ny = y + d.y;
          if (nx < r.left || nx >= r.right || ny < r.top || ny >= r.bottom || !grown.map().TestBit(nx, ny)) continue;
          grown.map().SetBit(nx, ny, 0);
          ++added;
        }
      }
    }
    if (added == 0) break;
  }
  WriteMaskChanges(target, r, ink.map(), grown.map(), Paper(def), Colour1(def, kEffectFrame));
}

// 29 and 30 over the ink, 31 and 32 over the paper; 29 and 31 change along the width.
void Gradient(CEffectDef& def, Surface& target, CEffectRandom&) {
  const int effect = def.m_nCurrentEffect;
  const int k = effect - kEffectGradeX;
  const size_t e = size_t(effect);
  GradientFillSelection(target, Area(def, target), k % 2 == 0, def.m_flagT[e], def.m_colour1[e], def.m_colour2[e],
                        Paper(def), k < 2 ? 0 : 1);
}

// 50 the ink, 51 the paper, 52 everything, 53 the pixels of the free-point colour, shifted
// by the colour change's three amounts.
void ShiftColours(CEffectDef& def, Surface& target, CEffectRandom&) {
  const int effect = def.m_nCurrentEffect;
  static constexpr int kFilter[] = {kShiftOtherThanKey, kShiftKeyOnly, kShiftAll, kShiftKeyOnly};
  const Colour key = effect == 53 ? def.m_colour1[kEffectColourFreePoint] : Paper(def);
  ShiftRectColours(target, Area(def, target), def.m_exchange.data(), kFilter[effect - 50], 0, key);
}

void PaperColour(CEffectDef& def, Surface& target, CEffectRandom&) {
  const tmb::Rect r = Area(def, target);
  const Colour to = def.m_colour1[kEffectColourPaper];
  Recolour(target, r, def.m_crPaper, true, to);
  if (r == tmb::Rect{0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height}) def.m_crPaper = to;
}
void PenColour(CEffectDef& def, Surface& target, CEffectRandom&) {
  Recolour(target, Area(def, target), def.m_crPaper, false, def.m_colour1[kEffectColourPen]);
}
// The colour a right click took in the zoom window becomes the free-point colour.
void FreePointColour(CEffectDef& def, Surface& target, CEffectRandom&) {
  Recolour(target, Area(def, target), gDrawState.m_crRightClick, true, def.m_colour1[kEffectColourFreePoint]);
}
// Every pixel becomes the pen or the paper colour, whichever is nearer.
void TwoColours(CEffectDef& def, Surface& target, CEffectRandom&) {
  const tmb::Rect r = Area(def, target);
  ThresholdTwoColours(target, def.m_colour1[kEffectColourPen], def.m_crPaper, r.left, r.top, r.right - 1, r.bottom - 1,
                      0);
}

// Pixels on an edge between colours take half of their neighbourhood's average.
void AntiAlias(CEffectDef& def, Surface& target, CEffectRandom&) {
  const tmb::Rect r = Area(def, target);
  Surface before;
  if (!CopyArea(target, r, before)) return;
  for (int y = r.top; y < r.bottom; ++y) {
    uint32_t* row = target.ColourRow(y);
    for (int x = r.left; x < r.right; ++x) {
      const Colour c = tmb::ColourFromStored(before.ColourRow(y)[x]);
      NeighbourhoodParams p{r, c, 1};
      if (AverageNeighbourhood(before, x, y, p)) row[x] = tmb::StoredFromColour(Blend(c, p.colour, 50));
    }
  }
}

}  // namespace

void RegisterEffectRoutines() {
  ImageEffectRoutine* t = gImageEffectRoutines;
  t[1] = OnTarget<Mask<1>>;
  t[kEffectLightColouring] = OnTarget<LightColouring>;
  t[kEffectStone] = OnTarget<Mask<kEffectStone>>;
  t[4] = OnTarget<Mask<4>>;
  t[5] = OnTarget<Invert>;
  t[kEffectRelief] = OnTarget<Relief>;
  t[kEffectShadow] = OnTarget<Shadow>;
  t[11] = OnTarget<MirrorLeftRight>;
  t[12] = OnTarget<MirrorTopBottom>;
  t[kEffectHollow] = OnTarget<Mask<kEffectHollow>>;
  t[14] = OnTarget<Mask<14>>;
  t[kEffectFog] = OnTarget<Fog>;
  t[kEffectShade] = OnTarget<Shade>;
  t[17] = OnTarget<Mask<17>>;
  for (int e = kEffectSaturationUp; e <= kEffectLuminosityDown; ++e) t[e] = OnTarget<StepHls>;
  t[25] = OnTarget<Monochrome>;
  t[26] = OnTarget<Intaglio>;
  t[kEffectAntique] = OnTarget<Antique>;
  t[kEffectFrame] = OnTarget<AddOutline>;
  for (int e = kEffectGradeX; e <= kEffectGradeYPaper; ++e) t[e] = OnTarget<Gradient>;
  for (int e = 50; e <= 53; ++e) t[e] = OnTarget<ShiftColours>;
  t[kEffectColourPaper] = OnTarget<PaperColour>;
  t[kEffectColourPen] = OnTarget<PenColour>;
  t[kEffectColourFreePoint] = OnTarget<FreePointColour>;
  t[59] = OnTarget<TwoColours>;
  t[66] = OnTarget<Mask<66>>;
  t[67] = OnTarget<AntiAlias>;
}
