#include <gtest/gtest.h>

#include <vector>

#include "core/path/stroke_marks.h"
#include "core/path/stroke_path.h"
#include "core/store/point_record.h"
#include "platform/file/binary_file.h"
#include "platform/file/byte_writer.h"
#include "support/file_bytes.h"
#include "support/path_points.h"
#include "support/temp_dir.h"

namespace {

using tmb::BinaryFile;
using tmb::ByteWriter;
using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

class PointRecordTest : public ::testing::Test {
 protected:
  std::filesystem::path Write(const std::vector<uint8_t>& bytes) {
    tmb::test::WriteFileBytes(dir_ / "r.bin", bytes);
    return dir_ / "r.bin";
  }
  BinaryFile OpenRead(const std::filesystem::path& p) {
    BinaryFile f;
    EXPECT_TRUE(f.Open(p, BinaryFile::Mode::kRead));
    return f;
  }
  tmb::test::TempDir dir_;
};

TEST_F(PointRecordTest, RecordIsCountRoundedPointsAndFlags) {
  CStrokePath path(10);
  Fill(path, {{1.5f, -2.5f, 1}, {3.49f, 4, 0}, {-0.5f, 7, 4}});
  BinaryFile f;
  ASSERT_TRUE(f.Open(dir_ / "w.bin", BinaryFile::Mode::kCreate));
  ASSERT_TRUE(WritePointRecord(f, path));
  ASSERT_TRUE(f.Close());

  ByteWriter expected;
  expected.I32(3).I32(2).I32(-3).I32(3).I32(4).I32(-1).I32(7).U8(1).U8(0).U8(4);
  EXPECT_EQ(tmb::test::FileBytes(dir_ / "w.bin"), expected.bytes());
  EXPECT_EQ(expected.size(), size_t(PointRecordSize(3)));

  BinaryFile in = OpenRead(dir_ / "w.bin");
  CStrokePath back(10);
  EXPECT_EQ(ReadRecord(in, back), 3);
  EXPECT_EQ(PointsOf(back), (Points{{2, -3, 1}, {3, 4, 0}, {-1, 7, 4}}));
}

TEST_F(PointRecordTest, EmptyPathIsFourBytes) {
  CStrokePath path(4);
  BinaryFile f;
  ASSERT_TRUE(f.Open(dir_ / "w.bin", BinaryFile::Mode::kCreate));
  ASSERT_TRUE(WritePointRecord(f, path));
  ASSERT_TRUE(f.Close());
  EXPECT_EQ(tmb::test::FileBytes(dir_ / "w.bin"), (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST_F(PointRecordTest, PointsBeyondTheCapacityAreDroppedAndTheNextRecordStillFollows) {
  ByteWriter w;
  w.I32(5);
  for (int i = 0; i < 5; ++i) w.I32(i).I32(10 * i);
  w.U8(1).U8(0).U8(0).U8(1).U8(1);
  w.I32(-77);  // whatever follows the record
  BinaryFile f = OpenRead(Write(w.bytes()));
  CStrokePath path(3);
  int starts = 0;
  EXPECT_EQ(ReadRecord(f, path, &starts), 5);
  EXPECT_EQ(PointsOf(path), (Points{{0, 0, 1}, {1, 10, 0}, {2, 20, 0}}));
  EXPECT_EQ(starts, 3);  // counted over every stored flag
  int32_t next = 0;
  EXPECT_TRUE(f.ReadI32(next));
  EXPECT_EQ(next, -77);
}

TEST_F(PointRecordTest, DamagedRecordsAreRefusedAndLeaveThePathEmpty) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"no count", {1, 0}},
      {"negative count", ByteWriter().I32(-1).bytes()},
      {"count beyond the file", ByteWriter().I32(10).I32(1).I32(2).U8(1).bytes()},
      {"huge count", ByteWriter().I32(0x7FFFFFFF).Zeros(64).bytes()},
      {"flags missing", ByteWriter().I32(2).I32(1).I32(1).I32(2).I32(2).U8(1).bytes()},
  };
  for (const Case& c : cases) {
    BinaryFile f = OpenRead(Write(c.bytes));
    CStrokePath path(100);
    Fill(path, {{9, 9, 1}});
    EXPECT_EQ(ReadRecord(f, path), -1) << c.name;
    EXPECT_EQ(path.GetCount(), 0) << c.name;
    BinaryFile g = OpenRead(dir_ / "r.bin");
    EXPECT_EQ(SkipPointRecord(g), -1) << c.name;
  }
}

TEST_F(PointRecordTest, StrokeBytesFollowTheStrokeStartsAndFitThePath) {
  CStrokePath path(10);
  Fill(path, {{0, 0, 1}, {1, 1, 0}, {2, 2, 1}, {3, 3, 2}, {4, 4, 1}});
  ASSERT_TRUE(path.EnsureAuxBuffer(0));
  path.m_pStrokeMarks->SetMark(0, 7);
  path.m_pStrokeMarks->SetMark(1, 8);  // the third start has no byte: written as 0

  BinaryFile f;
  ASSERT_TRUE(f.Open(dir_ / "w.bin", BinaryFile::Mode::kCreate));
  ASSERT_TRUE(WritePointRecord(f, path) && WriteStrokeBytes(f, path));
  ASSERT_TRUE(f.Close());
  std::vector<uint8_t> bytes = tmb::test::FileBytes(dir_ / "w.bin");
  ASSERT_EQ(bytes.size(), size_t(PointRecordSize(5) + 3));
  EXPECT_EQ((std::vector<uint8_t>(bytes.end() - 3, bytes.end())), (std::vector<uint8_t>{7, 8, 0}));

  // A path of three slots keeps two stroke starts: two bytes kept, one stepped over.
  bytes.push_back(0x5A);
  BinaryFile in = OpenRead(Write(bytes));
  CStrokePath small(3);
  int starts = 0;
  ASSERT_EQ(ReadRecord(in, small, &starts), 5);
  ASSERT_TRUE(ReadStrokeBytes(in, small, starts));
  ASSERT_NE(small.m_pStrokeMarks, nullptr);
  EXPECT_EQ(small.m_pStrokeMarks->m_nUsed, 2);
  EXPECT_EQ(small.m_pStrokeMarks->GetMark(0), 7);
  EXPECT_EQ(small.m_pStrokeMarks->GetMark(1), 8);
  uint8_t next = 0;
  EXPECT_TRUE(in.ReadU8(next));
  EXPECT_EQ(next, 0x5A);

  BinaryFile cut = OpenRead(Write(std::vector<uint8_t>(bytes.begin(), bytes.end() - 3)));
  CStrokePath again(10);
  ASSERT_EQ(ReadRecord(cut, again, &starts), 5);
  EXPECT_FALSE(ReadStrokeBytes(cut, again, starts));
}

}  // namespace
