#include "export/swf/swf_animation_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <set>
#include <vector>

#include "core/path/path_sequence.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_path.h"
#include "core/record/char_data.h"
#include "export/swf/swf_export_path.h"
#include "export/swf/swf_gradient_fill.h"
#include "export/swf/swf_picture_save.h"
#include "support/checking_tool.h"
#include "support/file_bytes.h"
#include "support/path_points.h"
#include "support/swf_display_list.h"
#include "support/swf_reader.h"
#include "support/temp_dir.h"

namespace {

using tmb::test::SwfContours;
using tmb::test::SwfFileInfo;
using tmb::test::SwfOutlinePoint;
using tmb::test::SwfShapeRecordRead;
using Kind = SwfShapeRecordRead::Kind;

constexpr uint8_t kPicture = CStrokePath::kFlagSelection;  // 3
constexpr uint8_t kRun = CStrokePath::kFlagSection;        // 2
constexpr uint8_t kContour = CStrokePath::kFlagStart;      // 1
constexpr uint8_t kControl = CStrokePath::kAttrSkip;
constexpr int kShowFrame = 1, kRemoveObject2 = 28;

// A path sequence filled by hand: points in canvas pixels, a picture colour per AddFrame.
struct TestSequence {
  explicit TestSequence(tmb::Rect canvas = {0, 0, 100, 80}) {
    seq->m_pPath = new CStrokePath(20000);
    seq->m_bOwnsPath = 1;
    seq->m_pPath->EnsureAuxBuffer(0);
    seq->m_rcCanvas = canvas;
    param[157] = 0xFFFFFF;  // white paper
  }
  TestSequence& Point(float x, float y, uint8_t flag = 0, uint8_t attr = CStrokePath::kAttrDefault) {
    CStrokePath& p = *seq->m_pPath;
    p.m_pPoints[p.m_nCount].Set(x, y);
    p.m_pFlags[p.m_nCount] = flag;
    p.m_pAttrs[p.m_nCount] = attr;
    ++p.m_nCount;
    return *this;
  }
  // A closed square contour of side s at (x, y), opened by flag.
  TestSequence& Square(float x, float y, float s, uint8_t flag) {
    return Point(x, y, flag).Point(x + s, y).Point(x + s, y + s).Point(x, y + s);
  }
  TestSequence& Frame(tmb::Colour colour) {
    seq->AddFrame(colour, param);
    return *this;
  }
  SwfFileInfo Export(std::span<const int32_t> durations = {}) {
    std::vector<uint8_t> bytes;
    const tmb::Status s = ExportSwfAnimationToMemory(*seq, durations, param, bytes);
    EXPECT_TRUE(s) << s.message();
    SwfFileInfo info;
    std::string why;
    EXPECT_TRUE(tmb::test::ParseSwfFile(bytes, info, why)) << why;
    return info;
  }

