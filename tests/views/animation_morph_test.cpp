// An animation from one real character to another, drawn by window A's view frame by
// frame into numbered pictures: the first shows A, the last B and the middle neither.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "convert/morph/morph_pair.h"
#include "export/animation/animation_params.h"
#include "export/animation/animation_step.h"
#include "export/animation/frame_output.h"
#include "export/picture/picture_read_result.h"
#include "export/picture/png_reader.h"
#include "support/picture_files.h"
#include "support/recorded_character.h"
#include "support/temp_dir.h"
#include "views/animation_frames.h"
#include "views/view_fixture.h"

namespace tmb::test {
namespace {

constexpr int kConvertingStyle = 400;
constexpr int kFrames = 5;

// Pixels that are ink in exactly one of the pictures, and the ink of the first.
struct InkDifference {
  int differing = 0;
  int ink = 0;
};

InkDifference Compare(const Surface& p, const Surface& q) {
  InkDifference d;
  for (int y = 0; y < kPaperHeight; ++y) {
    for (int x = 0; x < kPaperWidth; ++x) {
      const bool inkP = p.GetPixel(x, y) != kWhite, inkQ = q.GetPixel(x, y) != kWhite;
      d.differing += inkP != inkQ ? 1 : 0;
      d.ink += inkP ? 1 : 0;
    }
  }
  return d;
}

class AnimationMorph : public DrawingViewTest {
 protected:
  void SetUp() override {
    DrawingViewTest::SetUp();
    AppendRecordedCharacter(a);
    AppendRecordedTrees(b);
    for (CCharDataFull* r : {&a, &b}) {
      r->m_nLoadState = 2;
      r->m_param[37] = kConvertingStyle;
    }
    view = &MakeView();
    FirstPaint(*view);
  }
  void TearDown() override {
    gMorphPair.Clear();
    gPlaybackOutput.Abandon();
    DrawingViewTest::TearDown();
  }
  // Window A's picture of its record with the points of points.
  Surface Rendering(const CCharData& points) {
    auto own = std::make_unique<CCharDataFull>();
    own->CopyPoints(a);
    a.CopyPoints(points);
    a.m_nOutlineDirty = 1;
    {
      CTmbView::ClientDC dc(*view);
      view->PrepareOffscreenDCs(dc);
      view->PaintCharacterView(dc);
      view->ReleaseOffscreenDCs();
    }
    a.CopyPoints(*own);
    a.m_nOutlineDirty = 1;
    Surface copy;
    copy.Create(kPaperWidth, kPaperHeight, PixelFormat::kColour32);
    DeviceContext to(&copy);
    DeviceContext from(&view->m_pBrushState->m_bitmap);
    to.BitBlt(0, 0, kPaperWidth, kPaperHeight, &from, 0, 0, kSrcCopy);
    return copy;
  }

  CTmbView* view = nullptr;
};

TEST_F(AnimationMorph, TheFramesRunFromAsCharacterToBs) {
  const Surface renderingA = Rendering(a);
  const Surface renderingB = Rendering(b);
  TempDir dir;
  a.m_text[kTextFolder] = dir.path().string();
  a.m_text[kTextAnimationName] = "morph";
  a.m_param[kAnimFrames] = kFrames;
  a.m_param[kAnimMorphSwitch] = 1;
  a.m_param[kAnimFrameFiles] = 1;
  a.m_param[kAnimFrameFormat] = 1;  // PNG
  gPlaybackOutput.m_rcCanvas = {0, 0, kPaperWidth, kPaperHeight};
  CViewAnimationFrame frames(*view);
  const CAnimationRecords records{&a, &a, &b, &a, &b};
  {
    CTmbView::ClientDC dc(*view);
    ASSERT_EQ(RunAnimation(frames, dc, records, kKindDrawA), 1);
  }
  EXPECT_FALSE(gMorphPair.IsPrepared());
  EXPECT_TRUE(messages.ids.empty());
  // The window's own character is as it was.
  EXPECT_EQ(Compare(Rendering(a), renderingA).differing, 0);

  Surface shown[kFrames];
  for (int i = 0; i < kFrames; ++i) {
    ASSERT_TRUE(shown[i].Create(kPaperWidth, kPaperHeight, PixelFormat::kColour32));
    Size size;
    DeviceContext dc(&shown[i]);
    ASSERT_EQ(ReadPngFile(&dc, (dir / ("morph_0" + std::to_string(i + 1) + ".png")).string(), &size, &shown[i]),
              kPictureRead)
        << i;
    SavePictureForViewing(shown[i], "animation_morph_frame_" + std::to_string(i + 1));
  }
  SavePictureForViewing(renderingA, "animation_morph_a");
  SavePictureForViewing(renderingB, "animation_morph_b");

  const InkDifference first = Compare(shown[0], renderingA);
  const InkDifference last = Compare(shown[kFrames - 1], renderingB);
  const InkDifference middleA = Compare(shown[2], renderingA);
  const InkDifference middleB = Compare(shown[2], renderingB);
  EXPECT_GT(first.ink, 5000);
  EXPECT_GT(last.ink, 5000);
  EXPECT_LT(first.differing, first.ink / 5);
  EXPECT_LT(last.differing, last.ink / 5);
  EXPECT_GT(middleA.differing, middleA.ink / 3);
  EXPECT_GT(middleB.differing, middleB.ink / 3);
}

}  // namespace
}  // namespace tmb::test
