#include <gtest/gtest.h>

#include "export/swf/swf_edit_text.h"
#include "export/swf/swf_movie.h"
#include "export/swf/swf_text_tags.h"
#include "support/swf_fixture.h"
#include "support/swf_reader.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::unique_ptr<SwfTextRecord> Style(int font, int x) {
  auto style = std::make_unique<SwfTextRecord>();
  style->Font(font, 240).Colour(SwfColour::Rgba(10, 20, 30, 40)).XOffset(x).YOffset(-5);
  return style;
}

TEST(SwfText, GlyphAndAdvanceBitsComeFromTheLargestValues) {
  SwfMovie movie;
  SwfTagDefineText text(SwfRect{0, 0, 4000, 1000}, SwfMatrix());
  text.AddRecord(Style(1, 0));
  auto run = std::make_unique<SwfTextRecordB>();
  run->AddGlyph(5, 300);
  run->AddGlyph(200, -700);  // the largest advance is negative
  run->AddGlyph(0, 12);
  text.AddRecord(std::move(run));
  const auto t = tmb::test::ReadSwfDefineText(tmb::test::ReadBackSwfTag(text));
  EXPECT_EQ(t.glyphBits, 9);     // 200 takes 8 bits, plus one
  EXPECT_EQ(t.advanceBits, 11);  // 700 takes 10 bits, plus the sign
  ASSERT_EQ(t.records.size(), 1u);
  EXPECT_EQ(t.records[0].glyphs,
            (std::vector<std::pair<uint32_t, int32_t>>{{5, 300}, {200, -700}, {0, 12}}));
}

TEST(SwfText, Text1ColoursAreRgbText2RgbaAndLaterRecordsStayInPlace) {
  SwfMovie movie;
  for (bool two : {false, true}) {
    std::unique_ptr<SwfTagDefineText> text =
        two ? std::make_unique<SwfTagDefineText2>(SwfRect{}, SwfMatrix())
            : std::make_unique<SwfTagDefineText>(SwfRect{}, SwfMatrix());
    for (int i = 0; i < 2; ++i) {
      text->AddRecord(Style(7, 100 * i));
      auto run = std::make_unique<SwfTextRecordB>();
      run->AddGlyph(i + 1, 50);
      text->AddRecord(std::move(run));
    }
    const auto tag = tmb::test::ReadBackSwfTag(*text);
    EXPECT_EQ(tag.code, two ? 33 : 11);
    const auto t = tmb::test::ReadSwfDefineText(tag);
    ASSERT_EQ(t.records.size(), 2u);
    for (int i = 0; i < 2; ++i) {
      const auto& r = t.records[static_cast<size_t>(i)];
      EXPECT_EQ(r.fontId, 7);
      EXPECT_EQ(r.height, 240);
      EXPECT_EQ(r.colour, (tmb::test::SwfRgba{10, 20, 30, two ? 40 : 255}));
      EXPECT_EQ(r.x, 100 * i);
      EXPECT_EQ(r.y, -5);
      ASSERT_EQ(r.glyphs.size(), 1u);
      EXPECT_EQ(r.glyphs[0].first, static_cast<uint32_t>(i + 1));
    }
  }
}

TEST(SwfText, RunsPast127GlyphsAreSplit) {
  SwfMovie movie;
  SwfTagDefineText text(SwfRect{}, SwfMatrix());
  text.AddRecord(Style(1, 0));
  auto run = std::make_unique<SwfTextRecordB>();
  for (int i = 0; i < 200; ++i) run->AddGlyph(i % 50, 100);
  text.AddRecord(std::move(run));
  const auto t = tmb::test::ReadSwfDefineText(tmb::test::ReadBackSwfTag(text));
  ASSERT_EQ(t.records.size(), 2u);
  EXPECT_EQ(t.records[0].glyphs.size(), 127u);
  EXPECT_EQ(t.records[1].glyphs.size(), 73u);
  EXPECT_EQ(t.records[1].flags, 0x80);  // an empty style between the runs
  EXPECT_EQ(t.records[1].glyphs[0].first, 127u % 50);
}

