// The mask effects on one-bit planes: which planes they work in, what the second plane
// starts from, the hollowing's two results and the progress of a step.
#include "brush/bitmap/mask_effects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/onebit/region_scan.h"
#include "core/onebit/mask_rows.h"
#include "support/recorded_services.h"
#include "support/scoped_work_canvas.h"

namespace {

constexpr int kW = 40, kH = 30;
constexpr tmb::Colour kPaper = 0xE8D8C0, kInk = 0x0000FF;
const tmb::Rect kSquare{10, 8, 26, 22};

tmb::Surface SquarePicture() {
  tmb::Surface s;
  EXPECT_TRUE(s.Create(kW, kH, tmb::PixelFormat::kColour32));
  s.Fill(kPaper);
  tmb::DeviceContext dc(&s);
  dc.FillSolidRect(kSquare, kInk);
  return s;
}

// Ink pixels of the canvas's one-bit DIB k, as a plane of the picture's size sees them.
int InkOfCanvasDib(int k) {
  CMonoBitmap m;
  m.Attach(MaskDibRows(k).data(), 0, 0, kW, kH, kW, kH);
  return CountInkPixels(m);
}

int Changed(const tmb::Surface& a, const tmb::Surface& b) {
  int n = 0;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) n += a.GetPixel(x, y) != b.GetPixel(x, y);
  }
  return n;
}

// The planes are the work canvas's one-bit DIBs: the first holds the picture's ink, the
// second the result (here the square's outline).
TEST(ApplyMaskEffect, WorksInTheCanvassOneBitDibs) {
  tmb::test::ScopedWorkCanvas canvas(kW, kH);
  tmb::Surface picture = SquarePicture();
  CEffectRandom random;
  EXPECT_GT(ApplyMaskEffect(picture, picture.Bounds(), 1, kPaper, kPaper, 0, {}, random), 0);
  EXPECT_EQ(InkOfCanvasDib(0), kSquare.Width() * kSquare.Height());
  EXPECT_EQ(InkOfCanvasDib(1), 2 * (kSquare.Width() + kSquare.Height()) - 4);
  EXPECT_EQ(picture.GetPixel(kSquare.left, 15), kInk) << "the outline keeps its colour";
  EXPECT_EQ(picture.GetPixel(15, 15), kPaper);
}

// The second plane starts as a copy of the ink for effects 0, 2, 4 and 5, and empty for
// the others: an effect whose step writes nothing then changes nothing, or clears all.
TEST(ApplyMaskEffect, TheSecondPlaneStartsAsTheInkForEffectsZeroTwoFourAndFive) {
  const tmb::Surface original = SquarePicture();
  struct Case {
    int effect;
    int inkInsideKept;  // the square's middle pixel keeps its ink
    int changedAtMost;
  } cases[] = {{0, 1, 0}, {2, 1, 0}, {5, 1, 0}, {4, 1, 2 * (16 + 14)}, {8, 0, 16 * 14}, {9, 0, 16 * 14}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.effect);
    tmb::Surface picture = SquarePicture();
    CEffectRandom random(3);
    ApplyMaskEffect(picture, picture.Bounds(), c.effect, kPaper, kPaper, 0, {}, random);
    EXPECT_EQ(picture.GetPixel(18, 15) == kInk, c.inkInsideKept != 0);
    EXPECT_LE(Changed(picture, original), c.changedAtMost);
  }
  // Effect 9 has no step of its own: from an empty plane, all the ink goes.
  tmb::Surface picture = SquarePicture();
  CEffectRandom random;
  EXPECT_EQ(ApplyMaskEffect(picture, picture.Bounds(), 9, kPaper, kPaper, 0, {}, random), 16 * 14);
}

// Hollowing wears the ink away an edge a round for the repeat count; the ink left stays
// in the second plane, the worn edges gather in the third, which is the result: a frame
// as wide as the rounds.
TEST(ApplyMaskEffect, HollowingGathersTheWornEdgesIntoTheThirdPlane) {
  tmb::test::ScopedWorkCanvas canvas(kW, kH);
  tmb::Surface picture = SquarePicture();
  CEffectRandom random;
  ApplyMaskEffect(picture, picture.Bounds(), 13, kPaper, kPaper, 2, {}, random);
  EXPECT_EQ(InkOfCanvasDib(1), (16 - 4) * (14 - 4)) << "the ink not worn";
  EXPECT_EQ(InkOfCanvasDib(2), 16 * 14 - 12 * 10) << "the frame";
  EXPECT_EQ(picture.GetPixel(kSquare.left + 1, 15), kInk);
  EXPECT_EQ(picture.GetPixel(kSquare.left + 2, 15), kPaper);
}

