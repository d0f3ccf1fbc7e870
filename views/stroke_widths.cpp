// The sizes of the stamped stroke: the width at a point from the segment's length, the
// pen pressure and the width settings; the sizes a segment's stamps go through; the
// brush set column that flying white picks; and where a stamp is cut.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/document/tmb_doc.h"
#include "core/path/stroke_work.h"
#include "views/live_stroke.h"
#include "views/tmb_view.h"

namespace {

// Parameters of the work object that the widths read.
constexpr int kParamWidth = 3;
constexpr int kParamModulation = 4;
constexpr int kParamBlur = 5;
constexpr int kParamDamping = 31;
constexpr int kParamStartMode = 38;
constexpr int kParamMinWidth = 39;
constexpr int kParamEmphasis = 43;
constexpr int kParamMinEndWidth = 49;
// The brush kind: without flying white it chooses the column of the brush set a stroke
// stamps with (the later columns hold the tip ever more thinned).
constexpr int kParamBrushKind = 10;
constexpr int kLiveWorkCapacity = 10;

// Settings and lengths are bounded so that no product below overflows: no meaningful
// width, modulation or segment comes near these.
constexpr int64_t kSettingBound = 1000000;
constexpr double kLengthBound = 1e12;

using Wide = __int128;

Wide Bounded(int64_t v) { return std::clamp<int64_t>(v, -kSettingBound, kSettingBound); }

Wide TruncBounded(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<Wide>(std::trunc(std::clamp(v, -kLengthBound, kLengthBound)));
}

double Finite(float v) { return std::isfinite(v) ? v : 0.0; }

}  // namespace

CLiveStrokeState gLiveStroke;

CLiveStrokeValues LiveStrokeValuesOf(const CStrokeWork& work) {
  const ParamBlock& p = work.m_param;
  CLiveStrokeValues v;
  v.width = p[kParamWidth];
  v.modulation = p[kParamModulation];
  v.startMode = p[kParamStartMode];
  v.maxWidth = work.m_nMaxWidth;
  v.damping = p[kParamDamping];
  v.emphasis = p[kParamEmphasis];
  v.minNormal = p[kParamMinWidth];
  v.minEnd = p[kParamMinEndWidth];
  v.blur = p[kParamBlur];
  v.defaultColumn = std::clamp(p[kParamBrushKind], 0, kStampColumns - 1);
  return v;
}

CStrokeWork& LiveStrokeWork() {
  static CStrokeWork work(kLiveWorkCapacity);
  return work;
}

int CTmbView::StrokeWidthAt(float fx, float fy, int kind, int endFlag, const CPointRecord& rec) {
  const CLiveStrokeValues s = LiveStrokeValuesOf(LiveStrokeWork());
  const Wide damping = Bounded(s.damping);
  const double len = kind == kSegmentLast ? Finite(rec.v[3]) : std::hypot(Finite(fx), Finite(fy));
  const double adj = kind == kSegmentFirst ? 0.0 : (Finite(rec.v[0]) - len) * double(damping) / 10.0;
  const Wide length = TruncBounded(len + adj + std::trunc(Finite(rec.v[2])));
  Wide w = Bounded(s.width);
  Wide m = Bounded(s.modulation);
  if (kind != kSegmentInside && (s.startMode == 1 || s.startMode == 2)) {
    m = s.startMode == 1 ? m / 3 : 0;
    w /= 2;
  }
  // Longer, faster segments are thinner.
  Wide width = ((w * m * (0 - length)) / 500 + w) / 2;
  const double pressure = Finite(rec.v[1]);
  if (pressure != -1.0) {
    const double k = kind != kSegmentInside ? 10.0 : double(damping);
    const double f = s.emphasis ? 5.0 : 1.0;
    const double t = double(width * Wide(10 - int(f))) +
                     f * ((pressure - 50.0) * k / 10.0 + 50.0) * double(w) * double(m) * 32.0 / 250000.0;
    width = TruncBounded(t / 10.0);
  }
  // The width is kept in a byte, and no cell of the brush set is wider than 31.
  width = std::min<Wide>(width, std::min(s.maxWidth, kWidestStroke));
  const int minimum = endFlag ? s.minEnd : s.minNormal;
  if (width < minimum) width = kind != kSegmentInside ? std::max<Wide>(width, 1) : Wide(minimum);
  return static_cast<int>(std::clamp<Wide>(width, 0, kWidestStroke));
}

