#include "imageedit/vectorise/stroke_measure.h"

#include <cmath>
#include <cstdlib>

CStrokeMeasure::CStrokeMeasure(int start, int end) : m_nStart(start), m_nEnd(end) {}

void CStrokeMeasure::AddPoint(int i, const CStrokePath& path) {
  if (m_nPrevious >= 0) {
    const CFPoint a = path.GetPoint(m_nPrevious), b = path.GetPoint(i);
    m_fLength = std::trunc(m_fLength + std::hypot(double(b.x - a.x), double(b.y - a.y)));
  }
  m_nPrevious = i;
  if (m_nFirstSeen < 0) m_nFirstSeen = i;
  m_nLastSeen = i;
  const double toStart = std::abs(i - m_nStart), toEnd = std::abs(m_nEnd - i);
  if (toStart < m_fStartDistance) {
    m_fStartDistance = toStart;
    m_nNearestStart = i;
  }
  if (toEnd < m_fEndDistance) {
    m_fEndDistance = toEnd;
    m_nNearestEnd = i;
  }
  const int quarter = std::abs(m_nEnd - m_nStart) / 4;
  if (toStart <= quarter) ++m_nNearStartCount;
  if (toEnd <= quarter) ++m_nNearEndCount;
}
