#include "core/canvas/work_bitmap.h"

#include <gtest/gtest.h>

#include "platform/gdi/bitmap_memory.h"

namespace {

TEST(WorkBitmap, CreatesOnceAndDestroysOnce) {
  tmb::DeviceContext screen;
  CWorkBitmap colour, mono;
  EXPECT_EQ(colour.Destroy(), 0) << "never created";
  colour.SetSizeToCreate(30, 20);
  mono.SetSizeToCreate(30, 20);
  EXPECT_EQ(colour.m_size, (tmb::Size{0, 0}));
  EXPECT_EQ(colour.Create(&screen, 1), 1);
  EXPECT_EQ(mono.Create(&screen, 0), 1);
  EXPECT_FALSE(colour.IsMono());
  EXPECT_TRUE(mono.IsMono());
  EXPECT_EQ(colour.m_size, (tmb::Size{30, 20}));
  const uint8_t* bits = colour.bits();
  colour.SetSizeToCreate(60, 60);
  EXPECT_EQ(colour.Create(&screen, 1), 2) << "already created: nothing changes";
  EXPECT_EQ(colour.bits(), bits);
  EXPECT_EQ(colour.size(), (tmb::Size{30, 20}));
  EXPECT_EQ(colour.Destroy(), 1);
  EXPECT_TRUE(colour.IsNull());
  EXPECT_EQ(colour.Destroy(), 0);
}

TEST(WorkBitmap, FailureLeavesItUncreated) {
  tmb::DeviceContext screen;
  CWorkBitmap empty;
  EXPECT_EQ(empty.Create(&screen, 1), -1) << "no size to create";
  CWorkBitmap big;
  big.SetSizeToCreate(1000, 1000);
  tmb::ScopedBitmapMemoryLimit limit(tmb::BitmapMemoryInUse() + 1000);
  EXPECT_EQ(big.Create(&screen, 1), -1);
  EXPECT_FALSE(big.m_bCreated);
}

}  // namespace
