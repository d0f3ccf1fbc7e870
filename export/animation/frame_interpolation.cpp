#include "export/animation/frame_interpolation.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/canvas/work_canvas.h"
#include "export/animation/animation_params.h"

namespace {

// The brush values blended after entries 0 to 7; 241 comes twice, as the blend always had it.
constexpr int kBlendedParams[] = {6,   44,  26,  230, 31,  111, 39, 49, 113, 28,  210, 212, 211, 17,  18,  215, 216,
                                  241, 82,  83,  86,  87,  89,  92, 93, 201, 226, 209, 241, 244, 245, 178, 182};
constexpr int kFirstBrushParams = 8;

struct SwitchedValue {
  int value;
  int on;
};
constexpr SwitchedValue kSwitchedValues[] = {{210, 211}, {17, 213}, {18, 214}, {28, 27},
                                             {201, 220}, {226, 225}, {178, 177}, {182, 180}};

constexpr int kDirtyGrowth = 32;

// x to the nearest int, halves away from zero; values beyond int are held at its ends
// and a NaN gives 0.
int RoundAway(double x) {
  if (std::isnan(x)) return 0;
  const double r = std::round(x);
  if (r >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (r <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return int(r);
}

int Channel(uint32_t colour, int shift) { return int((colour >> shift) & 0xFF); }

}  // namespace

double EasingExponent(const ParamBlock& params) {
  const double a = params[kAnimAcceleration] / 10.0;
  return params[kAnimDecelerate] == 1 ? -a : a;
}

double EaseFraction(double t, double exponent) {
  if (exponent > 0) return std::pow(t, exponent + 1);
  if (exponent < 0) return 1 - std::pow(1 - t, 1 - exponent);
  return t;
}

int FramePercent(int frame, int frames, double exponent) {
  frames = std::clamp(frames, kMinAnimFrames, kMaxAnimFrames);
  frame = std::clamp(frame, 0, frames - 1);
  const int percent = frame * 100 / (frames - 1);
  if (percent % 100 == 0 || exponent == 0) return percent;
  return int(EaseFraction(double(frame) / (frames - 1), exponent) * 100);
}

int InterpolateInt(int a, int b, int num, int den, double t, double exponent) {
  const double span = double(b) - double(a);
  if (exponent != 0) return RoundAway(a + span * t);
  return RoundAway(den == 0 ? double(a) : a + span * num / den);
}

uint32_t InterpolateColour(uint32_t a, uint32_t b, double t) {
  uint32_t out = 0;
  for (int shift : {0, 8, 16}) {
    const int ca = Channel(a, shift);
    const int c = std::clamp(RoundAway(ca - (ca - Channel(b, shift)) * t), 0, 255);
    out |= uint32_t(c) << shift;
  }
  return out;
}

int InterpolateRecords(ParamBlock& out, const ParamBlock& a, const ParamBlock& b, int num, int den,
                       double exponent) {
  double t = den == 0 ? 0.0 : double(num) / den;
  if (exponent != 0) t = EaseFraction(t, exponent);
  auto blend = [&](int i) {
    out[size_t(i)] = InterpolateInt(a[size_t(i)], b[size_t(i)], num, den, t, exponent);
  };
  for (int i = 0; i < kFirstBrushParams; ++i) blend(i);
  for (int i : kBlendedParams) blend(i);
  int changed = 0;
  for (int i = kAnimColourFirst; i <= kAnimColourLast; ++i) {
    const auto c = int32_t(InterpolateColour(uint32_t(a[size_t(i)]), uint32_t(b[size_t(i)]), t));
    if (c != out[size_t(i)]) changed = 1;
    out[size_t(i)] = c;
  }
  return changed;
}

int MergeSwitchedValues(ParamBlock& out, const ParamBlock& a, const ParamBlock& b) {
  for (const SwitchedValue& v : kSwitchedValues) {
    if (a[size_t(v.on)] == 0 && b[size_t(v.on)] == 0) continue;
    if (b[size_t(v.on)] == 0) out[size_t(v.value)] = 0;
    out[size_t(v.on)] = a[size_t(v.on)];
  }
  return 1;
}

void ExpandDirtyRect(tmb::Rect& rect, const ParamBlock& params) {
  const int mx = params[kAnimMarginX], my = params[kAnimMarginY];
  rect.left = std::max(rect.left - mx, 0);
  rect.top = std::max(rect.top - my, 0);
  rect.right = std::min(rect.right + mx + kDirtyGrowth, gWorkCanvas.m_width);
  rect.bottom = std::min(rect.bottom + my + kDirtyGrowth, gWorkCanvas.m_height);
}
