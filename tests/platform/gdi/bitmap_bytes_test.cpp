#include "platform/gdi/bitmap_bytes.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/bitmap_memory.h"

namespace {

using tmb::BitmapBytes;
using tmb::BitmapMemoryInUse;

TEST(BitmapBytes, HoldsItsBytesInTheBudgetWhileItLives) {
  const size_t before = BitmapMemoryInUse();
  {
    BitmapBytes bytes;
    ASSERT_TRUE(bytes.Allocate(1000));
    EXPECT_EQ(bytes.size(), 1000u);
    EXPECT_EQ(BitmapMemoryInUse(), before + 1000);
    ASSERT_TRUE(bytes.AllocateForOverwrite(300)) << "a new size replaces the old";
    EXPECT_EQ(BitmapMemoryInUse(), before + 300);
    ASSERT_TRUE(bytes.Allocate(5));
    EXPECT_EQ(std::vector<uint8_t>(bytes.data(), bytes.data() + 5), std::vector<uint8_t>(5, 0));
  }
  EXPECT_EQ(BitmapMemoryInUse(), before);
}

TEST(BitmapBytes, RefusedBytesLeaveNothingHeld) {
  const size_t before = BitmapMemoryInUse();
  tmb::ScopedBitmapMemoryLimit limit(before + 500);
  BitmapBytes bytes;
  ASSERT_TRUE(bytes.Allocate(400));
  EXPECT_FALSE(bytes.AllocateForOverwrite(501));
  EXPECT_EQ(bytes.size(), 0u);
  EXPECT_EQ(bytes.data(), nullptr);
  EXPECT_EQ(BitmapMemoryInUse(), before);
  EXPECT_FALSE(bytes.Allocate(size_t(1) << 62));
  EXPECT_TRUE(bytes.Allocate(500));
}

}  // namespace
