// Point helpers of the brush engine on a character record: dropping the temporary gap
// points and handing the points to the float buffer of the cursive shaping.
#include "core/geometry/fpoint.h"
#include "core/record/char_data.h"

namespace {

constexpr uint8_t kDropFlag = 255;

}  // namespace

void CCharData::DropFlaggedPoints() {
  int kept = 0;
  for (int i = 0; i < m_nPoints; ++i) {
    if (m_pFlags[i] == kDropFlag) continue;
    if (kept != i) {
      m_pPoints[kept] = m_pPoints[i];
      m_pFlags[kept] = m_pFlags[i];
      m_pPressure[kept] = m_pPressure[i];
      m_pSegLength[kept] = m_pSegLength[i];
      m_pWidthLevel[kept] = m_pWidthLevel[i];
    }
    ++kept;
  }
  m_nPoints = kept;
}

void CCharData::FillFloatPoints(CFPoint* out, const float* xs, const float* ys, int useArrays) const {
  for (int i = 0; i < m_nPoints; ++i) {
    out[i] = useArrays ? CFPoint(xs[i], ys[i]) : CFPoint(float(m_pPoints[i].x), float(m_pPoints[i].y));
  }
}
