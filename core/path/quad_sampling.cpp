#include "core/path/quad_sampling.h"

#include <algorithm>

namespace {

// Appends curve samples to an output array, dropping a sample that rounds to the pixel of
// the sample kept before it. Along a polyline one writer serves every piece, so no two
// consecutive output points share a pixel where two pieces meet either.
class CurveWriter {
 public:
  CurveWriter(std::span<CFPoint> out, int count)
      : out_(out), count_(std::clamp<size_t>(size_t(std::max(count, 0)), 0, out.size())) {}

  // False once the output is full.
  bool Keep(double x, double y) {
    const CFPoint p(static_cast<float>(x), static_cast<float>(y));
    const tmb::Point r = p.RoundToPoint();
    if (r == last_) return true;
    if (count_ >= out_.size()) return false;
    out_[count_++] = p;
    last_ = r;
    return true;
  }
  bool Full() const { return count_ >= out_.size(); }
  int Count() const { return static_cast<int>(count_); }

 private:
  std::span<CFPoint> out_;
  size_t count_;
  tmb::Point last_{-1, -1};
};

// B(t) = a (1 - t)^2 + b 2t(1 - t) + c t^2, for t = k / kCurveSamples, k < kCurveSamples.
void SampleBezier(CurveWriter& w, CFPoint a, CFPoint b, CFPoint c) {
  for (int k = 0; k < kCurveSamples; ++k) {
    const double t = double(k) / kCurveSamples;
    const double u = 1.0 - t;
    const double wa = u * u, wb = 2 * t * u, wc = t * t;
    if (!w.Keep(wa * a.x + wb * b.x + wc * c.x, wa * a.y + wb * b.y + wc * c.y)) return;
  }
}

// B(t) = ((1 - t)^2 P0 + (2t(1 - t) + 1) P1 + t^2 P2) / 2.
void SampleSpline(CurveWriter& w, CFPoint p0, CFPoint p1, CFPoint p2) {
  for (int k = 0; k < kCurveSamples; ++k) {
    const double t = double(k) / kCurveSamples;
    const double u = 1.0 - t;
    const double w0 = u * u, w1 = 2 * t * u + 1, w2 = t * t;
    if (!w.Keep((w0 * p0.x + w1 * p1.x + w2 * p2.x) / 2, (w0 * p0.y + w1 * p1.y + w2 * p2.y) / 2)) return;
  }
}

CFPoint Mid(CFPoint a, CFPoint b) {
  return CFPoint(static_cast<float>((double(a.x) + b.x) / 2), static_cast<float>((double(a.y) + b.y) / 2));
}

void SampleQuadraticPiece(CurveWriter& w, const CFPoint p[3], int mode) {
  const CFPoint start = mode == -1 || mode >= 2 ? Mid(p[0], p[1]) : p[0];
  const CFPoint end = mode >= 1 ? Mid(p[1], p[2]) : p[2];
  SampleBezier(w, start, p[1], end);
}

void SampleBSplinePiece(CurveWriter& w, const CFPoint p[3], int mode) {
  if (mode == -1) {
    SampleSpline(w, p[0], p[0], p[1]);
  } else if (mode == -2) {
    SampleSpline(w, p[0], p[1], p[1]);
  } else {
    SampleSpline(w, p[0], p[1], p[2]);
  }
}

// The polyline arguments checked against the arrays they index.
struct PolylineArgs {
  std::span<int> vertexIndex;
  std::span<uint8_t> startFlags;

  void SetVertex(int i, int value) const {
    if (i >= 0 && size_t(i) < vertexIndex.size()) vertexIndex[size_t(i)] = value;
  }
  void MarkStart(int position) const {
    if (position >= 0 && size_t(position) < startFlags.size()) startFlags[size_t(position)] = 1;
  }
  // Points [from, from + n) end at the last output point; the output count.
  int EndAt(const CurveWriter& w, int from, int n) const {
    for (int k = 0; k < n; ++k) SetVertex(from + k, w.Count() - 1);
    return w.Count();
  }
};

// Clips n to the points that exist from first on; 0 when first lies outside.
int ClipCount(std::span<const CFPoint> points, int first, int n) {
  if (first < 0 || size_t(first) >= points.size() || n <= 0) return 0;
  return static_cast<int>(std::min<size_t>(size_t(n), points.size() - size_t(first)));
}

}  // namespace

int SampleQuadratic(const CFPoint p[3], std::span<CFPoint> out, int mode) {
  CurveWriter w(out, 0);
  SampleQuadraticPiece(w, p, mode);
  return w.Count();
}

int SampleBSpline(const CFPoint p[3], std::span<CFPoint> out, int mode) {
  CurveWriter w(out, 0);
  SampleBSplinePiece(w, p, mode);
  return w.Count();
}

int SampleQuadraticPolyline(std::span<const CFPoint> points, int first, int n, std::span<CFPoint> out,
                            int count, std::span<int> vertexIndex, std::span<uint8_t> startFlags) {
  const PolylineArgs args{vertexIndex, startFlags};
  n = ClipCount(points, first, n);
  CurveWriter w(out, count);
  // No triple: each point ends where the output ends now.
  if (n < 3) return args.EndAt(w, first, n);
  for (int k = 0; k + 2 < n && !w.Full(); ++k) {
    args.SetVertex(first + k, w.Count() - (k > 0 ? 1 : 0));
    args.MarkStart(w.Count());
    int mode = k + 1;
    if (n == 3) {
      mode = 0;
    } else if (k == n - 3) {
      mode = -1;
    }
    SampleQuadraticPiece(w, &points[size_t(first + k)], mode);
  }
  return args.EndAt(w, first + n - 2, 2);
}

int SampleBSplinePolyline(std::span<const CFPoint> points, int first, int n, std::span<CFPoint> out,
                          int count, std::span<int> vertexIndex, std::span<uint8_t> startFlags) {
  const PolylineArgs args{vertexIndex, startFlags};
  n = ClipCount(points, first, n);
  CurveWriter w(out, count);
  if (n < 2) return args.EndAt(w, first, n);
  const CFPoint* p = &points[size_t(first)];
  SampleBSplinePiece(w, p, -1);
  for (int k = 0; k + 1 < n && !w.Full(); ++k) {
    args.SetVertex(first + k, w.Count() - 1);
    args.MarkStart(w.Count());
    SampleBSplinePiece(w, p + k, k == n - 2 ? -2 : 1);
  }
  return args.EndAt(w, first + n - 1, 1);
}