TEST(SwfText, StylesAndRunsArePaired) {
  SwfMovie movie;
  SwfTagDefineText text(SwfRect{}, SwfMatrix());
  auto run = std::make_unique<SwfTextRecordB>();
  run->AddGlyph(1, 10);
  text.AddRecord(std::move(run));  // no style before it
  text.AddRecord(Style(1, 0));
  text.AddRecord(Style(2, 0));  // a style after a style
  const auto t = tmb::test::ReadSwfDefineText(tmb::test::ReadBackSwfTag(text));
  ASSERT_EQ(t.records.size(), 3u);
  EXPECT_EQ(t.records[0].glyphs.size(), 1u);
  EXPECT_EQ(t.records[1].fontId, 1);
  EXPECT_TRUE(t.records[1].glyphs.empty());
  EXPECT_EQ(t.records[2].fontId, 2);
}

TEST(SwfEditText, EachFlagSitsAloneOnItsBit) {
  SwfMovie movie;
  struct Case {
    bool SwfEditTextFields::*flag;
    int bit;  // of the 16 flag bits, most significant first
  };
  const Case cases[] = {
      {&SwfEditTextFields::hasText, 0},      {&SwfEditTextFields::wordWrap, 1},
      {&SwfEditTextFields::multiline, 2},    {&SwfEditTextFields::password, 3},
      {&SwfEditTextFields::readOnly, 4},     {&SwfEditTextFields::hasTextColor, 5},
      {&SwfEditTextFields::hasMaxLength, 6}, {&SwfEditTextFields::hasFont, 7},
      {&SwfEditTextFields::hasLayout, 10},   {&SwfEditTextFields::noSelect, 11},
      {&SwfEditTextFields::border, 12},      {&SwfEditTextFields::useOutlines, 15},
  };
  for (const Case& c : cases) {
    SwfEditTextFields fields;
    fields.*(c.flag) = true;
    const auto tag = tmb::test::ReadBackSwfTag(SwfTagDefineEditText(fields));
    EXPECT_EQ(tag.code, 37);
    tmb::test::SwfBits r(tag.body);
    r.U16();
    tmb::test::ReadSwfRect(r);
    EXPECT_EQ(r.UB(16), 0x8000u >> c.bit) << c.bit;
  }
}

TEST(SwfEditText, WritesTheFieldsItsFlagsAnnounce) {
  SwfMovie movie;
  SwfEditTextFields f;
  f.bounds = SwfRect{0, 0, 2000, 400};
  f.hasText = f.hasTextColor = f.hasMaxLength = f.hasFont = f.hasLayout = true;
  f.fontId = 4;
  f.fontHeight = 240;
  f.textColor = SwfColour::Rgb(1, 2, 3);
  f.maxLength = 20;
  f.align = 2;
  f.leftMargin = 5;
  f.rightMargin = 6;
  f.indent = 7;
  f.leading = -8;
  f.variableName = "name";
  f.initialText = "hello";
  const auto tag = tmb::test::ReadBackSwfTag(SwfTagDefineEditText(f));
  tmb::test::SwfBits r(tag.body);
  EXPECT_EQ(r.U16(), 1);
  EXPECT_EQ(tmb::test::ReadSwfRect(r).xMax, 2000);
  r.U16();
  EXPECT_EQ(r.U16(), 4);
  EXPECT_EQ(r.U16(), 240);
  EXPECT_EQ(tmb::test::ReadSwfColour(r, true), (tmb::test::SwfRgba{1, 2, 3, 255}));
  EXPECT_EQ(r.U16(), 20);
  EXPECT_EQ(r.U8(), 2);
  EXPECT_EQ(r.U16(), 5);
  EXPECT_EQ(r.U16(), 6);
  EXPECT_EQ(r.U16(), 7);
  EXPECT_EQ(r.I16(), -8);
  EXPECT_EQ(r.CString(), "name");
  EXPECT_EQ(r.CString(), "hello");
  EXPECT_EQ(r.Remaining(), 0u);
}

}  // namespace
