#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/record/log_font.h"
#include "core/store/store_records.h"
#include "core/store/wide_log_font.h"
#include "platform/file/byte_writer.h"

namespace {

using tmb::ByteWriter;
using Bytes = std::vector<uint8_t>;

// "ＭＳ ゴシック" as UTF-16 units.
const std::u16string kGothicWide = u"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF";
// "漢" in code page 932 and as one UTF-16 unit.
const char kKanji[] = "\x8A\xBF";
constexpr uint16_t kKanjiUnit = 0x6F22;

void WideField(ByteWriter& w, std::u16string_view text, size_t units) {
  for (size_t i = 0; i < units; ++i) w.U16(i < text.size() ? text[i] : 0);
}

// The 28 number bytes of the default text font with the given height and width.
void FontNumbers(ByteWriter& w, int32_t height, int32_t width) {
  w.I32(height).I32(width).I32(0).I32(0).I32(400);
  w.U8(0).U8(0).U8(0).U8(128).U8(7).U8(0).U8(0).U8(0);
}

template <class Record>
Bytes Stored(const Record& r) {
  Bytes out(Record::kSize);
  r.Store(out.data());
  return out;
}

TEST(StoreRecords, FontIndexRecordIs112BytesAtTheDocumentedOffsets) {
  CFontIndexRecord r;
  r.m_nTag = kRecordTagAdded;
  r.m_nCode = kKanjiUnit;
  r.m_key = CWideLogFont::FromLogFont(DefaultTextFont());
  r.m_key.ClearSize();
  r.m_nOffset = 1234;
  r.m_nSize = 31;

  ByteWriter w;
  w.I32(100).U16(kKanjiUnit).U16(0);
  FontNumbers(w, 0, 0);
  WideField(w, kGothicWide, 32);
  w.I32(1234).I32(31).I32(0);
  ASSERT_EQ(w.size(), 112u);
  EXPECT_EQ(Stored(r), w.bytes());

  CFontIndexRecord back = CFontIndexRecord::Load(w.bytes().data());
  EXPECT_EQ(back.m_nTag, 100);
  EXPECT_EQ(back.m_nCode, kKanjiUnit);
  EXPECT_EQ(back.m_key, r.m_key);
  EXPECT_EQ(back.m_nOffset, 1234);
  EXPECT_EQ(back.m_nSize, 31);
}

TEST(StoreRecords, PictureIndexRecordIs536BytesWithA260UnitName) {
  CPictureIndexRecord r;
  r.m_nTag = kRecordTagAdded;
  r.m_name[0] = u'a';
  r.m_name[1] = u'.';
  r.m_name[2] = u'b';
  r.m_nOffset = 77;
  r.m_nSize = 900;

  ByteWriter w;
  w.I32(100);
  WideField(w, u"a.b", 260);
  w.I32(77).I32(900).I32(0);
  ASSERT_EQ(w.size(), 536u);
  EXPECT_EQ(Stored(r), w.bytes());
  EXPECT_EQ(CPictureIndexRecord::Load(w.bytes().data()).Name(), u"a.b");
}

TEST(StoreRecords, OldFontRecordOf80BytesConvertsToTheWideRecord) {
  CLogFont font = DefaultTextFont();
  ByteWriter w;
  w.I32(100).Fixed(kKanji, 4);
  CLogFont::Bytes narrow = font.ToBytes();
  w.Bytes(narrow.data(), narrow.size());
  w.I32(4000).I32(58).I32(0);
  ASSERT_EQ(w.size(), 80u);

  COldFontIndexRecord old = COldFontIndexRecord::Load(w.bytes().data());
  EXPECT_EQ(Stored(old), w.bytes());

  ByteWriter expected;
  expected.I32(200).U16(kKanjiUnit).U16(0);
  FontNumbers(expected, 24, 0);  // the numbers are copied unchanged
  WideField(expected, kGothicWide, 32);
  expected.I32(4000).I32(58).I32(0);
  EXPECT_EQ(Stored(old.Convert()), expected.bytes());
}

TEST(StoreRecords, OldPictureRecordOf276BytesConvertsToTheWideRecord) {
  ByteWriter w;
  w.I32(100).Fixed(std::string(kKanji) + ".bmp", 260).I32(16).I32(300).I32(0);
  ASSERT_EQ(w.size(), 276u);
  COldPictureIndexRecord old = COldPictureIndexRecord::Load(w.bytes().data());
  EXPECT_EQ(Stored(old), w.bytes());

  ByteWriter expected;
  expected.I32(200);
  WideField(expected, u"\x6F22.bmp", 260);
  expected.I32(16).I32(300).I32(0);
  EXPECT_EQ(Stored(old.Convert()), expected.bytes());
}

TEST(StoreRecords, WideFontKeysDifferingOnlyInSizeAreEqualOnceCleared) {
  CLogFont small = DefaultTextFont();
  CLogFont large = small;
  large.height = 256;
  large.width = 100;
  CWideLogFont a = CWideLogFont::FromLogFont(small);
  CWideLogFont b = CWideLogFont::FromLogFont(large);
  EXPECT_FALSE(a == b);
  a.ClearSize();
  b.ClearSize();
  EXPECT_TRUE(a == b);
  large.weight = 700;
  CWideLogFont bold = CWideLogFont::FromLogFont(large);
  bold.ClearSize();
  EXPECT_FALSE(a == bold);

  CLogFont back = a.ToLogFont();
  EXPECT_EQ(std::string(back.faceName), std::string(kGothicFaceName));
  EXPECT_EQ(back.weight, 400);
}

TEST(StoreRecords, HeadersAreToldByTheirMagic) {
  struct Case {
    std::string bytes;
    StoreHeaderKind kind;
  } cases[] = {
      {"", StoreHeaderKind::kEmpty},
      {"FONTFILE 2.00 UN", StoreHeaderKind::kCurrentFont},
      {"PIC_FILE 2.00 UN", StoreHeaderKind::kCurrentPicture},
      {"FONTFILE 1.00   ", StoreHeaderKind::kOldFont},
      {"FONTFILE 1.00   and records", StoreHeaderKind::kOldFont},
      {"FONTFILE", StoreHeaderKind::kUnknown},  // shorter than a header
      {"FONTFILE 3.00 UN", StoreHeaderKind::kUnknown},
      {std::string(16, '\0'), StoreHeaderKind::kUnknown},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClassifyStoreHeader(reinterpret_cast<const uint8_t*>(c.bytes.data()), c.bytes.size()), c.kind)
        << c.bytes;
  }
}

}  // namespace
