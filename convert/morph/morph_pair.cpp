#include "convert/morph/morph_pair.h"

#include "convert/driver/scratch_paths.h"
#include "core/canvas/work_canvas.h"
#include "core/document/doc_windows.h"
#include "core/path/division_table.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"

CMorphPair gMorphPair;

namespace {

constexpr int kKindA = 0;
constexpr int kKindB = 2;

}  // namespace

int CMorphPair::Prepare(const CCharData& a, const CCharData& b, int gapDistance) {
  Clear();
  const int capacity = gWorkCanvas.m_nMaxPoints;
  ScratchPath srcA(capacity), srcB(capacity);
  a.ToStrokeWork(*srcA);
  b.ToStrokeWork(*srcB);
  auto pathA = std::make_unique<CStrokeWork>(capacity);
  auto pathB = std::make_unique<CStrokeWork>(capacity);
  const int result = m_matcher.MatchCharacterPaths(*pathA, *pathB, *srcA, *srcB, gapDistance, &a.m_textSettings[0],
                                                   &b.m_textSettings[0]);
  if (result < 0) return result;
  m_pathA = std::move(pathA);
  m_pathB = std::move(pathB);
  return result;
}

int CMorphPair::Prepare(int gapDistance) {
  const CCharDataFull* a = DrawnRecordOfKind(kKindA);
  const CCharDataFull* b = DrawnRecordOfKind(kKindB);
  if (!a || !b) {
    Clear();
    return -1;
  }
  return Prepare(*a, *b, gapDistance);
}

void CMorphPair::Clear() {
  m_pathA.reset();
  m_pathB.reset();
  gDivisionTable.ClearDivisions();
}

bool CMorphPair::Morphs(const CStrokeWork& source) const {
  return IsPrepared() && source.m_param[kMorphSwitch] != 0;
}

void CMorphPair::MorphInto(CStrokeWork& out, const CStrokeWork& source) const {
  out.CopySettingsFrom(source);
  out.InterpolateCharacters(*m_pathA, *m_pathB, source.m_nMorphPercent);
}
