// Damaged and hostile blocks: each gives -1, tells the user, and leaves the record as it
// was; nothing is read past the file, and no temporary picture is left behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/file/char_block_convert.h"
#include "core/path/stroke_path.h"
#include "core/record/char_data_full.h"
#include "core/store/char_store.h"
#include "core/store/store_section.h"
#include "platform/file/binary_file.h"
#include "platform/file/little_endian.h"
#include "support/char_file_fixture.h"
#include "support/file_bytes.h"
#include "support/path_points.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

// Offset of the first text record's length in a present-day block.
constexpr size_t kFirstTextAt = 2088;

class DamagedBlock : public CharFileTest {
 protected:
  void SetUp() override {
    CharFileTest::SetUp();
    // Temporary pictures go to a folder of this test, so that leftovers can be counted.
    const char* tmp = std::getenv("TMPDIR");
    savedTmp_ = tmp ? tmp : "";
    hadTmp_ = tmp != nullptr;
    tempFolder_ = dir / "tmp";
    fs::create_directory(tempFolder_);
    setenv("TMPDIR", tempFolder_.c_str(), 1);
    SetPoints(record_, {{50, 60, 1, 30}, {70, 80, 0, 40}});
    record_.m_param[1] = 123;
    record_.m_text[kTextTextMode] = "keep";
    record_.m_valueTable[0] = 55;
  }
  void TearDown() override {
    if (hadTmp_) {
      setenv("TMPDIR", savedTmp_.c_str(), 1);
    } else {
      unsetenv("TMPDIR");
    }
    CharFileTest::TearDown();
  }

  // A small block of every part: points, texts, a script, two pictures, a store section
  // and a value table.
  static WdfBlock Whole() {
    WdfBlock b;
    b.points = {{10, 20, 1, 5}, {30, 40, 0, 6}, {50, 60, 1, -1}};
    b.params = {{50, 2}, {1, 9}};
    b.texts = {"e", "ani", "", "", "", "\x8A\xBF"};
    b.script = "s";
    b.picture1 = {0, BmpBytes()};
    b.picture2 = {2, PngBytes()};
    b.sectionText = "t";
    b.valueTable = {1, 2};
    return b;
  }

  // The record still holds what it held before the read.
  void ExpectUntouched() {
    EXPECT_EQ(RecordPoints(record_), (std::vector<WdfPoint>{{50, 60, 1, 30}, {70, 80, 0, 40}}));
    EXPECT_EQ(record_.m_param[1], 123);
    EXPECT_EQ(record_.m_text[kTextTextMode], "keep");
    EXPECT_EQ(record_.m_valueTable[0], 55);
    EXPECT_TRUE(record_.m_tempPictures.Path(0).empty());
    EXPECT_TRUE(fs::is_empty(tempFolder_));
  }

  int Read(const Bytes& bytes) { return ReadFile(record_, WriteBytes("bad.wdf", bytes)); }

  CCharDataFull record_;
  fs::path tempFolder_;
  std::string savedTmp_;
  bool hadTmp_ = false;
};

TEST_F(DamagedBlock, HostileCountsAreRefused) {
  struct Case {
    const char* what;
    Bytes bytes;
  };
  std::vector<Case> cases;
  {
    WdfBlock b = Whole();
    b.storedPoints = 60000;
    cases.push_back({"60,000 points", BuildWdfBlock(b)});
  }
  {
    Bytes bytes = BuildWdfBlock(Whole());
    StoreU32(&bytes[kFirstTextAt], 1000000000u);
    cases.push_back({"a text of 1e9 bytes", bytes});
    StoreU32(&bytes[kFirstTextAt], 3u);
    cases.push_back({"a text of an odd length", bytes});
  }
  {
    WdfBlock b = Whole();
    b.params[50] = 100000;
    cases.push_back({"parameter 50 of 100,000", BuildWdfBlock(b)});
    b.params[50] = 0;
    b.valueTable.clear();
    cases.push_back({"parameter 50 of 0", BuildWdfBlock(b)});
    b.params[50] = -3;
    cases.push_back({"parameter 50 below 0", BuildWdfBlock(b)});
  }
  {
    WdfBlock b = Whole();
    b.picture2.type = 7;
    cases.push_back({"an unknown picture type", BuildWdfBlock(b)});
    b.picture2 = {-1, PngBytes()};
    cases.push_back({"an absent picture with bytes", BuildWdfBlock(b)});
  }
  {
    WdfBlock b = Whole();
    Bytes bytes = BuildWdfBlock(b);
    const Bytes tail = BuildWdfBlock(b);
    // The size of picture 1 said to be larger than the rest of the file.
    const size_t at = tail.size() - 4 - 8 - 60 - 2 - (8 + PngBytes().size()) - (8 + BmpBytes().size());
    ASSERT_EQ(LoadU32(&bytes[at]), 0u);  // the type of picture 1: BMP
    StoreU32(&bytes[at + 4], 5000000u);
    cases.push_back({"a picture larger than the file", bytes});
    bytes = BuildWdfBlock(b);
    bytes.resize(at + 8 + 4);
    cases.push_back({"a picture cut short", bytes});
  }
  {
    WdfBlock b;
    b.magic = "TAMBERI DATA FILE 1.0";
    b.major = 1;
    b.minor = 0;
    b.points = {{1, 2}, {3, 4}};
    b.strokeStarts = {0, 2};
    cases.push_back({"a stroke start past the points", BuildWdfBlock(b)});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    messages.ids.clear();
    EXPECT_EQ(Read(c.bytes), -1);
    EXPECT_EQ(messages.ids, std::vector<int>{61521});
    ExpectUntouched();
  }
}

