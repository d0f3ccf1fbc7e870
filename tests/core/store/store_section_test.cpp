#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/path/stroke_marks.h"
#include "core/path/stroke_path.h"
#include "core/record/log_font.h"
#include "core/store/char_store.h"
#include "core/store/held_strokes.h"
#include "core/store/point_record.h"
#include "core/store/store_records.h"
#include "core/store/store_section.h"
#include "core/text/text_settings.h"
#include "platform/file/binary_file.h"
#include "platform/file/byte_writer.h"
#include "platform/file/little_endian.h"
#include "support/file_bytes.h"
#include "support/path_points.h"
#include "support/scripted_messages.h"
#include "support/small_disk.h"
#include "support/store_folder.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using tmb::BinaryFile;
using tmb::ByteWriter;
using tmb::test::FileBytes;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Bytes = std::vector<uint8_t>;
using Points = std::vector<PathPoint>;

const char kKanji[] = "\x8A\xBF";  // 漢

Points Strokes(float x, int n) {
  Points out;
  for (int i = 0; i < n; ++i) out.push_back({x + float(i), float(3 * i), i % 2 == 0 ? 1 : 0});
  return out;
}

void Set(CStrokePath& path, const Points& points) {
  path.SetCount(0);
  for (const PathPoint& p : points) path.AppendPoint(int(p.x), int(p.y), p.flag);
}

CTextCharEntry FontEntry(const char* ch) {
  CTextCharEntry e;
  e.SetChar(ch);
  e.m_font = DefaultTextFont();
  e.m_nScale = 100;
  return e;
}

CTextCharEntry PictureEntry(int index, const std::string& path) {
  CTextCharEntry e = FontEntry("");
  e.m_bHidden = 1;
  e.m_nPictureIndex = index;
  e.SetPicture(path);
  return e;
}

// Adds a character to store set `set` of the data folder.
void AddCharacter(int set, const char* ch, const Points& points) {
  CharStore store;
  ASSERT_EQ(store.MakeFileNames(set, false, false), 1);
  CStrokePath path(100);
  Set(path, points);
  ASSERT_EQ(store.AddFontCharacter(FontEntry(ch), path), 1);
}

// Adds a picture to the main set; its second path gets one mark byte per stroke.
int AddPicture(const std::string& name, const Points& first, const Points& second) {
  CharStore store;
  CStrokePath p1(100), p2(100);
  Set(p1, first);
  Set(p2, second);
  p2.EnsureAuxBuffer(0);
  for (int k = 0; k < 10; ++k) p2.m_pStrokeMarks->SetMark(k, uint8_t(40 + k));
  return store.AddPicture(name, p1, p2);
}

class StoreSectionTest : public ::testing::Test {
 protected:
  // Writes the section of settings to a file of its own; its bytes.
  Bytes Save(const CTextSettings& settings, int part, int expected) {
    BinaryFile f;
    EXPECT_TRUE(f.Open(files_ / "s.bin", BinaryFile::Mode::kCreate));
    EXPECT_EQ(SaveStoreSection(settings, f, part), expected);
    EXPECT_TRUE(f.Close());
    return FileBytes(files_ / "s.bin");
  }
  // Reads bytes followed by a marker word; checks that the reader stops before the marker
  // when it accepts the section.
  int Load(CTextSettings& settings, const Bytes& bytes, int part, bool marker = true) {
    Bytes withMarker = bytes;
    Bytes word = ByteWriter().I32(0x0BADF00D).bytes();
    if (marker) withMarker.insert(withMarker.end(), word.begin(), word.end());
    tmb::test::WriteFileBytes(files_ / "l.bin", withMarker);
    BinaryFile f;
    EXPECT_TRUE(f.Open(files_ / "l.bin", BinaryFile::Mode::kRead));
    int result = LoadStoreSection(settings, f, part);
    if (result >= 0 && marker) {
      int32_t next = 0;
      EXPECT_TRUE(f.ReadI32(next));
      EXPECT_EQ(next, 0x0BADF00D);
    }
    return result;
  }
  void RemoveMainStore() {
    for (const char* name : {"fontdata.idx", "fontdata.dat", "picdata.idx", "picdata.dat"}) {
      fs::remove(folder_ / name);
    }
  }

