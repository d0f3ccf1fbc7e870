// Characters from damaged files: any parameter may hold any 32-bit value and the points
// may lie anywhere, with any flags and pressures. Building the outline must neither
// crash nor hang; the picture may be strange, but the records stay consistent.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "brush/outline/outline_state.h"
#include "core/canvas/work_canvas.h"
#include "support/brush_fixture.h"

namespace {

// A small generator of our own, so that the cases are the same on every library.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [lo, hi].
  int64_t Range(int64_t lo, int64_t hi) { return lo + int64_t(Next() % uint64_t(hi - lo + 1)); }
  int32_t Any() { return static_cast<int32_t>(static_cast<uint32_t>(Next())); }
  bool Percent(int p) { return Range(0, 99) < p; }
  template <typename T, size_t N>
  T Pick(const T (&values)[N]) {
    return values[Range(0, N - 1)];
  }

 private:
  uint64_t state_;
};

// Values at the edges of what the code computes with: the extremes, the values just past
// the ranges that index tables or pick modes, and the roots of the overflow limits.
constexpr int32_t kEdgeValues[] = {
    INT32_MIN, INT32_MIN + 1, -(1 << 30), -65536, -46341, -1001, -1000, -256, -129, -128, -101, -100, -33, -32, -2,
    -1,        0,             1,          2,      3,      4,      5,      6,    7,    8,    9,    10,   31,   32,  33,
    99,        100,           101,        127,    128,    199,    200,    255,  256,  299,  1000, 1001, 15999, 16000,
    16001,     32767,         32768,      46340,  46341,  65536,  1 << 30, INT32_MAX - 1, INT32_MAX,
};

constexpr int32_t kEdgeCoords[] = {INT32_MIN, INT32_MIN + 1, -1073741824, -100000, -1, 0, 1, 100000,
                                   1073741824, INT32_MAX - 1, INT32_MAX};

constexpr int32_t kBrushStyles[] = {0, 100, 199, 200, 250, 299};

// Parameters that choose among a few modes, with the number of modes.
struct Switch {
  int param;
  int modes;
};
constexpr Switch kSwitches[] = {{11, 6}, {12, 4}, {13, 4}, {14, 4}, {81, 2}, {84, 3}, {85, 2}, {88, 4}};

void FillParams(Random& rng, ParamBlock& params) {
  switch (rng.Range(0, 4)) {
    case 0:  // the defaults
      break;
    case 1:  // a few small changes
      for (int k = int(rng.Range(1, 20)); k > 0; --k) {
        params[size_t(rng.Range(0, kParamCount - 1))] = int32_t(rng.Range(-5, 300));
      }
      break;
    case 2:  // a few edge values
      for (int k = int(rng.Range(1, 40)); k > 0; --k) {
        params[size_t(rng.Range(0, kParamCount - 1))] = rng.Pick(kEdgeValues);
      }
      break;
    case 3:  // every parameter an edge or small value
      for (int32_t& p : params) p = rng.Percent(50) ? rng.Pick(kEdgeValues) : int32_t(rng.Range(-3, 120));
      break;
    default:  // every parameter anything at all
      for (int32_t& p : params) p = rng.Any();
      break;
  }
  // Keep a good share of the cases on the brush road rather than the conversion or the
  // pen mode, and let the switches pick each of their modes.
  if (rng.Percent(70)) params[37] = rng.Pick(kBrushStyles);
  if (rng.Percent(70)) params[47] = 0;
  for (const Switch& s : kSwitches) {
    if (rng.Percent(50)) params[size_t(s.param)] = int32_t(rng.Range(0, s.modes - 1));
  }
}

int32_t Coordinate(Random& rng, int mode) {
  switch (mode) {
    case 0:
      return int32_t(rng.Range(0, 600));
    case 1:
      return int32_t(rng.Range(-5000, 5000));
    case 2:
      return rng.Pick(kEdgeCoords);
    case 3:
      return rng.Any();
    default:
      return rng.Percent(90) ? int32_t(rng.Range(0, 600)) : rng.Pick(kEdgeCoords);
  }
}

int PointCount(Random& rng) {
  switch (rng.Range(0, 9)) {
    case 0:
    case 1:
      return int(rng.Range(0, 4));
    case 2:
    case 3:
    case 4:
      return int(rng.Range(0, 300));
    case 5:
    case 6:
    case 7:
      return int(rng.Range(0, 3000));
    case 8:
      return int(rng.Range(0, kMaxCharPoints));
    default:
      return kMaxCharPoints - int(rng.Range(0, 2));
  }
}

