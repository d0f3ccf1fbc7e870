#include "core/record/log_font.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/text/code_page.h"

namespace {

TEST(LogFont, StoredFormHasEveryFieldAtItsOffset) {
  CLogFont f;
  f.height = -24;
  f.width = 0x01020304;
  f.escapement = 900;
  f.orientation = 1800;
  f.weight = 700;
  f.italic = 1;
  f.underline = 2;
  f.strikeOut = 3;
  f.charSet = 128;
  f.outPrecision = 7;
  f.clipPrecision = 8;
  f.quality = 9;
  f.pitchAndFamily = 0x31;
  f.SetFaceName("Face");
  CLogFont::Bytes b = f.ToBytes();
  const uint8_t expectedHead[] = {0xE8, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0x84, 0x03, 0, 0,
                                  0x08, 0x07, 0, 0,      0xBC, 0x02, 0,    0,    1,    2,    3, 128,
                                  7,    8,    9, 0x31,   'F',  'a',  'c',  'e',  0};
  for (size_t i = 0; i < sizeof expectedHead; ++i) EXPECT_EQ(b[i], expectedHead[i]) << "byte " << i;
  for (size_t i = sizeof expectedHead; i < CLogFont::kSize; ++i) EXPECT_EQ(b[i], 0) << "byte " << i;
  CLogFont back = CLogFont::FromBytes(b.data());
  EXPECT_TRUE(back.SameBytes(f));
}

TEST(LogFont, FaceNameWithoutTerminatorIsCutToStayTerminated) {
  CLogFont::Bytes b{};
  std::memset(b.data() + CLogFont::kOffFaceName, 'x', CLogFont::kFaceNameSize);
  CLogFont f = CLogFont::FromBytes(b.data());
  EXPECT_EQ(std::strlen(f.faceName), CLogFont::kFaceNameSize - 1);
}

TEST(LogFont, LongFaceNameNeverSplitsADoubleByteCharacter) {
  // 15 double-byte characters are 30 bytes; a 16th would need bytes 30 and 31, leaving
  // no room for the terminator, so it is left out whole.
  std::string face;
  for (int i = 0; i < 16; ++i) face += "\x82\xa0";
  CLogFont f;
  f.SetFaceName(face.c_str());
  EXPECT_EQ(std::strlen(f.faceName), 30u);
  EXPECT_EQ(std::string(f.faceName), face.substr(0, 30));
}

TEST(LogFont, DefaultTextFontIsTheGothicShiftJisFont) {
  CLogFont f = DefaultTextFont();
  EXPECT_EQ(f.height, 24);
  EXPECT_EQ(f.width, 0);
  EXPECT_EQ(f.weight, 400);
  EXPECT_EQ(f.charSet, 128);
  EXPECT_EQ(f.outPrecision, 7);
  EXPECT_EQ(f.clipPrecision, 0);
  EXPECT_EQ(f.quality, 0);
  EXPECT_EQ(f.pitchAndFamily, 0);
  EXPECT_EQ(std::string(f.faceName), tmb::Utf8ToSjis("ＭＳ ゴシック").value());
}

}  // namespace