  std::unique_ptr<CPathSequence> seq = std::make_unique<CPathSequence>();
  ParamBlock param{};
};

int CountCode(const SwfFileInfo& info, int code) {
  return int(std::count_if(info.tags.begin(), info.tags.end(), [code](const auto& t) { return t.code == code; }));
}

// The records of the movie's only (or first) shape.
std::vector<SwfShapeRecordRead> FirstShapeRecords(const SwfFileInfo& info) {
  const auto shapes = tmb::test::SwfShapesById(info.tags);
  EXPECT_FALSE(shapes.empty());
  return shapes.empty() ? std::vector<SwfShapeRecordRead>{} : shapes.begin()->second.shape.records;
}

std::vector<Kind> KindsOf(const std::vector<SwfShapeRecordRead>& records) {
  std::vector<Kind> kinds;
  for (const auto& r : records) kinds.push_back(r.kind);
  return kinds;
}

TEST(SwfAnimationExport, OnePictureIsOneFrameAt12FpsThatStaysOnStage) {
  TestSequence t;
  t.Square(10, 10, 20, kPicture).Square(50, 10, 20, kRun).Frame(0x000000);
  t.param[kSwfTimingModeParam] = -1;
  const SwfFileInfo info = t.Export();
  EXPECT_EQ(info.rate, 12);
  EXPECT_EQ(info.frameCount, 1);
  EXPECT_EQ(info.frame.xMax, 2000);
  EXPECT_EQ(info.frame.yMax, 1600);
  EXPECT_EQ(CountCode(info, kShowFrame), 1);
  EXPECT_EQ(CountCode(info, kRemoveObject2), 0);
  EXPECT_EQ(info.tags.front().code, 9);  // the background first
  const auto play = tmb::test::PlaySwfTags(info.tags);
  EXPECT_TRUE(play.faults.empty()) << play.faults.front();
  ASSERT_EQ(play.frames.size(), 1u);
  // Both outline runs are on stage, each at its own depth.
  EXPECT_EQ(play.frames[0].size(), 2u);
}

TEST(SwfAnimationExport, ContoursCloseWithAStraightEdgeOrTheirLastCurve) {
  TestSequence t;
  // A triangle; then a contour whose last point is a control point.
  t.Point(10, 10, kPicture).Point(30, 10).Point(30, 30);
  t.Point(50, 10, kContour).Point(70, 10).Point(70, 30, 0, kControl);
  t.Frame(0);
  const auto records = FirstShapeRecords(t.Export());
  EXPECT_EQ(KindsOf(records), (std::vector<Kind>{Kind::kStyle, Kind::kStraight, Kind::kStraight, Kind::kStraight,
                                                 Kind::kStyle, Kind::kStraight, Kind::kCurve, Kind::kEnd}));
  for (const auto& contour : SwfContours(records)) {
    EXPECT_EQ(contour.front().x, contour.back().x);
    EXPECT_EQ(contour.front().y, contour.back().y);
  }
  // The curve's control point at (70, 30), anchored on the first point (50, 10).
  const auto contours = SwfContours(records);
  ASSERT_EQ(contours.size(), 2u);
  const SwfOutlinePoint control = contours[1][contours[1].size() - 2];
  EXPECT_TRUE(control.control);
  EXPECT_EQ(control.x, 1400);
  EXPECT_EQ(control.y, 600);
  // The style change selects the one line style and fills on the right.
  EXPECT_EQ(records[0].line, 1u);
  EXPECT_EQ(records[0].fill1, 1u);
  EXPECT_FALSE(records[0].fill0.has_value());
}

TEST(SwfAnimationExport, EdgesRunFromTheRoundedPenAndNeverVanish) {
  TestSequence t;
  // Steps of 0.03 pixels are 0.6 twips: rounded one by one their deltas would drift, and
  // repeats and a control point on its anchor would leave zero edges.
  t.Point(10, 10, kPicture);
  for (int k = 1; k <= 40; ++k) t.Point(10 + 0.03f * k, 10 + 0.01f * k);
  t.Point(12, 10).Point(12, 10);                  // a repeat
  t.Point(14, 12, 0, kControl).Point(14, 12);     // a control point on its anchor
  t.Point(15, 15, 0, kControl).Point(15, 15.01f); // ... within a rounding of it
  t.Frame(0);
  const auto records = FirstShapeRecords(t.Export());
  const CStrokePath& path = *t.seq->m_pPath;
  const auto contours = SwfContours(records);
  ASSERT_EQ(contours.size(), 1u);
  std::set<std::pair<int, int>> reached;
  for (const auto& p : contours[0]) reached.insert({p.x, p.y});
  for (int i = 0; i < path.m_nCount; ++i) {
    if (path.m_pAttrs[i] == kControl) continue;
    const tmb::Point q = (path.m_pPoints[i] * 20.0f).RoundToPoint();
    EXPECT_TRUE(reached.count({q.x, q.y})) << i;
  }
  for (const auto& r : records) {
    if (r.kind == Kind::kStraight) {
      EXPECT_TRUE(r.dx != 0 || r.dy != 0);
    }
    if (r.kind == Kind::kCurve) {
      EXPECT_TRUE(r.dx != 0 || r.dy != 0);
      EXPECT_TRUE(r.anchorDx != 0 || r.anchorDy != 0);
    }
  }
  // A control point equal to its anchor became a straight edge: no curve in the shape.
  EXPECT_EQ(std::count_if(records.begin(), records.end(), [](const auto& r) { return r.kind == Kind::kCurve; }), 0);
  EXPECT_EQ(contours[0].back().x, contours[0].front().x);
  EXPECT_EQ(contours[0].back().y, contours[0].front().y);
}

TEST(SwfAnimationExport, LongEdgesAreSplitAndFarOrBrokenPointsPulledIn) {
  TestSequence t({0, 0, 3000, 3000});
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  t.Point(0, 0, kPicture).Point(2900, 0).Point(2900, 2900, 0, kControl).Point(0, 2900);
  t.Point(10, 10, kRun).Point(1e9f, 10).Point(nan, 20).Point(10, -inf);
  t.Frame(0);
  const SwfFileInfo info = t.Export();
  const auto shapes = tmb::test::SwfShapesById(info.tags);
  ASSERT_EQ(shapes.size(), 2u);
  for (const auto& [id, shape] : shapes) {
    for (const auto& r : shape.shape.records) {
      if (r.kind == Kind::kStraight || r.kind == Kind::kCurve) {
        EXPECT_LE(r.numBits, 17);
        EXPECT_LE(std::max({std::abs(r.dx), std::abs(r.dy), std::abs(r.anchorDx), std::abs(r.anchorDy)}), 65535);
      }
    }
    for (const auto& contour : SwfContours(shape.shape.records)) {
      EXPECT_EQ(contour.back().x, contour.front().x) << id;
      EXPECT_EQ(contour.back().y, contour.front().y) << id;
    }
  }
  // The 58,000-twip sides fit one edge; the far point's side is split.
  const auto first = SwfContours(shapes.begin()->second.shape.records)[0];
  EXPECT_EQ(first[1].x, 58000);
  EXPECT_EQ(first[2].x, 58000);
  EXPECT_TRUE(first[2].control);
}

TEST(SwfAnimationExport, PicturesFollowEachOtherAndBackAndForthPlaysThemBackwards) {
  TestSequence t;
  for (int p = 0; p < 4; ++p) t.Square(10.0f + p, 10, 20, kPicture).Square(50, 40, 10.0f + p, kRun).Frame(tmb::Colour(p));
  t.seq->m_bBackAndForth = 1;
  t.param[kSwfTimingModeParam] = -1;
  const SwfFileInfo info = t.Export();
  const auto play = tmb::test::PlaySwfTags(info.tags);
  EXPECT_TRUE(play.faults.empty()) << play.faults.front();
  // The shapes of picture p are ids 2p + 1 and 2p + 2.
  std::vector<int> shown;
  for (const auto& stage : play.frames) {
    ASSERT_EQ(stage.size(), 2u);
    shown.push_back((stage.begin()->second - 1) / 2);
  }
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 2, 1}));
  EXPECT_EQ(info.frameCount, 6);

  t.seq->m_bBackAndForth = 0;
  const auto once = tmb::test::PlaySwfTags(t.Export().tags);
  EXPECT_TRUE(once.faults.empty());
  EXPECT_EQ(once.frames.size(), 4u);
  // Without back-and-forth the last picture stays on stage.
  const SwfFileInfo forwards = t.Export();
  EXPECT_EQ(forwards.tags[forwards.tags.size() - 2].code, kShowFrame);
}

