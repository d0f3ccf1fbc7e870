#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_path.h"
#include "core/record/log_font.h"
#include "core/store/char_store.h"
#include "core/store/point_record.h"
#include "core/store/store_records.h"
#include "core/text/text_settings.h"
#include "platform/file/byte_writer.h"
#include "platform/file/little_endian.h"
#include "support/file_bytes.h"
#include "support/path_points.h"
#include "support/scripted_messages.h"
#include "support/store_folder.h"

namespace {

namespace fs = std::filesystem;
using tmb::ByteWriter;
using tmb::test::FileBytes;
using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

const char kKanji[] = "\x8A\xBF";  // 漢
// 表: its trail byte is '\', which must not be taken for a folder separator.
const char kOmote[] = "\x95\x5C";

CTextCharEntry Entry(std::string_view ch, const CLogFont& font = DefaultTextFont()) {
  CTextCharEntry e;
  e.SetChar(ch);
  e.m_font = font;
  e.m_nPictureIndex = -1;
  return e;
}

CTextCharEntry PictureEntry(int index) {
  CTextCharEntry e = Entry("");
  e.m_bHidden = 1;
  e.m_nPictureIndex = index;
  return e;
}

CLogFont BoldFont() {
  CLogFont f = DefaultTextFont();
  f.weight = 700;
  return f;
}

// A path of n points starting at (x, 0), a stroke every three points.
Points Strokes(float x, int n) {
  Points out;
  for (int i = 0; i < n; ++i) out.push_back({x + float(i), float(2 * i), i % 3 == 0 ? 1 : 0});
  return out;
}

void Set(CStrokePath& path, const Points& points) {
  path.SetCount(0);
  for (const PathPoint& p : points) path.AppendPoint(int(p.x), int(p.y), p.flag);
}

Points Loaded(CharStore& store, const CTextCharEntry& entry) {
  CStrokePath p1(1000), p2(1000);
  if (store.LoadCharacter(entry, p1, p2) != 1) return {};
  return PointsOf(p1);
}

class CharStoreTest : public ::testing::Test {
 protected:
  // Adds the points under the entry through a store of its own.
  void Add(const CTextCharEntry& entry, const Points& points, bool textMode = false) {
    CharStore store;
    if (textMode) {
      ASSERT_EQ(store.MakeFileNames(0, false, true), 1);
    }
    CStrokePath path(1000);
    Set(path, points);
    ASSERT_EQ(store.AddFontCharacter(entry, path), 1);
  }

