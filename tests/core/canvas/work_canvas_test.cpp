#include "core/canvas/work_canvas.h"

#include <gtest/gtest.h>

#include "core/onebit/trace_buffer.h"
#include "platform/gdi/bitmap_memory.h"
#include "support/scripted_messages.h"

namespace {

class WorkCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override { gWorkCanvas.Reset(); }
  void TearDown() override { gWorkCanvas.Reset(); }
  tmb::DeviceContext screen;
  tmb::test::ScriptedMessages messages;
};

TEST_F(WorkCanvasTest, ConstructionAndInitGiveTheSizesToCreate) {
  EXPECT_EQ(gWorkCanvas.m_nTraceLevel, 400);
  EXPECT_EQ(gWorkCanvas.m_pColorBitmap, nullptr);
  gWorkCanvas.Init(100, 200, "/data", 64000, 32, 40);
  EXPECT_EQ(gWorkCanvas.m_rect, (tmb::Rect{0, 0, 100, 200}));
  EXPECT_EQ(gWorkCanvas.m_scaledWidth, 400);
  EXPECT_EQ(gWorkCanvas.m_scaledHeight, 800);
  EXPECT_EQ(gWorkCanvas.m_ptOrigin, (tmb::Point{32, 40}));
  EXPECT_EQ(gWorkCanvas.m_nMaxPoints, 64000);
  EXPECT_EQ(gWorkCanvas.m_folder, "/data");
  for (const CWorkBitmap& b : gWorkCanvas.m_maskBitmaps) EXPECT_EQ(b.m_sizeCreate, (tmb::Size{100, 200}));
  EXPECT_EQ(gWorkCanvas.m_colorBitmap.m_sizeCreate, (tmb::Size{256, 1024}));
  EXPECT_EQ(gWorkCanvas.m_scaledMaskBitmap.m_sizeCreate, (tmb::Size{400, 800}));
  EXPECT_FALSE(gWorkCanvas.m_maskBitmaps[0].m_bCreated);
}

TEST_F(WorkCanvasTest, CreatesEveryBitmapAndBlockAtItsSize) {
  gWorkCanvas.Init(100, 200, "", 32000, 32, 32);
  ASSERT_EQ(gWorkCanvas.CreateBitmaps(&screen), 1);
  EXPECT_TRUE(messages.ids.empty());
  for (const CWorkBitmap& b : gWorkCanvas.m_maskBitmaps) {
    EXPECT_TRUE(b.IsMono());
    EXPECT_EQ(b.size(), (tmb::Size{100, 200}));
  }
  EXPECT_EQ(gWorkCanvas.m_pColorBitmap, &gWorkCanvas.m_colorBitmap);
  EXPECT_FALSE(gWorkCanvas.m_colorBitmap.IsMono());
  EXPECT_EQ(gWorkCanvas.m_colorBitmap.size(), (tmb::Size{256, 1024}));
  EXPECT_EQ(gWorkCanvas.m_scaledMaskBitmap.size(), (tmb::Size{400, 800}));
  EXPECT_TRUE(gWorkCanvas.m_scaledMaskBitmap.IsMono());
  EXPECT_EQ(gWorkCanvas.m_spareBitmap.size(), (tmb::Size{100, 200})) << "the drawing pass's scratch target exists";
  EXPECT_FALSE(gWorkCanvas.m_spareBitmap.IsMono());
  for (const CDib& d : gWorkCanvas.m_maskDibs) {
    EXPECT_EQ(d.m_blockSize, (tmb::Size{100, 200}));
    EXPECT_EQ(d.m_nBlockSize, 3262u);
  }
  for (const CDib& d : gWorkCanvas.m_scaledDibs) EXPECT_EQ(d.m_blockSize, (tmb::Size{400, 800}));
  EXPECT_EQ(gTraceBuffer.m_nCapacity, 32000);

  // A second call makes nothing new.
  const uint8_t* mask = gWorkCanvas.m_maskBitmaps[2].bits();
  const uint8_t* block = gWorkCanvas.m_scaledDibs[1].m_pBlock;
  EXPECT_EQ(gWorkCanvas.CreateBitmaps(&screen), 1);
  EXPECT_EQ(gWorkCanvas.m_maskBitmaps[2].bits(), mask);
  EXPECT_EQ(gWorkCanvas.m_scaledDibs[1].m_pBlock, block);
}

