#include "convert/analysis/corner_list.h"

#include <algorithm>

#include "core/canvas/path_pens.h"

CCornerList gCornerList;
std::vector<float> gCornerAngle;

namespace {

constexpr int kMarkHalfSize = 4;
constexpr float kMaxShade = 25.0f;
constexpr int kShadeStep = 10;

}  // namespace

int CCornerList::Add(int index, float angle, int stroke, CFPoint point, uint8_t kind) {
  if (m_nCount >= kCapacity) return -1;
  m_entries[m_nCount] = {index, angle, stroke, point, kind};
  return ++m_nCount;
}

void CCornerList::SetAllKinds(uint8_t kind) {
  for (int k = 0; k < m_nCount; ++k) m_entries[k].kind = kind;
}

float CCornerList::FindAngle(int i) const {
  for (int k = 0; k < m_nCount; ++k) {
    if (m_entries[k].index == i) return m_entries[k].angle;
  }
  return -1.0f;
}

void CCornerList::Draw(tmb::DeviceContext* pDC) const {
  for (int k = 0; k < m_nCount; ++k) {
    const CCornerEntry& e = m_entries[k];
    // The colour value is a red level: 10 per 2 degrees, at most 250.
    const auto red = static_cast<tmb::Colour>(std::min(e.angle / 2, kMaxShade)) * kShadeStep;
    const tmb::Point p = e.point.RoundToPoint();
    FillSquareMark(pDC, p.x, p.y, kMarkHalfSize, red);
  }
}

void EnsureCornerAngleSize(int n) {
  if (n > static_cast<int>(gCornerAngle.size())) gCornerAngle.resize(static_cast<size_t>(n), 0.0f);
}