  tmb::test::ScopedStoreFolder folder_;
  tmb::test::ScriptedMessages messages_;
};

TEST_F(CharStoreTest, MissingIndexesAreMadeEmptyByTheFirstOpeningAndTheFirstAdditionWritesTheHeader) {
  CharStore store;
  ASSERT_TRUE(store.IsOpen());
  EXPECT_EQ(store.FontIndexName(), folder_ / "fontdata.idx");
  // Opening a new store makes both index files, empty; the data files wait for an addition.
  EXPECT_EQ(fs::file_size(folder_ / "fontdata.idx"), 0u);
  EXPECT_EQ(fs::file_size(folder_ / "picdata.idx"), 0u);
  EXPECT_FALSE(fs::exists(folder_ / "fontdata.dat"));
  EXPECT_FALSE(fs::exists(folder_ / "picdata.dat"));
  CharStore text;
  ASSERT_EQ(text.MakeFileNames(0, false, true), 1);
  EXPECT_EQ(fs::file_size(folder_ / "textdata.idx"), 0u);

  CStrokePath path(10);
  Set(path, {{1, 2, 1}, {3, 4, 0}});
  ASSERT_EQ(store.AddFontCharacter(Entry(kKanji), path), 1);

  CFontIndexRecord record;
  record.m_nTag = kRecordTagAdded;
  record.m_nCode = 0x6F22;
  record.m_key = CWideLogFont::FromLogFont(DefaultTextFont());
  record.m_key.ClearSize();
  record.m_nOffset = 0;
  record.m_nSize = 22;
  std::vector<uint8_t> expected(kFontIndexMagic.begin(), kFontIndexMagic.end());
  expected.resize(16 + 112);
  record.Store(expected.data() + 16);
  EXPECT_EQ(FileBytes(folder_ / "fontdata.idx"), expected);
  EXPECT_EQ(FileBytes(folder_ / "fontdata.dat"),
            ByteWriter().I32(2).I32(1).I32(2).I32(3).I32(4).U8(1).U8(0).bytes());
}

TEST_F(CharStoreTest, AMissingStoreFolderIsMadeByTheFirstOpening) {
  // The user's data folder does not exist before the program first uses the store.
  const fs::path user = folder_ / "home/.local/share/Tamberi";
  gWorkCanvas.m_folder = user.string();
  {
    CharStore store;
    ASSERT_TRUE(store.IsOpen());
    EXPECT_TRUE(fs::is_regular_file(user / "fontdata.idx"));
    EXPECT_TRUE(Loaded(store, Entry(kKanji)).empty());
  }
  Add(Entry(kKanji), Strokes(0, 4));
  CharStore store;
  EXPECT_EQ(Loaded(store, Entry(kKanji)), Strokes(0, 4));
  // A folder that cannot be made (a file is in its way) fails the opening, and with it
  // every addition.
  gWorkCanvas.m_folder = (user / "fontdata.idx/sub").string();
  CharStore blocked;
  EXPECT_FALSE(blocked.IsOpen());
  CStrokePath path(10);
  Set(path, Strokes(0, 2));
  EXPECT_EQ(blocked.AddFontCharacter(Entry(kKanji), path), -1);
}

TEST_F(CharStoreTest, TheNewestOfTwoEqualKeysWinsInThisAndEveryLaterOpening) {
  Add(Entry(kKanji), Strokes(0, 4));
  CharStore store;
  CStrokePath path(100);
  Set(path, Strokes(50, 7));
  ASSERT_EQ(store.AddFontCharacter(Entry(kKanji), path), 1);
  EXPECT_EQ(store.GetFontCount(), 2);
  EXPECT_EQ(Loaded(store, Entry(kKanji)), Strokes(50, 7));

  CharStore later;
  EXPECT_EQ(Loaded(later, Entry(kKanji)), Strokes(50, 7));
  EXPECT_EQ(fs::file_size(folder_ / "fontdata.dat"), uintmax_t(PointRecordSize(4) + PointRecordSize(7)));
}

TEST_F(CharStoreTest, FontModeKeysByFontButNotSizeAndTextModeIgnoresTheFont) {
  Add(Entry(kKanji), Strokes(0, 3));
  Add(Entry(kKanji, BoldFont()), Strokes(10, 3));
  CLogFont large = DefaultTextFont();
  large.height = 256;
  CharStore fonts;
  EXPECT_EQ(Loaded(fonts, Entry(kKanji)), Strokes(0, 3));
  EXPECT_EQ(Loaded(fonts, Entry(kKanji, large)), Strokes(0, 3));
  EXPECT_EQ(Loaded(fonts, Entry(kKanji, BoldFont())), Strokes(10, 3));
  EXPECT_EQ(Loaded(fonts, Entry("a")), Points{});

  Add(Entry(kKanji), Strokes(20, 2), true);
  Add(Entry(kKanji, BoldFont()), Strokes(30, 2), true);
  CharStore text;
  ASSERT_EQ(text.MakeFileNames(0, false, true), 1);
  EXPECT_EQ(text.FontIndexName(), folder_ / "textdata.idx");
  EXPECT_EQ(Loaded(text, Entry(kKanji, large)), Strokes(30, 2));
  // The font store was not touched by the text-mode additions.
  CharStore again;
  EXPECT_EQ(again.GetFontCount(), 2);
}

TEST_F(CharStoreTest, StoresOpenAtTheSameTimeSeeEachOthersAdditionsAndKeepThem) {
  CharStore first;
  CharStore second;
  CStrokePath path(100);
  Set(path, Strokes(0, 3));
  ASSERT_EQ(first.AddFontCharacter(Entry("a"), path), 1);
  Set(path, Strokes(5, 4));
  ASSERT_EQ(second.AddFontCharacter(Entry("b"), path), 1);
  // The second store appended after the first one's record, and took it in.
  EXPECT_EQ(second.GetFontCount(), 2);
  EXPECT_EQ(Loaded(second, Entry("a")), Strokes(0, 3));

  CharStore third;
  EXPECT_EQ(fs::file_size(folder_ / "fontdata.idx"), 16u + 2 * 112);
  EXPECT_EQ(Loaded(third, Entry("a")), Strokes(0, 3));
  EXPECT_EQ(Loaded(third, Entry("b")), Strokes(5, 4));
}

// The entry and points that program p adds as its i-th character.
CTextCharEntry ProgramEntry(int p, int i) {
  CTextCharEntry e = Entry("a");
  e.m_font.weight = 1000 * p + i;
  return e;
}
Points ProgramPoints(int p, int i) { return Strokes(float(1000 * p + i), 2 + i % 5); }

TEST_F(CharStoreTest, TwoProgramsAddingToOneStoreAtOnceLoseNoRecord) {
  constexpr int kPrograms = 2;
  constexpr int kAdditions = 500;
  int go[2];
  ASSERT_EQ(pipe(go), 0);
  std::vector<pid_t> children;
  for (int p = 0; p < kPrograms; ++p) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      // Both programs start adding at the same moment; each adds through stores of its
      // own, as the registration does, and leaves without running the test's cleanup.
      char byte = 0;
      close(go[1]);
      if (read(go[0], &byte, 1) != 1) _exit(2);
      CStrokePath path(100);
      for (int i = 0; i < kAdditions; ++i) {
        CharStore store;
        Set(path, ProgramPoints(p, i));
        if (store.AddFontCharacter(ProgramEntry(p, i), path) != 1) _exit(1);
      }
      _exit(0);
    }
    children.push_back(pid);
  }
  close(go[0]);
  const char start[kPrograms] = {};
  ASSERT_EQ(write(go[1], start, sizeof start), ssize_t(sizeof start));
  close(go[1]);
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }

  CharStore store;
  EXPECT_EQ(store.GetFontCount(), kPrograms * kAdditions);
  EXPECT_EQ(fs::file_size(folder_ / "fontdata.idx"), 16u + 112u * kPrograms * kAdditions);
  uintmax_t data = 0;
  for (int p = 0; p < kPrograms; ++p) {
    for (int i = 0; i < kAdditions; ++i) {
      EXPECT_EQ(Loaded(store, ProgramEntry(p, i)), ProgramPoints(p, i)) << p << " " << i;
      data += uintmax_t(PointRecordSize(int(ProgramPoints(p, i).size())));
    }
  }
  EXPECT_EQ(fs::file_size(folder_ / "fontdata.dat"), data);
}

