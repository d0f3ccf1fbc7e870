#include "export/animation/animation_step.h"

#include <algorithm>
#include <memory>

#include "convert/morph/morph_pair.h"
#include "core/path/path_sequence.h"
#include "core/state/draw_state.h"
#include "core/state/mouse_messages.h"
#include "core/state/animation_flags.h"
#include "export/animation/animation_params.h"
#include "export/animation/frame_interpolation.h"
#include "platform/gdi/pixel.h"
#include "platform/service/progress.h"

namespace {

// The seven conversion bars that may run through a median: the bar's switch, its median
// and the parameter it drives.
struct MedianSlot {
  int on;
  int median;
  int target;
};
constexpr MedianSlot kMedianSlots[] = {{64, 65, 0},   {270, 275, 9},  {271, 276, 1}, {272, 277, 8},
                                       {273, 278, 2}, {274, 279, 3}, {140, 141, 4}};

// Conversion styles of the transition-frame list entries 1 to 6.
constexpr int kTransitionStyles[] = {4, 0, 1, 2, 3, 5};

constexpr int kSplitFrames = 101;
constexpr int kStateFirst = 1;
constexpr int kStateFrame = 2;
constexpr int kStateFrameAlt = -2;
constexpr int kResetParams[] = {8, 1, 9};

// Each bar that is switched on starts and ends at 0 and reaches its median half-way.
void BlendThroughMedians(ParamBlock& params, int percent) {
  const int d = percent <= 50 ? percent : 100 - percent;
  for (const MedianSlot& slot : kMedianSlots) {
    if (params[size_t(slot.on)] == 0) continue;
    params[size_t(slot.target)] = int32_t(int64_t(params[size_t(slot.median)]) * d / 50);
  }
}

void ChooseTransitionStyle(ParamBlock& params, int percent, int ownStyle) {
  const int choice = params[kAnimStyleChoice];
  if (choice == 0) return;
  if (percent == 0 || percent == 100) {
    params[kAnimStyle] = ownStyle;
  } else if (choice >= 1 && choice <= int(std::size(kTransitionStyles))) {
    params[kAnimStyle] = kTransitionStyles[choice - 1];
  }
}

// The record's points, settings, frame flags and derived state.
void CopyAnimatedRecord(CCharDataFull& to, const CCharDataFull& from) {
  to.CopyFrom(from);
  to.m_flags = from.m_flags;
  to.m_bMorphReset = from.m_bMorphReset;
  to.m_bDerived = from.m_bDerived;
}

}  // namespace

void SetUpFrameRecord(CCharDataFull& out, const CAnimationRecords& records, int frame, int frames, int pass,
                      int ownStyle, int& changedOut) {
  CCharDataFull& record = *records.record;
  CopyAnimatedRecord(out, record);
  ParamBlock& params = out.m_param;
  const double exponent = EasingExponent(record.m_param);
  const int percent = FramePercent(frame, frames, exponent);
  out.m_flags[kFlagMorphPercent] = percent;
  const bool morphing = params[kAnimMorphSwitch] != 0;
  if (percent == 100 && morphing) {
    out.m_flags[kFlagMorphState] = kStateFirst;
    out.CopyPoints(*records.b);
    params[kAnimDisplayMode] = records.sourceRecord->m_param[kAnimDisplayMode];
    // Settings derived from page colours differ from B's own at the end as well.
    if (out.m_bDerived) changedOut = 1;
  }
  if (percent == 0) out.m_flags[kFlagMorphState] = kStateFirst;
  if (percent != 0 || pass != 0) {
    out.m_flags[kFlagMorphState] = records.modeRecord->m_param[kAnimMorphMode] == 1 ? kStateFrameAlt : kStateFrame;
    if (params[kAnimWarpSwitch] != 0) {
      const int last = std::max(std::clamp(frames, kMinAnimFrames, kMaxAnimFrames) - 1, 1);
      if (InterpolateRecords(params, records.a->m_param, records.b->m_param, std::clamp(frame, 0, last), last,
                             exponent)) {
        changedOut = 1;
        out.UpdateRangeFromMode();
        // The last frame reports the change too, when it takes B's points.
        out.m_bDerived = record.m_bDerived = 1;
      }
    }
    BlendThroughMedians(params, percent);
    ChooseTransitionStyle(params, percent, ownStyle);
  }
  if (out.m_bMorphReset == 0) {
    out.m_flags[kFlagMorphState] = 0;
  } else {
    for (int p : kResetParams) params[size_t(p)] = 0;
  }
  out.m_nOutlineDirty = 1;
  out.m_nFrameValue = int32_t(tmb::PlainColour(tmb::Colour(uint32_t(out.m_rangeFrom))));
}

