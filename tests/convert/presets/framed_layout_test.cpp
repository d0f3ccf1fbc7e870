#include "convert/presets/framed_layout.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/path/stroke_path.h"
#include "core/record/edit_regions.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Box = std::array<int, 4>;

// Three framed parts whose points span (20, 20, 60, 40), (100, 30, 160, 70) and (200, 10,
// 220, 90), each in a frame 10 wider on every side (the last reaching y 0), and a fourth
// stroke in no frame.
class FramedLayout : public ::testing::Test {
 public:
  void SetUp() override {
    gWorkCanvas.Reset();
    Reset();
  }
  void TearDown() override { gWorkCanvas.Reset(); }

  // The parts and frames as at the start.
  void Reset() {
    path.SetCount(0);
    regions = std::make_unique<CEditRegions>();
    Fill(path, {{20, 20, 1}, {60, 40, 0}, {100, 30, 1}, {160, 70, 0}, {200, 10, 1}, {220, 90, 0}, {300, 300, 1},
                {400, 300, 0}});
    SetFrames({{10, 10, 70, 50}, {90, 20, 170, 80}, {190, 0, 230, 100}});
  }

  void SetFrames(const std::vector<Box>& frames) {
    regions->m_nCount = int(frames.size());
    for (size_t k = 0; k < frames.size(); ++k) {
      regions->m_rects[k] = {frames[k][0], frames[k][1], frames[k][2], frames[k][3]};
    }
  }
  std::vector<Box> Frames() const {
    std::vector<Box> out;
    for (int k = 0; k < regions->m_nCount; ++k) {
      const tmb::Rect& r = regions->m_rects[size_t(k)];
      out.push_back({r.left, r.top, r.right, r.bottom});
    }
    return out;
  }
  int Run(int operation, int edge, int box, int dimension, int a = 0, int b = 0) {
    return LayoutFrames(path, nullptr, operation, *regions, edge, box, dimension, a, b);
  }

  CStrokePath path{32};
  std::unique_ptr<CEditRegions> regions = std::make_unique<CEditRegions>();
};

// The points of the three parts, then the free stroke (never moved).
std::vector<PathPoint> Parts(std::array<std::array<float, 4>, 3> parts) {
  std::vector<PathPoint> out;
  for (const auto& p : parts) {
    out.push_back({p[0], p[1], 1});
    out.push_back({p[2], p[3], 0});
  }
  out.push_back({300, 300, 1});
  out.push_back({400, 300, 0});
  return out;
}

TEST_F(FramedLayout, EachOperationMovesThePartsAndTheirFrames) {
  const auto kGiven = Parts({{{20, 20, 60, 40}, {100, 30, 160, 70}, {200, 10, 220, 90}}});
  const std::vector<Box> kFrames = {{10, 10, 70, 50}, {90, 20, 170, 80}, {190, 0, 230, 100}};
  const std::vector<Box> kCentredFrames = {{140, 10, 200, 50}, {220, 20, 300, 80}, {320, 0, 360, 100}};
  const auto kCentred = Parts({{{150, 20, 190, 40}, {230, 30, 290, 70}, {330, 10, 350, 90}}});
  struct Case {
    std::string name;
    int operation, edge, box, dimension, a, b;
    std::function<void(FramedLayout&)> setup;
    std::vector<PathPoint> points;
    std::vector<Box> frames;
  };
  const Case cases[] = {
      {"align left on the extents", kLayoutAlign, kEdgeLeft, kBoxExtent, 0, 0, 0, nullptr,
       Parts({{{20, 20, 60, 40}, {20, 30, 80, 70}, {20, 10, 40, 90}}}),
       {{10, 10, 70, 50}, {10, 20, 90, 80}, {10, 0, 50, 100}}},
      {"align right on the frames", kLayoutAlign, kEdgeRight, kBoxFrame, 0, 0, 0, nullptr,
       Parts({{{20, 20, 60, 40}, {0, 30, 60, 70}, {40, 10, 60, 90}}}),
       {{10, 10, 70, 50}, {-10, 20, 70, 80}, {30, 0, 70, 100}}},
      {"align on a reference naming no frame", kLayoutAlign, kEdgeLeft, kBoxExtent, 0, 0, 0,
       [](FramedLayout& t) { t.regions->m_nReference = 3; }, kGiven, kFrames},
      {"align on a negative reference", kLayoutAlign, kEdgeTop, kBoxExtent, 0, 0, 0,
       [](FramedLayout& t) { t.regions->m_nReference = -1; }, kGiven, kFrames},
      {"distribute the left edges", kLayoutDistribute, kEdgeLeft, kBoxExtent, 0, 0, 0, nullptr,
       Parts({{{20, 20, 60, 40}, {110, 30, 170, 70}, {200, 10, 220, 90}}}),
       {{10, 10, 70, 50}, {100, 20, 180, 80}, {190, 0, 230, 100}}},
      {"distribute two frames", kLayoutDistribute, kEdgeLeft, kBoxExtent, 0, 0, 0,
       [](FramedLayout& t) { t.regions->m_nCount = 2; }, kGiven, {{10, 10, 70, 50}, {90, 20, 170, 80}}},
      {"equalise the widths", kLayoutEqualise, kEdgeLeft, kBoxExtent, kDimensionWidth, 0, 0, nullptr,
       Parts({{{20, 20, 60, 40}, {100, 30, 140, 70}, {200, 10, 240, 90}}}),
       {{10, 10, 70, 50}, {100, 20, 140, 80}, {200, 0, 240, 100}}},
      {"equalise a zero-width part", kLayoutEqualise, kEdgeLeft, kBoxExtent, kDimensionWidth, 0, 0,
       [](FramedLayout& t) {
         t.path.m_pPoints[4].x = 200.25f;
         t.path.m_pPoints[5].x = 200.75f;
       },
       Parts({{{20, 20, 60, 40}, {100, 30, 140, 70}, {200, 10, 200, 90}}}),
       {{10, 10, 70, 50}, {100, 20, 140, 80}, {200, 0, 240, 100}}},
      {"equalise on a reference naming no frame", kLayoutEqualise, kEdgeLeft, kBoxExtent, kDimensionBoth, 0, 0,
       [](FramedLayout& t) { t.regions->m_nReference = 7; }, kGiven, kFrames},
      {"move", kLayoutMove, kEdgeLeft, kBoxExtent, 0, 3, 5, nullptr,
       Parts({{{23, 25, 63, 45}, {103, 35, 163, 75}, {203, 15, 223, 95}}}),
       {{13, 15, 73, 55}, {93, 25, 173, 85}, {193, 5, 233, 105}}},
      {"scale 200 by 50 percent", kLayoutScale, kEdgeLeft, kBoxExtent, 0, 200, 50, nullptr,
       Parts({{{20, 20, 100, 30}, {100, 30, 220, 50}, {200, 10, 240, 50}}}),
       {{20, 20, 100, 30}, {100, 30, 220, 50}, {200, 10, 240, 50}}},
      {"scale -100 percent mirrors", kLayoutScale, kEdgeLeft, kBoxExtent, 0, -100, 100, nullptr,
       Parts({{{20, 20, -20, 40}, {100, 30, 40, 70}, {200, 10, 180, 90}}}),
       {{-20, 20, 20, 40}, {40, 30, 100, 70}, {180, 10, 200, 90}}},
      {"centre across the paper", kLayoutCentre, kEdgeLeft, kBoxExtent, kDimensionWidth, 0, 0, nullptr, kCentred,
       kCentredFrames},
      {"centre after a move to negative x", kLayoutCentre, kEdgeLeft, kBoxExtent, kDimensionWidth, 0, 0,
       [](FramedLayout& t) { t.Run(kLayoutMove, 0, 0, 0, -300, 0); }, kCentred, kCentredFrames},
      {"centre both ways", kLayoutCentre, kEdgeLeft, kBoxExtent, kDimensionBoth, 0, 0, nullptr,
       Parts({{{150, 345, 190, 365}, {230, 355, 290, 395}, {330, 335, 350, 415}}}),
       {{140, 335, 200, 375}, {220, 345, 300, 405}, {320, 325, 360, 425}}},
      {"an unknown operation", 6, kEdgeLeft, kBoxExtent, 0, 9, 9, nullptr, kGiven, kFrames},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    if (c.setup) c.setup(*this);
    EXPECT_EQ(Run(c.operation, c.edge, c.box, c.dimension, c.a, c.b), 1);
    EXPECT_EQ(PointsOf(path), c.points);
    EXPECT_EQ(Frames(), c.frames);
  }
}

