#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/path/stroke_path.h"
#include "core/record/log_font.h"
#include "core/store/char_store.h"
#include "core/store/store_records.h"
#include "core/text/text_settings.h"
#include "platform/file/byte_writer.h"
#include "platform/service/messages.h"
#include "support/file_bytes.h"
#include "support/path_points.h"
#include "support/scripted_messages.h"
#include "support/store_folder.h"

namespace {

namespace fs = std::filesystem;
using tmb::ByteWriter;
using tmb::test::FileBytes;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

constexpr int kUpgradeQuestion = 62119;
const char kKanji[] = "\x8A\xBF";  // 漢

void OldFontRecord(ByteWriter& w, const char* ch, const CLogFont& font, int32_t offset, int32_t size) {
  w.I32(100).Fixed(ch, 4);
  CLogFont::Bytes b = font.ToBytes();
  w.Bytes(b.data(), b.size());
  w.I32(offset).I32(size).I32(0);
}

// An old store: two characters, 漢 (two points) and "a" (one point) in the default font,
// and one picture.
class OldStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ByteWriter data;
    data.I32(2).I32(5).I32(6).I32(7).I32(8).U8(1).U8(0);  // 22 bytes
    data.I32(1).I32(-3).I32(4).U8(1);                      // 13 bytes
    tmb::test::WriteFileBytes(folder_ / "fontdata.dat", data.bytes());

    ByteWriter index;
    index.Fixed(kOldFontIndexMagic, 16);
    CLogFont font = DefaultTextFont();
    OldFontRecord(index, kKanji, font, 0, 22);
    OldFontRecord(index, "a", font, 22, 13);
    oldFontIndex_ = index.bytes();
    tmb::test::WriteFileBytes(folder_ / "fontdata.idx", oldFontIndex_);

    ByteWriter pictures;
    pictures.I32(1).I32(1).I32(1).U8(1).I32(1).I32(2).I32(2).U8(1).U8(9);  // 13 + 13 + 1
    tmb::test::WriteFileBytes(folder_ / "picdata.dat", pictures.bytes());
    ByteWriter pictureIndex;
    pictureIndex.Fixed("PIC_FILE 1.00   ", 16).I32(100).Fixed("x.bmp", 260).I32(0).I32(27).I32(0);
    oldPictureIndex_ = pictureIndex.bytes();
    tmb::test::WriteFileBytes(folder_ / "picdata.idx", oldPictureIndex_);
  }

  static CTextCharEntry Entry(const char* ch) {
    CTextCharEntry e;
    e.SetChar(ch);
    e.m_font = DefaultTextFont();
    return e;
  }

  tmb::test::ScopedStoreFolder folder_;
  tmb::test::ScriptedMessages messages_;
  std::vector<uint8_t> oldFontIndex_;
  std::vector<uint8_t> oldPictureIndex_;
};

