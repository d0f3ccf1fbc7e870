#include "convert/morph/weight_interpolation.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "core/path/division_table.h"
#include "core/path/stroke_index.h"
#include "core/path/stroke_path_ex.h"

namespace {

CStrokeIndex IndexOf(const CStrokePath& path) {
  return CStrokeIndex(std::span<const uint8_t>(path.m_pFlags, static_cast<size_t>(path.GetCount())));
}

WeightPair WeightsAt(const CStrokePathEx& path, int64_t i) {
  return {path.m_pWeight1[i], path.m_pWeight2[i]};
}

// The blend weight of B in percent: slow out of A and slow into B.
int BlendWeight(int percent) {
  if (percent < 50) {
    const double r = percent / 50.0;
    return static_cast<int>(r * r * 50);
  }
  const double r = (100 - percent) / 50.0;
  return static_cast<int>(100 - r * r * 50);
}

}  // namespace

WeightPair AverageWeightWindow(const CStrokePath& target, const CStrokePathEx& source, int i, int start, int length,
                               int targetStart, int targetLength) {
  if (length <= 0 || targetLength <= 0) return {};
  auto place = [&](int j) { return start + double(j - targetStart) * length / targetLength; };
  const double c = place(i);
  const bool first = i <= targetStart || target.m_pFlags[i] != 0;
  const bool last = i >= targetStart + targetLength - 1 || target.IsStrokeLast(i);
  const double previous = first ? c : place(i - 1);
  const double next = last ? c : place(i + 1);
  const int64_t count = source.GetCount();
  int64_t lo = static_cast<int64_t>((previous + c) / 2);
  int64_t hi = static_cast<int64_t>((c + next) / 2);
  if (last || hi - lo < 1) ++hi;
  lo = std::clamp<int64_t>(lo, 0, count);
  hi = std::clamp<int64_t>(hi, lo, count);
  if (hi == lo) return {};
  WeightPair sum;
  for (int64_t j = lo; j < hi; ++j) {
    sum.x += source.m_pWeight1[j];
    sum.y += source.m_pWeight2[j];
  }
  return {sum.x / double(hi - lo), sum.y / double(hi - lo)};
}

WeightPair SampleStrokeWeights(const CStrokePath& target, const CStrokePathEx& source, int i,
                               const CStrokeIndex& sourceIndex, const CStrokeIndex& targetIndex, bool whole, int side) {
  const int stroke = whole ? 0 : targetIndex.FindStroke(i);
  int sourceStroke = stroke;
  int endStroke = sourceIndex.m_nStrokes;  // the whole mapping runs to the source's end
  const CDivisionTable& table = gDivisionTable;
  if (table.m_active != 0 && table.m_count > 0) {
    const auto& strokes = side == 1 ? table.m_strokeA : table.m_strokeB;
    const int c = std::clamp(table.m_current, 0, std::min(table.m_count, kMaxDivisions) - 1);
    sourceStroke += strokes[c];
    endStroke = strokes[c + 1];
  }
  sourceStroke = std::clamp(sourceStroke, 0, sourceIndex.m_nStrokes);
  const int start = sourceIndex.m_first[sourceStroke];
  if (whole) {
    const int end = endStroke >= 0 && endStroke < sourceIndex.m_nStrokes ? sourceIndex.m_first[endStroke]
                                                                          : source.GetCount();
    return AverageWeightWindow(target, source, i, start, end - start, 0, target.GetCount());
  }
  if (stroke >= targetIndex.m_nStrokes || sourceStroke >= sourceIndex.m_nStrokes) return {};
  const int targetStart = targetIndex.m_first[stroke];
  return AverageWeightWindow(target, source, i, start, sourceIndex.m_last[sourceStroke] - start + 1, targetStart,
                             targetIndex.m_last[stroke] - targetStart + 1);
}

int CStrokePathEx::InterpolateWeights(const CStrokePathEx& a, const CStrokePathEx& b, int percent, float factor,
                                      int mode) {
  if (!AllocWeights() || m_nCount < 2) return m_nCount;
  if (a.GetCount() <= 0 || b.GetCount() <= 0 || !a.HasWeights() || !b.HasWeights()) return m_nCount;
  const int w = BlendWeight(std::clamp(percent, 0, 100));
  const double k = factor > 0 ? factor : 1.0;
  const double factorA = k > 1 ? k : 1.0;
  const double factorB = k < 1 ? 1 / k : 1.0;
  const CStrokeIndex own = IndexOf(*this);
  const CStrokeIndex indexA = IndexOf(a);
  const CStrokeIndex indexB = IndexOf(b);
  const int64_t last = m_nCount - 1;
  for (int i = 0; i < m_nCount; ++i) {
    WeightPair wa;
    WeightPair wb;
    if (mode == 0) {
      wa = WeightsAt(a, i * int64_t{a.GetCount() - 1} / last);
      wb = WeightsAt(b, i * int64_t{b.GetCount() - 1} / last);
    } else {
      wa = SampleStrokeWeights(*this, a, i, indexA, own, mode != 1, mode);
      wb = SampleStrokeWeights(*this, b, i, indexB, own, mode == 1, mode);
    }
    m_pWeight1[i] = static_cast<float>((w * wb.x * factorB + (100 - w) * wa.x * factorA) / 100);
    m_pWeight2[i] = static_cast<float>((w * wb.y * factorB + (100 - w) * wa.y * factorA) / 100);
  }
  return m_nCount;
}
