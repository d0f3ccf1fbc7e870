// Point preparation: the working record's points rebuilt from the drawn record, through
// the per-stroke building and the filters the parameters ask for, in a fixed order.
#include <algorithm>

#include "brush/outline/outline_state.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data.h"

namespace {

constexpr int kFlowValue = 9;
constexpr int kJoinDistance = 6;
constexpr int kStraighten = 27;
constexpr int kStraightenPoints = 28;
constexpr int kStraightenSide = 29;
constexpr int kResample = 22;
constexpr int kResampleStep = 26;
constexpr int kHalve = 234;
constexpr int kStyle = 37;
constexpr int kFloatStyle = 300;
constexpr int kCursiveType = 11;
constexpr int kGapsType = 4;
constexpr int kGapStep = 44;
constexpr int kGapMode = 45;
constexpr int kGapRepeat = 1000;
constexpr int kPenMode = 47;

}  // namespace

void CCharData::PreparePoints(const CCharData& source, bool allowBuild) {
  if (&source != this) CopySettingsAndNames(source);
  if (allowBuild && m_param[kPenMode] == 0) {
    BuildStrokePoints(source);
  } else {
    CopyPoints(source);
  }
  // A stroke start after the last point, for readers that look one point ahead.
  if (m_nPoints < kMaxCharPoints) m_pFlags[m_nPoints] = 1;
  gDropFlaggedPoints = 0;
  if (m_param[kPenMode] != 0) return;

  if (m_param[kFlowValue] != 0) {
    CStrokeWork work;
    ToStrokePath(work, nullptr, -1, 0);
    FlowStep(work, m_param[kFlowValue], m_param[kJoinDistance]);
    FromStrokePath(work, false);
  }
  if (m_param[kStraighten] != 0 && m_param[kStraightenPoints] > 0) {
    StraightenRuns(m_param[kStraighten], m_param[kStraightenPoints], m_param[kStraightenSide]);
  }
  if (m_param[kResample] != 0) {
    int step = m_param[kResampleStep];
    if (m_param[kHalve] != 0) step /= 2;
    step = std::max(step, 1);
    if (m_param[kStyle] >= kFloatStyle) {
      ResampleStrokesFloat(step, 0);
    } else {
      ResampleStrokes(step);
    }
  }
  if (m_param[kCursiveType] == kGapsType) {
    if (m_param[kResample] == 0) {
      // Without resampling the exact positions are the points themselves.
      for (int i = 0; i < m_nPoints; ++i) {
        gResampleX[size_t(i)] = float(m_pPoints[i].x);
        gResampleY[size_t(i)] = float(m_pPoints[i].y);
      }
    }
    FillLinkGaps(m_param[kGapStep], kGapRepeat, m_param[kGapMode]);
    gDropFlaggedPoints = 1;
  }
}
