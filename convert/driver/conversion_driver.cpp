#include "convert/driver/conversion_driver.h"

#include <algorithm>
#include <numeric>

#include "convert/driver/analysis_overlay.h"
#include "convert/driver/conversion_chain.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/path_resampling.h"
#include "convert/driver/scratch_paths.h"
#include "convert/driver/tablet_ink.h"
#include "convert/morph/morph_pair.h"
#include "core/canvas/work_canvas.h"
#include "core/path/stroke_work.h"

namespace {

constexpr int kPenMode = 47;
constexpr int kConverted = 400;

// Merges the collected ink of the source's window into the source as its mode says. Only
// the appended points move from screen to paper coordinates, and merged ink is cleared, so
// a character converted again neither moves nor gets the ink twice.
void MergeInk(CStrokeWork& source) {
  const int w = source.m_nWindow;
  if (w < 0 || w >= static_cast<int>(gInkModes.size())) return;
  CTabletInk& own = TabletInkOf(w);
  if (own.InkPointCount() <= 0) return;
  if (gInkModes[w] == kInkDiscard) {
    own.ClearInk();
    return;
  }
  if (gInkModes[w] != kInkMerge) return;
  // A frame at its end shows the other window's character, and takes that window's ink.
  const bool frameEnd = source.m_nMorphState != 0 && source.m_nMorphPercent == 100;
  CTabletInk& ink = frameEnd ? TabletInkOf(1 - w) : own;
  // Ink the capture wrote into a record is that record's strokes: it is there already.
  if (ink.WrittenIntoRecord()) return;
  ink.OffsetInk(CFPoint(0, 0), -1);
  // The ink comes into a path of its own, which it empties first, and joins the source
  // after the source's strokes, as far as there is room.
  ScratchPath collected(source.GetCapacity());
  ink.CopyInkToStrokes(*collected);
  const tmb::Point origin = gWorkCanvas.m_ptOrigin;
  collected->Translate(static_cast<float>(-origin.x), static_cast<float>(-origin.y));
  source.AppendRangeFrom(*collected, 0, std::min(collected->GetCount(), source.GetCapacity() - source.GetCount()), 0);
  ink.ClearInk();
}

}  // namespace

ScopedParamRanges::ScopedParamRanges(ParamBlock& params) : params_(params) {
  for (size_t k = 0; k < std::size(kConversionParamRanges); ++k) {
    const ParamRange& r = kConversionParamRanges[k];
    saved_[k] = params[r.index];
    params[r.index] = std::min(params[r.index], r.hi);
  }
}

ScopedParamRanges::~ScopedParamRanges() {
  for (size_t k = 0; k < std::size(kConversionParamRanges); ++k) params_[kConversionParamRanges[k].index] = saved_[k];
}

void RunConversionPasses(CStrokeWork& work, CStrokeWork& source, int copyMode) {
  if (work.m_param[kPenMode] == 0 && copyMode != 0) {
    work.CopyFrom(source);
  } else {
    work.CopyWithoutDuplicates(source, 0);
  }
  work.m_bLinkPoints = 0;
  if (work.m_param[kPenMode] != 0) return;
  ConversionRun run(work);
  // The copy's strokes are the source's, one for one, until a pass changes them.
  run.strokeOrigins.resize(size_t(work.CountStrokes()));
  std::iota(run.strokeOrigins.begin(), run.strokeOrigins.end(), 0);
  RunChainPart(ChainPart::kPassManager, run);
}

int CStrokeWork::ConvertCharacter(CStrokeWork& source) {
  CopySettingsFrom(source);
  ScopedParamRanges ranges(m_param);
  MergeInk(source);
  m_param[kConverted] = 1;
  if (m_param[kPenMode] != 0) {
    // Switched off: the caller gets the character as it is, not an empty path.
    RunConversionPasses(*this, source, 1);
    return 0;
  }
  gUnitPassActive = 1;
  gMarkers.Clear();
  gMarkers.EnablePosting(0);
  if (gMorphPair.Morphs(source)) {
    // A morph converts the in-between character of the prepared pair instead.
    ScratchPath morph(GetCapacity());
    gMorphPair.MorphInto(*morph, source);
    RunConversionPasses(*this, *morph, 1);
    // The in-between character's strokes are none of the source's own.
    for (int m = 0; m < gAnalysisOverlay.m_nCount; ++m) gAnalysisOverlay.m_marks[size_t(m)].firstStroke = -1;
  } else {
    RunConversionPasses(*this, source, 1);
  }

  ScratchPath reference(GetCapacity());
  ConversionRun run(*this, &*reference, source.m_nWindow);
  RunChainPart(ChainPart::kDriver, run);
  source.m_bConvertRequested = 0;
  return 1;
}
