#include "platform/gdi/region.h"

#include <gtest/gtest.h>

#include "platform/gdi/device_context.h"
#include "support/surface_text.h"

namespace tmb {
namespace {

using test::Lines;
using test::SurfaceText;

std::string Picture(const Region& region, int w, int h) {
  Surface s;
  EXPECT_TRUE(s.Create(w, h, PixelFormat::kMono1));
  s.Fill(0xFFFFFF);
  DeviceContext dc(&s);
  dc.FillRegion(region, Brush::Solid(0x000000));
  return SurfaceText(s);
}

TEST(Region, CombinesBySetOperations) {
  const Region a = Region::FromRect({1, 1, 5, 4});
  const Region b = Region::FromRect({3, 2, 7, 5});
  const struct {
    int op;
    std::vector<std::string> picture;
    int kind;
  } cases[] = {
      {kRgnAnd, {"........", "........", "...##...", "...##...", "........"}, kRgnSimple},
      {kRgnOr, {"........", ".####...", ".######.", ".######.", "...####."}, kRgnComplex},
      {kRgnXor, {"........", ".####...", ".##..##.", ".##..##.", "...####."}, kRgnComplex},
      {kRgnDiff, {"........", ".####...", ".##.....", ".##.....", "........"}, kRgnComplex},
      {kRgnCopy, {"........", ".####...", ".####...", ".####...", "........"}, kRgnSimple},
  };
  for (const auto& c : cases) {
    Region r;
    EXPECT_EQ(r.Combine(a, b, c.op), c.kind) << c.op;
    EXPECT_EQ(Picture(r, 8, 5), Lines(c.picture)) << c.op;
  }
  Region none;
  EXPECT_EQ(none.Combine(Region::FromRect({0, 0, 2, 2}), Region::FromRect({5, 5, 6, 6}), kRgnAnd), kRgnNull);
  EXPECT_TRUE(none.IsEmpty());
  EXPECT_EQ(none.Combine(a, b, 9), kRgnError);
}

TEST(Region, APolygonRegionHoldsThePixelsItsFillCovers) {
  const Point star[] = {{12, 1}, {19, 22}, {1, 9}, {23, 9}, {5, 22}};
  for (int mode : {kAlternate, kWinding}) {
    Surface filled;
    ASSERT_TRUE(filled.Create(24, 24, PixelFormat::kMono1));
    filled.Fill(0xFFFFFF);
    DeviceContext dc(&filled);
    dc.SelectPen(Pen::Null());
    dc.SelectBrush(Brush::Solid(0x000000));
    dc.SetPolyFillMode(mode);
    dc.Polygon(star);
    const Region region = Region::FromPolygon(star, mode);
    EXPECT_EQ(Picture(region, 24, 24), SurfaceText(filled)) << mode;
    EXPECT_EQ(region.Contains({12, 13}), mode == kWinding);
    Rect ink;
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 24; ++x) {
        if (filled.GetPixel(x, y) == 0x000000) ink = Rect::Union(ink, {x, y, x + 1, y + 1});
      }
    }
    EXPECT_EQ(region.Box(), ink);
  }
}

TEST(Region, OffsetMovesAndPaintingFollowsTheDrawingMode) {
  Region r = Region::FromEllipse({0, 0, 4, 4});
  r.Offset(2, 1);
  EXPECT_EQ(r.Box(), (Rect{2, 1, 6, 5}));
  EXPECT_TRUE(r.Contains({3, 1}));
  EXPECT_FALSE(r.Contains({2, 1}));
  Surface s;
  ASSERT_TRUE(s.Create(8, 6, PixelFormat::kMono1));
  s.Fill(0x000000);
  DeviceContext dc(&s);
  dc.InvertRegion(r);
  EXPECT_EQ(SurfaceText(s), Lines({"########", "###..###", "##....##", "##....##", "###..###", "########"}));
  dc.SelectBrush(Brush::Solid(0xFFFFFF));
  dc.SetDrawMode(kR2XorPen);
  dc.PaintRegion(r);
  EXPECT_EQ(test::CountPixels(s, 0x000000), 48);
}

}  // namespace
}  // namespace tmb