TEST_F(CharStoreTest, AnIndexRemovedWhileAStoreIsOpenStartsAgainAtItsHeader) {
  CharStore store;
  CStrokePath path(100);
  Set(path, Strokes(0, 3));
  ASSERT_EQ(store.AddFontCharacter(Entry("a"), path), 1);
  fs::remove(folder_ / "fontdata.idx");
  Set(path, Strokes(5, 4));
  ASSERT_EQ(store.AddFontCharacter(Entry("b"), path), 1);
  EXPECT_EQ(store.GetFontCount(), 1);
  EXPECT_EQ(fs::file_size(folder_ / "fontdata.idx"), 16u + 112);
  CharStore later;
  EXPECT_EQ(Loaded(later, Entry("b")), Strokes(5, 4));
  EXPECT_EQ(Loaded(later, Entry("a")), Points{});
}

TEST_F(CharStoreTest, ManyAdditionsThroughOneOpeningStayInBounds) {
  CharStore store;
  CStrokePath path(10);
  constexpr int kAdditions = 300;  // well past the 128 free slots an opening once had
  for (int i = 0; i < kAdditions; ++i) {
    Set(path, {{float(i), 1, 1}});
    CTextCharEntry e = Entry("a");
    e.m_font.weight = i;
    ASSERT_EQ(store.AddFontCharacter(e, path), 1) << i;
  }
  EXPECT_EQ(store.GetFontCount(), kAdditions);
  EXPECT_EQ(fs::file_size(folder_ / "fontdata.idx"), 16u + 112u * kAdditions);
  CharStore later;
  CTextCharEntry last = Entry("a");
  last.m_font.weight = kAdditions - 1;
  EXPECT_EQ(Loaded(later, last), (Points{{float(kAdditions - 1), 1, 1}}));
}