  // A block of three entries: 漢 (in the main store), "a" (nowhere) and a picture.
  std::unique_ptr<CTextSettings> Block() {
    auto s = std::make_unique<CTextSettings>();
    s->m_nEntries = 3;
    s->m_strText = std::string(kKanji) + "a#";
    s->m_nCellSize = 140;
    s->m_nAspect = 90;
    s->m_nGlyphSize = 200;
    s->m_nValue10 = 12;
    s->m_nCharsPerLine = 8;
    s->m_nLayout2 = 2;
    s->m_nPosX = -5;
    s->m_nPosY = 7;
    s->m_entries[0] = FontEntry(kKanji);
    s->m_entries[0].m_nColumn = 1;
    s->m_entries[0].m_nRow = 1;
    s->m_entries[0].m_nPosX = 3;
    s->m_entries[0].m_nExtra = 9;
    s->m_entries[1] = FontEntry("a");
    s->m_entries[1].m_font.weight = 700;
    s->m_entries[1].m_nColumn = 3;
    s->m_entries[2] = PictureEntry(0, "c:\\pics\\p.bmp");
    s->m_entries[2].m_nColumn = 4;
    s->m_entries[2].m_nScale = 50;
    return s;
  }

  tmb::test::ScopedStoreFolder folder_;
  tmb::test::TempDir files_;
  tmb::test::ScriptedMessages messages_;
};

// Head and empty text; an entry record with the default font's face name (7 units); the
// found flag of an entry whose strokes are not stored.
constexpr size_t kHeadSize = 56;
constexpr size_t kEntryWithFace = 692 + 4 + 14;

TEST_F(StoreSectionTest, ARoundTripCarriesTheStrokesIntoTemporarySetOne) {
  AddCharacter(0, kKanji, Strokes(0, 5));
  ASSERT_EQ(AddPicture("p.bmp", Strokes(100, 3), Strokes(200, 4)), 0);
  std::unique_ptr<CTextSettings> block = Block();
  Bytes saved = Save(*block, 1, 3);

  // Elsewhere: no main store, and a stale temporary set that the read replaces.
  RemoveMainStore();
  AddCharacter(1, "z", Strokes(0, 1));
  CTextSettings read;
  ASSERT_EQ(Load(read, saved, 1), 3);
  EXPECT_EQ(read.Differs(*block), 0);
  EXPECT_EQ(read.m_nCellSize, 140);
  EXPECT_EQ(read.m_nValue10, 12);
  EXPECT_EQ(read.m_nLayout2, 2);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(CTextSettings::EntryDiffers(read.m_entries[i], block->m_entries[i]), 0) << i;

  CStrokePath p1(100), p2(100);
  EXPECT_EQ(LoadEntryCharacter(p1, p2, read.m_entries[0], 1), 1);
  EXPECT_EQ(PointsOf(p1), Strokes(0, 5));
  EXPECT_EQ(LoadEntryCharacter(p1, p2, read.m_entries[1], 1), 0);
  EXPECT_EQ(LoadEntryCharacter(p1, p2, FontEntry("z"), 1), 0);
  ASSERT_EQ(LoadEntryCharacter(p1, p2, read.m_entries[2], 1), 1);
  EXPECT_EQ(PointsOf(p1), Strokes(100, 3));
  EXPECT_EQ(PointsOf(p2), Strokes(200, 4));
  EXPECT_EQ(p2.GetStrokeMark(3), 41);
  EXPECT_FALSE(fs::exists(folder_ / "fontdata.idx") && fs::file_size(folder_ / "fontdata.idx") > 0);

  // Saved again from the temporary set alone, the section is the same to the byte.
  EXPECT_EQ(Save(read, 1, 3), saved);
}