TEST_F(DamagedBlock, ABlockCutAtAnyByteIsRefused) {
  const Bytes whole = BuildWdfBlock(Whole());
  ASSERT_EQ(ReadFile(*std::make_unique<CCharDataFull>(), WriteBytes("whole.wdf", whole)), 1);
  for (size_t length = 0; length < whole.size(); ++length) {
    SCOPED_TRACE(length);
    messages.ids.clear();
    EXPECT_EQ(Read(Bytes(whole.begin(), whole.begin() + static_cast<long>(length))), -1);
    // Nothing at all is the end of a file, not damage; a cut magic cannot be told from a
    // foreign file.
    const std::vector<int> told = length == 0 ? std::vector<int>{} : length < 26 ? std::vector<int>{62051}
                                                                                 : std::vector<int>{61521};
    EXPECT_EQ(messages.ids, told);
    ExpectUntouched();
  }
}

TEST_F(DamagedBlock, AForeignFileIsToldOnce) {
  Bytes bytes = BuildWdfBlock(Whole());
  bytes[0] = 'X';
  EXPECT_EQ(Read(bytes), -1);
  EXPECT_EQ(messages.ids, std::vector<int>{62051});
  EXPECT_EQ(messages.beeps, 1);
  ExpectUntouched();
}

// A block is taken whole or not at all: the strokes its store section carries reach the
// temporary set, and an old brush layout is told, only when the block was read to its end.
TEST_F(DamagedBlock, ACutBlockLeavesTheStoreAndTheOldLayoutFlagAlone) {
  const char kKanji[] = "\x8A\xBF";
  auto src = std::make_unique<CCharDataFull>();
  src->m_textSettings[0].ParseTextScript(kKanji, false);
  const CTextCharEntry entry = src->m_textSettings[0].m_entries[0];
  {
    CharStore main;
    CStrokePath path(10);
    Fill(path, {{1, 2, 1}, {3, 4, 0}});
    ASSERT_EQ(main.AddFontCharacter(entry, path), 1);
  }
  Bytes whole;
  {
    BinaryFile file;
    ASSERT_TRUE(file.Open(dir / "src.wdf", BinaryFile::Mode::kCreate));
    ASSERT_EQ(src->WriteBlock(file, 1), 1);
    ASSERT_TRUE(file.Close());
    whole = FileBytes(dir / "src.wdf");
  }
  // Temporary set 1 holds the strokes of the document already open.
  {
    CharStore temp;
    ASSERT_EQ(temp.MakeFileNames(1, false, false), 1);
    CStrokePath path(10);
    Fill(path, {{7, 7, 1}});
    ASSERT_EQ(temp.AddFontCharacter(entry, path), 1);
  }
  const Bytes tempIndex = FileBytes(*store / "fontdata_tmp1.idx");
  const Bytes tempData = FileBytes(*store / "fontdata_tmp1.dat");

  EXPECT_EQ(Read(Bytes(whole.begin(), whole.end() - 1)), -1);
  EXPECT_EQ(messages.ids, std::vector<int>{61521});
  EXPECT_EQ(FileBytes(*store / "fontdata_tmp1.idx"), tempIndex);
  EXPECT_EQ(FileBytes(*store / "fontdata_tmp1.dat"), tempData);
  ExpectUntouched();

  // Read whole, the block's strokes replace the set's.
  auto back = std::make_unique<CCharDataFull>();
  ASSERT_EQ(ReadFile(*back, WriteBytes("whole.wdf", whole)), 1);
  CStrokePath p1(10), p2(10);
  ASSERT_EQ(LoadEntryCharacter(p1, p2, back->m_textSettings[0].m_entries[0], 1), 1);
  EXPECT_EQ(PointsOf(p1), (std::vector<PathPoint>{{1, 2, 1}, {3, 4, 0}}));

  WdfBlock old = Whole();
  old.r2 = 20;
  const Bytes oldBytes = BuildWdfBlock(old);
  EXPECT_EQ(Read(Bytes(oldBytes.begin(), oldBytes.end() - 1)), -1);
  EXPECT_EQ(gOldBrushLayout, 0);
  ExpectUntouched();
  EXPECT_EQ(ReadFile(*back, WriteBytes("old.wdf", oldBytes)), 1);
  EXPECT_EQ(gOldBrushLayout, 1);
}

}  // namespace
}  // namespace tmb::test
