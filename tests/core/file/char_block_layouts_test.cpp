// Blocks of every earlier data version, built from the layout tables, read into the
// present record; the parameter conversions are worked out by hand per case.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/file/char_block_convert.h"
#include "core/record/char_data_full.h"
#include "core/record/char_slots.h"
#include "platform/file/binary_file.h"
#include "support/char_file_fixture.h"
#include "support/file_bytes.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
using Expect = std::map<int, int32_t>;

const char kKanji[] = "\x8A\xBF\x8E\x9A";  // 漢字
const char kFont[] = "\x83\x74\x83\x48\x83\x93\x83\x67";  // フォント

class OldLayouts : public CharFileTest {
 protected:
  void SetUp() override {
    CharFileTest::SetUp();
    d_ = gCharSlots[0].m_param;  // what every read starts from
  }
  // Reads block into a fresh record with the anchor given.
  std::unique_ptr<CCharDataFull> Load(const WdfBlock& block, int anchor = 0) {
    auto r = std::make_unique<CCharDataFull>();
    const fs::path path = WriteBytes("old.wdf", BuildWdfBlock(block));
    EXPECT_EQ(ReadFile(*r, path, 0, anchor), block.firstPart);
    // The whole block was taken: nothing was left unread.
    EXPECT_EQ(static_cast<size_t>(fs::file_size(path)), BuildWdfBlock(block).size());
    return r;
  }
  void ExpectParams(const CCharDataFull& r, const Expect& expected) {
    for (auto [k, v] : expected) EXPECT_EQ(r.m_param[k], v) << "parameter " << k;
  }
  // The parameters the sub-revision chain sets whatever they held, for R2 below 7; below 11
  // the stroke pictures are off and the strokes take the scaled road (240 = 2), so that
  // the character is drawn.
  Expect FullChain() const {
    return {{205, 4}, {206, 2}, {207, 80}, {208, 80}, {230, 100}, {220, 0}, {240, 2}, {261, 100}, {264, 1},
            {263, 300}, {265, 1}, {267, 100}, {244, 2}, {245, 100}, {9, 0}, {381, -1}, {37, 400}, {353, 0},
            {354, 0}, {355, 0}, {361, 0}, {362, 0}, {233, 0}, {260, d_[260] + 1}};
  }

  ParamBlock d_{};
};

TEST_F(OldLayouts, Before200StrokeStartsComeFromTheIndexListOnAPaperOf1000By1500) {
  WdfBlock b;
  b.magic = "TAMBERI DATA FILE 1.0";
  b.major = 1;
  b.minor = 50;
  b.r1 = b.r2 = 0;
  b.params = {{0, 11}, {1, 12}, {2, 13}, {3, 14}, {4, 15}, {11, 21}, {12, 13}, {15, 5}, {17, 2}, {19, 9}};
  b.switch16 = 1;
  b.points = {{600, 100}, {650, 120}, {700, 300}, {800, 310}};
  b.strokeStarts = {0, 2};
  gCharSlots[0].m_param[12] = 0x00050007;  // the upper half of a 2-byte entry stays
  d_ = gCharSlots[0].m_param;
  auto r = Load(b, 1);
  // Anchored at the top right of a 1,000-pixel paper read on a 500-pixel one.
  EXPECT_EQ(RecordPoints(*r), (std::vector<WdfPoint>{{100, 100, 1, -1}, {150, 120, 0, -1}, {200, 300, 1, -1},
                                                 {300, 310, 0, -1}}));
  // 0..6 read 11 12 13 14 15, 5 cleared: 11 12 13 14 15 0 d6; R2 < 8 moves 1..5 up:
  // 11 0 12 13 14 15 0; R2 < 10 rotates 2..6 down: 11 0 13 14 15 0 12.
  Expect e = FullChain();
  e.insert({{0, 11}, {1, 0}, {2, 13}, {3, 14}, {4, 15}, {5, 0}, {6, 12}});
  e.insert({{11, 21}, {12, 0x0005000D}, {15, 5}, {17, 2 * 8 + 8}, {18, 0}, {19, 9}, {22, 0}, {30, 1}});
  e.insert({{38, 1}, {39, 3}, {46, 0}, {49, 3}, {114, 0}, {170, 0}, {43, 0}});
  // The chain on 15 and 16: 213 from 15, 215 = (15 - 3) x 45; 16 is 0.
  e.insert({{213, 1}, {214, 0}, {215, 90}, {216, d_[216]}, {8, d_[9]}});
  ExpectParams(*r, e);
  EXPECT_EQ(gOldBrushLayout, 1);
}

