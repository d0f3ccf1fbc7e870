#include "convert/driver/character_parts.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "convert/driver/analysis_overlay.h"
#include "convert/driver/conversion_driver.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/scratch_paths.h"
#include "convert/driver/tablet_ink.h"
#include "convert/morph/morph_pair.h"
#include "core/record/param_defaults.h"
#include "core/canvas/work_canvas.h"
#include "core/document/doc_windows.h"
#include "core/document/tmb_doc.h"
#include "core/path/stroke_work.h"
#include "core/state/draw_state.h"
#include "core/store/char_store.h"
#include "core/store/text_store.h"
#include "core/text/name_list.h"
#include "support/path_points.h"
#include "support/store_folder.h"
#include "support/written_characters.h"

namespace {

using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

// Ink of a window: its points on the screen's canvas, and the text a recogniser reads in
// the strokes of each part (by the part's first stroke).
class FakeInk : public CTabletInk {
 public:
  int InkPointCount() const override { return int(ink.size()); }
  int FirstInkStroke() const override { return firstInk; }
  void CopyInkToStrokes(CStrokeWork& path) override {
    path.SetCount(0);
    for (size_t k = 0; k < ink.size(); ++k) {
      path.AddSample(0, 0, 50, starts.count(int(k)) ? 1 : 0);
      path.m_pPoints[path.GetCount() - 1] = ink[k];
    }
  }
  int RecognizeText(int first, int end, std::string& text) override {
    reads.push_back({first, end});
    auto it = texts.find(first);
    text = it == texts.end() ? std::string() : it->second;
    return 1;
  }
  std::vector<CFPoint> ink;
  int firstInk = 0;           // the record's stroke the ink begins with
  std::map<int, int> starts;  // indices that start a stroke (as a set)
  std::map<int, std::string> texts;
  std::vector<std::pair<int, int>> reads;
};

// The number of characters the text store holds.
int StoredCount() {
  CharStore store;
  return store.MakeFileNames(CharStore::kMainSet, false, true) == 1 ? store.GetFontCount() : -1;
}

class CharacterParts : public ::testing::Test {
 protected:
  void SetUp() override {
    gAnalysisOverlay.Clear();
    gNameList.Reset();
    gWorkCanvas.m_bInkActive = 1;
    gDrawState.m_ptCanvasOrigin = {32, 32};
    SetTabletInk(0, &ink);
    // Three strokes of four points each on the screen's canvas: 0-3, 4-7, 8-11.
    for (int s = 0; s < 3; ++s) {
      ink.starts[4 * s] = 1;
      for (int k = 0; k < 4; ++k) ink.ink.push_back({float(132 + 100 * s + 10 * k), float(82 + 5 * k)});
    }
    // The conversion's marks over the same point runs (paper coordinates), one stroke
    // each, the second continuing the first's part.
    CStrokeWork paper(100);
    ink.CopyInkToStrokes(paper);
    paper.Translate(-32, -32);
    for (int s = 0; s < 3; ++s) gAnalysisOverlay.AddMark(4 * s, 4 * s + 3, paper, s);
    gAnalysisOverlay.m_marks[1].continued = 1;
    for (int m = 0; m < 3; ++m) gAnalysisOverlay.m_marks[size_t(m)].label = std::string("m").append(std::to_string(m));
  }
  void TearDown() override {
    SetTabletInk(0, nullptr);
    gWorkCanvas.m_bInkActive = 0;
    gAnalysisOverlay.Clear();
    gNameList.Reset();
    gDrawState.Reset();
  }
  tmb::test::ScopedStoreFolder store;
  FakeInk ink;
};

TEST_F(CharacterParts, ListingNamesEachPartByItsFirstMarkAndRunsItToTheNextPart) {
  EXPECT_EQ(RegisterCharacterParts(0, 0), 2);
  ASSERT_EQ(gNameList.GetCount(), 2);
  const CNameEntry& a = gNameList.Entry(0);
  EXPECT_EQ(a.m_strName, "m0");
  EXPECT_EQ(a.m_nFirst, 0);
  EXPECT_EQ(a.m_nLast, 7) << "the continuing mark belongs to the first part";
  EXPECT_EQ(a.m_box, gAnalysisOverlay.m_marks[0].parts[0].rect);
  EXPECT_EQ(a.m_origin, CFPoint(float(a.m_box.left), float(a.m_box.top)));
  const CNameEntry& b = gNameList.Entry(1);
  EXPECT_EQ(b.m_strName, "m2");
  EXPECT_EQ(b.m_nFirst, 8);
  EXPECT_EQ(b.m_nLast, 11) << "the last part runs to the last point";
  EXPECT_TRUE(ink.reads.empty()) << "listing reads no ink";
  EXPECT_EQ(StoredCount(), 0);

  // Every listing starts the list again: a conversion lists at every repaint.
  for (int k = 0; k < 400; ++k) RegisterCharacterParts(0, 0);
  EXPECT_EQ(gNameList.GetCount(), 2);
}

TEST_F(CharacterParts, AListingStopsWhenTheListIsFull) {
  gAnalysisOverlay.Clear();
  CStrokeWork paper(2000);
  for (int k = 0; k < CAnalysisOverlay::kCapacity; ++k) paper.AppendPoint(k % 400, k / 400, 1);
  for (int k = 0; k < CAnalysisOverlay::kCapacity; ++k) gAnalysisOverlay.AddMark(k, k, paper);
  ASSERT_GT(gAnalysisOverlay.m_nCount, gNameList.GetCapacity());
  EXPECT_EQ(RegisterCharacterParts(0, 0), gNameList.GetCapacity());
  EXPECT_EQ(gNameList.GetCount(), gNameList.GetCapacity());
}

TEST_F(CharacterParts, StoringKeepsEachRecognisedPartAtItsBoxCornerOnce) {
  ink.texts = {{0, "\x89\x69"}, {2, "a"}};
  EXPECT_EQ(RegisterCharacterParts(0, 1), 2);
  EXPECT_EQ(ink.reads, (std::vector<std::pair<int, int>>{{0, 2}, {2, 3}}));
  EXPECT_EQ(gAnalysisOverlay.m_marks[0].label, "\x89\x69");
  EXPECT_EQ(StoredCount(), 2);
  CStrokePath part(100);
  ASSERT_EQ(LoadTextCharacter(part, "\x89\x69"), 1);
  // Points 0 to 7 on the paper, their box's corner (100, 50) at the origin.
  ASSERT_EQ(part.GetCount(), 8);
  EXPECT_EQ(gAnalysisOverlay.m_marks[0].parts[0].rect.left, 100);
  EXPECT_EQ(gAnalysisOverlay.m_marks[0].parts[0].rect.top, 50);
  EXPECT_EQ(PointsOf(part)[0], (PathPoint{0, 0, 1}));
  EXPECT_EQ(PointsOf(part)[5], (PathPoint{110, 5, 0}));
  ASSERT_EQ(LoadTextCharacter(part, "a"), 1);
  EXPECT_EQ(PointsOf(part), (Points{{0, 0, 1}, {10, 5, 0}, {20, 10, 0}, {30, 15, 0}}));

  // The next repaint finds the same parts: nothing is added.
  EXPECT_EQ(RegisterCharacterParts(0, 1), 2);
  EXPECT_EQ(StoredCount(), 2);
  // A changed part is stored again.
  ink.ink[9].x += 3;
  RegisterCharacterParts(0, 1);
  EXPECT_EQ(StoredCount(), 3);
}

TEST_F(CharacterParts, PartsWithoutTextOrStrokesKeepAnEmptyLabelAndAreNotStored) {
  ink.texts = {{2, "a"}};
  // The conversion found the second part's strokes beyond the ink's three: the first
  // part runs to the ink's end, and reads as nothing.
  gAnalysisOverlay.m_marks[2].firstStroke = 5;
  EXPECT_EQ(RegisterCharacterParts(0, 1), 2);
  EXPECT_EQ(ink.reads, (std::vector<std::pair<int, int>>{{0, 3}}));
  EXPECT_EQ(gAnalysisOverlay.m_marks[0].label, "") << "the listing's old name is not kept";
  EXPECT_EQ(gAnalysisOverlay.m_marks[2].label, "");
  EXPECT_EQ(StoredCount(), 0);
  // Without ink input nothing is read from the ink, and nothing can be stored.
  gWorkCanvas.m_bInkActive = 0;
  ink.texts = {{0, "b"}};
  EXPECT_EQ(RegisterCharacterParts(0, 1), 2);
  EXPECT_EQ(StoredCount(), 0);
}

TEST_F(CharacterParts, OnlyPartsWhollyOfTheInkAreReadAsTheRecordsStrokes) {
  struct Case {
    const char* name;
    int firstInk;
    int markStrokes[3];
    std::vector<std::pair<int, int>> reads;
    int stored;
  };
  const Case cases[] = {
      {"the record is all ink", 0, {0, 1, 2}, {{0, 2}, {2, 3}}, 2},
      // The ink begins at the record's second stroke: the first part holds one before it.
      {"a part written before the ink", 1, {0, 1, 2}, {{1, 3}}, 1},
      {"marks not to be told as the record's strokes", 0, {-1, -1, -1}, {}, 0},
      // A mark that starts no stroke of the record of its own (the second half of one a
      // pass wrote as two) leaves that stroke to the part before.
      {"a mark inside a stroke", 0, {0, 1, 1}, {{0, 1}, {1, 3}}, 2},
  };
  for (const Case& c : cases) {
    tmb::test::ScopedStoreFolder caseStore;
    ink.reads.clear();
    ink.firstInk = c.firstInk;
    ink.texts = {{0, "x"}, {1, "y"}, {2, "z"}};
    for (int m = 0; m < 3; ++m) gAnalysisOverlay.m_marks[size_t(m)].firstStroke = c.markStrokes[m];
    EXPECT_EQ(RegisterCharacterParts(0, 1), 2) << c.name;
    EXPECT_EQ(ink.reads, c.reads) << c.name;
    EXPECT_EQ(StoredCount(), c.stored) << c.name;
  }
}

TEST_F(CharacterParts, AnUnlabelledPartIsListedUnderWhatItsStrokesWereReadAsWhenStored) {
  // Window A's record holds the ink's strokes on the paper.
  struct WindowA : public TmbDocWindows {
    WindowA() { SetTmbDocWindows(this); }
    ~WindowA() override { SetTmbDocWindows(nullptr); }
    CTmbDoc* DocumentOfKind(int kind) override { return kind == 0 ? &doc : nullptr; }
    CTmbDoc doc;
  } window;
  CCharDataFull& rec = window.doc.m_char;
  rec.ClearPoints();
  for (size_t k = 0; k < ink.ink.size(); ++k) {
    rec.m_pPoints[k] = {int(ink.ink[k].x) - 32, int(ink.ink[k].y) - 32};
    rec.m_pFlags[k] = ink.starts.count(int(k)) ? 1 : 0;
  }
  rec.m_nPoints = int(ink.ink.size());
  ink.texts = {{0, "\x89\x69"}, {2, "a"}};
  ASSERT_EQ(RegisterCharacterParts(0, 1), 2);
  // A later conversion's marks carry no labels; the ink has gone (the character was
  // opened from a file, say).
  for (int m = 0; m < 3; ++m) gAnalysisOverlay.m_marks[size_t(m)].label.clear();
  ink.ink.clear();
  // The last stroke moved: it is no longer what was read.
  rec.m_pPoints[9].x += 1;
  EXPECT_EQ(RegisterCharacterParts(0, 0), 2);
  ASSERT_EQ(gNameList.GetCount(), 2);
  EXPECT_EQ(gNameList.Entry(0).m_strName, "\x89\x69");
  EXPECT_EQ(gAnalysisOverlay.m_marks[0].label, "\x89\x69");
  EXPECT_EQ(gNameList.Entry(1).m_strName, "");
}

// The ink of a converted character: the source's own strokes on the screen's canvas,
// read by the part's first stroke.
class SourceInk : public CTabletInk {
 public:
  explicit SourceInk(const CStrokeWork& source) : source_(source) {}
  int InkPointCount() const override { return source_.GetCount(); }
  int FirstInkStroke() const override { return 0; }
  void CopyInkToStrokes(CStrokeWork& path) override {
    path.CopyFrom(source_);
    path.Translate(32, 32);
  }
  int RecognizeText(int first, int end, std::string& text) override {
    reads.push_back({first, end});
    text = std::string("r").append(std::to_string(first));
    return 1;
  }
  std::vector<std::pair<int, int>> reads;

