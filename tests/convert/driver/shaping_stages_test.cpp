// The pass manager's shaping stages: which of the bow, extension and form passes run, with
// which arguments and in which order, as parameters 11, 317, 344 and 359 ask.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "convert/driver/conversion_driver.h"
#include "convert/passes/stroke_bow.h"
#include "convert/passes/stroke_extension.h"
#include "convert/passes/stroke_form.h"
#include "core/record/param_defaults.h"
#include "core/path/stroke_work.h"
#include "support/conversion_globals.h"
#include "support/path_points.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::AddPolyline;
using tmb::test::PointsOf;

enum class Pass { kBow, kExtend, kForm };

struct Call {
  Pass pass;
  int mode = 0;
  int value = 0;
};

void RunPass(CStrokeWork& path, const Call& call) {
  switch (call.pass) {
    case Pass::kBow:
      BowHorizontalStrokes(path);
      break;
    case Pass::kExtend:
      ExtendStrokeEnds(path, call.mode, call.value);
      break;
    case Pass::kForm:
      ApplyStrokeForm(path, call.mode, call.value);
      break;
  }
}

class ShapingStagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A long level stroke and a long stroke falling to the lower left: each pass finds
    // something to do.
    AddPolyline(*source, {{0, 100}, {300, 100}}, 10);
    AddPolyline(*source, {{250, 150}, {100, 300}}, 10);
    InitShapeSettings(base, 400);
    GetSlotParamDefaults(base, {}, 0);
    base[0] = base[1] = 0;  // no rewrite, no resampling
    base[11] = 4;
    base[317] = base[344] = base[359] = 0;
  }
  void TearDown() override { tmb::test::ResetConversionGlobals(); }
  ParamBlock base{};
  std::unique_ptr<CStrokeWork> source = std::make_unique<CStrokeWork>(512);
  std::unique_ptr<CStrokeWork> dest = std::make_unique<CStrokeWork>(512);
};

TEST_F(ShapingStagesTest, TheParametersChooseThePassesAndTheirOrder) {
  const Call bow{Pass::kBow};
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> params;
    std::vector<Call> calls;
  };
  const Case cases[] = {
      {"bowed strokes", {{11, 1}}, {bow}},
      {"form 1: both ends reach out", {{344, 1}}, {{Pass::kExtend, 2, 12}, {Pass::kExtend, 1, 25}}},
      {"form 2: squashed and slanted",
       {{344, 2}},
       {{Pass::kExtend, 2, 25}, {Pass::kForm, 2, 80}, {Pass::kForm, 1, 10}}},
      {"form 2 with bowed strokes: not slanted",
       {{344, 2}, {11, 1}},
       {bow, {Pass::kExtend, 2, 25}, {Pass::kForm, 2, 80}}},
      {"form 3: scaled", {{344, 3}}, {{Pass::kExtend, 2, 12}, {Pass::kForm, 5, 80}}},
      {"slanted", {{317, 1}}, {{Pass::kForm, 1, 10}}},
      {"slanted, but bowed instead", {{317, 1}, {11, 1}}, {bow}},
      {"sheared", {{359, 1}}, {{Pass::kForm, 6, -1}}},
      {"everything",
       {{344, 1}, {317, 1}, {359, 1}},
       {{Pass::kExtend, 2, 12}, {Pass::kExtend, 1, 25}, {Pass::kForm, 1, 10}, {Pass::kForm, 6, -1}}},
  };
  dest->m_param = base;
  RunConversionPasses(*dest, *source, 1);
  const auto plain = PointsOf(*dest);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dest->m_param = base;
    RunConversionPasses(*dest, *source, 1);
    for (const Call& call : c.calls) RunPass(*dest, call);
    const auto expected = PointsOf(*dest);
    EXPECT_NE(expected, plain);

    for (const auto& [index, value] : c.params) dest->m_param[index] = value;
    RunConversionPasses(*dest, *source, 1);
    EXPECT_EQ(PointsOf(*dest), expected);
  }
}

}  // namespace