TEST_F(OldLayouts, TheEarliestMagicSwapsAndRotatesTheFirstParameters) {
  WdfBlock b;
  b.magic = "TMB DATA FILE   0.5";
  b.major = b.minor = 0;
  b.r1 = b.r2 = 0;
  b.params = {{0, 11}, {1, 12}, {2, 13}, {3, 14}, {4, 15}};
  b.points = {{10, 10}, {20, 20}};
  b.strokeStarts = {0};
  auto r = Load(b);
  // Swap 2 and 3: 11 12 14 13 15; version 0 rotates 1..3: 11 14 13 12 15; then as above:
  // 11 0 14 13 12 15 0, and the rotation 11 0 13 12 15 0 14. Before 1.10 17..20 are 1.
  ExpectParams(*r, {{0, 11}, {1, 0}, {2, 13}, {3, 12}, {4, 15}, {5, 0}, {6, 14}, {17, 16}, {18, 16}, {19, 1},
                    {20, 1}, {30, 0}, {37, 400}});
  EXPECT_EQ(RecordPoints(*r), (std::vector<WdfPoint>{{10, 10, 1, -1}, {20, 20, 0, -1}}));
}

TEST_F(OldLayouts, Versions200To299ReadTheShapeRecordAndPressures) {
  WdfBlock b;
  b.magic = "TAMBERI DATA FILE 2.0";
  b.major = 2;
  b.minor = 0;
  b.r1 = b.r2 = 0;
  b.params = {{0, 21}, {1, 22}, {2, 23}, {3, 24}, {4, 25}, {11, 4}, {26, 2}, {39, 7}, {46, 1}, {45, 9}};
  for (int k = 150; k <= 159; ++k) b.params[k] = 1000 + k;
  b.params.insert({{170, 2}, {171, 3}, {172, 1}, {176, 6}, {181, 0}, {190, 9}, {191, 8}, {193, 6}});
  b.paper = {700, 750};
  b.points = {{300, 40, 1, 50}, {320, 60, 0, -1}, {400, 90, 1, 70}};
  auto r = Load(b, 1);
  EXPECT_EQ(RecordPoints(*r), (std::vector<WdfPoint>{{100, 40, 1, 50}, {120, 60, 0, -1}, {200, 90, 1, 70}}));
  // 0..6: 21 22 23 24 25 d5 d6 -> 21 0 22 23 24 25 d5 -> 21 0 23 24 25 d5 22.
  Expect e = FullChain();
  e.insert({{0, 21}, {1, 0}, {2, 23}, {3, 24}, {4, 25}, {5, d_[5]}, {6, 22}, {8, d_[9]}});
  // Before 2.01: 181 becomes 4 and 190 0; before 2.14: 44 = 26 x 3 and 45 = 2 for type 4;
  // 39 outside 2..4 becomes 4, 49 follows, and 46 set forces 39 to 4.
  e.insert({{181, 4}, {190, 0}, {191, 8}, {44, 6}, {45, 2}, {48, 0}, {39, 4}, {49, 4}, {114, 0}, {43, 1}});
  e.insert({{150, 1150}, {159, 1159}, {170, 2}, {171, 3}, {172, 1}, {176, 6}, {193, 6}});
  ExpectParams(*r, e);
  EXPECT_EQ(r->m_bRedraw2, 1);
  EXPECT_EQ(r->m_rangeFrom, 1150);  // shape mode 2: parameters 150 and 151
  EXPECT_EQ(r->m_rangeTo, 1151);
}

TEST_F(OldLayouts, Version300WithEarlyRevisionsHasNoSecondPicture) {
  WdfBlock b;
  b.magic = "TAMBERI DATA FILE 3.0";
  b.major = 3;
  b.minor = 0;
  b.r1 = 1;
  b.r2 = 0;
  for (int k = 0; k < 8; ++k) b.params[k] = 31 + k;
  b.params.insert({{50, 4}, {78, 3}, {48, 2}, {120, 77}, {150, 5}});
  b.points = {{30, 40, 1, -1}, {50, 60, 0, -1}};
  b.script = std::string("(1) ") + kKanji;
  b.picture1 = {0, BmpBytes()};
  auto r = Load(b);
  // 0..7: 31..38 -> 31 0 32 33 34 35 36 38 -> 31 0 33 34 35 36 32 38.
  Expect e = FullChain();
  e.insert({{0, 31}, {1, 0}, {2, 33}, {3, 34}, {4, 35}, {5, 36}, {6, 32}, {7, 38}});
  e.insert({{50, 5}, {48, 0}, {78, 10}, {120, 77}, {150, 5}});
  ExpectParams(*r, e);
  EXPECT_EQ(r->m_effect.m_script, b.script);
  EXPECT_EQ(FileBytes(r->m_tempPictures.Path(0)), BmpBytes());
  EXPECT_TRUE(r->m_tempPictures.Path(1).empty());
  EXPECT_EQ(r->m_text[kTextPicture2], gCharSlots[0].m_text[kTextPicture2]);
}