// Thinning takes one pixel at a time, testing each against the plane as it stands: a
// staircase band keeps its whole length, where removing all the pixels a round allows
// at once wears such a band away from its ends.
TEST(ApplyMaskEffect, AxisExtractionKeepsAStaircaseBandWhole) {
  tmb::Surface picture;
  ASSERT_TRUE(picture.Create(50, 40, tmb::PixelFormat::kColour32));
  picture.Fill(0xFFFFFF);
  for (int y = 4; y < 34; ++y) {
    for (int x = y - 2; x < y + 2; ++x) picture.SetPixel(x, y, 0);
  }
  CEffectRandom random;
  ASSERT_GT(ApplyMaskEffect(picture, picture.Bounds(), 66, 0xFFFFFF, 0, 0, {}, random), 0);
  int top = 40, bottom = -1;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 50; ++x) {
      if (picture.GetPixel(x, y) != 0) continue;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  EXPECT_LE(top, 6);
  EXPECT_GE(bottom, 31);
}

// Stone dots (3) and the drag to the left (17) put their ink onto the ink there was: every
// pixel of the square keeps its ink, wherever a dot fell, and the paper takes new ink.
TEST(ApplyMaskEffect, StoneDotsAndTheDragAddToTheInkThereWas) {
  constexpr tmb::Colour kAdded = 0x00FF00;
  for (int effect : {3, 17}) {
    SCOPED_TRACE(effect);
    const tmb::Surface original = SquarePicture();
    tmb::Surface picture = SquarePicture();
    CEffectRandom random(5);
    MaskStepValues values;
    values.density = 30;
    EXPECT_GT(ApplyMaskEffect(picture, picture.Bounds(), effect, kPaper, kAdded, 0, values, random), 0);
    int kept = 0, added = 0;
    for (int y = 0; y < kH; ++y) {
      for (int x = 0; x < kW; ++x) {
        if (original.GetPixel(x, y) == kInk) kept += picture.GetPixel(x, y) == kInk;
        if (original.GetPixel(x, y) == kPaper) added += picture.GetPixel(x, y) == kAdded;
      }
    }
    EXPECT_EQ(kept, kSquare.Width() * kSquare.Height());
    EXPECT_GT(added, 0);
  }
}

// The axis extraction, the longest of the mask effects, shows its progress as it thins.
TEST(ApplyMaskEffect, AxisExtractionShowsItsProgressAndResetsIt) {
  for (int show : {1, 0}) {
    SCOPED_TRACE(show);
    tmb::Surface picture = SquarePicture();
    CEffectRandom random;
    tmb::test::RecordedProgress progress;
    ASSERT_GT(ApplyMaskEffect(picture, picture.Bounds(), 66, kPaper, kPaper, 0, {}, random, show), 0);
    if (!show) {
      EXPECT_TRUE(progress.positions.empty());
      continue;
    }
    ASSERT_GE(progress.positions.size(), 3u);
    EXPECT_EQ(progress.positions.front(), 0);
    EXPECT_EQ(progress.positions.back(), -1);
    EXPECT_NE(std::find(progress.positions.begin(), progress.positions.end(), 50), progress.positions.end())
        << "the first pass goes through the rows";
    for (int p : progress.positions) EXPECT_TRUE(p == -1 || (p >= 0 && p <= 100 && p % 10 == 0)) << p;
  }
}

TEST(MaskNeighbourhoodStep, ShowsItsProgressByTensOfTheRowsAndResetsIt) {
  OneBitPlane source, destination;
  ASSERT_TRUE(source.Make({20, 50}, {0, 0, 20, 50}));
  ASSERT_TRUE(destination.Make({20, 50}, {0, 0, 20, 50}));
  CEffectRandom random;
  tmb::test::RecordedProgress progress;
  MaskNeighbourhoodStep(source.map(), destination.map(), 1, {}, random, 1);
  EXPECT_EQ(progress.positions, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, -1}));
  progress.positions.clear();
  MaskNeighbourhoodStep(source.map(), destination.map(), 1, {}, random, 0);
  EXPECT_TRUE(progress.positions.empty());
}

}  // namespace