TEST(SwfAnimationExport, RepeatedPicturesAreShownAgainFromTheirShapes) {
  TestSequence t;
  t.Square(10, 10, 20, kPicture).Frame(0).Square(30, 10, 20, kPicture).Frame(0);
  t.param[kSwfTimingModeParam] = 0;
  const std::vector<int32_t> durations{250};
  const SwfFileInfo info = t.Export(durations);
  EXPECT_EQ(info.rate, 1);
  const auto play = tmb::test::PlaySwfTags(info.tags);
  EXPECT_TRUE(play.faults.empty()) << play.faults.front();
  ASSERT_EQ(play.frames.size(), 4u);
  EXPECT_EQ(play.frames[0], play.frames[1]);
  EXPECT_EQ(play.frames[2], play.frames[3]);
  EXPECT_NE(play.frames[0], play.frames[2]);
}

TEST(SwfAnimationExport, ThePaperRectangleLiesBeneathThePicture) {
  TestSequence t;
  t.param[157] = 0x00D0E0F0;
  t.param[kSwfFrameRectParam] = 1;
  t.Square(10, 10, 20, kPicture).Square(40, 10, 20, kRun).Frame(0x0000FF);
  const SwfFileInfo info = t.Export();
  const auto play = tmb::test::PlaySwfTags(info.tags);
  ASSERT_EQ(play.frames.size(), 1u);
  const auto& stage = play.frames[0];
  ASSERT_EQ(stage.size(), 3u);
  const auto shapes = tmb::test::SwfShapesById(info.tags);
  const auto& paper = shapes.at(stage.begin()->second);  // the lowest depth
  EXPECT_EQ(stage.begin()->second, shapes.rbegin()->first) << "the paper is the picture's last shape";
  ASSERT_EQ(paper.shape.fills.size(), 1u);
  EXPECT_EQ(paper.shape.fills[0].colour, (tmb::test::SwfRgba{0xF0, 0xE0, 0xD0, 255}));
  const auto corners = SwfContours(paper.shape.records)[0];
  EXPECT_EQ(corners[2].x, 2000);
  EXPECT_EQ(corners[2].y, 1600);
  // The outlines in the picture colour: red.
  const auto& outline = shapes.at(stage.rbegin()->second);
  EXPECT_EQ(outline.shape.fills[0].colour, (tmb::test::SwfRgba{255, 0, 0, 255}));
  EXPECT_EQ(outline.shape.lines[0].colour, (tmb::test::SwfRgba{255, 0, 0, 255}));
  EXPECT_EQ(outline.shape.lines[0].width, 20);
}

