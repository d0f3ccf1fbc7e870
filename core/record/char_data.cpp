#include "core/record/char_data.h"

#include <algorithm>
#include <cstdlib>

#include "core/geometry/point_distance.h"
#include "platform/service/messages.h"

namespace {

constexpr int kCapacityMessage = 62045;
// Nearest-point searches start from this squared distance.
constexpr int64_t kNearestSentinel = 100000000;

}  // namespace

void ReportCharCapacity() {
  tmb::Beep();
  tmb::ShowMessage(kCapacityMessage);
}

CCharData::CCharData()
    : m_pPoints(std::make_unique<tmb::Point[]>(kMaxCharPoints)),
      m_pFlags(std::make_unique<uint8_t[]>(kMaxCharPoints)),
      m_pPressure(std::make_unique<int32_t[]>(kMaxCharPoints)),
      m_pSegLength(std::make_unique<int32_t[]>(kMaxCharPoints)),
      m_pWidthLevel(std::make_unique<uint8_t[]>(kMaxCharPoints)) {}

CCharData::~CCharData() = default;

void CCharData::ClearPoints() {
  m_nPoints = 0;
  std::fill_n(m_pFlags.get(), kMaxCharPoints, uint8_t{0});
  std::fill_n(m_pSegLength.get(), kMaxCharPoints, 1);
  std::fill_n(m_pPressure.get(), kMaxCharPoints, -1);
  std::fill_n(m_pWidthLevel.get(), kMaxCharPoints, uint8_t{0});
}

void CCharData::GetStrokeBounds(int i, int* start, int* end) const {
  int s = std::clamp(i, 0, std::max(m_nPoints - 1, 0));
  while (s > 0 && m_pFlags[s] == 0) --s;
  *start = s;
  int e = std::max(i + 1, 1);
  while (e < m_nPoints && m_pFlags[e] == 0) ++e;
  *end = std::min(e, m_nPoints);
}

void CCharData::GetStrokesInRect(const tmb::Rect& rect, int* start, int* end) const {
  int first = -1;
  int last = -1;
  for (int i = 0; i < m_nPoints; ++i) {
    if (!rect.Contains(m_pPoints[i])) continue;
    if (first < 0) first = i;
    last = i;
  }
  if (first < 0) {
    *start = 0;
    *end = 0;
    return;
  }
  int unused = 0;
  GetStrokeBounds(first, start, &unused);
  GetStrokeBounds(last, &unused, end);
}

int CCharData::FindNearestPoint(int x, int y) const {
  int64_t best = kNearestSentinel;
  int found = -1;
  for (int i = 0; i < m_nPoints; ++i) {
    int64_t d = SquaredDistance(m_pPoints[i], {x, y});
    if (d < best) {
      best = d;
      found = i;
    }
  }
  return found;
}

int CCharData::CountStrokes() const {
  return static_cast<int>(std::count(m_pFlags.get(), m_pFlags.get() + m_nPoints, uint8_t{1}));
}

namespace {

// The length of one step: Chebyshev, or Euclidean rounded half up.
int StepLength(const tmb::Point& a, const tmb::Point& b, bool euclid) {
  if (euclid) return RoundedDistance(a, b);
  int64_t dx = std::llabs(int64_t{b.x} - a.x);
  int64_t dy = std::llabs(int64_t{b.y} - a.y);
  return static_cast<int>(std::min<int64_t>(std::max(dx, dy), INT32_MAX));
}

}  // namespace

int CCharData::StrokeLength(int start, bool euclid, int mode, const uint8_t* stops) const {
  if (start < 0 || start >= m_nPoints) return 0;
  int64_t sum = 0;
  if (mode == 1 && stops) {
    for (int i = start; i + 1 < m_nPoints; ++i) {
      sum += StepLength(m_pPoints[i], m_pPoints[i + 1], euclid);
      if (stops[i + 1]) break;
    }
  } else {
    const int end = FindStrokeEnd(start);
    for (int i = start; i < end; ++i) sum += StepLength(m_pPoints[i], m_pPoints[i + 1], euclid);
  }
  return static_cast<int>(std::min<int64_t>(sum, INT32_MAX));
}

int CCharData::TotalStrokeLength(int from, int to) const {
  if (to == -1) to = m_nPoints;
  from = std::max(from, 0);
  to = std::min(to, m_nPoints);
  int64_t sum = 0;
  for (int i = from; i < to; ++i) {
    if (i == 0 || m_pFlags[i] != 0) sum += StrokeLength(i, false, 0, nullptr);
  }
  return static_cast<int>(std::min<int64_t>(sum, INT32_MAX));
}

int CCharData::RankStrokesByExtent(std::vector<int>& counts) const {
  // The jump into every stroke from the end of the stroke before it (0 for the first).
  std::vector<int64_t> jumps;
  for (int i = 0; i < m_nPoints; ++i) {
    if (i != 0 && m_pFlags[i] == 0) continue;
    int64_t jump = 0;
    if (i > 0) {
      jump = std::max(std::llabs(int64_t{m_pPoints[i].x} - m_pPoints[i - 1].x),
                      std::llabs(int64_t{m_pPoints[i].y} - m_pPoints[i - 1].y));
    }
    jumps.push_back(jump);
  }
  if (counts.size() < jumps.size()) counts.resize(jumps.size(), 0);
  int earlierLarger = 0;
  for (size_t a = 0; a < jumps.size(); ++a) {
    for (size_t b = a + 1; b < jumps.size(); ++b) {
      if (jumps[a] > jumps[b]) {
        ++counts[a];
        ++earlierLarger;
      } else if (jumps[b] > jumps[a]) {
        ++counts[b];
      }
    }
  }
  return earlierLarger;
}