TEST_F(OldLayouts, RevisionsBelow12HaveATextFieldAndTheOldFontBlock) {
  WdfBlock b;
  b.major = 3;
  b.minor = 0;
  b.r1 = 2;
  b.r2 = 6;
  for (int k = 0; k < 256; ++k) b.params[k] = k + 1;
  b.params[16] = 4;
  b.fixedText = {'a', 'b', 0, 'c'};
  b.points = {{30, 40, 1, 20}};
  b.script = "narrow";
  b.picture1 = {1, JpegBytes()};
  b.picture2 = {2, PngBytes()};
  CLogFont font;
  font.height = 30;
  font.weight = 700;
  font.charSet = 128;
  font.SetFaceName(kKanji);
  const CLogFont::Bytes fontBytes = font.ToBytes();
  b.oldFont = std::vector<uint8_t>(fontBytes.begin(), fontBytes.end());
  b.oldFontText = kFont;
  auto r = Load(b);
  // 0..6: 1..7 -> 1 0 2 3 4 5 6 -> 1 0 3 4 5 6 2; 8 takes 9's 10.
  Expect e = FullChain();
  e.insert({{0, 1}, {1, 0}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 2}, {8, 10}});
  e.insert({{213, 1}, {214, 1}, {215, (16 - 3) * 45}, {216, (4 - 3) * 45}, {255, 256}, {256, d_[256]}});
  ExpectParams(*r, e);
  EXPECT_EQ(r->m_text[kTextTextMode], kFont);  // the font block's text comes after the field
  EXPECT_TRUE(r->m_textFont.SameBytes(font));
  EXPECT_EQ(r->m_effect.m_script, "narrow");
  EXPECT_EQ(fs::path(r->m_tempPictures.Path(0)).extension(), ".jpg");
  EXPECT_EQ(fs::path(r->m_tempPictures.Path(1)).extension(), ".png");
}

TEST_F(OldLayouts, Revisions12To14HaveAFullBlockAndATextFieldWithoutTerminator) {
  WdfBlock b;
  b.r2 = 13;
  b.params = {{1, 9}, {8, 3}, {9, 44}, {144, 1}, {260, 5}, {263, 0}, {50, 2}, {240, 1}};
  b.fixedText.clear();
  for (int i = 0; i < 128; ++i) b.fixedText.insert(b.fixedText.end(), {0x8A, 0xBF});  // 漢 x 128
  b.sectionText = kKanji;
  b.points = {{30, 40, 1, -1}};
  auto r = Load(b);
  EXPECT_EQ(r->m_text[kTextTextMode], std::string(b.fixedText.begin(), b.fixedText.end()));
  EXPECT_EQ(r->m_textSettings[0].m_strText, kKanji);
  // R2 13: 260 + 1; 144 set: 144 0, 262 1, 263 0 then 300; 8 takes 9; 1 and 9 cleared.
  ExpectParams(*r, {{260, 6}, {144, 0}, {262, 1}, {263, 300}, {8, 44}, {9, 0}, {1, 0}, {381, -1}, {37, 400},
                    {264, 1}, {50, 2}, {205, 0}, {220, 0}, {240, 1}});
}

TEST_F(OldLayouts, Revisions15To19HaveNarrowTextRecordsAndTheValueTable) {
  WdfBlock b;
  b.r2 = 17;
  b.params = {{50, 2}, {263, 250}, {264, 0}, {265, 0}, {1, 3}, {9, 6}, {261, 55}};
  b.texts = {"ef.txt", "ani", "", "", "", kKanji};
  b.script = kKanji;
  b.valueTable = {-4, 99};
  b.points = {{30, 40, 1, -1}};
  auto r = Load(b);
  EXPECT_EQ(r->m_text[kTextTextMode], kKanji);
  EXPECT_EQ(r->m_text[kTextEffectFile], "ef.txt");
  EXPECT_EQ(r->m_effect.m_script, kKanji);
  EXPECT_EQ(r->m_valueTable[0], -4);
  EXPECT_EQ(r->m_valueTable[1], 99);
  ExpectParams(*r, {{263, 250}, {264, 1}, {265, 1}, {8, 6}, {9, 0}, {1, 0}, {261, 55}});
}

TEST_F(OldLayouts, TheLastRevisionsTouchOnlyTheirOwnParameters) {
  struct Case {
    int r2;
    Expect expected;
  } cases[] = {
      {25, {{1, 10}, {328, 0}, {361, 0}, {362, 0}, {353, 0}, {9, 8}, {381, 7}}},
      {26, {{1, 10}, {328, 0}, {361, 0}, {362, 0}, {353, 2}}},
      {27, {{1, 4}, {328, 3}, {361, 0}, {362, 0}}},
      {28, {{1, 4}, {328, 3}, {361, 5}, {362, 6}}},
  };
  for (const Case& c : cases) {
    WdfBlock b;
    b.r2 = c.r2;
    b.params = {{50, 1}, {1, 4}, {328, 3}, {361, 5}, {362, 6}, {9, 8}, {353, 2}, {381, 7}};
    b.valueTable = {0};
    auto r = Load(b);
    SCOPED_TRACE(c.r2);
    ExpectParams(*r, c.expected);
  }
  EXPECT_EQ(gOldBrushLayout, 0);
}

TEST_F(OldLayouts, AStoredZeroPaperIsThePresentOne) {
  WdfBlock b;
  b.paper = {0, 0};
  b.params[50] = 1;
  b.valueTable = {0};
  b.points = {{30, 40, 1, -1}};
  auto r = Load(b, 1);
  EXPECT_EQ(r->m_pPoints[0].x, 30);
}

}  // namespace
}  // namespace tmb::test