TEST(SwfAnimationExport, FillColourSourceAndUnfilledOutlines) {
  TestSequence t;
  t.param[157] = 0x00FF0000;  // colour B: blue
  t.param[kSwfFillColourParam] = 1;
  t.Square(10, 10, 20, kPicture).Frame(0x000000);
  auto shapes = tmb::test::SwfShapesById(t.Export().tags);
  EXPECT_EQ(shapes.begin()->second.shape.fills[0].colour, (tmb::test::SwfRgba{0, 0, 255, 255}));
  EXPECT_EQ(shapes.begin()->second.shape.records[0].fill1, 1u);

  t.seq->m_pPath->m_pStrokeMarks->SetMark(0, 1);
  shapes = tmb::test::SwfShapesById(t.Export().tags);
  EXPECT_FALSE(shapes.begin()->second.shape.records[0].fill1.has_value());
}

TEST(SwfAnimationExport, OutlinesBeyondTheRecordedPicturesJoinTheLast) {
  TestSequence t;
  // A picture drawn stroke by stroke opens every stroke as a picture start.
  t.Square(10, 10, 20, kPicture).Frame(0x0000FF);
  t.Square(40, 10, 20, kPicture).Square(10, 40, 20, kPicture);  // never recorded
  t.param[kSwfTimingModeParam] = 1;
  const std::vector<int32_t> durations{100};
  const SwfFileInfo info = t.Export(durations);
  EXPECT_EQ(info.frameCount, 12);
  const auto play = tmb::test::PlaySwfTags(info.tags);
  ASSERT_FALSE(play.frames.empty());
  EXPECT_EQ(play.frames[0].size(), 3u);
  for (const auto& [id, shape] : tmb::test::SwfShapesById(info.tags)) {
    EXPECT_EQ(shape.shape.fills[0].colour, (tmb::test::SwfRgba{255, 0, 0, 255})) << id;
  }

  // Durations past the list take its last entry.
  t.Frame(0x0000FF).Frame(0x0000FF);
  EXPECT_EQ(t.Export(durations).frameCount, 36);
}