void CTmbView::PrepareSegmentSizes(CStampSizes& out, int i, int kind, int interpolate, int count) {
  const CCharDataFull* rec = DrawnRecord();
  if (!rec || i < 0 || i >= kMaxCharPoints) return;
  int& prev = gLiveStroke.prevSize;
  const int byte = rec->m_pLevels[i];
  int start = byte;
  if (interpolate && kind != kSegmentFirst) start = prev + (byte - prev) / 3;
  out.start = out.middle = out.end = start;
  if (kind != kSegmentFirst) out.middle += (prev - start) / 2;
  if (!interpolate) {
    const bool last = i + 1 >= count || i == count - 2 || rec->m_pFlags[i + 1] == CStrokePath::kFlagStart;
    if (last || kind == kSegmentLast) {
      out.end = rec->PickSetting(1);
    } else {
      out.end += (rec->m_pLevels[i + 1] - start) / 2;
    }
  }
  prev = start;
  if (kind == kSegmentFirst) gLiveStroke.runningSize = start;
}

int CTmbView::InterpolateStampSize(int t, int n, int minor, const CStampSizes& sizes, int* up, int* down) {
  if (gLiveStroke.noStepping) {
    *up = *down = 0;
    return sizes.start;
  }
  const int64_t an = std::abs(int64_t{n});
  int64_t v = sizes.start;
  if (n != 0) {
    if (2 * std::abs(int64_t{t}) >= an) {
      v = sizes.middle + (int64_t{sizes.end} - sizes.middle) * std::abs(int64_t{t} - n / 2) * 2 / an;
    } else {
      v = sizes.start + (int64_t{sizes.middle} - sizes.start) * std::abs(int64_t{t}) * 2 / an;
    }
  }
  const int r = gLiveStroke.runningSize;
  if (r == v) {
    *up = *down = 0;
    return r;
  }
  if (r < v) {
    *up = 1;
    return r + 1;
  }
  if (n <= 0 && minor < 1) return r - 1;
  // Growing thinner takes every second step only.
  *down = *down ? 0 : 1;
  return *down ? r - 1 : r;
}

int CTmbView::PickStampColumn(int* out, int n, int endFlag, int counter) {
  const CLiveStrokeValues s = LiveStrokeValuesOf(LiveStrokeWork());
  const int fallback = std::clamp(s.defaultColumn, 0, kStampColumns - 1);
  if (s.blur == 0) {
    *out = fallback;
    return *out;
  }
  const int64_t b = std::max<int64_t>(endFlag ? int64_t{s.blur} - 8 : s.blur, 0);
  int64_t c = std::abs(int64_t{n}) * b / 40;
  if (c >= 1 && counter % 2 == 0) ++c;
  const int prev = gLiveStroke.prevColumn;
  c = std::clamp<int64_t>(c, prev - 1, prev + 1);
  c = std::clamp<int64_t>(c, 0, kStampColumns - 1);
  gLiveStroke.prevColumn = static_cast<int>(c);
  *out = c != 0 ? static_cast<int>(c) : fallback;
  return *out;
}

CStampBlock ClipStamp(int x, int y, int extent, const tmb::Rect& bounds) {
  CStampBlock b;
  const int left = std::max(x, bounds.left), top = std::max(y, bounds.top);
  const int right = std::min(x + extent, bounds.right), bottom = std::min(y + extent, bounds.bottom);
  if (right <= left || bottom <= top) return b;
  b.x = left;
  b.y = top;
  b.width = right - left;
  b.height = bottom - top;
  b.offsetX = left - x;
  b.offsetY = top - y;
  return b;
}
