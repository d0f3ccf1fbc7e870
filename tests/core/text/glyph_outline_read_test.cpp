#include "core/text/glyph_outline_read.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <vector>

#include "core/text/glyph_faces.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_work.h"
#include "core/store/font_sub_table.h"
#include "platform/file/big_endian.h"
#include "platform/gdi/font_engine.h"
#include "support/file_bytes.h"
#include "support/glyph_faces.h"
#include "support/scripted_messages.h"
#include "support/store_folder.h"
#include "support/temp_dir.h"

namespace {

using tmb::test::CubicFont;
using tmb::test::GothicFont;
using tmb::test::MinchoFont;

constexpr int kIchi = 0x88EA;   // 一
constexpr int kEi = 0x8969;     // 永
constexpr int kPrivate = 0xF040;  // the first user-defined character: no face has it

struct Point {
  float x;
  float y;
  int flag;
  int attr;
  friend bool operator==(const Point&, const Point&) = default;
};

std::ostream& operator<<(std::ostream& os, const Point& p) {
  return os << "(" << p.x << ", " << p.y << " flag " << p.flag << " attr " << p.attr << ")";
}

std::vector<Point> PointsOf(const CStrokePath& path) {
  std::vector<Point> out;
  for (int i = 0; i < path.GetCount(); ++i) {
    out.push_back({path.m_pPoints[i].x, path.m_pPoints[i].y, path.m_pFlags[i], path.m_pAttrs[i]});
  }
  return out;
}

class GlyphOutlineRead : public ::testing::Test {
 protected:
  void TearDown() override { ForgetReportedGlyphFaces(); }
  tmb::test::ScriptedMessages messages;
};

TEST_F(GlyphOutlineRead, TheLevelStrokeOfTheGothicFaceIsOneLineContourFlippedAtItsHeight) {
  CStrokePath path(100);
  const int bytes = ReadGlyphOutline(path, kIchi, GothicFont());
  // One contour header and one line run of three points.
  EXPECT_EQ(bytes, 16 + 4 + 3 * 8);
  const std::vector<Point> expected = {
      {20.5f, 142.125f, 1, 1}, {235.25f, 142.125f, 0, 1}, {235.25f, 162.875f, 0, 1}, {20.5f, 162.875f, 0, 1}};
  EXPECT_EQ(PointsOf(path), expected);
}

TEST_F(GlyphOutlineRead, ContoursBecomeStrokesWithTheirControlPointsSkipped) {
  CStrokePath path(1000);
  ASSERT_GT(ReadGlyphOutline(path, 'o', GothicFont()), 0);
  EXPECT_EQ(path.CountStrokes(), 2) << "the letter o: an outer and an inner contour";
  int controls = 0;
  for (int i = 0; i < path.GetCount(); ++i) {
    ASSERT_TRUE(path.m_pAttrs[i] == CStrokePath::kAttrDefault || path.m_pAttrs[i] == CStrokePath::kAttrSkip);
    controls += path.m_pAttrs[i] == CStrokePath::kAttrSkip;
    // A control point never starts or ends a contour.
    if (path.m_pAttrs[i] == CStrokePath::kAttrSkip) {
      EXPECT_EQ(path.m_pFlags[i], 0);
      EXPECT_FALSE(path.IsStrokeLast(i));
    }
  }
  EXPECT_GT(controls, 0);

  // A space has no outline and appends nothing; appended glyphs follow what was there.
  const int before = path.GetCount();
  EXPECT_EQ(ReadGlyphOutline(path, ' ', GothicFont()), 0);
  EXPECT_EQ(path.GetCount(), before);
  EXPECT_GT(ReadGlyphOutline(path, 'o', GothicFont()), 0);
  EXPECT_EQ(path.GetCount(), 2 * before);
  EXPECT_EQ(path.CountStrokes(), 4);
}

TEST_F(GlyphOutlineRead, CodesAreShiftJisAndAMissingCharacterIsNotInTheFont) {
  // 永 read by its code page 932 code is the glyph of U+6C38, not of the code's number.
  CStrokePath ei(2000);
  ASSERT_GT(ReadGlyphOutline(ei, kEi, GothicFont()), 0);
  EXPECT_GE(ei.CountStrokes(), 1);
  tmb::RawOutline raw;
  ASSERT_TRUE(tmb::LoadGlyphOutline(PlatformFontOf(GothicFont(-256)), U'永', raw));
  EXPECT_EQ(ei.CountStrokes(), int(raw.contourEnds.size()));

  CStrokePath path(100);
  path.AppendPoint(1, 2, 1);
  path.AppendPoint(3, 4, 0);
  const std::vector<Point> before = PointsOf(path);
  for (int code : {kPrivate, 0x81, 0xFFFF, 0, -5, 0x12345}) {
    SCOPED_TRACE(code);
    EXPECT_EQ(ReadGlyphOutline(path, code, GothicFont()), kGlyphNotInFont);
    EXPECT_EQ(PointsOf(path), before);
  }
  EXPECT_TRUE(messages.ids.empty()) << "a missing character is no fault of the face";
}

TEST_F(GlyphOutlineRead, AGlyphThatDoesNotFitLeavesThePathAsItWas) {
  CStrokePath path(5);
  path.AppendPoint(1, 2, 1);
  path.AppendPoint(3, 4, 0);
  EXPECT_EQ(ReadGlyphOutline(path, 'o', GothicFont()), kGlyphPathFull);
  EXPECT_EQ(path.GetCount(), 2);
  EXPECT_EQ(ReadGlyphOutline(path, kIchi, GothicFont()), kGlyphPathFull);  // four points, three free
  EXPECT_EQ(path.GetCount(), 2);
  EXPECT_EQ(ReadGlyphOutline(path, ' ', GothicFont()), 0);
}

TEST_F(GlyphOutlineRead, CubicFacesArriveAsQuadraticContours) {
  CStrokePath path(2000);
  ASSERT_GT(ReadGlyphOutline(path, 'o', CubicFont()), 0);
  EXPECT_EQ(path.CountStrokes(), 2);
  // Every curve run is control points followed by a point on the curve, as in the faces
  // with quadratic curves; the outline stays inside the em.
  for (int i = 0; i < path.GetCount(); ++i) {
    EXPECT_GT(path.m_pPoints[i].y, 0);
    EXPECT_LT(path.m_pPoints[i].y, 300);
  }
  EXPECT_GT(path.GetCount(), 8);
}

TEST_F(GlyphOutlineRead, TheDigitOneTellsWhichWayAFacesContoursRun) {
  tmb::test::ScopedStoreFolder store;
  EXPECT_EQ(HasSingleContourOutline(GothicFont()), 1);
  EXPECT_EQ(HasSingleContourOutline(CubicFont()), 1);
  EXPECT_EQ(GlyphFaceTurnValue(GothicFont()), 0);
  EXPECT_EQ(GlyphFaceTurnValue(MinchoFont()), 0);
  EXPECT_EQ(GlyphFaceTurnValue(CubicFont()), 1);
}

// The offset and length of table tag in a TrueType face file.
std::pair<size_t, size_t> FindTable(const std::vector<uint8_t>& face, const char* tag) {
  const size_t tables = size_t(face[4]) << 8 | face[5];
  for (size_t i = 0; i < tables; ++i) {
    const uint8_t* entry = face.data() + 12 + 16 * i;
    if (std::equal(entry, entry + 4, tag)) return {tmb::LoadBigU32(entry + 8), tmb::LoadBigU32(entry + 12)};
  }
  ADD_FAILURE() << "no table " << tag;
  return {0, 0};
}

// A face file of the test's own in place of every font's face.
class DamagedFace : public GlyphOutlineRead {
 protected:
  std::filesystem::path Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::filesystem::path file = dir / name;
    tmb::test::WriteFileBytes(file, bytes);
    return file;
  }
  tmb::test::TempDir dir;
  tmb::test::ScopedStoreFolder store;
};