TEST_F(FramedLayout, ClearDeletesTheFramedStrokesAndEmptiesTheFrames) {
  regions->m_nCurrent = 2;
  regions->m_nReference = 1;
  EXPECT_EQ(Run(kLayoutClear, 0, 0, 0), 1);
  // The free stroke after them is whole and still starts a stroke.
  EXPECT_EQ(PointsOf(path), (std::vector<PathPoint>{{300, 300, 1}, {400, 300, 0}}));
  EXPECT_EQ(regions->m_nCount, 0);
  EXPECT_EQ(regions->m_nCurrent, 0);
  EXPECT_EQ(regions->m_nReference, 0);
}

TEST_F(FramedLayout, ScaledAndMirroredPartsAreFoundInTheirFramesAgain) {
  // After a mirror the frames are normalised: a second layout still finds every part.
  Run(kLayoutScale, 0, kBoxFrame, 0, -100, 100);
  EXPECT_EQ(Frames(), (std::vector<Box>{{-50, 10, 10, 50}, {10, 20, 90, 80}, {150, 0, 190, 100}}));
  Run(kLayoutMove, 0, 0, 0, 1, 0);
  EXPECT_EQ(PointsOf(path), Parts({{{1, 20, -39, 40}, {81, 30, 21, 70}, {181, 10, 161, 90}}}));
}

TEST_F(FramedLayout, FarMovesHoldTheFramesWithinTheIntRange) {
  for (int k = 0; k < 4; ++k) Run(kLayoutMove, 0, 0, 0, 2'000'000'000, -2'000'000'000);
  for (const Box& f : Frames()) {
    EXPECT_EQ(f[2], INT32_MAX);
    EXPECT_EQ(f[1], INT32_MIN);
  }
}

TEST_F(FramedLayout, WithASecondPathTheFramesPickItsStrokesOfTheSameNumbers) {
  // The second path holds the same strokes 1000 lower: the frames, matched on the first
  // path, move the second one's strokes.
  CStrokePath second(32);
  for (int i = 0; i < path.GetCount(); ++i) {
    second.AppendPoint(int(path.m_pPoints[i].x), int(path.m_pPoints[i].y) + 1000, path.m_pFlags[i]);
  }
  const auto before = PointsOf(path);
  LayoutFrames(path, &second, kLayoutMove, *regions, 0, 0, 0, 3, 5);
  EXPECT_EQ(PointsOf(path), before);
  const auto moved = PointsOf(second);
  EXPECT_EQ(moved[3], (PathPoint{163, 1075, 0}));
  EXPECT_EQ(moved[6], (PathPoint{300, 1300, 1}));
}

}  // namespace