TEST_F(WorkCanvasTest, TheDefaultPaperGetsATallerColourBitmap) {
  gWorkCanvas.Init(500, 750, "", 32000, 32, 32);
  ASSERT_EQ(gWorkCanvas.CreateBitmaps(&screen), 1);
  EXPECT_EQ(gWorkCanvas.m_colorBitmap.size(), (tmb::Size{500, 1024}));
  EXPECT_EQ(gWorkCanvas.m_maskBitmaps[3].size(), (tmb::Size{500, 750}));
}

TEST_F(WorkCanvasTest, DeletingReleasesEverythingAndIsHarmlessBeforeCreation) {
  const size_t before = tmb::BitmapMemoryInUse();
  gWorkCanvas.Init(100, 200, "", 32000, 32, 32);
  gWorkCanvas.DeleteBitmaps();
  EXPECT_EQ(tmb::BitmapMemoryInUse(), before);
  ASSERT_EQ(gWorkCanvas.CreateBitmaps(&screen), 1);
  gWorkCanvas.DeleteBitmaps();
  EXPECT_EQ(tmb::BitmapMemoryInUse(), before);
  EXPECT_TRUE(gWorkCanvas.m_colorBitmap.IsNull());
  EXPECT_FALSE(gWorkCanvas.m_colorBitmap.m_bCreated);
  EXPECT_FALSE(gWorkCanvas.m_maskDibs[0].m_bOwnsBlock);
  EXPECT_FALSE(gTraceBuffer.m_bAllocated);
}

TEST_F(WorkCanvasTest, AFailingStageIsReportedByNumberAndWhatWasMadeStays) {
  // Bytes each stage needs for a 100 x 200 paper: bitmaps hold their rows and a little
  // slack, blocks their BMP layout.
  const size_t slack = tmb::Surface::kReadSlack;
  const size_t mask = 16 * 200 + slack, colour = 256 * 1024 * 4 + slack, spare = 100 * 200 * 4 + slack;
  const size_t scaled = 52 * 800 + slack, maskDib = 3262, scaledDib = 62 + 52 * 800;
  const size_t stages[5] = {4 * mask, colour + spare, scaled, 3 * maskDib, 2 * scaledDib};
  for (int stage = 1; stage <= 5; ++stage) {
    gWorkCanvas.Reset();
    messages.ids.clear();
    messages.texts.clear();
    gWorkCanvas.Init(100, 200, "", 32000, 32, 32);
    size_t budget = tmb::BitmapMemoryInUse();
    for (int s = 1; s < stage; ++s) budget += stages[s - 1];
    {
      tmb::ScopedBitmapMemoryLimit limit(budget + stages[stage - 1] - 1);
      EXPECT_EQ(gWorkCanvas.CreateBitmaps(&screen), 0) << stage;
    }
    ASSERT_EQ(messages.ids, std::vector<int>{62136}) << stage;
    EXPECT_EQ(messages.texts[0], "The work bitmaps of the paper could not be made (stage " + std::to_string(stage) + ").");
    EXPECT_EQ(gWorkCanvas.m_maskBitmaps[3].m_bCreated, stage > 1);
    EXPECT_EQ(gWorkCanvas.m_spareBitmap.m_bCreated, stage > 2);
    EXPECT_EQ(gWorkCanvas.m_scaledMaskBitmap.m_bCreated, stage > 3);
    EXPECT_EQ(gWorkCanvas.m_maskDibs[2].m_bOwnsBlock, stage > 4);
    EXPECT_EQ(gWorkCanvas.m_pColorBitmap, &gWorkCanvas.m_colorBitmap) << "set whatever the outcome";
    EXPECT_TRUE(gTraceBuffer.m_bAllocated) << "the vectoriser's lists are sized in any case";
    // With memory back, the missing stages are made and the earlier ones kept.
    messages.ids.clear();
    EXPECT_EQ(gWorkCanvas.CreateBitmaps(&screen), 1);
    EXPECT_TRUE(messages.ids.empty());
  }
}

}  // namespace
