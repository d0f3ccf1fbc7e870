#include <gtest/gtest.h>

#include <functional>

#include "export/swf/swf_actions.h"
#include "export/swf/swf_control_tags.h"
#include "export/swf/swf_output_buffer.h"
#include "support/swf_fixture.h"
#include "support/swf_reader.h"

namespace {

using Bytes = std::vector<uint8_t>;
using tmb::test::SwfTagBytes;

TEST(SwfControlTags, WriteTheirRecords) {
  struct Case {
    const char* what;
    std::function<std::unique_ptr<SwfTag>()> make;
    Bytes bytes;
  };
  const Case cases[] = {
      {"show frame", [] { return std::make_unique<SwfTagShowFrame>(); }, {0x40, 0x00}},
      {"remove depth 1", [] { return std::make_unique<SwfTagRemoveObject2>(1); }, {0x02, 0x07, 0x01, 0x00}},
      {"white background",
       [] { return std::make_unique<SwfTagSetBackgroundColor>(SwfColour::Rgb(255, 255, 255)); },
       {0x43, 0x02, 0xFF, 0xFF, 0xFF}},
      {"COLORREF red background",
       [] { return std::make_unique<SwfTagSetBackgroundColor>(SwfColour::FromColorRef(0x0000FF)); },
       {0x43, 0x02, 0xFF, 0x00, 0x00}},
      {"background drops alpha",
       [] { return std::make_unique<SwfTagSetBackgroundColor>(SwfColour::FromAlphaValue(0x80102030)); },
       {0x43, 0x02, 0x10, 0x20, 0x30}},
      {"place character 1 at depth 1",
       [] {
         SwfPlacement p;
         p.characterId = 1;
         p.matrix = SwfMatrix();
         return std::make_unique<SwfTagPlaceObject2>(p);
       },
       {0x86, 0x06, 0x06, 0x01, 0x00, 0x01, 0x00, 0x00}},
      {"do nothing", [] { return std::make_unique<SwfTagDoAction>(SwfActionList()); }, {0x01, 0x03, 0x00}},
      {"protect", [] { return std::make_unique<SwfTagProtect>(); }, {0x00, 0x06}},
      {"frame label", [] { return std::make_unique<SwfTagFrameLabel>("go"); }, {0xC3, 0x0A, 'g', 'o', 0}},
      {"remove character 3 at depth 2",
       [] { return std::make_unique<SwfTagRemoveObject>(3, 2); },
       {0x44, 0x01, 0x03, 0x00, 0x02, 0x00}},
      {"place character 2 at depth 5",
       [] { return std::make_unique<SwfTagPlaceObject>(2, 5, SwfMatrix()); },
       {0x05, 0x01, 0x02, 0x00, 0x05, 0x00, 0x00}},
      {"start sound 4", [] { return std::make_unique<SwfTagStartSound>(4, SwfSoundInfo()); },
       {0xC3, 0x03, 0x04, 0x00, 0x00}},
  };
  for (const Case& c : cases) EXPECT_EQ(SwfTagBytes(*c.make()), c.bytes) << c.what;
}

TEST(SwfActions, WriteCodeLengthAndBody) {
  struct Case {
    const char* what;
    std::function<std::unique_ptr<SwfAction>()> make;
    Bytes bytes;
  };
  const Case cases[] = {
      {"goto frame 5", [] { return std::make_unique<SwfActionGotoFrame>(5); }, {0x81, 0x02, 0x00, 0x05, 0x00}},
      {"get URL", [] { return std::make_unique<SwfActionGetURL>("a", "b"); },
       {0x83, 0x04, 0x00, 'a', 0, 'b', 0}},
      {"wait for frame", [] { return std::make_unique<SwfActionWaitForFrame>(258, 3); },
       {0x8A, 0x03, 0x00, 0x02, 0x01, 0x03}},
      {"set target", [] { return std::make_unique<SwfActionSetTarget>("t"); }, {0x8B, 0x02, 0x00, 't', 0}},
      {"go to label", [] { return std::make_unique<SwfActionGoToLabel>("L"); }, {0x8C, 0x02, 0x00, 'L', 0}},
      {"wait for frame 2", [] { return std::make_unique<SwfActionWaitForFrame2>(7); }, {0x8D, 0x01, 0x00, 0x07}},
      {"push string", [] { return std::make_unique<SwfActionPush>(std::string("x")); },
       {0x96, 0x03, 0x00, 0x00, 'x', 0}},
      {"push float", [] { return std::make_unique<SwfActionPush>(1.5f); },
       {0x96, 0x05, 0x00, 0x01, 0x00, 0x00, 0xC0, 0x3F}},
      {"jump back", [] { return std::make_unique<SwfActionJump>(-2); }, {0x99, 0x02, 0x00, 0xFE, 0xFF}},
      {"get URL 2", [] { return std::make_unique<SwfActionGetURL2>(2); }, {0x9A, 0x01, 0x00, 0x02}},
      {"if", [] { return std::make_unique<SwfActionIf>(10); }, {0x9D, 0x02, 0x00, 0x0A, 0x00}},
      {"goto frame 2", [] { return std::make_unique<SwfActionGotoFrame2>(1); }, {0x9F, 0x01, 0x00, 0x01}},
  };
  for (const Case& c : cases) {
    SwfOutputBuffer out;
    c.make()->Write(out);
    EXPECT_TRUE(out.ok()) << c.what;
    EXPECT_EQ(tmb::test::SwfBufferBytes(out), c.bytes) << c.what;
  }
}

TEST(SwfControlTags, PlaceObject2ReadsBackEveryPart) {
  SwfPlacement p;
  p.depth = 7;
  p.move = true;
  p.characterId = 300;
  p.matrix = SwfMatrix(true, 98304, -32768, true, 6554, -6554, -1234, 5678);
  p.cxform = SwfCxformWithAlpha(true, true, {-255, 0, 128, 255}, {256, 128, 0, 512});
  p.ratio = 9;
  p.name = "hand";
  p.clipDepth = 12;
  const Bytes bytes = SwfTagBytes(SwfTagPlaceObject2(p));
  std::vector<tmb::test::SwfTagRecord> tags;
  std::string why;
  Bytes stream = bytes;
  stream.insert(stream.end(), {0, 0});
  ASSERT_TRUE(tmb::test::ParseSwfTags(stream, tags, why)) << why;
  ASSERT_EQ(tags[0].code, 26);
  tmb::test::SwfBits r(tags[0].body);
  EXPECT_EQ(r.U8(), 0x7F);  // every flag but HasClipActions
  EXPECT_EQ(r.U16(), 7);
  EXPECT_EQ(r.U16(), 300);
  const auto m = tmb::test::ReadSwfMatrix(r);
  EXPECT_TRUE(m.hasScale && m.hasRotate);
  EXPECT_EQ(m.scaleX, 98304);  // 1.5 in 16.16
  EXPECT_EQ(m.scaleY, -32768);
  EXPECT_EQ(m.skew0, 6554);
  EXPECT_EQ(m.skew1, -6554);
  EXPECT_EQ(m.translateX, -1234);
  EXPECT_EQ(m.translateY, 5678);
  const auto c = tmb::test::ReadSwfCxform(r, true);
  EXPECT_EQ(c.mult, (std::array<int32_t, 4>{256, 128, 0, 512}));  // 8.8: 1, 0.5, 0, 2
  EXPECT_EQ(c.add, (std::array<int32_t, 4>{-255, 0, 128, 255}));
  EXPECT_EQ(c.nbits, 11);
  EXPECT_EQ(r.U16(), 9);
  EXPECT_EQ(r.CString(), "hand");
  EXPECT_EQ(r.U16(), 12);
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(r.Remaining(), 0u);
}

TEST(SwfControlTags, CxformWithoutAlphaSizesByTheTermsItWrites) {
  SwfOutputBuffer out;
  SwfCxform(false, true, {-20, 3, 7}, {30000, 30000, 30000}).Write(out);
  const Bytes bytes = tmb::test::SwfBufferBytes(out);
  tmb::test::SwfBits r(bytes);
  const auto c = tmb::test::ReadSwfCxform(r, false);
  EXPECT_FALSE(c.hasMult);
  EXPECT_EQ(c.nbits, 6);
  EXPECT_EQ(c.add[0], -20);
  EXPECT_EQ(c.add[2], 7);
  EXPECT_EQ(r.Remaining(), 0u);

  SwfOutputBuffer wide;
  SwfCxform(true, false, {}, {40000, 0, 0}).Write(wide);
  EXPECT_FALSE(wide.ok());  // 17 bits do not fit the 4-bit Nbits
}

TEST(SwfControlTags, ValuesPastTheirFieldsFailTheRecord) {
  EXPECT_FALSE(tmb::test::SwfTagWriteError(SwfTagRemoveObject2(70000)).empty());
  EXPECT_FALSE(tmb::test::SwfTagWriteError(SwfTagFrameLabel(std::string("a\0b", 3))).empty());
  SwfPlacement p;
  p.matrix = SwfMatrix::Translation(INT32_MIN, 0);
  EXPECT_NE(tmb::test::SwfTagWriteError(SwfTagPlaceObject2(p)).find("tag 26"), std::string::npos);
}

}  // namespace
