#include <gtest/gtest.h>

#include <array>

#include "core/number_helpers.h"
#include "core/path_helpers.h"
#include "core/rect_helpers.h"
#include "core/string_helpers.h"
#include "core/text_char_class.h"
#include "support/temp_dir.h"

namespace {

TEST(NumberHelpers, ClampTestsTheLowerBoundFirst) {
  EXPECT_EQ(ClampInt(5, 10, 1), 10);
  EXPECT_EQ(ClampInt(0, 1, 9), 1);
  EXPECT_EQ(ClampInt(10, 1, 9), 9);
  EXPECT_EQ(ClampInt(4, 1, 9), 4);
  EXPECT_EQ(ClampDouble(-0.5, 0.0, 1.0), 0.0);
  EXPECT_EQ(IsBetween(1, 1, 3), 1);
  EXPECT_EQ(IsBetween(1, 4, 3), 0);
  const int32_t values[] = {4, 8, 8, 15};
  EXPECT_EQ(IndexOfInt(8, values, 4), 1);
  EXPECT_EQ(IndexOfInt(16, values, 4), -1);
  EXPECT_EQ(IndexOfInt(15, values, 3), -1);
  int32_t a = 1, b = 2;
  EXPECT_EQ(SwapIntReturnOld(a, b), 1);
  EXPECT_EQ(a, 2);
  uint8_t rgb[3];
  ColorToRgbBytes(rgb, 0x336699);
  EXPECT_EQ(rgb[0], 0x99);
  EXPECT_EQ(rgb[2], 0x33);
}

TEST(NumberHelpers, TerminatedRunsAppendWithinTheirBuffer) {
  std::array<uint8_t, 8> dst = {1, 2, 255, 0, 0, 0, 0, 0};
  const std::array<uint8_t, 4> src = {7, 8, 255, 9};
  EXPECT_EQ(AppendTerminatedRun(dst, src, -1, -1), 4);
  EXPECT_EQ(dst, (std::array<uint8_t, 8>{1, 2, 7, 8, 255, 0, 0, 0}));
  EXPECT_EQ(AppendTerminatedRun(dst, src, 4, 2), 6);
  EXPECT_EQ(dst[6], 255);
  const std::array<uint8_t, 8> before = dst;
  EXPECT_EQ(AppendTerminatedRun(dst, src, -1, -1), -1) << "no room for two more and a terminator";
  EXPECT_EQ(dst, before);
  const std::array<uint8_t, 2> unterminated = {3, 4};
  EXPECT_EQ(AppendTerminatedRun(dst, unterminated, 0, -1), -1);
  EXPECT_EQ(AppendTerminatedRun(dst, src, 0, 50), -1);
}

TEST(RectHelpers, ClipNormalisesAndReportsOverlap) {
  tmb::Rect r{10, 8, 2, 1};
  EXPECT_TRUE(NormalizeAndClipRect(r, {0, 0, 5, 5}));
  EXPECT_EQ(r, (tmb::Rect{2, 1, 5, 5}));
  tmb::Rect outside{6, 6, 9, 9};
  EXPECT_FALSE(NormalizeAndClipRect(outside, {0, 0, 5, 5}));
  tmb::Point p1{8, 9}, p2{-3, 2};
  ClipCornersToRect(p1, p2, {0, 0, 5, 5});
  EXPECT_EQ(p1, (tmb::Point{0, 2}));
  EXPECT_EQ(p2, (tmb::Point{5, 5}));
  tmb::Point q1{-1, -1}, q2{9, 9};
  ClipCornersToRect(q1, q2, {0, 0, 5, 5});
  EXPECT_EQ(q1, (tmb::Point{-1, -1})) << "a result equal to the clip leaves the points";
}

TEST(PathHelpers, SplitAndJoinPathsWithEitherSeparator) {
  EXPECT_EQ(GetFileNameOfPath("c:\\data\\fontbmp\\a.bmp"), "a.bmp");
  EXPECT_EQ(GetFileNameOfPath("/home/u/x.wdf"), "x.wdf");
  EXPECT_EQ(GetFileNameOfPath("c:name.txt"), "name.txt");
  EXPECT_EQ(GetFileExtension("/a.b/c.JPG"), "JPG");
  EXPECT_EQ(GetFileExtension("/a.b/noext"), "");
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

TEST(StringHelpers, ConversionsStayWithinTheirBuffers) {
  const char sjis[] = "\x8a\xbf\x8e\x9a" "ab";  // 漢字ab
  std::array<char16_t, 8> wide;
  wide.fill(u'x');
  EXPECT_EQ(MultiByteToWide(wide, sjis, 0), 4);
  EXPECT_EQ(std::u16string(wide.data()), u"漢字ab");
  EXPECT_EQ(wide[7], 0) << "everything after the first zero is cleared";
  std::array<char16_t, 3> small;
  EXPECT_EQ(MultiByteToWide(small, sjis, 0), 3);
  EXPECT_EQ(small[2], u'a');

  std::array<char, 16> narrow;
  narrow.fill('x');
  EXPECT_EQ(WideToMultiByte(narrow, u"漢字ab", 0), 6);
  EXPECT_EQ(std::string(narrow.data()), sjis);
  narrow.fill('x');
  EXPECT_EQ(WideToMultiByte(narrow, u"漢字ab", 3), 2) << "a two-byte character is never split";
  EXPECT_EQ(narrow[2], 0);
  EXPECT_EQ(narrow[3], 0);
  std::array<char, 4> tiny;
  EXPECT_EQ(WideToMbcsN(tiny, u"abcdefgh", -1), 4);

  std::array<char, 4> copy;
  EXPECT_STREQ(CopyString(copy, "abcdef"), "abc");
}

TEST(TextCharClass, ClassifiesPairsLineEndsCommentsAndBlanks) {
  const std::string text = "a\x8a\xbf\r\n//x/ y\x81";
  EXPECT_EQ(ClassifyTextChar(text, 0, true), kTextCharSingle);
  EXPECT_EQ(ClassifyTextChar(text, 1, true), kTextCharDouble);
  EXPECT_EQ(ClassifyTextChar(text, 3, true), kTextCharNewLine);
  EXPECT_EQ(ClassifyTextChar(text, 5, true), kTextCharComment);
  EXPECT_EQ(ClassifyTextChar(text, 8, true), kTextCharSingle) << "a single slash";
  EXPECT_EQ(ClassifyTextChar(text, 9, true), kTextCharBlank);
  EXPECT_EQ(ClassifyTextCharNoBlank(text, 9), kTextCharSingle);
  EXPECT_EQ(ClassifyTextChar(text, 11, true), kTextCharSingle) << "a lead byte at the end pairs with nothing";
  EXPECT_EQ(ClassifyTextChar(text, 99, true), kTextCharSingle);
}

}  // namespace