// A full disk takes no stroke into the set: the section is taken all the same, its
// strokes held in memory for the set, and a save writes them from there.
TEST_F(StoreSectionTest, AFullDiskWhileRefillingTheTemporarySetHoldsTheStrokesForTheNextSave) {
  AddCharacter(0, kKanji, Strokes(0, 5));
  ASSERT_EQ(AddPicture("p.bmp", Strokes(100, 3), Strokes(200, 4)), 0);
  std::unique_ptr<CTextSettings> block = Block();
  const Bytes saved = Save(*block, 1, 3);
  RemoveMainStore();

  CTextSettings read;
  StoreSectionRead section;
  BinaryFile f;
  tmb::test::WriteFileBytes(files_ / "l.bin", saved);
  ASSERT_TRUE(f.Open(files_ / "l.bin", BinaryFile::Mode::kRead));
  ASSERT_TRUE(ReadStoreSection(f, read, 1, section));
  {
    tmb::test::SmallDisk full(kStoreHeaderSize);
    EXPECT_EQ(TakeStoreSection(section, f, read), 3);
  }
  EXPECT_NE(HeldCharactersOfSet(1), nullptr) << "the strokes are held in memory for the set";
  EXPECT_EQ(f.Tell(), int64_t(saved.size())) << "the reader goes on after the section";
  EXPECT_EQ(read.m_strText, block->m_strText);
  EXPECT_EQ(read.m_entries[0].Char(), block->m_entries[0].Char());
  EXPECT_EQ(read.m_entries[2].m_nPictureIndex, -1) << "the picture has no place in the set";
  CharStore set1;
  ASSERT_EQ(set1.MakeFileNames(1, false, false), 1);
  EXPECT_EQ(set1.GetFontCount(), 0);

  CStrokePath p1(100), p2(100);
  ASSERT_EQ(LoadEntryCharacter(p1, p2, read.m_entries[0], 1), 1);
  EXPECT_EQ(PointsOf(p1), Strokes(0, 5));
  ASSERT_EQ(LoadEntryCharacter(p1, p2, read.m_entries[2], 1), 1);
  EXPECT_EQ(PointsOf(p2), Strokes(200, 4));
  EXPECT_EQ(p2.GetStrokeMark(3), 41);
  EXPECT_EQ(LoadEntryCharacter(p1, p2, read.m_entries[0], 2), 0) << "held for set 1 only";

  // Saved from what the set holds in memory, read again where the disk has room: every
  // stroke is there, and the set took them, so nothing stays held.
  const Bytes again = Save(read, 1, 3);
  CharStore().RemoveTempFiles(-1);
  EXPECT_EQ(LoadEntryCharacter(p1, p2, read.m_entries[0], 1), 0) << "the set is emptied with what it held";
  CTextSettings back;
  ASSERT_EQ(Load(back, again, 1), 3);
  ASSERT_EQ(set1.MakeFileNames(1, false, false), 1);
  EXPECT_EQ(set1.GetFontCount(), 1);
  ASSERT_EQ(LoadEntryCharacter(p1, p2, back.m_entries[0], 1), 1);
  EXPECT_EQ(PointsOf(p1), Strokes(0, 5));
  ASSERT_EQ(LoadEntryCharacter(p1, p2, back.m_entries[2], 1), 1);
  EXPECT_EQ(PointsOf(p1), Strokes(100, 3));
  EXPECT_EQ(PointsOf(p2), Strokes(200, 4));
  EXPECT_EQ(p2.GetStrokeMark(3), 41);
}

TEST_F(StoreSectionTest, APictureIndexIsResolvedInTheSetItBelongsTo) {
  ASSERT_EQ(AddPicture("x.bmp", Strokes(10, 2), Strokes(20, 2)), 0);
  ASSERT_EQ(AddPicture("p.bmp", Strokes(100, 3), Strokes(200, 4)), 1);
  CTextSettings block;
  block.m_nEntries = 1;
  block.m_entries[0] = PictureEntry(1, "p.bmp");
  Bytes saved = Save(block, 1, 1);

  CTextSettings read;
  ASSERT_EQ(Load(read, saved, 1), 1);
  EXPECT_EQ(read.m_entries[0].m_nPictureIndex, 0);  // its place in temporary set 1
  // Index 0 of the main set is another picture: the temporary set's own is written.
  Bytes again = Save(read, 1, 1);
  CTextSettings elsewhere;
  RemoveMainStore();
  ASSERT_EQ(Load(elsewhere, again, 2), 1);
  CStrokePath p1(100), p2(100);
  ASSERT_EQ(LoadEntryCharacter(p1, p2, elsewhere.m_entries[0], 2), 1);
  EXPECT_EQ(PointsOf(p2), Strokes(200, 4));

  // A picture chosen from the main set keeps meaning the main set's picture.
  ASSERT_EQ(AddPicture("x.bmp", Strokes(10, 2), Strokes(20, 2)), 0);
  ASSERT_EQ(LoadEntryCharacter(p1, p2, PictureEntry(0, "x.bmp"), 1), 1);
  EXPECT_EQ(PointsOf(p2), Strokes(20, 2));
}