 private:
  const CStrokeWork& source_;
};

TEST_F(CharacterParts, APartsStrokesAreTheRecordsAfterAStrokeRewriteAndNoneOfAnInBetweenCharacter) {
  SetCharacterPartStore(&TextStorePartStore());
  // 木 and then 一 beside it: the tree's sweeps, followed by a stroke up and to the right,
  // are what the strong three-segment rewrite writes as other strokes.
  auto source = std::make_unique<CStrokeWork>(4000);
  auto dest = std::make_unique<CStrokeWork>(4000);
  const auto& chars = tmb::test::WrittenCharacters();
  for (const auto& [c, at] : {std::pair{&chars[6], tmb::Point{30, 200}}, std::pair{&chars[0], tmb::Point{250, 150}}}) {
    for (const auto& stroke : c->strokes) {
      bool first = true;
      for (const tmb::Point p : tmb::test::StrokeSamples(stroke, 2, at, 6)) {
        source->AppendPoint(p.x, p.y, first ? 1 : 0);
        first = false;
      }
    }
  }
  ASSERT_EQ(source->CountStrokes(), 5);
  auto record = std::make_unique<CCharDataFull>();
  record->FromStrokePath(*source, false);
  ParamBlock params{};
  InitShapeSettings(params, 400);
  GetSlotParamDefaults(params, {}, 0);
  params[334] = 1;
  struct Case {
    const char* name;
    int cursive;
    bool morph;
    std::vector<std::pair<int, int>> reads;
  };
  const Case cases[] = {
      {"plain", 0, false, {{0, 4}, {4, 5}}},
      {"strokes rewritten", 20, false, {{0, 4}, {4, 5}}},
      {"in between", 0, true, {}},
  };
  for (const Case& c : cases) {
    tmb::test::ScopedStoreFolder caseStore;
    SourceInk ink(*source);
    SetTabletInk(0, &ink);
    gInkModes[0] = kInkLeave;  // the ink is the source's own strokes: nothing to merge
    if (c.morph) {
      ASSERT_GE(gMorphPair.Prepare(*record, *record, kNoGapDistance), 0);
    }
    params[0] = c.cursive;
    params[kMorphSwitch] = c.morph ? 1 : 0;
    source->m_param = params;
    source->m_nWindow = 0;
    source->m_nMorphPercent = 50;
    if (c.cursive >= 20) {
      // The rewrite does change the strokes the passes see.
      dest->CopySettingsFrom(*source);
      RunConversionPasses(*dest, *source, 1);
      EXPECT_NE(dest->CountStrokes(), 5) << c.name;
    }
    dest->SetCount(0);
    dest->ConvertCharacter(*source);
    ASSERT_GT(gAnalysisOverlay.m_nCount, 0) << c.name;
    EXPECT_EQ(ink.reads, c.reads) << c.name;
    EXPECT_EQ(StoredCount(), int(c.reads.size())) << c.name;
    SetTabletInk(0, nullptr);
    gInkModes[0] = kInkMerge;
    gMorphPair.Clear();
  }
  SetCharacterPartStore(nullptr);
  gMarkers.Clear();
  ReleaseScratchPaths();
}

TEST_F(CharacterParts, ConversionsListThePartsOfTheirCharacterAndNoMore) {
  SetCharacterPartStore(&TextStorePartStore());
  SetTabletInk(0, nullptr);
  gAnalysisOverlay.Clear();
  ParamBlock params{};
  InitShapeSettings(params, 400);
  GetSlotParamDefaults(params, {}, 0);
  params[334] = 1;
  auto source = std::make_unique<CStrokeWork>(4000);
  auto dest = std::make_unique<CStrokeWork>(4000);
  // Three strokes far apart: three written components.
  for (int s = 0; s < 3; ++s) tmb::test::AddLineStroke(*source, {40.0f + 150 * s, 100}, {40.0f + 150 * s, 300}, 10);
  for (int k = 0; k < 400; ++k) {
    source->m_param = params;
    dest->SetCount(0);
    dest->ConvertCharacter(*source);
  }
  EXPECT_EQ(gAnalysisOverlay.m_nCount, 3);
  EXPECT_EQ(gNameList.GetCount(), 3);
  SetCharacterPartStore(nullptr);
  gMarkers.Clear();
  ReleaseScratchPaths();
}

}  // namespace
