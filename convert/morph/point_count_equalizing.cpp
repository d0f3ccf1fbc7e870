// Equalising the point counts of two paths: both are resampled at a fixed spacing, then
// the one with fewer points is resampled at the spacing, found by bracketing and
// bisection, that gives it as many points as the other; what bisection cannot hit
// exactly is padded with copies of a last point.
#include <array>
#include <cstdlib>

#include "convert/driver/path_resampling.h"
#include "convert/driver/scratch_paths.h"
#include "convert/morph/stroke_matcher.h"
#include "core/path/stroke_work.h"

namespace {

constexpr double kBracketStep = 0.1;
constexpr int kLastBracketStep = 11;  // the twelfth bracketing trial ends the search
constexpr int kBisectionSteps = 12;
constexpr int kEndRule = 5;
constexpr int kEndDistance2 = 2;
constexpr int kNoDifference = 100000;

int Resample(CStrokePath& path, double s) {
  ResamplePath(path, static_cast<float>(s), kEndRule, kEndDistance2);
  return path.GetCount();
}

// The count of path resampled at s within trial's capacity. Only a trial that hits the
// target is kept, so the search counts and writes the points of that one alone: copying
// the path into every trial and writing its points cost a tenth of the pairing.
int Trial(const CStrokeWork& trial, const CStrokePath& path, double s) {
  return CountResampledPoints(path, static_cast<float>(s), kEndRule, kEndDistance2, trial.GetCapacity());
}

// Appends n copies of the path's last point, as points of its last stroke, while they fit.
void PadWithLastPoint(CStrokePath& path, int n) {
  for (int k = 0; k < n; ++k) {
    const int count = path.GetCount();
    if (count >= path.GetCapacity() || !path.CopyPointFrom(path, count - 1, count)) return;
    path.SetCount(count + 1);
    path.m_pFlags[count] = CStrokePath::kFlagContinue;
  }
}

}  // namespace

int CStrokeMatcher::EqualizePointCounts(CStrokePath& a, CStrokePath& b) const {
  // Equal counts need equal spacing along every stroke, not one fitted to each stroke.
  ScopedUnitPass fixedSpacing(0);
  const double first = m_nSpacing / 100.0 < 2.0 ? 1.0 : 2.0;
  Resample(a, first);
  Resample(b, first);
  if (a.GetCount() == b.GetCount() || a.GetCount() < 3 || b.GetCount() < 3) return 1;

  CStrokePath& shorter = a.GetCount() <= b.GetCount() ? a : b;
  CStrokePath& longer = &shorter == &a ? b : a;
  const int target = longer.GetCount();
  ScratchPath trial(shorter.GetCapacity());
  auto takeTrial = [&](double s) {
    ResamplePathInto(shorter, *trial, static_cast<float>(s), kEndRule, kEndDistance2);
    shorter.CopyRangeFrom(*trial, 0, trial->GetCount());
    return 1;
  };

  const double s0 = shorter.PathLength(0, shorter.GetCount(), 0) / target;
  int count = Trial(*trial, shorter, s0);
  if (count == target) return takeTrial(s0);

  // A smaller spacing gives more points: step away from s0 until the target lies between.
  const int direction = count < target ? -1 : 1;
  double lower = direction > 0 ? s0 : 0.0;
  double upper = direction < 0 ? s0 : 0.0;
  double s = s0;
  for (int step = 0;; ++step) {
    s += direction * kBracketStep;
    if (s < 0) {
      lower = 0;
      break;
    }
    count = Trial(*trial, shorter, s);
    if (step >= kLastBracketStep) {
      Resample(shorter, s0);
      return 0;
    }
    // A trial that reaches the target only closes the bracket: the bisection chooses.
    if (direction > 0 && count <= target) {
      upper = s;
      break;
    }
    if (direction < 0 && count >= target) {
      lower = s;
      break;
    }
  }

  struct Step {
    int count;
    double s;
  };
  std::array<Step, kBisectionSteps> steps{};
  for (Step& st : steps) {
    s = (lower + upper) / 2;
    count = Trial(*trial, shorter, s);
    if (count == target) return takeTrial(s);
    (count > target ? lower : upper) = s;
    st = {count, s};
  }
  const Step* best = &steps[0];
  int bestDifference = kNoDifference;
  for (const Step& st : steps) {
    const int difference = std::abs(target - st.count);
    if (difference < bestDifference) {
      bestDifference = difference;
      best = &st;
    }
  }
  const int d = target - Resample(shorter, best->s);
  if (d > 0) PadWithLastPoint(shorter, d);
  if (d < 0) PadWithLastPoint(longer, -d);
  return 0;
}