TEST_F(StoreSectionTest, TheBlocksTemporarySetComesBeforeTheMainSet) {
  AddCharacter(0, kKanji, Strokes(0, 2));
  AddCharacter(2, kKanji, Strokes(50, 3));
  CTextSettings block;
  block.m_nEntries = 1;
  block.m_entries[0] = FontEntry(kKanji);
  for (auto [part, points] : {std::pair{2, Strokes(50, 3)}, std::pair{1, Strokes(0, 2)}}) {
    Bytes saved = Save(block, part, 1);
    ASSERT_EQ(saved.size(), kHeadSize + 4 + kEntryWithFace + 4 + size_t(9 * points.size() + 4));
    Bytes strokes(saved.end() - long(9 * points.size() + 4), saved.end());
    BinaryFile f;
    tmb::test::WriteFileBytes(files_ / "r.bin", strokes);
    ASSERT_TRUE(f.Open(files_ / "r.bin", BinaryFile::Mode::kRead));
    CStrokePath path(100);
    ASSERT_GE(ReadRecord(f, path), 0);
    EXPECT_EQ(PointsOf(path), points) << part;
  }
}

TEST_F(StoreSectionTest, AnEmptySectionIsTheHeadAndTextAloneAndLeavesTheStoreAlone) {
  CTextSettings block;
  Bytes saved = Save(block, 1, 0);
  ByteWriter expected;
  expected.I32(300).I32(0).I32(128).I32(100).I32(256).I32(10).I32(10).I32(1).I32(0).I32(0);
  expected.Zeros(16).I32(0);
  EXPECT_EQ(saved, expected.bytes());

  AddCharacter(1, "z", Strokes(0, 1));
  Bytes tempIndex = FileBytes(folder_ / "fontdata_tmp1.idx");
  CTextSettings read;
  read.m_nEntries = 2;
  EXPECT_EQ(Load(read, saved, 1), 0);
  EXPECT_EQ(read.m_nEntries, 0);
  EXPECT_EQ(FileBytes(folder_ / "fontdata_tmp1.idx"), tempIndex);
}

TEST_F(StoreSectionTest, APictureEntryNotFoundKeepsItsPictureIndex) {
  CTextSettings block;
  block.m_nEntries = 1;
  block.m_entries[0] = PictureEntry(5, "gone.bmp");
  Bytes saved = Save(block, 1, 1);
  ASSERT_EQ(saved.size(), kHeadSize + 4 + kEntryWithFace + 4);  // found flag 0 and nothing else
  CTextSettings read;
  read.m_entries[0].m_nPictureIndex = 33;
  ASSERT_EQ(Load(read, saved, 1), 1);
  EXPECT_EQ(read.m_entries[0].m_nPictureIndex, 33);
  EXPECT_EQ(read.m_entries[0].Picture(), "gone.bmp");
}

TEST_F(StoreSectionTest, HostileSectionsAreRefusedWithoutChangingTheBlockOrTheStore) {
  AddCharacter(0, kKanji, Strokes(0, 5));
  ASSERT_EQ(AddPicture("p.bmp", Strokes(100, 3), Strokes(200, 4)), 0);
  const Bytes good = Save(*Block(), 1, 3);
  auto patched = [&](size_t offset, int32_t value) {
    Bytes b = good;
    tmb::StoreU32(&b[offset], uint32_t(value));
    return b;
  };
  auto cut = [&](size_t keep) { return Bytes(good.begin(), good.begin() + long(keep)); };
  const size_t entriesStart = kHeadSize + 4 + 6;  // the text has three units
  const size_t strokesStart = entriesStart + 3 * kEntryWithFace;
  Bytes longText = ByteWriter().I32(300).I32(0).Zeros(48).I32(2050).Zeros(2050).bytes();
  Bytes hugePoints = cut(strokesStart + 4);
  Bytes hugeCount = ByteWriter().I32(0x10000000).Zeros(16).bytes();
  hugePoints.insert(hugePoints.end(), hugeCount.begin(), hugeCount.end());

  struct Case {
    const char* name;
    Bytes bytes;
  } cases[] = {
      {"1,000 entries", patched(4, 1000)},
      {"129 entries", patched(4, 129)},
      {"negative entry count", patched(4, -1)},
      {"a 1,025-character text", longText},
      {"cut in the head", cut(30)},
      {"cut in an entry record", cut(entriesStart + 300)},
      {"cut in a face name", cut(entriesStart + 692 + 10)},
      {"cut before a found flag", cut(strokesStart + 2)},
      {"cut in a point record", cut(good.size() - 30)},
      {"cut in the stroke bytes", cut(good.size() - 1)},
      {"a point count beyond the file", hugePoints},
      {"a face name of 1,025 characters", patched(entriesStart + 692, 2050)},
  };
  AddCharacter(1, "z", Strokes(0, 1));
  const Bytes tempIndex = FileBytes(folder_ / "fontdata_tmp1.idx");
  for (const Case& c : cases) {
    std::unique_ptr<CTextSettings> read = Block();
    read->m_entries[0].m_nPosY = 77;
    EXPECT_EQ(Load(*read, c.bytes, 1, false), -1) << c.name;
    EXPECT_EQ(read->Differs(*Block()), 1) << c.name;  // still the block with its own change
    EXPECT_EQ(read->m_entries[0].m_nPosY, 77) << c.name;
    EXPECT_EQ(read->m_nEntries, 3) << c.name;
    EXPECT_EQ(FileBytes(folder_ / "fontdata_tmp1.idx"), tempIndex) << c.name;
  }
  // A set beyond the two is refused; a section read for no window changes no set.
  CTextSettings read;
  EXPECT_EQ(Load(read, good, 3), -1);
  EXPECT_EQ(Load(read, good, 0), 3);
  EXPECT_EQ(read.m_entries[0].Char(), kKanji);
  EXPECT_EQ(FileBytes(folder_ / "fontdata_tmp1.idx"), tempIndex);
  EXPECT_FALSE(fs::exists(folder_ / "fontdata_tmp2.idx"));
}