TEST(SwfAnimationExport, TheSequenceIsLeftAsDrawnSoAnExportCanBeRepeated) {
  TestSequence t({5, 7, 105, 87});
  t.Point(10.5f, 10.25f, kPicture).Point(30, 10).Point(30, 30, 0, kControl).Point(20, 40, 0, kControl);
  t.Frame(0);
  t.param[kSwfSimplifyParam] = 1;
  const CStrokePath& path = *t.seq->m_pPath;
  const std::vector<CFPoint> before(path.m_pPoints, path.m_pPoints + path.m_nCount);
  std::vector<uint8_t> first, second;
  ASSERT_TRUE(ExportSwfAnimationToMemory(*t.seq, {}, t.param, first));
  ASSERT_TRUE(ExportSwfAnimationToMemory(*t.seq, {}, t.param, second));
  EXPECT_EQ(first, second);
  ASSERT_EQ(path.m_nCount, 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(path.m_pPoints[i], before[size_t(i)]);
  EXPECT_EQ(path.m_pFlags[0], kPicture);
  // Relative to the canvas corner (5, 7).
  SwfFileInfo info;
  std::string why;
  ASSERT_TRUE(tmb::test::ParseSwfFile(first, info, why)) << why;
  const auto contour = SwfContours(FirstShapeRecords(info))[0];
  EXPECT_EQ(contour[0].x, 110);
  EXPECT_EQ(contour[0].y, 65);
  // Two control points in a row get the on-curve point between them.
  EXPECT_EQ(std::count_if(contour.begin(), contour.end(), [](const auto& p) { return p.control; }), 2);
}

TEST(SwfAnimationExport, TheIdsOfEveryMovieStartAt1AndTheirEndIsRefused) {
  TestSequence t;
  t.Square(10, 10, 20, kPicture).Frame(0);
  const SwfFileInfo a = t.Export();
  const SwfFileInfo b = t.Export();
  EXPECT_EQ(tmb::test::SwfShapesById(a.tags).begin()->first, 1);
  EXPECT_EQ(tmb::test::SwfShapesById(b.tags).begin()->first, 1);

  // 65,536 runs need more ids than a movie has.
  TestSequence many;
  many.seq->m_pPath->Reallocate(70000 * 2);
  many.seq->m_pPath->EnsureAuxBuffer(0);
  many.Point(1, 1, kPicture).Point(2, 1);
  for (int k = 1; k < 65536; ++k) many.Point(1, 1, kRun).Point(2, 1);
  many.Frame(0);
  std::vector<uint8_t> bytes;
  EXPECT_FALSE(ExportSwfAnimationToMemory(*many.seq, {}, many.param, bytes));
  // The next movie numbers from 1 again.
  EXPECT_EQ(tmb::test::SwfShapesById(t.Export().tags).begin()->first, 1);
}

TEST(SwfAnimationExport, TrimPathSimplifiesThePicturesBetweenTheKeptOnes) {
  CStrokePath path(100);
  auto add = [&path](float x, float y, uint8_t flag) {
    path.m_pPoints[path.m_nCount].Set(x, y);
    path.m_pFlags[path.m_nCount++] = flag;
  };
  for (int p = 0; p < 3; ++p) {
    add(0.4f, 0.4f, kPicture);
    add(10.2f, 0, 0);
    add(10.4f, 0, 0);  // rounds onto the point before
    add(10.4f, 10, 0);
  }
  TrimPath(path, true, true);
  ASSERT_EQ(path.m_nCount, 11);
  EXPECT_EQ(path.m_pPoints[0], CFPoint(0.4f, 0.4f));  // the first picture as drawn
  EXPECT_EQ(path.m_pPoints[2], CFPoint(10.4f, 0));
  EXPECT_EQ(path.m_pPoints[4], CFPoint(0, 0));        // the middle one rounded, its repeat gone
  EXPECT_EQ(path.m_pPoints[5], CFPoint(10, 0));
  EXPECT_EQ(path.m_pPoints[6], CFPoint(10, 10));
  EXPECT_EQ(path.m_pFlags[7], kPicture);              // the last one moved forward, as drawn
  EXPECT_EQ(path.m_pPoints[7], CFPoint(0.4f, 0.4f));
  EXPECT_EQ(path.m_pPoints[9], CFPoint(10.4f, 0));

  TrimPath(path, false, false);
  EXPECT_EQ(path.m_nCount, 9);
  EXPECT_EQ(path.m_pPoints[8], CFPoint(10, 10));
}

TEST(SwfAnimationExport, TrimPathThinsTheStaircasesOfTracedOutlines) {
  // Three pictures of one staircase contour, as a traced pixel outline makes them.
  CStrokePath path(1000);
  for (int p = 0; p < 3; ++p) {
    const int start = path.m_nCount;
    for (int k = 0; k < 20; ++k) {
      path.AppendPoint(k, k, k == 0 ? kPicture : 0);
      path.AppendPoint(k + 1, k, 0);
    }
    path.AppendPoint(0, 20, 0);
    EXPECT_EQ(path.m_nCount - start, 41);
  }
  TrimPath(path, true, true);
  const std::vector<int> starts = SwfPictureStarts(path);
  ASSERT_EQ(starts.size(), 3u);
  EXPECT_EQ(starts[1], 41);
  EXPECT_LT(starts[2] - starts[1], 10);             // the middle staircase thinned
  EXPECT_EQ(path.m_nCount - starts[2], 41);         // the last picture as drawn
}

TEST(SwfAnimationExport, GradientEntriesAndTheirRatios) {
  struct Case {
    int weightMode;
    std::array<int32_t, 4> weights;
    std::vector<int> ratios;
  };
  const Case cases[] = {
      {0, {0, 50, 100, 200}, {0, 127, 255}},
      {1, {10, 0, 30, 60}, {0, 64, 255}},  // the middle of 30 after 10, of 100
      {1, {0, 0, 0, 0}, {}},
      {-1, {0, 0, 0, 0}, {0, 85, 170, 255}},  // no shares: spread evenly
      {-1, {0, 0, -3, 0}, {0, 128, 255}},
      {1, {5, -1, -1, -1}, {0}},
  };
  for (const Case& c : cases) {
    CSequenceFrame frame;
    frame.gradient = {1, 2, 3, 4};
    frame.weights = c.weights;
    CSequenceGradient settings;
    settings.mode = 1;
    settings.weightMode = c.weightMode;
    std::array<tmb::Colour, 4> colours{};
    std::array<int, 4> ratios{};
    const int n = BuildGradient(colours, ratios, frame, settings);
    EXPECT_EQ(std::vector<int>(ratios.begin(), ratios.begin() + n), c.ratios) << c.weightMode;
  }
}

TEST(SwfAnimationExport, AGradientFillSpansTheOutline) {
  TestSequence t;
  t.seq->m_gradient.mode = 1;
  t.seq->m_gradient.weightMode = 1;
  for (int k = 0; k < 4; ++k) {
    t.param[size_t(152 + k)] = int32_t(0x40 * k);
    t.param[size_t(172 + k)] = 1;
  }
  t.Square(10, 10, 30, kPicture).Frame(0);
  const auto shapes = tmb::test::SwfShapesById(t.Export().tags);
  const auto& shape = shapes.begin()->second.shape;
  ASSERT_EQ(shape.fills.size(), 1u);
  EXPECT_EQ(shape.fills[0].type, 0x12);
  ASSERT_EQ(shape.fills[0].gradient.records.size(), 4u);
  EXPECT_EQ(shape.fills[0].gradient.records[1].first, 96);  // the middle of the second quarter
  EXPECT_EQ(shape.fills[0].matrix.translateX, 500);          // the centre of 200..800 twips
  EXPECT_EQ(shape.fills[0].matrix.scaleX, int32_t(2 * std::hypot(600.0, 600.0)));
  EXPECT_EQ(shape.lines[0].colour, (tmb::test::SwfRgba{255, 255, 255, 255}));  // colour B
}

TEST(SwfAnimationExport, SavedFilesReplaceTheOldOnlyWhenComplete) {
  tmb::test::TempDir dir;
  const auto file = dir / "movie.swf";
  tmb::test::WriteFileBytes(file, {1, 2, 3});
  CPathSequence empty;  // no path: nothing to export
  ParamBlock param{};
  EXPECT_FALSE(ExportSwfAnimation(empty, file, {}, param));
  EXPECT_EQ(tmb::test::FileBytes(file), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_FALSE(ExportSwfAnimation(empty, dir / "missing" / "movie.swf", {}, param));

  TestSequence t;
  t.Square(10, 10, 20, kPicture).Frame(0);
  ASSERT_TRUE(ExportSwfAnimation(*t.seq, file, {}, t.param));
  SwfFileInfo info;
  std::string why;
  const auto bytes = tmb::test::FileBytes(file);
  ASSERT_TRUE(tmb::test::ParseSwfFile(bytes, info, why)) << why;
  EXPECT_EQ(info.fileLength, bytes.size());
}

TEST(SwfAnimationExport, SwfdumpReadsTheMovie) {
  if (!tmb::test::ToolInstalled("swfdump")) GTEST_SKIP() << "swfdump is not installed";
  tmb::test::TempDir dir;
  const auto file = dir / "movie.swf";
  TestSequence t;
  t.Square(10, 10, 20, kPicture).Point(50, 50, kRun).Point(60, 50).Point(60, 60, 0, kControl).Frame(0);
  ASSERT_TRUE(ExportSwfAnimation(*t.seq, file, {}, t.param));
  const auto run = tmb::test::RunTool("swfdump '" + file.string() + "'");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("DEFINESHAPE"), std::string::npos) << run.output;
}

TEST(SwfAnimationExport, SaveSwfPictureWritesTheSequenceOnceAFrame) {
  tmb::test::TempDir dir;
  tmb::test::ScopedMaxPoints maxPoints(100);
  CCharData record;
  record.m_param[kSwfTimingModeParam] = 1;
  record.m_param[157] = 0xFFFFFF;
  CPathSequence& seq = gPathSequence;
  ASSERT_EQ(seq.Init(2), 1);
  seq.m_rcCanvas = {0, 0, 100, 80};
  CStrokePath& path = *seq.m_pPath;
  for (int p = 0; p < 2; ++p) {
    path.AppendPoint(10 + p, 10, kPicture);
    path.AppendPoint(30, 10, 0);
    path.AppendPoint(30, 30, 0);
    seq.AddFrame(0, record.m_param);
  }
  ASSERT_TRUE(SaveSwfPicture(dir / "a.swf", record));
  EXPECT_EQ(record.m_param[kSwfTimingModeParam], 1);
  SwfFileInfo info;
  std::string why;
  ASSERT_TRUE(tmb::test::ParseSwfFile(tmb::test::FileBytes(dir / "a.swf"), info, why)) << why;
  EXPECT_EQ(info.rate, 12);
  EXPECT_EQ(info.frameCount, 2);

  // Piled up into one picture: nothing is removed.
  const std::vector<tmb::Colour> colours{0x0000FF, 0xFFFFFF};
  ASSERT_TRUE(ExportSwfForRecord(dir / "b.swf", record, 0, kSwfRecordSinglePicture, {}, colours));
  EXPECT_EQ(gSwfSinglePicture, 0);
  ASSERT_TRUE(tmb::test::ParseSwfFile(tmb::test::FileBytes(dir / "b.swf"), info, why)) << why;
  EXPECT_EQ(CountCode(info, kRemoveObject2), 0);
  const auto play = tmb::test::PlaySwfTags(info.tags);
  EXPECT_TRUE(play.faults.empty()) << play.faults.front();
  EXPECT_EQ(play.frames.back().size(), 2u);
  EXPECT_EQ(record.m_param[121], 25);
  seq.FreePath();
}

}  // namespace
