#include "convert/analysis/stroke_feature_list.h"

#include <algorithm>

#include "convert/driver/analysis_overlay.h"

std::array<CStrokeFeatureList, 2> gStrokeFeatureLists;

void CStrokeFeature::Prepare(const CFPoint* points) {
  startPoint = points[start];
  endPoint = points[end];
  vector = endPoint - startPoint;
  chord2 = static_cast<float>(double(vector.x) * vector.x + double(vector.y) * vector.y);
  mark = gAnalysisOverlay.FindEntryOfPoint(start);
}

void CStrokeFeatureList::Allocate(int n) {
  if (n < 0) n = kDefaultCapacity;
  m_records.resize(std::max(static_cast<size_t>(n), m_records.size()));
  Reset();
}

void CStrokeFeatureList::Reset() {
  if (!IsAllocated()) m_records.resize(kDefaultCapacity);
  m_nCount = 0;
  for (CStrokeFeature& r : m_records) r.Reset();
}

void CStrokeFeatureList::BeginStroke(int i) {
  if (m_nCount >= Capacity()) return;
  m_records[m_nCount].start = i;
  m_records[m_nCount].startKind = 0;
}

int CStrokeFeatureList::EndStroke(int i, uint8_t kind) {
  if (m_nCount >= Capacity()) return 0;
  m_records[m_nCount].end = i;
  m_records[m_nCount].endKind = kind;
  ++m_nCount;
  return 1;
}
