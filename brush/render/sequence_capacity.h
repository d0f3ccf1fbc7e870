// A full path sequence on the export road: while frames are recorded or played, the
// animation and export read the character's outlines from the sequence path, so an
// outline that no longer fits is reported (62115) instead of silently left out, once until
// a drawing outside that road.
#pragma once

// Shows 62115 when a frame is recorded or played and it has not been shown since the last
// drawing outside that road; otherwise nothing.
void ReportSequenceFull();
// A drawing begins its sequence: outside frame recording and playback the report is armed
// again.
void BeginSequenceDrawing();
