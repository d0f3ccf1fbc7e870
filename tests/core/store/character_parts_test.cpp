#include "core/store/character_parts.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "convert/driver/analysis_overlay.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/scratch_paths.h"
#include "convert/driver/tablet_ink.h"
#include "convert/presets/param_defaults.h"
#include "core/canvas/work_canvas.h"
#include "core/path/stroke_work.h"
#include "core/state/draw_state.h"
#include "core/store/char_store.h"
#include "core/store/text_store.h"
#include "core/text/name_list.h"
#include "support/path_points.h"
#include "support/store_folder.h"

namespace {

using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

// Ink of a window: its points on the screen's canvas, and the text a recogniser reads in
// the strokes of each part (by the part's first stroke).
class FakeInk : public CTabletInk {
 public:
  int InkPointCount() const override { return int(ink.size()); }
  void CopyInkToStrokes(CStrokeWork& path) override {
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
    // The conversion's marks over the same point runs (paper coordinates), the second
    // continuing the first's part.
    CStrokeWork paper(100);
    ink.CopyInkToStrokes(paper);
    paper.Translate(-32, -32);
    for (int s = 0; s < 3; ++s) gAnalysisOverlay.AddMark(4 * s, 4 * s + 3, paper);
    gAnalysisOverlay.m_marks[1].continued = 1;
    for (int m = 0; m < 3; ++m) gAnalysisOverlay.m_marks[size_t(m)].label = "m" + std::to_string(m);
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

TEST_F(CharacterParts, PartsWithoutTextOrPointsAreNotStored) {
  ink.texts = {{2, "a"}};
  // The conversion's path held more points than the ink: the last part lies beyond it.
  gAnalysisOverlay.m_marks[2].parts[0].first = 30;
  EXPECT_EQ(RegisterCharacterParts(0, 1), 2);
  EXPECT_EQ(StoredCount(), 0);
  // Without ink input nothing is read from the ink, and nothing can be stored.
  gWorkCanvas.m_bInkActive = 0;
  ink.texts = {{0, "b"}};
  EXPECT_EQ(RegisterCharacterParts(0, 1), 2);
  EXPECT_EQ(StoredCount(), 0);
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
