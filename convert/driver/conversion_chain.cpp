#include "convert/driver/conversion_chain.h"

#include "convert/driver/conversion_stages.h"
#include "convert/passes/stand_in_stages.h"

namespace {

using enum ChainPart;

// The conversion in the order it runs. Stand-ins and what their passes will do there:
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
    {"stroke bow", kPassManager, StrokeBowStage},
    {"box sides", kPassManager, BoxSidesStage},
    {"stroke extension", kPassManager, StrokeExtensionStage},
    {"stroke form", kPassManager, StrokeFormStage},
    {"reference copy", kDriver, ReferenceCopyStage},
    {"link points", kDriver, LinkPointsStage},
    {"work-path smoothing", kDriver, SmoothingStage},
    {"first passes done", kDriver, FirstPassesDoneStage},
    {"link point removal", kDriver, LinkPointRemovalStage},
    {"link decision", kDriver, LinkDecisionStage},
    {"link starts", kDriver, LinkStartsStage},
    {"direction changes", kDriver, DirectionChangesStage},
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