TEST_F(OldStoreTest, OpeningConvertsTheOldIndexesWhenTheUserAgreesAndKeepsThemAsBackups) {
  messages_.Answer(tmb::kAnswerYes);
  CharStore store;
  ASSERT_TRUE(store.IsOpen());
  EXPECT_EQ(messages_.CountOf(kUpgradeQuestion), 1);
  EXPECT_EQ(FileBytes(folder_ / "fontdata_bak.idx"), oldFontIndex_);
  EXPECT_EQ(FileBytes(folder_ / "picdata_bak.idx"), oldPictureIndex_);
  EXPECT_FALSE(fs::exists(folder_ / "indexfname__"));
  EXPECT_FALSE(fs::exists(folder_ / "picindexfname__"));

  std::vector<uint8_t> index = FileBytes(folder_ / "fontdata.idx");
  ASSERT_EQ(index.size(), 16u + 2 * 112);
  EXPECT_EQ(std::string(index.begin(), index.begin() + 16), kFontIndexMagic);
  EXPECT_EQ(store.FontRecord(0).m_nTag, kRecordTagConverted);
  EXPECT_EQ(store.FontRecord(0).m_nCode, 0x6F22);
  EXPECT_EQ(fs::file_size(folder_ / "picdata.idx"), 16u + 536);

  CStrokePath p1(100), p2(100);
  ASSERT_EQ(store.LoadCharacter(Entry(kKanji), p1, p2), 1);
  EXPECT_EQ(PointsOf(p1), (Points{{5, 6, 1}, {7, 8, 0}}));
  ASSERT_EQ(store.LoadCharacter(Entry("a"), p1, p2), 1);
  EXPECT_EQ(PointsOf(p1), (Points{{-3, 4, 1}}));
  ASSERT_EQ(store.LoadPictureByName("x.bmp", p1, p2), 1);
  EXPECT_EQ(PointsOf(p2), (Points{{2, 2, 1}}));
  EXPECT_EQ(p2.GetStrokeMark(0), 9);

  // Additions now go on in the current layout, and no further question comes.
  ASSERT_EQ(store.AddFontCharacter(Entry("b"), p1), 1);
  CharStore later;
  EXPECT_EQ(later.GetFontCount(), 3);
  EXPECT_EQ(messages_.CountOf(kUpgradeQuestion), 1);
}

TEST_F(OldStoreTest, RefusingTheConversionLeavesTheStoreClosedAndTheFilesUntouched) {
  messages_.Answer(tmb::kAnswerNo);
  CharStore store;
  EXPECT_FALSE(store.IsOpen());
  EXPECT_EQ(messages_.CountOf(kUpgradeQuestion), 1);
  CStrokePath p1(100), p2(100);
  EXPECT_EQ(store.LoadCharacter(Entry(kKanji), p1, p2), 0);
  EXPECT_EQ(store.AddFontCharacter(Entry("b"), p1), -1);
  EXPECT_EQ(FileBytes(folder_ / "fontdata.idx"), oldFontIndex_);
  EXPECT_EQ(FileBytes(folder_ / "picdata.idx"), oldPictureIndex_);
  EXPECT_EQ(fs::file_size(folder_ / "fontdata.dat"), 35u);
  EXPECT_FALSE(fs::exists(folder_ / "fontdata_bak.idx"));

  // Later openings in the same run do not ask again; the explicit conversion does.
  CharStore again;
  EXPECT_FALSE(again.IsOpen());
  EXPECT_EQ(messages_.CountOf(kUpgradeQuestion), 1);
  EXPECT_EQ(again.UpgradeStoreIndex(), 1);
  EXPECT_EQ(messages_.CountOf(kUpgradeQuestion), 2);
  EXPECT_EQ(again.MakeFileNames(0, false, false), 1);
}

TEST_F(OldStoreTest, TheExplicitUpgradeConvertsOnceAndThenFindsNothingToDo) {
  CharStore store;  // answered Yes by default
  ASSERT_TRUE(store.IsOpen());
  messages_.ids.clear();
  EXPECT_EQ(store.UpgradeStoreIndex(), 0);
  EXPECT_TRUE(messages_.ids.empty());
}

TEST_F(OldStoreTest, AnOldPictureIndexBesideACurrentFontIndexIsConvertedAloneOnTheWay) {
  // A current font index with one record, as an earlier partial conversion may leave.
  messages_.Answer(tmb::kAnswerYes);
  { CharStore convert; }
  tmb::test::WriteFileBytes(folder_ / "picdata.idx", oldPictureIndex_);
  std::vector<uint8_t> fontIndex = FileBytes(folder_ / "fontdata.idx");
  messages_.Answer(tmb::kAnswerYes);
  CharStore store;
  ASSERT_TRUE(store.IsOpen());
  EXPECT_EQ(messages_.CountOf(kUpgradeQuestion), 2);
  EXPECT_EQ(FileBytes(folder_ / "fontdata.idx"), fontIndex);
  EXPECT_EQ(store.GetPictureCount(), 1);
}

}  // namespace
