// The stages of the conversion chain that the pass manager and the driver carry out
// themselves, each running its pass when the parameters ask for it.
#pragma once

#include "core/record/param_block.h"

struct ConversionRun;

// Pass manager.
//
// The three-segment rewrite when parameters 0 and 1 add up to 10 or more (reversed from 20).
void RewriteThreeSegmentsStage(ConversionRun& run);
// The unit of every stroke, into the run's unit starts.
void GroupUnitsStage(ConversionRun& run);
void LoopMarksStage(ConversionRun& run);
// With parameter 7: resampling at spacing 1 and the shortening of stroke ends.
void ShortenEndsStage(ConversionRun& run);
// With parameter 1: resampling at ResamplingSpacing.
void ResampleStage(ConversionRun& run);
// One overlay mark for each run of strokes from a unit start to the next, and the list of
// strokes that open a mark.
void OverlayMarksStage(ConversionRun& run);
// The corners and the stroke feature table, into record list 0.
void StrokeFeaturesStage(ConversionRun& run);
// With parameter 330: the box-shape test in that mode.
void BoxSidesStage(ConversionRun& run);

// The spacing of the pass manager's resampling: parameter 1 / 4, at least 0.5; 0 (no
// resampling) when parameter 1 is 0.
float ResamplingSpacing(const ParamBlock& params);
// With parameter 11 at 1: the stroke bow.
void StrokeBowStage(ConversionRun& run);
// With parameter 344: the falling ends reach out (by 25 % at 2, else 12 %), and at 1 then
// the level starts (25 %).
void StrokeExtensionStage(ConversionRun& run);
// The stroke forms, in this order: at parameter 344 of 2 squashed to 80 %, of 3 scaled to
// 80 %; slanted by 10 degrees with parameter 317 or 344 of 2, unless parameter 11 is 1
// (bowed strokes); sheared by -1 degree with parameter 359.
void StrokeFormStage(ConversionRun& run);

// Driver.
//
// The reference copy of the work path (flag 1 at plain stroke starts, else 0) and the
// flags as they are.
void ReferenceCopyStage(ConversionRun& run);
// The link points, with the spacing LinkPointSpacing.
void LinkPointsStage(ConversionRun& run);
// The work-path smoothing.
void SmoothingStage(ConversionRun& run);
// The first passes are over: resampling takes the asked spacing again.
void FirstPassesDoneStage(ConversionRun& run);
// The link points out again, when the path holds them.
void LinkPointRemovalStage(ConversionRun& run);
// The link decision, marking strong links in the reference copy.
void LinkDecisionStage(ConversionRun& run);
// Link kinds (50 to 61) become stroke starts again, kept points (62, 63) continuations.
void LinkStartsStage(ConversionRun& run);
// The points where the writing direction crosses the diagonal get flag 3.
void DirectionChangesStage(ConversionRun& run);
// The main linking: its alternative form with parameter 356, else the standard form.
void MainLinkingStage(ConversionRun& run);
// The trimming of stroke starts and ends, in its strong form with parameter 315.
void EndTrimmingStage(ConversionRun& run);
// With parameter 361, one marker per flagged point, coded by its flag.
void FeatureMarkersStage(ConversionRun& run);
// The brush width of every point.
void StrokeWidthsStage(ConversionRun& run);
// Kept points of the reference time that are not stroke starts get their flags back.
void KeptPointsStage(ConversionRun& run);
// With parameter 334, the character's parts go to the part store.
void CharacterPartsStage(ConversionRun& run);
void ShapeTransformStage(ConversionRun& run);

// The spacing of the link points: (parameter 1 + 1) x parameter 44, truncated, held to
// the range of an int.
int LinkPointSpacing(const ParamBlock& params);

// The marker code of a feature flag; 0 for none.
int FeatureMarkerCode(uint8_t flag);