void FillPoints(Random& rng, CCharData& rec) {
  const int n = PointCount(rng);
  const int coordMode = int(rng.Range(0, 4));
  const int flagMode = int(rng.Range(0, 2));
  const int pressureMode = int(rng.Range(0, 2));
  // Drawn lines with small steps from time to time, as a pen makes them.
  const bool walk = rng.Percent(40);
  tmb::Point at{Coordinate(rng, coordMode), Coordinate(rng, coordMode)};
  for (int i = 0; i < n; ++i) {
    if (walk && !rng.Percent(2)) {
      at = {int32_t(std::clamp<int64_t>(int64_t{at.x} + rng.Range(-6, 6), INT32_MIN, INT32_MAX)),
            int32_t(std::clamp<int64_t>(int64_t{at.y} + rng.Range(-6, 6), INT32_MIN, INT32_MAX))};
    } else {
      at = {Coordinate(rng, coordMode), Coordinate(rng, coordMode)};
    }
    rec.m_pPoints[i] = at;
    switch (flagMode) {
      case 0:
        rec.m_pFlags[i] = i == 0 || rng.Percent(3) ? 1 : 0;
        break;
      case 1:
        rec.m_pFlags[i] = rng.Percent(50) ? 0 : 1;
        break;
      default:
        rec.m_pFlags[i] = static_cast<uint8_t>(rng.Next());
        break;
    }
    switch (pressureMode) {
      case 0:
        rec.m_pPressure[i] = -1;
        break;
      case 1:
        rec.m_pPressure[i] = int32_t(rng.Range(0, 100));
        break;
      default:
        rec.m_pPressure[i] = rng.Percent(50) ? rng.Pick(kEdgeValues) : rng.Any();
        break;
    }
    rec.m_pSegLength[i] = rng.Percent(80) ? int32_t(rng.Range(0, 20)) : rng.Any();
    rec.m_pWidthLevel[i] = static_cast<uint8_t>(rng.Percent(80) ? rng.Range(0, 4) : rng.Range(0, 255));
  }
  rec.m_nPoints = n;
}

// The parameters that only the levels read: a change keeps the prepared points.
constexpr int kLevelParams[] = {2, 3, 4, 13, 14, 31, 39, 42, 43, 49, 113};

class HostileInputTest : public tmb::test::BrushEngineTest {
 protected:
  // Builds the outline and checks what every build must leave behind.
  void BuildAndCheck(const std::string& what) {
    SCOPED_TRACE(what);
    const std::vector<tmb::Point> drawnPoints = tmb::test::PointsOf(*drawn);
    const std::vector<int> drawnFlags = tmb::test::FlagsOf(*drawn);
    const ParamBlock& p = drawn->m_param;
    const bool shortRoad = drawn->m_nPoints < 3 && p[200] == 0 && gWorkCanvas.m_bInkActive == 0;
    const bool conversionRoad = !shortRoad && p[37] >= 300;

    ASSERT_EQ(work->BuildOutline(*drawn), 1);

    ASSERT_GE(work->m_nPoints, 0);
    ASSERT_LE(work->m_nPoints, kMaxCharPoints);
    EXPECT_EQ(work->m_param, drawn->m_param);
    if (gWorkCanvas.m_bInkActive == 0) {
      EXPECT_EQ(tmb::test::PointsOf(*drawn), drawnPoints);
      EXPECT_EQ(tmb::test::FlagsOf(*drawn), drawnFlags);
    }
    if (shortRoad || conversionRoad) return;
    EXPECT_EQ(drawn->m_nOutlineDirty, 0);

    // Every level lies between the lowest floor and the highest ceiling the parameters set.
    const bool penMode = p[47] != 0;
    const int lowest = penMode ? 1 : std::clamp(std::min(p[39], p[49]), -128, 127);
    // The contrast may round a level up to the 32nd size.
    const int highest = penMode ? drawn->m_nMaxLevel : std::clamp(std::max({32, drawn->m_nMaxLevel, p[39]}), -128, 127);
    const int n = work->m_nPoints;
    for (int i = 0; i + 1 < n; ++i) {
      const int level = drawn->m_pLevels[size_t(i)];
      if (level < lowest || level > highest) {
        ADD_FAILURE() << "level " << level << " of point " << i << " outside [" << lowest << ", " << highest << "]";
        break;
      }
    }
    if (!penMode) {
      for (int i = 0; i < kMaxCharPoints; ++i) ASSERT_LE(drawn->m_pLinks[size_t(i)], 1) << "link " << i;
    }
  }

