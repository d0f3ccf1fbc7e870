#include "brush/outline/point_rebuild.h"

#include <algorithm>

namespace {

// One set of arrays serves every rebuild: the filters run one after another, and
// allocating 400 KB per filter cost more than the filters themselves.
PointRebuild::Arrays& SharedArrays() {
  static PointRebuild::Arrays arrays;
  return arrays;
}
bool gSharedInUse = false;

}  // namespace

PointRebuild::Arrays::Arrays()
    : points(std::make_unique_for_overwrite<tmb::Point[]>(kMaxCharPoints)),
      flags(std::make_unique_for_overwrite<uint8_t[]>(kMaxCharPoints)),
      pressure(std::make_unique_for_overwrite<int32_t[]>(kMaxCharPoints)),
      segLength(std::make_unique_for_overwrite<int32_t[]>(kMaxCharPoints)),
      widthLevel(std::make_unique_for_overwrite<uint8_t[]>(kMaxCharPoints)),
      fx(std::make_unique_for_overwrite<float[]>(kMaxCharPoints)),
      fy(std::make_unique_for_overwrite<float[]>(kMaxCharPoints)) {}

PointRebuild::PointRebuild(int limit) : m_nLimit(std::clamp(limit, 0, kMaxCharPoints)) {
  if (gSharedInUse) {
    m_pOwned = std::make_unique<Arrays>();
    m_pArrays = m_pOwned.get();
  } else {
    gSharedInUse = true;
    m_pArrays = &SharedArrays();
  }
}

PointRebuild::~PointRebuild() {
  if (!m_pOwned) gSharedInUse = false;
}

bool PointRebuild::Refuse() {
  if (!m_bOverflow) ReportCharCapacity();
  m_bOverflow = true;
  return false;
}

bool PointRebuild::AppendRun(const CCharData& src, int from, int count, const float* xs, const float* ys) {
  const int fits = std::clamp(count, 0, m_nLimit - m_nCount);
  Arrays& a = *m_pArrays;
  const int to = m_nCount;
  std::copy_n(src.m_pPoints.get() + from, fits, a.points.get() + to);
  std::copy_n(src.m_pFlags.get() + from, fits, a.flags.get() + to);
  std::copy_n(src.m_pPressure.get() + from, fits, a.pressure.get() + to);
  std::copy_n(src.m_pSegLength.get() + from, fits, a.segLength.get() + to);
  std::copy_n(src.m_pWidthLevel.get() + from, fits, a.widthLevel.get() + to);
  std::copy_n(xs + from, fits, a.fx.get() + to);
  std::copy_n(ys + from, fits, a.fy.get() + to);
  m_nCount += fits;
  return fits == count || count < 0 || Refuse();
}

void PointRebuild::SetPoint(int i, tmb::Point at) {
  if (i < 0 || i >= m_nCount) return;
  m_pArrays->points[i] = at;
  m_pArrays->fx[i] = float(at.x);
  m_pArrays->fy[i] = float(at.y);
}

void PointRebuild::CopyTo(CCharData& dst) const {
  const Arrays& a = *m_pArrays;
  const int n = m_nCount;
  std::copy_n(a.points.get(), n, dst.m_pPoints.get());
  std::copy_n(a.flags.get(), n, dst.m_pFlags.get());
  std::copy_n(a.pressure.get(), n, dst.m_pPressure.get());
  std::copy_n(a.segLength.get(), n, dst.m_pSegLength.get());
  std::copy_n(a.widthLevel.get(), n, dst.m_pWidthLevel.get());
  dst.m_nPoints = n;
}

void PointRebuild::CopyFloatsTo(float* xs, float* ys) const {
  std::copy_n(m_pArrays->fx.get(), m_nCount, xs);
  std::copy_n(m_pArrays->fy.get(), m_nCount, ys);
}
