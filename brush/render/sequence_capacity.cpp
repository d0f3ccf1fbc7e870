#include "brush/render/sequence_capacity.h"

#include "core/state/animation_flags.h"
#include "platform/service/messages.h"

namespace {

constexpr int kMsgSequenceFull = 62115;

int gSequenceFullShown = 0;

bool OnExportRoad() { return gFrameRecording != 0 || gFramePlayback != 0; }

}  // namespace

void ReportSequenceFull() {
  if (!OnExportRoad() || gSequenceFullShown) return;
  gSequenceFullShown = 1;
  tmb::ShowMessage(kMsgSequenceFull);
}

void BeginSequenceDrawing() {
  if (!OnExportRoad()) gSequenceFullShown = 0;
}