TEST_F(StoreSectionTest, OlderSectionVersionsAreRead) {
  // Version 250: 648-byte entry records with the picture index; strokes follow.
  ByteWriter v250;
  v250.I32(250).I32(1).I32(128).I32(100).I32(256).I32(10).I32(10).I32(1).I32(0).I32(0).Zeros(16);
  v250.I32(4).U16('#').U16('#');
  v250.U16(0x6F22).U16(0).I32(0).I32(2).I32(3).I32(4).I32(5);
  v250.I32(0).I32(0).I32(0).I32(0).I32(400).U8(0).U8(0).U8(0).U8(128).U8(7).U8(0).U8(0).U8(0);
  v250.U16('F').Zeros(62);
  v250.I32(80).I32(1).I32(7);
  v250.U16('q').U16('.').U16('b').Zeros(514);
  ASSERT_EQ(v250.size(), 64u + 648);
  v250.I32(4).U16('G').U16('o');  // the face name replaces the one in the record
  v250.I32(1).I32(1).I32(9).I32(9).U8(1).I32(1).I32(8).I32(8).U8(1).U8(5);
  CTextSettings read;
  ASSERT_EQ(Load(read, v250.bytes(), 2), 1);
  const CTextCharEntry& e = read.m_entries[0];
  EXPECT_EQ(read.m_strText, "##");
  EXPECT_EQ(e.Char(), kKanji);
  EXPECT_EQ(e.m_nColumn, 2);
  EXPECT_EQ(e.m_nPosY, 5);
  EXPECT_EQ(std::string(e.m_font.faceName), "Go");
  EXPECT_EQ(e.m_nScale, 80);
  EXPECT_EQ(e.m_bHidden, 1);
  EXPECT_EQ(e.Picture(), "q.b");
  EXPECT_EQ(e.m_nPictureIndex, 0);  // replaced by its place in temporary set 2
  CStrokePath p1(10), p2(10);
  ASSERT_EQ(LoadEntryCharacter(p1, p2, e, 2), 1);
  EXPECT_EQ(PointsOf(p2), (Points{{8, 8, 1}}));
  EXPECT_EQ(p2.GetStrokeMark(0), 5);

  // Version 100: narrow 352-byte entries and narrow strings, no strokes.
  ByteWriter v100;
  v100.I32(100).I32(1).I32(128).I32(100).I32(256).I32(10).I32(10).I32(1).I32(0).I32(0).Zeros(16);
  v100.I32(1).Fixed("b", 1);
  v100.Fixed(kKanji, 4).I32(1).I32(1).I32(0).I32(0);
  CLogFont::Bytes font = DefaultTextFont().ToBytes();
  v100.Bytes(font.data(), font.size());
  v100.I32(100).I32(0).I32(-1).Fixed("", 260);
  ASSERT_EQ(v100.size(), kHeadSize + 5 + 352);
  v100.I32(3).Fixed("Min", 3);
  CTextSettings old;
  old.m_entries[0].m_nExtra = 4;
  ASSERT_EQ(Load(old, v100.bytes(), 1), 1);
  EXPECT_EQ(old.m_strText, "b");
  EXPECT_EQ(old.m_entries[0].Char(), kKanji);
  EXPECT_EQ(std::string(old.m_entries[0].m_font.faceName), "Min");
  EXPECT_EQ(old.m_entries[0].m_nExtra, 0);
  EXPECT_FALSE(fs::exists(folder_ / "fontdata_tmp1.dat"));
}

}  // namespace
