// Damaged scripts: the shipped samples changed at random, byte by byte, parse to sane
// definitions (and, built with the sanitizers, without a fault).
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/effect/effect_def.h"
#include "support/file_bytes.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Samples() {
  std::vector<std::string> out;
  for (const char* name : {"ef_sample1.txt", "ef石版浮彫.txt", "ef浮彫.txt", "ef輪郭影.txt"}) {
    const std::vector<uint8_t> bytes = tmb::test::FileBytes(fs::path(TMB_APP_DATA_DIR) / name);
    out.emplace_back(bytes.begin(), bytes.end());
  }
  return out;
}

// Bytes that matter to the reader: parentheses, digits, switch letters, line ends,
// comment slashes, lead and trail bytes, the terminator.
constexpr char kTelling[] = "()0123456789ONF_ABGT\r\n/ ,\x81\x89\x65\x88\x9f\xfc";

std::string Mutate(std::string s, std::mt19937& random) {
  auto pick = [&random](size_t n) { return n ? std::uniform_int_distribution<size_t>(0, n - 1)(random) : 0; };
  const int changes = 1 + int(pick(8));
  for (int i = 0; i < changes; ++i) {
    const size_t at = pick(s.size() + 1);
    switch (pick(6)) {
      case 0:  // any byte
        if (at < s.size()) s[at] = char(pick(256));
        break;
      case 1:  // a telling byte
        s.insert(at, 1, kTelling[pick(sizeof kTelling)]);
        break;
      case 2:
        if (at < s.size()) s.erase(at, 1 + pick(4));
        break;
      case 3:  // a long run of digits
        s.insert(at, std::string(1 + pick(30), char('0' + pick(10))));
        break;
      case 4:  // a piece repeated
        if (at < s.size()) s.insert(pick(s.size()), s.substr(at, 1 + pick(200)));
        break;
      default:
        s.resize(at);
        break;
    }
  }
  return s;
}

TEST(EffectScriptMutation, DamagedSamplesParseToSaneDefinitions) {
  gWorkCanvas.Init(500, 750, "", 32000, 32, 32);
  const std::vector<std::string> samples = Samples();
  for (const std::string& s : samples) ASSERT_FALSE(s.empty());
  std::mt19937 random(20240601);
  int withEntries = 0;
  for (int round = 0; round < 3000; ++round) {
    CEffectDef def;
    def.m_script = Mutate(samples[size_t(round) % samples.size()], random);
    def.Parse();
    SCOPED_TRACE(testing::Message() << "round " << round);
    ASSERT_GE(def.m_nEntries, 0);
    ASSERT_LE(def.m_nEntries, CEffectDef::kMaxEntries);
    for (int i = 0; i < def.m_nEntries; ++i) {
      ASSERT_GE(def.m_entries[size_t(i)], 1);
      ASSERT_LT(def.m_entries[size_t(i)], kEffectNames);
    }
    for (int e = 0; e < kEffectSlots; ++e) {
      ASSERT_LE(def.m_colour1[size_t(e)] & ~0xFFFFFFu, 0u);
      ASSERT_LE(def.m_colour2[size_t(e)] & ~0xFFFFFFu, 0u);
      ASSERT_GE(def.m_value1[size_t(e)], 0) << e;
      for (auto flags : {&def.m_flagA, &def.m_flagBG, &def.m_flagT}) ASSERT_LE(unsigned((*flags)[size_t(e)]), 1u);
    }
    withEntries += def.m_nEntries > 0;
  }
  EXPECT_GT(withEntries, 1000) << "most damaged samples still name effects";
  gWorkCanvas.Reset();
}

}  // namespace
