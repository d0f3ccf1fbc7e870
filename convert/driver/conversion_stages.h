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

// Driver.
//
// The reference copy of the work path (flag 1 at plain stroke starts, else 0) and the
// flags as they are.
void ReferenceCopyStage(ConversionRun& run);
// The work-path smoothing.
void SmoothingStage(ConversionRun& run);
// The first passes are over: resampling takes the asked spacing again.
void FirstPassesDoneStage(ConversionRun& run);
// Link kinds (50 to 61) become stroke starts again, kept points (62, 63) continuations.
void LinkStartsStage(ConversionRun& run);
// With parameter 361, one marker per flagged point, coded by its flag.
void FeatureMarkersStage(ConversionRun& run);
// Kept points of the reference time that are not stroke starts get their flags back.
void KeptPointsStage(ConversionRun& run);
// With parameter 334, the character's parts go to the part store.
void CharacterPartsStage(ConversionRun& run);
void ShapeTransformStage(ConversionRun& run);

// The marker code of a feature flag; 0 for none.
int FeatureMarkerCode(uint8_t flag);