TEST_F(DamagedFace, EveryFaultOfAFaceIsToldOnceNamedByItsResultAndCachesNothing) {
  gFontSubTable.SetValueFunction(GlyphFaceTurnValue);
  const std::vector<uint8_t> mincho = tmb::test::FileBytes(tmb::test::MinchoFaceFile());
  ASSERT_GT(mincho.size(), 100000u);
  std::mt19937 rng(7);
  std::vector<uint8_t> random(64 * 1024);
  for (uint8_t& b : random) b = uint8_t(rng());
  // The glyph data scrambled: the face opens, its glyphs do not load.
  std::vector<uint8_t> scrambled = mincho;
  const auto [glyf, glyfLength] = FindTable(mincho, "glyf");
  for (size_t i = glyf; i < glyf + glyfLength; ++i) scrambled[i] = uint8_t(rng());
  // Sixteen units to the em: every glyph reaches over a hundred em from its origin.
  std::vector<uint8_t> huge = mincho;
  tmb::StoreBigU16(huge.data() + FindTable(mincho, "head").first + 18, 16);
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    int result;
    int message;
  } cases[] = {
      // The tables the face opens with lie after the glyph data: a cut file is no face.
      {"cut.ttf", {mincho.begin(), mincho.begin() + std::ptrdiff_t(mincho.size() / 2)}, kGlyphFaceUnreadable, 61560},
      {"random.ttf", random, kGlyphFaceUnreadable, 61560},
      {"empty.ttf", {}, kGlyphFaceUnreadable, 61560},
      {"scrambled.ttf", scrambled, kGlyphRefused, 61561},
      {"huge.ttf", huge, kGlyphOutOfRange, 61562},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    messages.ids.clear();
    tmb::test::ScopedFaceFile face(Write(c.name, c.bytes));
    CStrokePath path(3000);
    path.AppendPoint(7, 8, 1);
    for (int code : {kEi, 0x8CFB, kIchi}) {
      EXPECT_EQ(ReadGlyphOutline(path, code, MinchoFont()), c.result);
      EXPECT_EQ(path.GetCount(), 1);
    }
    EXPECT_EQ(messages.ids, (std::vector<int>{c.message})) << "one message per face";
    // The face cache learns nothing of a face it could not read.
    EXPECT_EQ(gFontSubTable.GetValue(MinchoFont()), 0);
    EXPECT_EQ(gFontSubTable.GetCount(), 0);
    EXPECT_EQ(HasSingleContourOutline(MinchoFont()), c.result);
    EXPECT_EQ(messages.ids.size(), 1u);
  }
}

TEST_F(DamagedFace, EachFaceIsToldOnItsOwn) {
  tmb::test::ScopedFaceFile face(Write("junk.ttf", std::vector<uint8_t>(100, 0x5A)));
  CStrokePath path(100);
  ReadGlyphOutline(path, kEi, MinchoFont());
  ReadGlyphOutline(path, kEi, GothicFont());
  ReadGlyphOutline(path, kEi, MinchoFont());
  EXPECT_EQ(messages.ids, (std::vector<int>{61560, 61560}));
  EXPECT_NE(messages.texts[0], messages.texts[1]);
}

}  // namespace