TEST_F(CharStoreTest, PictureRoundTripKeepsBothPathsAndTheStrokeBytes) {
  CharStore store;
  CStrokePath p1(100), p2(100);
  Set(p1, Strokes(0, 5));
  Set(p2, Strokes(100, 7));  // three stroke starts
  ASSERT_TRUE(p2.EnsureAuxBuffer(0));
  for (int k = 0; k < 3; ++k) p2.m_pStrokeMarks->SetMark(k, uint8_t(10 + k));
  std::string name = std::string("c:\\data\\") + kOmote + ".bmp";
  ASSERT_EQ(store.AddPicture(name, p1, p2), 0);
  Set(p1, Strokes(0, 1));
  p2.SetCount(0);
  ASSERT_EQ(store.AddPicture("other.bmp", p1, p2), 1);

  const CPictureIndexRecord& r = store.PictureRecord(0);
  EXPECT_EQ(r.Name(), u"\x8868.bmp");
  EXPECT_EQ(r.m_nOffset, 0);
  EXPECT_EQ(r.m_nSize, 3 + 9 * 5 + 9 * 7 + 8);
  EXPECT_EQ(store.PictureRecord(1).m_nOffset, r.m_nSize);
  EXPECT_EQ(fs::file_size(folder_ / "picdata.idx"), 16u + 2 * 536);

  CharStore later;
  CStrokePath q1(100), q2(100);
  ASSERT_EQ(later.LoadCharacter(PictureEntry(0), q1, q2), 1);
  EXPECT_EQ(PointsOf(q1), Strokes(0, 5));
  EXPECT_EQ(PointsOf(q2), Strokes(100, 7));
  ASSERT_NE(q2.m_pStrokeMarks, nullptr);
  EXPECT_EQ(q2.m_pStrokeMarks->m_nUsed, 3);
  EXPECT_EQ(q2.m_pStrokeMarks->GetMark(2), 12);

  CStrokePath n1(100), n2(100);
  ASSERT_EQ(later.LoadPictureByName(std::string("d:\\elsewhere\\") + kOmote + ".bmp", n1, n2), 1);
  EXPECT_EQ(PointsOf(n2), Strokes(100, 7));
  EXPECT_EQ(later.LoadPictureByName("missing.bmp", n1, n2), -1);
}

TEST_F(CharStoreTest, PictureEntriesOutsideTheIndexLoadNothing) {
  CharStore store;
  CStrokePath p1(10), p2(10);
  Set(p1, Strokes(0, 2));
  ASSERT_EQ(store.AddPicture("a.bmp", p1, p2), 0);
  for (int index : {-1, 1, 1000}) {
    Set(p1, Strokes(9, 2));
    Set(p2, Strokes(9, 2));
    EXPECT_EQ(store.LoadCharacter(PictureEntry(index), p1, p2), 0) << index;
    EXPECT_EQ(p1.GetCount(), 0) << index;
    EXPECT_EQ(p2.GetCount(), 0) << index;
  }
}

TEST_F(CharStoreTest, RemovingTemporarySetsDeletesTheirFilesOnly) {
  CStrokePath path(10);
  Set(path, Strokes(0, 2));
  for (int set : {1, 2}) {
    CharStore store;
    ASSERT_EQ(store.MakeFileNames(set, false, false), 1);
    ASSERT_EQ(store.AddFontCharacter(Entry("a"), path), 1);
    ASSERT_EQ(store.AddPicture("p.bmp", path, path), 0);
  }
  Add(Entry("a"), Strokes(0, 1));
  auto exists = [&](const char* name) { return fs::exists(folder_ / name); };
  ASSERT_TRUE(exists("fontdata_tmp1.idx") && exists("picdata_tmp2.dat"));

  CharStore store;
  EXPECT_EQ(store.RemoveTempFiles(1), 1);
  EXPECT_FALSE(store.IsOpen());
  for (const char* name : {"fontdata_tmp1.idx", "fontdata_tmp1.dat", "picdata_tmp1.idx", "picdata_tmp1.dat"}) {
    EXPECT_FALSE(exists(name)) << name;
  }
  EXPECT_TRUE(exists("fontdata_tmp2.dat"));
  EXPECT_EQ(store.RemoveTempFiles(-1), 1);
  for (const char* name : {"fontdata_tmp2.idx", "fontdata_tmp2.dat", "picdata_tmp2.idx", "picdata_tmp2.dat"}) {
    EXPECT_FALSE(exists(name)) << name;
  }
  EXPECT_TRUE(exists("fontdata.idx") && exists("fontdata.dat"));
}

