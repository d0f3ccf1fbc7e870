#include "convert/driver/conversion_chain.h"

#include "convert/driver/conversion_stages.h"

namespace {

using enum ChainPart;

// The conversion in the order it runs.
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
    {"main linking", kDriver, MainLinkingStage},
    {"end trimming", kDriver, EndTrimmingStage},
    {"feature markers", kDriver, FeatureMarkersStage},
    {"stroke widths", kDriver, StrokeWidthsStage},
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
