#include "support/morph_fixture.h"

#include "convert/driver/analysis_overlay.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/path_resampling.h"
#include "convert/driver/scratch_paths.h"
#include "convert/morph/morph_pair.h"
#include "core/record/param_defaults.h"

namespace tmb::test {

namespace {

constexpr int kConvertingStyle = 400;

void ResetConversionGlobals() {
  gMarkers.Clear();
  gAnalysisOverlay.Clear();
  gUnitPassActive = 0;
}

}  // namespace

void MorphFixture::SetUp() { ResetConversionGlobals(); }

void MorphFixture::TearDown() {
  gMorphPair.Clear();
  ResetConversionGlobals();
  ReleaseScratchPaths();
}

std::unique_ptr<CCharDataFull> MorphFixture::NewRecord() {
  auto rec = std::make_unique<CCharDataFull>();
  rec->ClearPoints();
  rec->SetDefaultParams();
  GetSlotParamDefaults(rec->m_param, {}, 0);
  rec->m_param[37] = kConvertingStyle;
  rec->m_param[kMorphSwitch] = 1;
  return rec;
}

const CStrokeWork& MorphFixture::Convert(CCharDataFull& rec, int percent) {
  rec.m_flags[kFlagMorphPercent] = percent;
  rec.ToStrokeWork(*source);
  rec.CopySettingsToWork(*dest);
  dest->ConvertCharacter(*source);
  return *dest;
}

const CStrokeWork& MorphFixture::ConvertPath(const CStrokeWork& path, const ParamBlock& params) {
  source->CopyFrom(path);
  source->m_param = params;
  source->m_param[kMorphSwitch] = 0;
  dest->ConvertCharacter(*source);
  return *dest;
}

}  // namespace tmb::test
