#include "export/svg/svg_writer.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "core/path/path_sequence.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_path.h"
#include "core/record/char_data.h"
#include "support/checking_tool.h"
#include "support/file_bytes.h"
#include "support/path_points.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"

namespace {

// A sequence of hand-made strokes on a 200 x 100 canvas at (10, 20).
struct SvgSequence {
  SvgSequence() {
    seq->m_pPath = new CStrokePath(100000);
    seq->m_bOwnsPath = 1;
    seq->m_pPath->EnsureAuxBuffer(0);
    seq->m_rcCanvas = {10, 20, 210, 120};
    seq->m_frames[0].colour = 0x000000;
    seq->m_frames[0].colourB = 0x0000FF;
  }
  // A triangle at (x, y) as one stroke of colour kind.
  SvgSequence& Triangle(float x, float y, int kind) {
    CStrokePath& p = *seq->m_pPath;
    const int stroke = p.m_nCount == 0 ? 0 : p.m_pStrokeMarks->m_nUsed;
    p.AddPointUnique(x, y, p.m_nCount == 0 ? 3 : 2, 1);
    p.AddPointUnique(x + 10.25f, y, 0, 1);
    p.AddPointUnique(x, y + 5.5f, 0, 1);
    p.m_pStrokeMarks->SetMark(stroke, uint8_t(kind));
    return *this;
  }
  std::unique_ptr<CPathSequence> seq = std::make_unique<CPathSequence>();
};

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(SvgWriter, EachStrokeIsAPolygonRelativeToTheCanvasWithTwoDecimals) {
  SvgSequence s;
  s.Triangle(20, 30, 0);
  const std::string text = BuildSvgText(*s.seq);
  EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n", 0), 0u);
  EXPECT_NE(text.find("-//W3C//DTD SVG 20000303 Stylable//EN"), std::string::npos);
  EXPECT_NE(text.find(" width=\"200\" height=\"100\">"), std::string::npos);
  EXPECT_NE(text.find("<polygon points=\"10.00,10.00 20.25,10.00 10.00,15.50 \" />\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("<g fill=\"rgb(0,0,0)\" stroke=\"rgb(0,0,0)\" stroke-width=\"0\" transform=\"scale(1,1)\">"),
            std::string::npos);
}

TEST(SvgWriter, StrokesOutsideTheCanvasOrNotFiniteAreLeftOut) {
  SvgSequence s;
  s.Triangle(500, 30, 0).Triangle(20, 30, 0).Triangle(20, 30, 0);
  s.seq->m_pPath->m_pPoints[7].y = std::numeric_limits<float>::quiet_NaN();
  const std::string text = BuildSvgText(*s.seq);
  EXPECT_EQ(Count(text, "<polygon"), 1);
  EXPECT_EQ(text.find("nan"), std::string::npos);
  EXPECT_EQ(text.find("490"), std::string::npos);
}

TEST(SvgWriter, ColourKindsSwitchTheFillInClosedGroups) {
  SvgSequence s;
  s.Triangle(20, 30, 0).Triangle(40, 30, 1).Triangle(60, 30, 0);
  const std::string text = BuildSvgText(*s.seq);
  EXPECT_EQ(Count(text, "<g"), 4);  // the picture's and three inner ones
  EXPECT_EQ(Count(text, "</g>"), 4);
  const size_t red = text.find("<g fill=\"rgb(255,0,0)\">");
  ASSERT_NE(red, std::string::npos);
  // The first inner group is closed before the red one opens, and the red one before the
  // third.
  EXPECT_LT(text.find("</g>"), red);
  EXPECT_LT(text.find("</g>", red), text.find("<g fill=\"rgb(0,0,0)\">", red));
}

TEST(SvgWriter, ManyShortStrokesAndWideNumbersFit) {
  SvgSequence s;
  s.seq->m_rcCanvas = {-100000, -100000, 100000, 100000};
  CStrokePath& p = *s.seq->m_pPath;
  for (int k = 0; k < 20000; ++k) {
    p.AddPointUnique(-99999.125f + k, 99999.5f, 1, 1);
    p.AddPointUnique(-99999.125f + k, -99999.5f, 0, 1);
  }
  const std::string text = BuildSvgText(*s.seq);
  EXPECT_EQ(Count(text, "<polygon"), 20000);
  EXPECT_NE(text.find("0.88,199999.50 0.88,0.50 "), std::string::npos);
}

TEST(SvgWriter, TheFileIsXmlThatAViewerDraws) {
  tmb::test::TempDir dir;
  SvgSequence s;
  s.Triangle(20, 30, 0).Triangle(40, 30, 1).Triangle(60, 30, 0);
  const auto file = dir / "picture.svg";
  ASSERT_TRUE(WriteSvgFile(*s.seq, file));
  if (!tmb::test::ToolInstalled("xmllint")) GTEST_SKIP() << "xmllint is not installed";
  const auto lint = tmb::test::RunTool("xmllint --noout --nonet '" + file.string() + "'");
  EXPECT_EQ(lint.exitCode, 0) << lint.output;
  EXPECT_TRUE(lint.output.empty()) << lint.output;
}

TEST(SvgWriter, NumbersKeepTheirPointUnderADecimalCommaLocale) {
  const char* saved = std::setlocale(LC_ALL, nullptr);
  const std::string restore = saved ? saved : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  SvgSequence s;
  s.Triangle(20, 30, 0);
  const std::string text = BuildSvgText(*s.seq);
  std::setlocale(LC_ALL, restore.c_str());
  EXPECT_NE(text.find("20.25,10.00"), std::string::npos) << text;
}

TEST(SvgWriter, AFailedSaveKeepsThePreviousFile) {
  tmb::test::TempDir dir;
  const auto file = dir / "picture.svg";
  tmb::test::WriteFileBytes(file, {'o', 'l', 'd'});
  SvgSequence s;
  for (int k = 0; k < 100; ++k) s.Triangle(20, 30, 0);
  {
    tmb::test::SmallDisk disk(64);
    EXPECT_FALSE(WriteSvgFile(*s.seq, file));
  }
  EXPECT_EQ(tmb::test::FileBytes(file), (std::vector<uint8_t>{'o', 'l', 'd'}));
  EXPECT_FALSE(WriteSvgFile(*s.seq, dir / "missing" / "picture.svg"));

  // The save-as writes the global sequence.
  tmb::test::ScopedMaxPoints maxPoints(100);
  ASSERT_EQ(gPathSequence.Init(1), 1);
  gPathSequence.m_rcCanvas = {0, 0, 50, 50};
  gPathSequence.m_pPath->AppendPoint(1, 1, 3);
  gPathSequence.m_pPath->AppendPoint(9, 1, 0);
  gPathSequence.m_pPath->AppendPoint(9, 9, 0);
  CCharData record;
  ASSERT_TRUE(SaveSvgPicture(file, record));
  const auto bytes = tmb::test::FileBytes(file);
  EXPECT_NE(std::string(bytes.begin(), bytes.end()).find("1.00,1.00 9.00,1.00 9.00,9.00"), std::string::npos);
  gPathSequence.FreePath();
}

}  // namespace