int LoadShapeSheetForKind(int kind) {
  const int before = gDrawState.m_nCurDrawKind;
  gDrawState.m_nCurDrawKind = kind;
  const int result = AnimWindows().LoadShapeSheet();
  gDrawState.m_nCurDrawKind = before;
  return result;
}

int StepAnimationFrame(AnimationFrameView& view, tmb::DeviceContext& dc, int frame, int frames, int pass, int passes,
                       int ownStyle, const CAnimationRecords& records, int kind, int single, int& changedOut) {
  const ParamBlock& settings = records.record->m_param;
  if (single) {
    frame = settings[kAnimSplitPercent];
    frames = kSplitFrames;
  }
  frames = std::clamp(frames, kMinAnimFrames, kMaxAnimFrames);
  frame = std::clamp(frame, 0, frames - 1);
  if (CheckUserAbort()) {
    gAnimAborted = 1;
    return -1;
  }
  auto out = std::make_unique<CCharDataFull>();
  SetUpFrameRecord(*out, records, frame, frames, pass, ownStyle, changedOut);
  const int cellPreview = settings[kAnimCellPreview];
  // The outline engine draws the frame as a frame of an animation while this is set.
  gAnimationMode = 1;
  const bool painted = view.PaintFrame(dc, *out);
  gAnimationMode = 0;
  if (!painted) {
    gAnimAborted = 1;
    return -1;
  }
  AnimWindows().RefreshAfterFrame(kind, *out, cellPreview);
  LoadShapeSheetForKind(kind);
  if (settings[kAnimClipboard] && !AnimWindows().CopyFrameToClipboard(view.Picture(), gPlaybackOutput.m_rcCanvas)) {
    return 0;
  }
  if (single) return 1;
  passes = std::max(passes, 1);
  int number = frame + frames * pass;
  const int count = frames * passes + (passes >= 2 ? 2 : 0);
  if (passes > 1 && pass == passes - 1) number += 2;
  if (gPlaybackOutput.SaveFrameImage(out->m_param, frame, frames, number, count, dc, view.Picture()) < 0) return -1;
  // The frame's outline went into the path sequence as it was drawn; its colours follow,
  // and the run's movie keeps it as its next picture.
  if (settings[kAnimSwf]) {
    const auto colour = tmb::Colour(uint32_t(out->m_nFrameValue));
    gPathSequence.AddFrame(colour, out->m_param);
    gPlaybackOutput.AddSwfPicture(colour, out->m_param);
  }
  return 1;
}

int RunAnimation(AnimationFrameView& view, tmb::DeviceContext& dc, const CAnimationRecords& records, int kind) {
  auto animated = std::make_unique<CCharDataFull>();
  CopyAnimatedRecord(*animated, *records.record);
  CAnimationRecords run = records;
  run.record = animated.get();
  const CCharDataFull& record = *animated;
  const int frames = std::clamp(record.m_param[kAnimFrames], kMinAnimFrames, kMaxAnimFrames);
  CFrameOutput& output = gPlaybackOutput;
  if (output.Begin(record, frames) < 0) {
    output.Abandon();
    return -1;
  }
  // The frames show a real change of shape only with A and B paired point for point.
  const bool morph = record.m_param[kAnimMorphSwitch] != 0;
  if (morph) gMorphPair.Prepare(*records.a, *records.b, kNoGapDistance);
  const int ownStyle = record.m_param[kAnimStyle];
  int changed = 0;
  int result = 1;
  tmb::Progress().SetPos(0);
  for (int frame = 0; frame < frames && result == 1; ++frame) {
    result = StepAnimationFrame(view, dc, frame, frames, 0, 1, ownStyle, run, kind, 0, changed);
    if (result == 1) tmb::Progress().SetPos((frame + 1) * 100 / frames);
  }
  if (result != 1) gAnimAborted = 1;
  // A movie that could not be finished fails the run (told): the file of its name is an
  // earlier one, not to be opened as the result.
  if (output.End(record.m_param, dc, frames, frames) != 1 && result == 1) result = -1;
  if (result == 1) output.OpenResults(record.m_param);
  if (morph) gMorphPair.Clear();
  tmb::Progress().SetPos(0);
  return result;
}
