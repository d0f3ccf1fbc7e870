// One frame of an animation from A to B: its eased percentage, the record of the frame
// (points, blended parameters, conversion style), drawn by the view and written to the
// playback output; and the run of every frame from Begin to End.
#pragma once

#include "core/record/char_data_full.h"
#include "export/animation/animation_windows.h"
#include "export/animation/frame_output.h"

// Where a frame's records come from. The frame is set up in a copy of record; of record
// itself the step changes only m_bDerived, raised when a frame's blended colours changed,
// so that the frames after see it.
struct CAnimationRecords {
  CCharDataFull* record = nullptr;        // the animated record and its settings
  const CCharDataFull* a = nullptr;       // the start and end characters
  const CCharDataFull* b = nullptr;
  const CCharDataFull* modeRecord = nullptr;    // its parameter 233 picks morph state -2
  const CCharDataFull* sourceRecord = nullptr;  // its parameter 200 is taken at 100 %
};

// Sets up frame (of frames, held within 2 .. 1,000; single shows the split position of
// 101 frames) in a copy of records.record, has view draw it, refreshes the windows and,
// unless single, writes it to gPlaybackOutput. changedOut is raised when the frame's
// colours changed. Returns 1 done, 0 stopped by the user at the clipboard notice, -1
// aborted by the user (gAnimAborted set), a failed drawing or a failed write.
int StepAnimationFrame(AnimationFrameView& view, tmb::DeviceContext& dc, int frame, int frames, int pass, int passes,
                       int ownStyle, const CAnimationRecords& records, int kind, int single, int& changedOut);

// Sets up frame in out as a copy of records.record, as the step draws it.
void SetUpFrameRecord(CCharDataFull& out, const CAnimationRecords& records, int frame, int frames, int pass,
                      int ownStyle, int& changedOut);

// Calls the shape-sheet refresh with kind as the current drawing window; the kind before
// comes back after.
int LoadShapeSheetForKind(int kind);

// Runs every frame of records.record's animation through view into output (gPlaybackOutput
// for the step): Begin, the frames with progress, End, and OpenResults after a whole run.
// The frames animate a copy of records.record, which keeps its own state. With morphing
// on, A and B are paired as the run starts and the pair is dropped at its end. Returns 1
// for a whole run, 0 stopped, -1 aborted or failed.
int RunAnimation(AnimationFrameView& view, tmb::DeviceContext& dc, const CAnimationRecords& records, int kind);