  // One case: a random character built, built again unchanged (only the levels are
  // redone), then built with random level parameters.
  void RunCase(uint64_t seed) {
    Random rng(seed);
    ResetOutlineEngine();
    drawn->ClearPoints();
    work->ClearPoints();
    tmb::test::SetBrushDefaults(*drawn);
    tmb::test::SetBrushDefaults(*work);
    FillParams(rng, drawn->m_param);
    FillPoints(rng, *drawn);
    drawn->m_nOutlineDirty = 1;
    gWorkCanvas.m_bInkActive = rng.Percent(5) ? 1 : 0;
    const std::string trace = "seed " + std::to_string(seed);

    BuildAndCheck(trace + ", first build");
    BuildAndCheck(trace + ", levels only");
    for (int k = int(rng.Range(1, 6)); k > 0; --k) {
      drawn->m_param[size_t(rng.Pick(kLevelParams))] = rng.Percent(50) ? rng.Pick(kEdgeValues) : rng.Any();
    }
    BuildAndCheck(trace + ", new level parameters");
  }
};

// The number of cases and the first seed can be raised for a longer search.
uint64_t EnvNumber(const char* name, uint64_t fallback) {
  const char* text = std::getenv(name);
  return text ? std::strtoull(text, nullptr, 10) : fallback;
}

TEST_F(HostileInputTest, RandomCharactersBuildWithoutHarm) {
  const uint64_t first = EnvNumber("TMB_HOSTILE_SEED", 1);
  const uint64_t cases = EnvNumber("TMB_HOSTILE_CASES", 300);
  for (uint64_t seed = first; seed < first + cases; ++seed) {
    RunCase(seed);
    if (HasFatalFailure()) return;
  }
}

// The point filters and utilities on their own, with any arguments: whatever they are
// given, the count stays within the capacity.
TEST_F(HostileInputTest, RandomArgumentsLeaveThePointFiltersWithinCapacity) {
  const uint64_t first = EnvNumber("TMB_HOSTILE_SEED", 1);
  const uint64_t cases = EnvNumber("TMB_HOSTILE_CASES", 300);
  const float kFactors[] = {0.0f, -1.0f, 1.0f, 1.5f, 3.0f, 1e30f, -1e30f, 1.0f / 0.0f, 0.0f / 0.0f};
  for (uint64_t seed = first; seed < first + cases; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Random rng(seed);
    work->ClearPoints();
    FillParams(rng, work->m_param);
    FillPoints(rng, *work);
    auto arg = [&] { return rng.Percent(50) ? rng.Pick(kEdgeValues) : int32_t(rng.Range(-3, 50)); };
    for (int k = 0; k < 4; ++k) {
      switch (rng.Range(0, 17)) {
        case 0: work->RepeatPoints(arg()); break;
        case 1: work->DoubleStrokeEnds(arg()); break;
        case 2: work->ThinByStep(rng.Pick(kFactors)); break;
        case 3: work->RemoveEvenSteps(arg(), arg()); break;
        case 4: work->ReduceToCount(arg()); break;
        case 5: work->InsertEvenly(rng.Pick(kFactors)); break;
        case 6: work->ResampleTwice(arg(), arg()); break;
        case 7: work->PullStrokesInt(arg(), arg()); break;
        case 8: work->RepeatStrokeHeads(0); break;
        case 9: work->CutStrokeEnds(arg(), 0); break;
        case 10: work->StraightenRuns(arg(), arg(), arg()); break;
        case 11: work->ResampleStrokes(arg()); break;
        case 12: work->ResampleStrokesFloat(arg(), arg()); break;
        case 13: work->FillLinkGaps(arg(), arg(), arg()); break;
        case 14: work->PadShortStrokes(arg(), arg()); break;
        case 15: work->ScalePoints(rng.Pick(kFactors)); break;
        case 16: work->ComputeWidthLevelsBy(arg()); break;
        default: work->ApplyTransforms(); break;
      }
      ASSERT_GE(work->m_nPoints, 0);
      ASSERT_LE(work->m_nPoints, kMaxCharPoints);
    }
  }
}

}  // namespace
