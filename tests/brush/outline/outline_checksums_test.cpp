// The brush-outline engine's rebuild of real characters pinned to the bit by checksums of
// what it writes (the working points and flags, the brush levels and the link flags),
// after a full rebuild and after a following width-slider move, over the settings that
// choose its roads: the rebuild may be made faster, never different.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

#include "brush/outline/outline_state.h"
#include "core/record/param_defaults.h"
#include "core/record/char_data_full.h"
#include "support/sample_characters.h"
#include "support/surface_checksum.h"

namespace {

using tmb::test::SampleCharacter;

struct RebuildCase {
  const char* name;
  SampleCharacter character;
  std::initializer_list<std::pair<int, int32_t>> params;
  uint64_t checksum;
};

void PrintTo(const RebuildCase& c, std::ostream* os) { *os << c.name; }

const RebuildCase kCases[] = {
    {"defaults", SampleCharacter::kRecorded, {}, 0x3acab473c464fb39},
    {"no_cursive_passes", SampleCharacter::kRecorded, {{0, 0}}, 0x44a6cb6aca630ec0},
    {"many_cursive_passes_weak", SampleCharacter::kRecorded, {{0, 12}, {230, 60}}, 0x18b191bfec6044ef},
    {"cursive_full_strength", SampleCharacter::kRecorded, {{0, 4}, {230, 100}}, 0x8b96c61ff2d46480},
    {"cursive_midpoints_per_stroke_step", SampleCharacter::kRecorded, {{0, 2}, {230, 100}, {26, 7}, {111, 0}}, 0x8ef8223e61f278d0},
    {"cursive_halved", SampleCharacter::kRecorded, {{0, 7}, {234, 1}}, 0xd0cf1ce2eb33add6},
    {"cursive_squared", SampleCharacter::kRecorded, {{0, 6}, {11, 5}}, 0x1ab2f4c3862e5711},
    {"cursive_pulled", SampleCharacter::kRecorded, {{0, 5}, {211, 1}, {210, 6}, {212, 40}}, 0x2a89df4e8b6ccb20},
    {"cursive_growing_join", SampleCharacter::kRecorded, {{0, 5}, {211, -100}}, 0xccbed6c4d9094626},
    {"high_cursive", SampleCharacter::kRecorded, {{0, 120}}, 0xb1ac88d6d3cb1e9b},
    {"averaging_once", SampleCharacter::kRecorded, {{111, 1}}, 0xc5063bd3c4d141f1},
    {"averaging_long", SampleCharacter::kRecorded, {{111, 41}}, 0x8ef4c8770bdd67a0},
    {"averaging_per_stroke", SampleCharacter::kRecorded, {{6, 0}, {111, 9}}, 0xb2bd5e0a201e4940},
    {"no_smoothing", SampleCharacter::kRecorded, {{13, 1}}, 0xb9075465702f452f},
    {"halving_steps", SampleCharacter::kRecorded, {{13, 2}}, 0x40258f5772e07280},
    {"single_steps", SampleCharacter::kRecorded, {{13, 0}}, 0x5ba579127d878620},
    {"tapers_and_thin_ends", SampleCharacter::kRecorded, {{14, 3}, {42, 1}, {49, 1}}, 0xe6343cb1a840940b},
    {"contrast", SampleCharacter::kRecorded, {{113, 50}}, 0x89a83ed3f4982ca8},
    {"integer_levels_with_pressure", SampleCharacter::kRecorded, {{37, 200}, {43, 1}}, 0xb2d36db54b6a8381},
    {"pen_mode", SampleCharacter::kRecorded, {{47, 1}}, 0x175f1a2f0041b2d2},
    {"trees", SampleCharacter::kTrees, {}, 0x0e3c33baff04e360},
    {"scattered", SampleCharacter::kScattered, {}, 0x5adee616fa11c7e0},
    {"eight_copies_high_cursive", SampleCharacter::kEightCopies, {{0, 120}}, 0x31120adfee5bfa9f},
};

void Mix(uint64_t& h, uint64_t v) { h = (h ^ v) * 0x100000001B3ull; }

// The working record's points and flags and the drawn record's levels and links.
uint64_t RebuildChecksum(const CCharDataFull& drawn, const CCharDataFull& work) {
  uint64_t h = 0xCBF29CE484222325ull;
  Mix(h, uint64_t(work.m_nPoints));
  for (int i = 0; i < work.m_nPoints; ++i) {
    Mix(h, uint32_t(work.m_pPoints[i].x));
    Mix(h, uint32_t(work.m_pPoints[i].y));
    Mix(h, work.m_pFlags[i]);
    Mix(h, uint8_t(drawn.m_pLevels[i]));
    Mix(h, drawn.m_pLinks[i]);
  }
  return h;
}

class OutlineChecksums : public ::testing::TestWithParam<RebuildCase> {};

TEST_P(OutlineChecksums, TheRebuildStaysBitForBit) {
  const RebuildCase& c = GetParam();
  auto drawn = std::make_unique<CCharDataFull>();
  auto work = std::make_unique<CCharDataFull>();
  for (CCharDataFull* rec : {drawn.get(), work.get()}) {
    rec->ClearPoints();
    rec->SetDefaultParams();
    GetSlotParamDefaults(rec->m_param, {}, 0);
    rec->m_param[37] = 0;  // the brush outline, not the conversion
  }
  tmb::test::AppendSampleCharacter(*drawn, c.character);
  for (const auto& [index, value] : c.params) drawn->m_param[size_t(index)] = value;
  ResetOutlineEngine();
  drawn->m_nOutlineDirty = 1;
  ASSERT_EQ(work->BuildOutline(*drawn), 1);
  ASSERT_GT(work->m_nPoints, 0);
  uint64_t h = RebuildChecksum(*drawn, *work);
  drawn->m_param[3] += 1;  // the width slider: the levels only
  ASSERT_EQ(work->BuildOutline(*drawn), 1);
  h = h * 31 + RebuildChecksum(*drawn, *work);
  EXPECT_EQ(h, c.checksum) << "the rebuild changed: {\"" << c.name << "\", ..., " << tmb::test::ChecksumText(h) << "}";
}

INSTANTIATE_TEST_SUITE_P(EveryRoad, OutlineChecksums, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<RebuildCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
