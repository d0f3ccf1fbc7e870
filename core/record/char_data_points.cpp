// Editing and copying the points of a character record. Every writer keeps within
// kMaxCharPoints: a source that does not fit is cut at the capacity and 62045 is shown.
#include <algorithm>
#include <memory>

#include "core/geometry/saturate.h"
#include "core/record/char_data.h"
#include "core/record/char_data_full.h"

namespace {

bool ValidIndex(int i) { return i >= 0 && i < kMaxCharPoints; }

}  // namespace

void CCharData::CopyPointFull(int i, const CCharData& src, int j) {
  m_pPoints[i] = src.m_pPoints[j];
  m_pFlags[i] = src.m_pFlags[j];
  m_pPressure[i] = src.m_pPressure[j];
  m_pSegLength[i] = src.m_pSegLength[j];
  m_pWidthLevel[i] = src.m_pWidthLevel[j];
}

void CCharData::CopyPointAttributes(int i, const CCharData& src, int j) {
  if (!ValidIndex(i) || !ValidIndex(j)) return;
  m_pPoints[i] = src.m_pPoints[j];
  m_pFlags[i] = src.m_pFlags[j];
  m_pPressure[i] = src.m_pPressure[j];
  m_pSegLength[i] = src.m_pSegLength[j];
}

void CCharData::DeletePoints(int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, m_nPoints);
  if (from >= to) return;
  for (int i = to; i < m_nPoints; ++i) CopyPointFull(from + (i - to), *this, i);
  m_nPoints -= to - from;
}

void CCharData::MoveAllPoints(int from, int to, int dx, int dy) {
  from = std::max(from, 0);
  to = std::min({to, m_nPoints, kMaxCharPoints});
  for (int i = from; i < to; ++i) {
    tmb::Point& p = m_pPoints[i];
    p = {SaturateToInt(int64_t{p.x} + dx), SaturateToInt(int64_t{p.y} + dy)};
  }
  if (CCharDataFull* full = Full()) {
    full->m_nOutlineDirty = 1;
    full->m_bModified = 1;
  }
}

int CCharData::InsertPoints(int at, const CCharData& src) {
  if (&src == this) {
    auto copy = std::make_unique<CCharData>();
    copy->CopyPoints(*this);
    return InsertPoints(at, *copy);
  }
  at = std::clamp(at, 0, m_nPoints);
  int count = src.m_nPoints;
  if (count > kMaxCharPoints - m_nPoints) {
    count = kMaxCharPoints - m_nPoints;
    ReportCharCapacity();
  }
  if (count <= 0) return 0;
  for (int i = m_nPoints - 1; i >= at; --i) CopyPointFull(i + count, *this, i);
  for (int k = 0; k < count; ++k) CopyPointFull(at + k, src, k);
  m_nPoints += count;
  return count;
}

void CCharData::CopyPoints(const CCharData& src) {
  if (&src == this) return;
  const int count = std::clamp(src.m_nPoints, 0, kMaxCharPoints);
  CopyPointBlock(0, src, 0, count);
  m_nPoints = count;
}

int CCharData::CopyStroke(const CCharData& src, int to, int from) {
  if (from < 0 || from >= src.m_nPoints) return -1;
  const int end = src.FindStrokeEnd(from);
  const int length = end - from + 1;
  const int next = end + 1 < src.m_nPoints ? end + 1 : -1;
  to = std::clamp(to, 0, kMaxCharPoints);
  int count = length;
  if (count > kMaxCharPoints - to) {
    count = kMaxCharPoints - to;
    ReportCharCapacity();
  }
  // Copy in the direction that never overwrites a source point before it is read.
  if (&src == this && to > from) {
    for (int k = count - 1; k >= 0; --k) CopyPointFull(to + k, src, from + k);
  } else {
    for (int k = 0; k < count; ++k) CopyPointFull(to + k, src, from + k);
  }
  m_nPoints = to + count;
  return next;
}

void CCharData::CopyPointBlock(int to, const CCharData& src, int from, int count) {
  if (count <= 0 || (&src == this && to == from)) return;
  std::copy_n(src.m_pPoints.get() + from, count, m_pPoints.get() + to);
  std::copy_n(src.m_pFlags.get() + from, count, m_pFlags.get() + to);
  std::copy_n(src.m_pPressure.get() + from, count, m_pPressure.get() + to);
  std::copy_n(src.m_pSegLength.get() + from, count, m_pSegLength.get() + to);
  std::copy_n(src.m_pWidthLevel.get() + from, count, m_pWidthLevel.get() + to);
}

void CCharData::CopyPointRange(const CCharData& src, int from, int to) {
  from = std::clamp(from, 0, src.m_nPoints);
  to = std::clamp(to, from, src.m_nPoints);
  CopyPointBlock(0, src, from, to - from);
  m_nPoints = to - from;
}
