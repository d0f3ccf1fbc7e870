#include "convert/morph/stroke_matcher.h"

#include <algorithm>
#include <string>
#include <vector>

#include "convert/driver/scratch_paths.h"
#include "core/path/division_table.h"
#include "core/path/stroke_work.h"
#include "core/text/text_settings.h"
#include "platform/service/messages.h"

namespace {

bool HasMarks(const CTextSettings* text) { return text && text->UsedMarks() > 0; }

// The division starts of path, closed by its count: 0 and the stroke starts after a jump
// longer than gapDistance (unless kNoGapDistance), merged with 0, the text's marks and
// the count. The marks are point indices of the path: they are held within it and taken
// in ascending order, since a division cannot end before it starts. A path with no start
// listed is one division.
std::vector<int> DivisionStarts(const CStrokePath& path, int gapDistance, const CTextSettings* text) {
  const int count = path.GetCount();
  std::vector<int> starts;
  int n = 0;
  if (gapDistance != kNoGapDistance) {
    starts.resize(static_cast<size_t>(count) + 2);
    n = path.ListGappedStrokeStarts(starts, static_cast<float>(gapDistance));
  }
  if (HasMarks(text)) {
    std::vector<int> marks{0};
    for (int k = 0; k < text->UsedMarks(); ++k) marks.push_back(std::clamp<int>(text->m_marks[k].m_nValue, 0, count));
    std::sort(marks.begin() + 1, marks.end());
    marks.push_back(count);
    starts.resize(static_cast<size_t>(n) + marks.size());
    n = MergeIndexLists(starts, n, marks, static_cast<int>(marks.size())) - 1;
  }
  if (n == 0) return {0, count};
  starts.resize(static_cast<size_t>(n) + 1);
  return starts;
}

// The stroke number (as GetStrokeIndex counts them) of each of the ascending indices.
std::vector<int> StrokeNumbersAt(const CStrokePath& path, std::span<const int> indices) {
  std::vector<int> numbers;
  int seen = 0;
  int j = 0;
  for (int i : indices) {
    const int last = i >= path.GetCount() ? path.GetCount() - 1 : i;
    for (; j <= last; ++j) {
      const uint8_t flag = path.m_pFlags[j];
      if (flag == CStrokePath::kFlagStart || flag == CStrokePath::kFlagStartAlt) ++seen;
    }
    numbers.push_back(seen - 1);
  }
  return numbers;
}

// Appends partA to accA and partB to accB when both fit; false (nothing appended) when
// either would not, so that the accumulators always hold the same pairs.
bool AppendPair(CStrokePath& accA, const CStrokePath& partA, CStrokePath& accB, const CStrokePath& partB) {
  auto fits = [](const CStrokePath& acc, const CStrokePath& part) {
    return acc.GetCount() + part.GetCount() < acc.GetCapacity();
  };
  if (!fits(accA, partA) || !fits(accB, partB)) return false;
  accA.AppendSelectedStrokes(partA, -1);
  accB.AppendSelectedStrokes(partB, -1);
  return true;
}

}  // namespace

int CStrokeMatcher::MatchCharacterPaths(CStrokePath& outA, CStrokePath& outB, const CStrokePath& srcA,
                                        const CStrokePath& srcB, int gapDistance, const CTextSettings* textA,
                                        const CTextSettings* textB) const {
  outA.CopyFrom(srcA);
  outB.CopyFrom(srcB);
  if (gapDistance == kNoGapDistance && !(HasMarks(textA) && HasMarks(textB))) return EqualizePointCounts(outA, outB);
  if (textA && textB && textA->UsedMarks() != textB->UsedMarks()) {
    tmb::ShowMessage(kMsgDivisionMarksDiffer);
    return -1;
  }
  return MatchByDivisions(outA, outB, gapDistance, textA, textB);
}

int CStrokeMatcher::MatchStrokeByStroke(CStrokePath& a, CStrokePath& b) const {
  const int pairs = std::min(a.CountStrokes(), b.CountStrokes());
  ScratchPath strokeA(a.GetCapacity()), strokeB(b.GetCapacity());
  ScratchPath accA(a.GetCapacity()), accB(b.GetCapacity());
  int startA = 0;
  int startB = 0;
  for (int k = 0; k < pairs; ++k) {
    const int nextA = strokeA->CopyStrokeAt(a, startA);
    const int nextB = strokeB->CopyStrokeAt(b, startB);
    EqualizePointCounts(*strokeA, *strokeB);
    if (!AppendPair(*accA, *strokeA, *accB, *strokeB) || nextA < 0 || nextB < 0) break;
    startA = nextA;
    startB = nextB;
  }
  a.CopyWithoutDuplicates(*accA, 0);
  b.CopyWithoutDuplicates(*accB, 0);
  return 1;
}

int CStrokeMatcher::MatchByDivisions(CStrokePath& a, CStrokePath& b, int gapDistance, const CTextSettings* textA,
                                     const CTextSettings* textB) const {
  const std::vector<int> startsA = DivisionStarts(a, gapDistance, textA);
  const std::vector<int> startsB = DivisionStarts(b, gapDistance, textB);
  const int divisions = static_cast<int>(std::min(startsA.size(), startsB.size())) - 1;
  if (divisions > kMaxDivisions) {
    tmb::ShowMessage(kMsgTooManyDivisions, tmb::kMsgOk, {std::to_string(kMaxDivisions)});
    return -1;
  }
  const std::vector<int> strokesA = StrokeNumbersAt(a, std::span(startsA).first(divisions));
  const std::vector<int> strokesB = StrokeNumbersAt(b, std::span(startsB).first(divisions));

  CDivisionTable& table = gDivisionTable;
  ScratchPath partA(a.GetCapacity()), partB(b.GetCapacity());
  ScratchPath accA(a.GetCapacity()), accB(b.GetCapacity());
  table.m_endIndex[0] = 0;
  int done = 0;
  for (; done < divisions; ++done) {
    partA->ExtractRange(a, startsA[done], startsA[done + 1]);
    partB->ExtractRange(b, startsB[done], startsB[done + 1]);
    EqualizePointCounts(*partA, *partB);
    if (!AppendPair(*accA, *partA, *accB, *partB)) break;
    table.m_endIndex[done + 1] = accA->GetCount();
    table.m_strokeA[done] = strokesA[done];
    table.m_strokeB[done] = strokesB[done];
  }
  table.m_count = done;
  table.m_strokeA[done] = a.CountStrokes() + 1;
  table.m_strokeB[done] = b.CountStrokes() + 1;
  a.CopyWithoutDuplicates(*accA, 0);
  b.CopyWithoutDuplicates(*accB, 0);
  return 1;
}

int MergeIndexLists(std::span<int> first, int n, std::span<const int> second, int m) {
  std::vector<int> merged;
  merged.reserve(static_cast<size_t>(n) + m);
  int i = 0;
  int j = 0;
  while (i < n && j < m) merged.push_back(first[i] < second[j] ? first[i++] : second[j++]);
  merged.insert(merged.end(), first.begin() + i, first.begin() + n);
  merged.insert(merged.end(), second.begin() + j, second.begin() + m);
  std::copy(merged.begin(), merged.end(), first.begin());
  return n + m;
}
