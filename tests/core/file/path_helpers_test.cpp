#include "core/file/path_helpers.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/temp_dir.h"

namespace {

TEST(PathHelpers, SplitAndJoinPathsWithEitherSeparator) {
  EXPECT_EQ(GetFileNameOfPath("c:\\data\\fontbmp\\a.bmp"), "a.bmp");
  EXPECT_EQ(GetFileNameOfPath("/home/u/x.wdf"), "x.wdf");
  EXPECT_EQ(GetFileNameOfPath("c:name.txt"), "name.txt");
  EXPECT_EQ(GetFileExt("/a.b/c.JPG"), "JPG");
  EXPECT_EQ(GetFileExt("/a.b/noext"), "");
  EXPECT_EQ(GetDirectoryOfPath("c:\\data\\a.bmp"), "c:\\data");
  EXPECT_EQ(GetDirectoryOfPath("c:\\a.bmp"), "c:\\");
  EXPECT_EQ(GetDirectoryOfPath("/home/u/x.wdf"), "/home/u");
  EXPECT_EQ(JoinPath("c:\\data\\", "a.bmp"), "c:\\data\\a.bmp");
  EXPECT_EQ(JoinPath("/tmp", "a.bmp"), "/tmp/a.bmp");
  EXPECT_EQ(JoinPath("/tmp/", "a.bmp"), "/tmp/a.bmp");
}

TEST(PathHelpers, TemporaryNamesSkipFilesThatExist) {
  tmb::test::TempDir dir;
  const std::string folder = dir.path().string();
  EXPECT_EQ(MakeTempFileName(folder, "tmbt", 7, ".bmp"), folder + "/tmbt7.bmp");
  const std::string first = MakeTempFileName(folder, "tmbt", 0, ".tmp");
  EXPECT_EQ(first, folder + "/tmbt1.tmp");
  std::FILE* f = std::fopen(first.c_str(), "w");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  EXPECT_EQ(MakeTempFileName(folder, "tmbt", 0, ".tmp"), folder + "/tmbt2.tmp");
}

}  // namespace
