// Morphs between characters that have little in common: an empty one, a dot, one stroke
// against many, all points equal, one far off; at percentages and settings at and past
// their ends. The pairing and the conversion must finish and give finite points.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "convert/morph/character_interpolation.h"
#include "convert/morph/morph_pair.h"
#include "support/brush_fixture.h"
#include "support/generated_character.h"
#include "support/morph_fixture.h"

namespace {

using tmb::test::AddStroke;

struct Character {
  const char* name;
  std::function<void(CCharData&)> add;
};

const Character kCharacters[] = {
    {"empty", [](CCharData&) {}},
    {"dot", [](CCharData& r) { AddStroke(r, {{120, 80}}); }},
    {"two dots", [](CCharData& r) { AddStroke(r, {{120, 80}}), AddStroke(r, {{300, 300}}); }},
    {"equal points", [](CCharData& r) { AddStroke(r, {{90, 90}, {90, 90}, {90, 90}, {90, 90}}); }},
    {"one stroke", [](CCharData& r) { AddStroke(r, {{20, 20}, {120, 40}, {220, 60}, {320, 80}}); }},
    {"doubling back", [](CCharData& r) { AddStroke(r, {{20, 100}, {200, 100}, {20, 100}, {200, 101}}); }},
    {"far off", [](CCharData& r) { AddStroke(r, {{-200, -200}, {800, 800}}); }},
    {"many strokes", [](CCharData& r) { tmb::test::AppendGeneratedCharacter(r, 7, 12, 30); }},
};

constexpr int kGaps[] = {kNoGapDistance, 0, 30, INT32_MAX};
constexpr int kPercents[] = {INT32_MIN, -1, 0, 1, 50, 51, 99, 100, 101, INT32_MAX};

class MorphExtremes : public tmb::test::MorphFixture {
 protected:
  void CheckConverted(const std::string& what) {
    SCOPED_TRACE(what);
    for (int percent : kPercents) {
      const CStrokeWork& out = Convert(*a, percent);
      ASSERT_LE(out.GetCount(), out.GetCapacity()) << percent;
      for (int i = 0; i < out.GetCount(); ++i) {
        ASSERT_TRUE(std::isfinite(out.m_pPoints[i].x) && std::isfinite(out.m_pPoints[i].y)) << percent << " " << i;
      }
    }
  }

  std::unique_ptr<CCharDataFull> a = NewRecord();
  std::unique_ptr<CCharDataFull> b = NewRecord();
};

TEST_F(MorphExtremes, UnlikeCharactersPairAndConvertToFinitePoints) {
  for (const Character& ca : kCharacters) {
    for (const Character& cb : kCharacters) {
      a->ClearPoints();
      b->ClearPoints();
      ca.add(*a);
      cb.add(*b);
      for (int gap : kGaps) {
        const std::string what = std::string(ca.name) + " to " + cb.name + ", gap " + std::to_string(gap);
        if (gMorphPair.Prepare(*a, *b, gap) < 0) continue;
        CheckConverted(what);
        if (HasFatalFailure()) return;
      }
    }
  }
}

TEST_F(MorphExtremes, MorphSettingsAtTheirEndsConvertToFinitePoints) {
  const int kSettings[] = {kMorphLagStrength, kMorphLagEarliest, kMorphLagLatest, kMorphStretchTolerance};
  const int32_t kValues[] = {INT32_MIN, -1, 0, 1, 10, 50, 100, 101, 1000, INT32_MAX};
  kCharacters[4].add(*a);
  kCharacters[7].add(*b);
  ASSERT_GE(gMorphPair.Prepare(*a, *b, 30), 0);
  for (int on : {0, 1}) {
    for (int setting : kSettings) {
      for (int32_t v : kValues) {
        const ParamBlock saved = a->m_param;
        a->m_param[kMorphLagOn] = on;
        a->m_param[size_t(setting)] = v;
        CheckConverted("lag " + std::to_string(on) + ", parameter " + std::to_string(setting) + " = " +
                       std::to_string(v));
        a->m_param = saved;
        if (HasFatalFailure()) return;
      }
    }
  }
}

}  // namespace
