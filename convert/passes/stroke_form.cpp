#include "convert/passes/stroke_form.h"

#include <cmath>

#include "convert/analysis/mark_extent.h"
#include "core/path/stroke_work.h"

namespace {

constexpr double kAspect = 1.2;
constexpr double kLeastAspect = 0.5;

// The tangents of value degrees and of half of it, and the sine and cosine of value.
struct FormAngles {
  FormAngles(int value, float pi) {
    const double a = value * double(pi) / 180;
    full = std::tan(a);
    half = std::tan(value * double(pi) / 360);
    sine = std::sin(a);
    cosine = std::cos(a);
  }
  double full;
  double half;
  double sine;
  double cosine;
};

// The same change for every point of one mark, as doubles about the mark's centre.
struct MarkForm {
  int mode;
  double value;
  const FormAngles& angles;
  const CMarkExtent& mark;

  // Whether the mode moves anything in this mark.
  bool Applies() const {
    if (mode < kFormRotate || mode > kFormShear) return false;
    if (mode != kFormAspect) return true;
    if (mark.width == 0 || mark.height == 0) return false;
    const double r = double(mark.height) / double(mark.width);
    return r > kLeastAspect && r < kAspect;
  }

  CFPoint Apply(CFPoint p) const {
    const double cx = mark.centre.x;
    const double cy = mark.centre.y;
    double x = p.x;
    double y = p.y;
    switch (mode) {
      case kFormRotate: {
        const double dx = x - cx;
        const double dy = y - cy;
        x = cx + dx * angles.cosine + dy * angles.sine;
        y = cy - dx * angles.sine + dy * angles.cosine;
        break;
      }
      case kFormSlant:
        y += (cx - x) * (mark.flagWord != 0 ? angles.half : angles.full);
        break;
      case kFormScaleY:
        y = (y - cy) * value / 100 + cy;
        break;
      case kFormScaleX:
        x = (x - cx) * value / 100 + cx;
        break;
      case kFormAspect: {
        const double w = double(mark.width);
        const double h = double(mark.height);
        x = cx + (x - cx) * std::sqrt(w * h / kAspect) / w;
        y = cy + (y - cy) * std::sqrt(w * h * kAspect) / h;
        break;
      }
      case kFormScale:
        y = (y - cy) * value / 100 + cy;
        x = (x - cx) * value / 100 + cx;
        break;
      case kFormShear:
        x += (cy - y) * angles.full;
        break;
    }
    return CFPoint(static_cast<float>(x), static_cast<float>(y));
  }
};

}  // namespace

int ApplyStrokeForm(CStrokeWork& path, int mode, int value) {
  const FormAngles angles(value, path.m_fParam);
  if (mode == kFormSlant && angles.full == 0) return 0;
  CMarkExtent mark;
  for (int s = 0; s < path.GetCount(); ++s) {
    if (path.m_pFlags[s] != CStrokePath::kFlagStart || !FindMarkExtent(path, s, mark)) continue;
    const MarkForm form{mode, double(value), angles, mark};
    if (form.Applies()) {
      for (int i = s; i <= mark.last; ++i) path.m_pPoints[i] = form.Apply(path.m_pPoints[i]);
    }
    s = mark.last;
  }
  return 1;
}
