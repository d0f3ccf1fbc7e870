// Conversions between a character record's integer points and the float point paths on
// which every computation runs.
#include <algorithm>

#include "core/geometry/saturate.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data.h"
#include "core/record/char_data_full.h"

void CCharData::ToStrokePath(CStrokePath& path, const uint8_t* flagSource, int from, int to) const {
  path.SetCount(0);
  if (from == -1) {
    from = 0;
    to = m_nPoints;
  }
  from = std::max(from, 0);
  to = std::min(to, m_nPoints);
  const uint8_t* flags = flagSource ? flagSource : m_pFlags.get();
  for (int i = from; i < to; ++i) {
    if (!path.AppendPoint(m_pPoints[i].x, m_pPoints[i].y, flags[i])) break;
  }
}

int CCharData::FromStrokePath(const CStrokePath& path, bool append) {
  const int first = append ? m_nPoints : 0;
  int count = path.GetCount();
  if (count > kMaxCharPoints - first) {
    count = kMaxCharPoints - first;
    ReportCharCapacity();
  }
  for (int j = 0; j < count; ++j) {
    m_pPoints[first + j] = path.GetPoint(j).RoundToPoint();
    m_pFlags[first + j] = static_cast<uint8_t>(path.GetFlag(j));
  }
  m_nPoints = first + count;
  return count;
}

int CCharData::FromStrokePathDedup(const CStrokePath& path, CCharDataFull* source) {
  uint8_t* attrs = source ? source->m_pPointAttr2 : nullptr;
  const int n = path.GetCount();
  int kept = 0;
  uint8_t carried = 0;  // the flag of a dropped point, handed on to the next kept one
  for (int j = 0; j < n; ++j) {
    const tmb::Point p = path.GetPoint(j).RoundToPoint();
    const uint8_t flag = static_cast<uint8_t>(path.GetFlag(j));
    if (j + 1 < n && !path.IsStrokeLast(j) && path.GetPoint(j + 1).RoundToPoint() == p) {
      // Dropping the first point of a stroke must not join the stroke to the one before.
      if (flag != 0) carried = flag;
      continue;
    }
    if (kept == kMaxCharPoints) {
      ReportCharCapacity();
      break;
    }
    m_pPoints[kept] = p;
    m_pFlags[kept] = flag != 0 ? flag : carried;
    carried = 0;
    if (attrs) attrs[kept] = path.m_pAttrs[j];
    ++kept;
  }
  m_nPoints = kept;
  return kept;
}

void CCharData::ToStrokeWork(CStrokeWork& work) const {
  work.SetCount(0);
  for (int i = 0; i < m_nPoints; ++i) {
    if (!work.AppendPoint(m_pPoints[i].x, m_pPoints[i].y, m_pFlags[i])) break;
    // Every value of the slot is written: a reused path holds an earlier character there.
    work.m_pRecords[i] = CPointRecord{{static_cast<float>(m_pSegLength[i]), static_cast<float>(m_pPressure[i]), 0, 0}};
    work.m_pPressure[i] = static_cast<int16_t>(std::clamp(m_pPressure[i], -32768, 32767));
    work.m_pLevels[i] = m_pWidthLevel[i];
    work.m_pWidths[i] = 0;
  }
  CopySettingsToWork(work);
}

int CCharData::FromStrokeWork(const CStrokeWork& work) {
  const int n = FromStrokePath(work, false);
  for (int i = 0; i < n; ++i) {
    m_pPressure[i] = work.m_pPressure[i];
    m_pSegLength[i] = work.m_pRecords ? SaturateToInt(double(work.m_pRecords[i].v[0])) : 0;
    m_pWidthLevel[i] = work.m_pLevels[i];
  }
  return n;
}

void CCharData::CopySettingsToWork(CStrokeWork& work) const {
  std::copy(m_param.begin(), m_param.end(), work.m_param.begin());
  if (const CCharDataFull* full = Full()) {
    work.m_bLoaded = full->m_bLoaded;
    work.m_rangeFrom = full->m_rangeFrom;
    work.m_rangeTo = full->m_rangeTo;
    work.m_nMorphState = full->m_flags[kFlagMorphState];
    work.m_nMorphPercent = full->m_flags[kFlagMorphPercent];
    work.m_nFrameCount = full->m_nFrameCount;
    work.m_nRecordValue = full->m_nExtWorkValue;
    work.m_nMaxWidth = full->m_nMaxLevel;
    work.m_bConvertRequested = full->m_bConvertRequested;
  }
}
