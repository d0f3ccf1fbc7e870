#include "convert/driver/conversion_chain.h"

#include "convert/driver/conversion_stages.h"
#include "convert/passes/stand_in_stages.h"

namespace {

using enum ChainPart;

// The conversion in the order it runs. Stand-ins and what their passes will do there:
// - stroke bow: BowHorizontalStrokes (0, 45) when parameter 11 is 1;
// - stroke extension, when parameter 344 is set: ExtendStrokeEnds (2, 25 when 344 is 2,
//   else 12), then (1, 25) when 344 is 1;
// - stroke form: ApplyStrokeForm (2, 80) when 344 is 2; (5, 80) when 344 is 3; (1, 10)
//   when 317 is set or 344 is 2, and 11 is not 1; (6, -1) when 359 is set; in this order;
// - link points: InsertLinkPoints with spacing trunc((parameter 1 + 1.0) x parameter 44);
// - link point removal: RemoveLinkPoints when the path's link-points flag is set;
// - link decision: DecideLinks with the reference copy;
// - direction changes: MarkDirectionChanges;
// - main linking: ShapeLinkedStrokesAlt (reference, saved flags) when parameter 356 is
//   set, else ShapeLinkedStrokes (reference);
// - end trimming: TrimStrokeEnds (reference, parameter 315);
// - stroke widths: AssignStrokeWidths (reference).
constexpr ConversionStage kChain[] = {
    {"three-segment rewrite", kPassManager, RewriteThreeSegmentsStage},
    {"unit grouping", kPassManager, GroupUnitsStage},
    {"loop marks", kPassManager, LoopMarksStage},
    {"end shortening", kPassManager, ShortenEndsStage},
    {"resampling", kPassManager, ResampleStage},
    {"overlay marks", kPassManager, OverlayMarksStage},
    {"stroke features", kPassManager, StrokeFeaturesStage},
    {"stroke bow", kPassManager, LeavePathAsIs},
    {"box sides", kPassManager, BoxSidesStage},
    {"stroke extension", kPassManager, LeavePathAsIs},
    {"stroke form", kPassManager, LeavePathAsIs},
    {"reference copy", kDriver, ReferenceCopyStage},
    {"link points", kDriver, LeavePathAsIs},
    {"work-path smoothing", kDriver, SmoothingStage},
    {"first passes done", kDriver, FirstPassesDoneStage},
    {"link point removal", kDriver, LeavePathAsIs},
    {"link decision", kDriver, LeavePathAsIs},
    {"link starts", kDriver, LinkStartsStage},
    {"direction changes", kDriver, LeavePathAsIs},
    {"main linking", kDriver, LeavePathAsIs},
    {"end trimming", kDriver, LeavePathAsIs},
    {"feature markers", kDriver, FeatureMarkersStage},
    {"stroke widths", kDriver, AssignPlainWidths},
    {"kept points", kDriver, KeptPointsStage},
    {"character parts", kDriver, CharacterPartsStage},
    {"shape transform", kDriver, ShapeTransformStage},
};

}  // namespace

std::span<const ConversionStage> ConversionChain() { return kChain; }

void RunChainPart(ChainPart part, ConversionRun& run) {
  for (const ConversionStage& stage : kChain) {
    if (stage.part == part) stage.run(run);
  }
}
