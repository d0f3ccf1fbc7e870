#include <gtest/gtest.h>

#include "export/swf/swf_font_tags.h"
#include "export/swf/swf_movie.h"
#include "support/swf_fixture.h"
#include "support/swf_reader.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A square glyph of the given side, or a long zigzag of edges.
std::unique_ptr<SwfShape> Glyph(int side, int zigzag = 0) {
  auto glyph = std::make_unique<SwfShape>();
  auto move = std::make_unique<SwfStyleChangeRecord>();
  move->MoveTo(0, 0).FillStyle1(1);
  glyph->AddRecord(std::move(move));
  glyph->AddRecord(std::make_unique<SwfStraightEdgeRecord>(side, 0));
  glyph->AddRecord(std::make_unique<SwfStraightEdgeRecord>(0, side));
  glyph->AddRecord(std::make_unique<SwfStraightEdgeRecord>(-side, 0));
  for (int i = 0; i < zigzag; ++i) glyph->AddRecord(std::make_unique<SwfStraightEdgeRecord>(3, i % 2 ? 4 : -4));
  glyph->AddRecord(std::make_unique<SwfEndShapeRecord>());
  return glyph;
}

TEST(SwfFontInfo, FlagsByteFollowsEncodingStyleAndCodeWidth) {
  SwfMovie movie;
  struct Case {
    SwfFontEncoding encoding;
    bool italic, bold;
    std::vector<uint16_t> codes;
    int flags;
  };
  const Case cases[] = {
      {SwfFontEncoding::kSmallText, false, false, {65, 66}, 0x20},
      {SwfFontEncoding::kSmallText, true, false, {65}, 0x24},
      {SwfFontEncoding::kSmallText, false, true, {65}, 0x22},
      {SwfFontEncoding::kShiftJis, false, false, {65}, 0x10},
      {SwfFontEncoding::kAnsi, true, true, {65}, 0x0E},
      {SwfFontEncoding::kShiftJis, false, false, {65, 0x8140}, 0x11},
  };
  for (const Case& c : cases) {
    const auto tag = tmb::test::ReadBackSwfTag(SwfTagDefineFontInfo(3, "Mincho", c.encoding, c.italic, c.bold, c.codes));
    EXPECT_EQ(tag.code, 13);
    tmb::test::SwfBits r(tag.body);
    EXPECT_EQ(r.U16(), 3);
    EXPECT_EQ(r.U8(), 6);
    r.Bytes(6);
    EXPECT_EQ(r.U8(), c.flags);
    for (uint16_t code : c.codes) EXPECT_EQ((c.flags & 1) ? r.U16() : r.U8(), code);
    EXPECT_EQ(r.Remaining(), 0u);
  }
}

TEST(SwfDefineFont, OffsetsStartAtTwiceTheGlyphCount) {
  SwfMovie movie;
  SwfTagDefineFont font;
  font.AddGlyph(Glyph(100));
  font.AddGlyph(Glyph(1000));
  const auto tag = tmb::test::ReadBackSwfTag(font);
  EXPECT_EQ(tag.code, 10);
  tmb::test::SwfBits r(tag.body);
  EXPECT_EQ(r.U16(), 1);
  const size_t table = r.BytePos();
  const uint16_t first = r.U16();
  const uint16_t second = r.U16();
  EXPECT_EQ(first, 4);
  tmb::test::SwfBits g(std::span<const uint8_t>(tag.body).subspan(table + first));
  const auto glyph = tmb::test::ReadSwfShape(g);
  EXPECT_EQ(glyph.fillBits, 1);
  EXPECT_EQ(glyph.lineBits, 0);
  EXPECT_EQ(glyph.records[0].fill1, 1u);
  EXPECT_EQ(table + second, table + first + g.BytePos());
  tmb::test::SwfBits g2(std::span<const uint8_t>(tag.body).subspan(table + second));
  EXPECT_EQ(tmb::test::ReadSwfShape(g2).records[1].dx, 1000);
}

TEST(SwfDefineFont, GlyphsPastTheU16OffsetsAreRefused) {
  SwfMovie movie;
  SwfTagDefineFont font;
  font.AddGlyph(Glyph(10, 40000));  // about 75,000 bytes
  font.AddGlyph(Glyph(10));
  EXPECT_NE(tmb::test::SwfTagWriteError(font).find("65,535"), std::string::npos);
}

TEST(SwfDefineFont2, ThreeGlyphsWithCodesLayoutAndKerning) {
  SwfMovie movie;
  SwfTagDefineFont2 font("Gothic", SwfFontEncoding::kShiftJis, true, false, 900, 200, 50);
  const int codes[] = {0x82A0, 0x82A2, 65};
  for (int i = 0; i < 3; ++i) {
    font.AddGlyph(Glyph(100 * (i + 1)), codes[i], 1000 + i, SwfRect{0, -900, 1000, 200 + i});
  }
  font.AddKerning({0x82A0, 65, -30});
  const auto tag = tmb::test::ReadBackSwfTag(font);
  EXPECT_EQ(tag.code, 48);
  const auto f = tmb::test::ReadSwfDefineFont2(tag);
  EXPECT_EQ(f.id, 1);
  EXPECT_EQ(f.flags, 0x80 | 0x40 | 0x04 | 0x02);  // layout, ShiftJIS, wide codes, italic
  EXPECT_EQ(f.name, "Gothic");
  ASSERT_EQ(f.glyphCount, 3);
  EXPECT_EQ(f.offsets[0], 8u);
  ASSERT_EQ(f.glyphs.size(), 3u);
  EXPECT_EQ(f.glyphs[2].records[1].dx, 300);
  EXPECT_EQ(f.codes, (std::vector<int>{0x82A0, 0x82A2, 65}));
  EXPECT_EQ(f.ascent, 900);
  EXPECT_EQ(f.descent, 200);
  EXPECT_EQ(f.leading, 50);
  EXPECT_EQ(f.advances, (std::vector<int>{1000, 1001, 1002}));
  ASSERT_EQ(f.bounds.size(), 3u);
  EXPECT_EQ(f.bounds[2].yMax, 202);
  EXPECT_EQ(f.bounds[0].yMin, -900);
  EXPECT_EQ(f.kerningCount, 1);
}

TEST(SwfDefineFont2, LargeGlyphsTakeWideOffsets) {
  SwfMovie movie;
  SwfTagDefineFont2 font("Big", SwfFontEncoding::kAnsi, false, true);
  font.AddGlyph(Glyph(10, 40000), 'a', 500, SwfRect{});
  font.AddGlyph(Glyph(20), 'b', 500, SwfRect{});
  const auto f = tmb::test::ReadSwfDefineFont2(tmb::test::ReadBackSwfTag(font));
  EXPECT_EQ(f.flags & 0x08, 0x08);
  EXPECT_EQ(f.offsets[0], 12u);  // three u32 entries
  EXPECT_GT(f.offsets[1], 65535u);
  ASSERT_EQ(f.glyphs.size(), 2u);
  EXPECT_EQ(f.glyphs[1].records[1].dx, 20);
  EXPECT_EQ(f.codes, (std::vector<int>{'a', 'b'}));
}

}  // namespace
