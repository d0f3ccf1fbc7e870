#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>
#include <sys/stat.h>

#include "platform/file/binary_file.h"
#include "platform/file/byte_reader.h"
#include "platform/file/byte_writer.h"
#include "platform/file/safe_save.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"

namespace tmb {
namespace {

std::string Slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(BinaryFile, WritesLittleEndianAndReadsItBack) {
  test::TempDir dir;
  BinaryFile f;
  ASSERT_TRUE(f.Open(dir / "a.bin", BinaryFile::Mode::kCreate));
  f.WriteU8(0xAB);
  f.WriteU16(0x1234);
  f.WriteI32(-2);
  f.WriteF32(1.5f);
  ASSERT_TRUE(f.ok());
  ASSERT_TRUE(f.Close());
  EXPECT_EQ(Slurp(dir / "a.bin"), std::string("\xAB\x34\x12\xFE\xFF\xFF\xFF\x00\x00\xC0\x3F", 11));

  ASSERT_TRUE(f.Open(dir / "a.bin", BinaryFile::Mode::kRead));
  uint8_t b;
  uint16_t w;
  int32_t i;
  float x;
  EXPECT_TRUE(f.ReadU8(b) && f.ReadU16(w) && f.ReadI32(i) && f.ReadF32(x));
  EXPECT_EQ(b, 0xAB);
  EXPECT_EQ(w, 0x1234);
  EXPECT_EQ(i, -2);
  EXPECT_EQ(x, 1.5f);
  EXPECT_TRUE(f.AtEnd());
  // A short read fails and the failure sticks.
  EXPECT_FALSE(f.ReadI32(i));
  EXPECT_FALSE(f.ok());
}

TEST(BinaryFile, OpenOrCreateNeverTruncates) {
  test::TempDir dir;
  {
    std::ofstream(dir / "idx", std::ios::binary) << "HEADER";
  }
  BinaryFile f;
  ASSERT_TRUE(f.Open(dir / "idx", BinaryFile::Mode::kOpenOrCreate));
  EXPECT_EQ(f.Size(), 6);
  f.Seek(0, SEEK_END);
  f.Write("+", 1);
  f.Close();
  EXPECT_EQ(Slurp(dir / "idx"), "HEADER+");

  ASSERT_TRUE(f.Open(dir / "new", BinaryFile::Mode::kOpenOrCreate));
  EXPECT_EQ(f.Size(), 0);
}

TEST(BinaryFile, TruncateDropsTheBytesNotYetWritten) {
  test::TempDir dir;
  {
    std::ofstream(dir / "dat", std::ios::binary) << "RECORD";
  }
  BinaryFile f;
  ASSERT_TRUE(f.Open(dir / "dat", BinaryFile::Mode::kOpenOrCreate));
  ASSERT_TRUE(f.Lock());
  f.Seek(0, SEEK_END);
  f.Write("half a record", 13);  // still in the stream's buffer
  ASSERT_TRUE(f.Truncate(6));
  EXPECT_EQ(f.Tell(), 6);
  ASSERT_TRUE(f.Close());
  EXPECT_EQ(Slurp(dir / "dat"), "RECORD");
  // Closing gave the file up: the next opening holds it at once.
  ASSERT_TRUE(f.Open(dir / "dat", BinaryFile::Mode::kOpenOrCreate));
  EXPECT_TRUE(f.Lock());
}

TEST(BinaryFile, MissingFileFailsToOpenForReading) {
  test::TempDir dir;
  BinaryFile f;
  EXPECT_FALSE(f.Open(dir / "none", BinaryFile::Mode::kRead));
  EXPECT_FALSE(f.error().empty());
}

TEST(BinaryFile, WriteToAFullDiskIsReported) {
  BinaryFile f;
  if (!f.Open("/dev/full", BinaryFile::Mode::kReadWrite)) GTEST_SKIP() << "no /dev/full";
  std::vector<char> block(1 << 16, 'x');
  f.Write(block.data(), block.size());
  EXPECT_FALSE(f.Flush() && f.ok());
}

TEST(ByteReader, ReadsAreBoundedAndStick) {
  ByteWriter w;
  w.U8(1).U16(0x0302).I32(-5).F32(0.25f).Fixed("ab", 4);
  ByteReader r(w.bytes());
  uint8_t b;
  uint16_t u;
  int32_t i;
  float f;
  std::string s;
  ASSERT_TRUE(r.ReadU8(b) && r.ReadU16(u) && r.ReadI32(i) && r.ReadF32(f) && r.ReadString(s, 4));
  EXPECT_EQ(b, 1);
  EXPECT_EQ(u, 0x0302);
  EXPECT_EQ(i, -5);
  EXPECT_EQ(f, 0.25f);
  EXPECT_EQ(s, std::string("ab\0\0", 4));
  EXPECT_EQ(r.remaining(), 0u);
  i = 77;
  EXPECT_FALSE(r.ReadI32(i));
  EXPECT_EQ(i, 77);
  EXPECT_FALSE(r.ok());
  EXPECT_FALSE(r.Seek(0));  // a failed reader stays failed
}

TEST(ByteReader, HugeSkipFailsWithoutOverflow) {
  ByteWriter w;
  w.Zeros(8);
  ByteReader r(w.bytes());
  EXPECT_TRUE(r.Skip(4));
  EXPECT_FALSE(r.Skip(SIZE_MAX));
  EXPECT_EQ(r.pos(), 4u);
}

TEST(ByteWriter, PatchesAnEarlierField) {
  ByteWriter w;
  w.U32(0).U8(9);
  w.PatchU32(0, 0x01020304);
  w.PatchU32(3, 1);  // would run past the end: ignored
  EXPECT_EQ(w.bytes(), (std::vector<uint8_t>{4, 3, 2, 1, 9}));
}

TEST(SafeSave, CommitReplacesTheTargetOnlyWhenComplete) {
  test::TempDir dir;
  auto target = dir / "work.wdf";
  ASSERT_TRUE(SaveFileAtomically(target, "old", 3));
  {
    SafeSave save(target);
    ASSERT_TRUE(save.Begin());
    save.file().Write("new contents", 12);
    EXPECT_EQ(Slurp(target), "old");  // untouched until the commit
  }                                    // destroyed without a commit
  EXPECT_EQ(Slurp(target), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

  SafeSave save(target);
  ASSERT_TRUE(save.Begin());
  save.file().Write("new", 3);
  ASSERT_TRUE(save.Commit());
  EXPECT_EQ(Slurp(target), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(SafeSave, KeepsThePermissionsOfTheFileItReplaces) {
  test::TempDir dir;
  auto target = dir / "keep.bin";
  ASSERT_TRUE(SaveFileAtomically(target, "a", 1));
  ::chmod(target.c_str(), 0640);
  ASSERT_TRUE(SaveFileAtomically(target, "b", 1));
  struct stat st;
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(SafeSave, FailedWriteKeepsTheOldFile) {
  test::TempDir dir;
  auto target = dir / "keep.bin";
  ASSERT_TRUE(SaveFileAtomically(target, "precious", 8));
  SafeSave save(target);
  ASSERT_TRUE(save.Begin());
  save.file().Write("partial", 7);
  save.file().Close();             // the stream is gone: the next write fails
  save.file().Write("more", 4);
  EXPECT_FALSE(save.Commit());
  EXPECT_EQ(Slurp(target), "precious");
}

TEST(SafeSave, AWriteLostInAnEarlierFlushStillFailsTheCommit) {
  test::TempDir dir;
  auto target = dir / "keep.bin";
  ASSERT_TRUE(SaveFileAtomically(target, "precious", 8));
  {
    SafeSave save(target);
    ASSERT_TRUE(save.Begin());
    test::SmallDisk full(64);
    const std::vector<char> block(256, 'x');
    save.file().Write(block.data(), block.size());
    // Asking for the size flushes; its failure is not the size's to report.
    save.file().Size();
    EXPECT_FALSE(save.Commit());
  }
  EXPECT_EQ(Slurp(target), "precious");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

TEST(SafeSave, UnwritableFolderFailsToBegin) {
  SafeSave save("/nonexistent-folder/x.bin");
  EXPECT_FALSE(save.Begin());
}

TEST(ReadWholeFile, RefusesMissingAndOversizedFiles) {
  test::TempDir dir;
  std::vector<uint8_t> bytes;
  EXPECT_FALSE(ReadWholeFile(dir / "none", bytes));
  ASSERT_TRUE(SaveFileAtomically(dir / "f", "12345", 5));
  EXPECT_FALSE(ReadWholeFile(dir / "f", bytes, 4));
  ASSERT_TRUE(ReadWholeFile(dir / "f", bytes));
  EXPECT_EQ(bytes.size(), 5u);
}

}  // namespace
}  // namespace tmb