TEST_F(CharStoreTest, AFailedIndexWriteIsReportedAndLeavesBothFilesAsTheyWere) {
  Add(Entry("a"), Strokes(0, 3));
  CharStore store;
  std::vector<uint8_t> data = FileBytes(folder_ / "fontdata.dat");
  // The index cannot be opened any more: it has become a folder.
  fs::rename(folder_ / "fontdata.idx", folder_ / "saved.idx");
  fs::create_directory(folder_ / "fontdata.idx");
  CStrokePath path(10);
  Set(path, Strokes(0, 5));
  EXPECT_EQ(store.AddFontCharacter(Entry("b"), path), -1);
  EXPECT_EQ(FileBytes(folder_ / "fontdata.dat"), data);
  EXPECT_EQ(store.GetFontCount(), 1);
  EXPECT_EQ(store.AddPicture("p.bmp", path, path), 0);  // the picture files are fine

  fs::remove(folder_ / "fontdata.idx");
  fs::rename(folder_ / "saved.idx", folder_ / "fontdata.idx");
  CharStore later;
  EXPECT_EQ(later.GetFontCount(), 1);
  EXPECT_EQ(Loaded(later, Entry("a")), Strokes(0, 3));
}

TEST_F(CharStoreTest, DamagedIndexesAreRefusedAndNeverWrittenOver) {
  struct Case {
    const char* name;
    const char* file;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"font index of unknown magic", "fontdata.idx", ByteWriter().Fixed("FONTFILE 3.00 UN", 16).Zeros(112).bytes()},
      {"font index shorter than its header", "fontdata.idx", ByteWriter().Fixed("FONTFILE", 8).bytes()},
      {"picture index with the font magic", "picdata.idx", ByteWriter().Fixed("FONTFILE 2.00 UN", 16).bytes()},
      {"picture index shorter than its header", "picdata.idx", ByteWriter().Fixed("PIC", 3).bytes()},
  };
  for (const Case& c : cases) {
    tmb::test::ScopedStoreFolder folder;
    tmb::test::WriteFileBytes(folder / c.file, c.bytes);
    CharStore store;
    EXPECT_FALSE(store.IsOpen()) << c.name;
    CStrokePath path(10);
    Set(path, Strokes(0, 2));
    EXPECT_EQ(store.AddFontCharacter(Entry("a"), path), -1) << c.name;
    EXPECT_EQ(store.AddPicture("p.bmp", path, path), -1) << c.name;
    EXPECT_EQ(FileBytes(folder / c.file), c.bytes) << c.name;
    EXPECT_FALSE(fs::exists(folder / "fontdata.dat")) << c.name;
  }
  EXPECT_TRUE(messages_.ids.empty());
}

TEST_F(CharStoreTest, ATrailingPartialRecordIsNotCountedAndIsWrittenOver) {
  Add(Entry("a"), Strokes(0, 2));
  std::vector<uint8_t> index = FileBytes(folder_ / "fontdata.idx");
  index.resize(index.size() + 50, 0xEE);
  tmb::test::WriteFileBytes(folder_ / "fontdata.idx", index);
  CharStore store;
  EXPECT_EQ(store.GetFontCount(), 1);
  CStrokePath path(10);
  Set(path, Strokes(7, 2));
  ASSERT_EQ(store.AddFontCharacter(Entry("b"), path), 1);
  EXPECT_EQ(fs::file_size(folder_ / "fontdata.idx"), 16u + 2 * 112);
  CharStore later;
  EXPECT_EQ(Loaded(later, Entry("b")), Strokes(7, 2));
}

TEST_F(CharStoreTest, RecordsPointingOutsideTheDataFileLoadNothing) {
  Add(Entry("a"), Strokes(0, 2));
  std::vector<uint8_t> index = FileBytes(folder_ / "fontdata.idx");
  for (int32_t offset : {-5, 1000, 2}) {
    tmb::StoreU32(&index[16 + 100], uint32_t(offset));
    tmb::test::WriteFileBytes(folder_ / "fontdata.idx", index);
    CharStore store;
    CStrokePath path(10);
    EXPECT_EQ(store.LoadFontRecord(Entry("a"), path), -1) << offset;
    EXPECT_EQ(path.GetCount(), 0) << offset;
  }
}

}  // namespace
