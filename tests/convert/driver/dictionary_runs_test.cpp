#include "convert/driver/dictionary_runs.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "convert/driver/analysis_overlay.h"
#include "convert/driver/tablet_ink.h"
#include "core/document/tmb_doc.h"
#include "core/path/stroke_path.h"
#include "core/store/text_store.h"
#include "core/text/name_list.h"
#include "support/path_points.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_messages.h"
#include "support/store_folder.h"
#include "platform/text/code_page.h"

namespace tmb::test {
namespace {

const char kEi[] = "\x89\x69";     // 永
const char kIchi[] = "\x88\xea";   // 一
const char kSpace[] = "\x81\x40";  // the full-width space
constexpr int kMsgCapacity = 62045;
constexpr int kMsgNotInDictionary = 61625;

std::vector<std::string> ListedNames() {
  std::vector<std::string> names;
  for (int i = 0; i < gNameList.GetCount(); ++i) names.push_back(gNameList.Entry(i).m_strName);
  return names;
}

TEST(SplitTextCharacters, KeepsDoubleByteCharactersWholeAndSkipsLineEndsAndBlanks) {
  const std::string text = std::string(kEi) + " a\r\n" + kSpace + "b\t" + kIchi + "\x89";  // a cut-off lead byte
  EXPECT_EQ(SplitTextCharacters(text), 4);
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{kEi, "a", "b", kIchi}));
  EXPECT_EQ(SplitTextCharacters(""), 0);
  EXPECT_EQ(gNameList.GetCount(), 0);
}

TEST(SplitTextCharacters, MakesRoomForATextLongerThanTheListsCapacity) {
  ASSERT_EQ(gNameList.GetCapacity(), CNameList::kDefaultCapacity);
  const std::string text(2000, 'x');
  EXPECT_EQ(SplitTextCharacters(text), kDictTextLimit) << "the first 1,024 bytes, every one listed";
  EXPECT_EQ(gNameList.Entry(kDictTextLimit - 1).m_strName, "x");
  gNameList = CNameList();
}

class Expansion : public ::testing::Test {
 protected:
  void SetUp() override {
    doc = std::make_unique<CTmbDoc>();
    CCharDataFull& rec = doc->m_char;
    // Cells of 200 x 200 from 50 pixels inside the top right corner.
    rec.m_param[32] = 200;
    rec.m_param[33] = 200;
    rec.m_param[34] = 50;
    rec.m_param[35] = 50;
    rec.m_param[kDictScaleParam] = 0;
    rec.m_param[kDictCentreParam] = 0;
    rec.m_param[kDictPercentParam] = 50;
    rec.m_nPoints = 2;
    rec.m_pPoints[0] = {7, 7};
    rec.m_pPoints[1] = {9, 9};
    rec.m_pFlags[0] = 1;
    rec.m_pFlags[1] = 0;
  }
  // Stores a character of one level stroke of width w and one upright stroke of height h.
  static void StoreCross(const char* text, float w, float h) {
    CStrokePath path(10);
    Fill(path, {{0, h / 2, 1}, {w, h / 2, 0}, {w / 2, 0, 1}, {w / 2, h, 0}});
    ASSERT_EQ(SaveTextCharacter(path, text), 1);
  }
  // Appends a stroke through points to rec.
  static void AddStroke(CCharData& rec, const std::vector<Point>& points) {
    for (size_t k = 0; k < points.size(); ++k) {
      rec.m_pPoints[rec.m_nPoints] = points[k];
      rec.m_pFlags[rec.m_nPoints++] = k == 0 ? 1 : 0;
    }
  }
  std::vector<Point> Points() const {
    const CCharDataFull& rec = doc->m_char;
    return {rec.m_pPoints.get(), rec.m_pPoints.get() + rec.m_nPoints};
  }

  ScopedWorkCanvas canvas{500, 750};
  ScopedStoreFolder folder;
  ScriptedMessages messages;
  std::unique_ptr<CTmbDoc> doc;
};

TEST_F(Expansion, AnEmptyTextChangesNothingAndTakesNoUndoCopy) {
  for (std::string text : {std::string(), std::string(" \r\n") + kSpace}) {
    EXPECT_EQ(ExpandTextCharacters(*doc, text), 0);
    EXPECT_EQ(Points(), (std::vector<Point>{{7, 7}, {9, 9}}));
    EXPECT_EQ(doc->m_bUndoValid, 0);
  }
}

TEST_F(Expansion, EachCharacterFillsItsCellAfterTheUndoCopyOfTheOldStrokes) {
  StoreCross(kEi, 100, 50);
  StoreCross(kIchi, 40, 80);
  doc->m_char.m_nOutlineDirty = 0;
  EXPECT_EQ(ExpandTextCharacters(*doc, std::string(kEi) + kIchi), 1);
  const CCharDataFull& rec = doc->m_char;
  const Rect c0 = rec.m_cellGrid.CellRect(0);
  const Rect c1 = rec.m_cellGrid.CellRect(1);
  ASSERT_EQ(c0, (Rect{250, 50, 450, 250}));
  ASSERT_EQ(c1, (Rect{250, 250, 450, 450}));
  // 永 is twice as wide as high: it takes the cell's width; 一 the cell's height.
  EXPECT_EQ(Points(), (std::vector<Point>{{250, 100}, {450, 100}, {350, 50}, {350, 150},
                                          {250, 350}, {350, 350}, {300, 250}, {300, 450}}));
  EXPECT_EQ((std::vector<int>{rec.m_pFlags[0], rec.m_pFlags[2], rec.m_pFlags[4], rec.m_pFlags[6]}),
            (std::vector<int>{1, 1, 1, 1}));
  EXPECT_EQ(rec.m_pPressure[0], -1);
  EXPECT_EQ(rec.m_nOutlineDirty, 1);
  ASSERT_EQ(doc->m_bUndoValid, 1);
  const CCharData& undo = doc->m_base[kBaseUndo];
  EXPECT_EQ(std::vector<Point>(undo.m_pPoints.get(), undo.m_pPoints.get() + undo.m_nPoints),
            (std::vector<Point>{{7, 7}, {9, 9}}));
}

TEST_F(Expansion, TheScaleAndTheCentringOfTheDetailValuesApply) {
  StoreCross(kEi, 100, 50);
  doc->m_char.m_param[kDictScaleParam] = 1;   // half the fitted size
  doc->m_char.m_param[kDictCentreParam] = 1;
  EXPECT_EQ(ExpandTextCharacters(*doc, kEi), 1);
  // 100 x 50 fitted to 200 x 100, halved, in the middle of (250, 50)-(450, 250).
  EXPECT_EQ(Points(), (std::vector<Point>{{300, 150}, {400, 150}, {350, 125}, {350, 175}}));
}

TEST_F(Expansion, ACharacterTheStoreLacksLeavesItsCellEmpty) {
  StoreCross(kIchi, 40, 80);
  EXPECT_EQ(ExpandTextCharacters(*doc, std::string(kEi) + kIchi), 1);
  ASSERT_EQ(doc->m_char.m_nPoints, 4);
  EXPECT_EQ(doc->m_char.m_pPoints[0], (Point{250, 350})) << "in the second cell";
}

TEST_F(Expansion, CharactersTheStoreLacksAllLeaveTheStrokesAndSaySo) {
  StoreCross(kIchi, 40, 80);
  EXPECT_EQ(ExpandTextCharacters(*doc, std::string(kEi) + kEi), 0);
  EXPECT_EQ(Points(), (std::vector<Point>{{7, 7}, {9, 9}}));
  EXPECT_EQ(doc->m_bUndoValid, 0);
  EXPECT_EQ(messages.ids, std::vector<int>{kMsgNotInDictionary});
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_NE(messages.texts[0].find("永永"), std::string::npos) << messages.texts[0];
  EXPECT_EQ(messages.beeps, 1);
}

TEST_F(Expansion, MorePointsThanARecordHoldsKeepWhatFitsAndTellTheUser) {
  CStrokePath big(9000);
  for (int i = 0; i < 9000; ++i) big.AppendPoint(i % 100, i / 100, i % 100 == 0 ? 1 : 0);
  ASSERT_EQ(SaveTextCharacter(big, kEi), 1);
  EXPECT_EQ(ExpandTextCharacters(*doc, std::string(kEi) + kEi), 1);
  EXPECT_EQ(doc->m_char.m_nPoints, kMaxCharPoints);
  EXPECT_EQ(messages.CountOf(kMsgCapacity), 1);
  EXPECT_EQ(doc->m_base[kBaseUndo].m_nPoints, 2) << "the strokes before are in the undo copy";
}

TEST_F(Expansion, AGridWithoutCellsExpandsNothing) {
  StoreCross(kEi, 100, 50);
  doc->m_char.m_param[32] = 0;
  EXPECT_EQ(ExpandTextCharacters(*doc, kEi), 0);
  EXPECT_EQ(doc->m_char.m_nPoints, 2);
  EXPECT_EQ(messages.beeps, 1);
}

TEST_F(Expansion, RegisteringStoresTheStrokesOfEachCellUnderItsCharacter) {
  CCharDataFull& rec = doc->m_char;
  EXPECT_EQ(RegisterTextCharacters(rec, std::string(kEi) + kIchi, 0), 0) << "no stroke starts in a cell";
  // One stroke in the first cell, two in the second.
  const std::vector<std::pair<Point, int>> points = {{{300, 100}, 1}, {{400, 100}, 0}, {{300, 300}, 1},
                                                     {{320, 300}, 0}, {{310, 290}, 1}, {{310, 330}, 0}};
  rec.m_nPoints = int(points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    rec.m_pPoints[i] = points[i].first;
    rec.m_pFlags[i] = uint8_t(points[i].second);
  }
  gNameList = CNameList(1);  // too small: the run makes the room it needs
  EXPECT_EQ(RegisterTextCharacters(rec, std::string(kEi) + " " + kIchi, 0), 1);
  // The text's characters are the list's entries, one per cell, with room for the three
  // strokes.
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{kEi, kIchi}));
  EXPECT_EQ(gNameList.GetCapacity(), 3);
  EXPECT_EQ(gNameList.Entry(1).m_box, rec.m_cellGrid.CellRect(1));
  gNameList = CNameList();
  CStrokePath loaded(100);
  ASSERT_EQ(LoadTextCharacter(loaded, kEi), 1);
  EXPECT_EQ(PointsOf(loaded), (std::vector<PathPoint>{{0, 0, 1}, {100, 0, 0}}));
  ASSERT_EQ(LoadTextCharacter(loaded, kIchi), 1);
  EXPECT_EQ(PointsOf(loaded), (std::vector<PathPoint>{{0, 10, 1}, {20, 10, 0}, {10, 0, 1}, {10, 40, 0}}));
  // The analysis overlay holds one mark per written stroke, over its points.
  ASSERT_EQ(gAnalysisOverlay.m_nCount, 3);
  const int runs[3][2] = {{0, 1}, {2, 3}, {4, 5}};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(gAnalysisOverlay.m_marks[size_t(k)].parts[0].first, runs[k][0]) << k;
    EXPECT_EQ(gAnalysisOverlay.m_marks[size_t(k)].parts[0].last, runs[k][1]) << k;
  }
  EXPECT_EQ(gAnalysisOverlay.m_marks[2].parts[0].rect, (tmb::Rect{310, 290, 313, 330}));
  gAnalysisOverlay.Clear();
}

// The ink of window A: active or not, beginning at a stroke of the record, and reading
// each run of its strokes as the text given for the run's first.
class FakeInk : public CTabletInk {
 public:
  int FirstInkStroke() const override { return firstInk; }
  int RecognizeText(int first, int end, std::string& text) override {
    reads.push_back({first, end});
    text = texts.count(first) ? texts.at(first) : std::string();
    return m_bActive ? 1 : 0;
  }
  int firstInk = 0;
  std::map<int, std::string> texts;
  std::vector<std::pair<int, int>> reads;
};

TEST_F(Expansion, ACellPastTheTextIsStoredUnderWhatTheWindowsInkReadsInItsStrokes) {
  const std::string ten = Utf8ToSjis("十").value(), ki = Utf8ToSjis("木").value();
  // The record's strokes: a level one in the first cell (the text's), a level and an
  // upright one in the second and a level one in the third; or the upright one last, after
  // the third cell's.
  struct Case {
    const char* name;
    int active, firstInk;
    bool uprightLast;
    std::map<int, std::string> texts;  // by the first ink stroke read
    std::vector<std::pair<int, int>> reads;
    bool tenStored;
  };
  const Case cases[] = {
      {"ink not active", 0, 1, false, {{0, ten}, {2, ki}}, {}, false},
      {"the cells' strokes are ink", 1, 1, false, {{0, ten}, {2, ki}}, {{0, 2}, {2, 3}}, true},
      {"a cell's first stroke came before the ink", 1, 2, false, {{1, ki}}, {{1, 2}}, false},
      {"a cell's strokes do not follow one another", 1, 1, true, {{1, ki}}, {{1, 2}}, false},
  };
  for (const Case& c : cases) {
    ScopedStoreFolder store;
    FakeInk ink;
    ink.m_bActive = c.active;
    ink.firstInk = c.firstInk;
    ink.texts = c.texts;
    SetTabletInk(0, &ink);
    CCharDataFull& rec = doc->m_char;
    rec.ClearPoints();
    AddStroke(rec, {{300, 100}, {400, 100}});
    AddStroke(rec, {{300, 300}, {400, 300}});
    if (!c.uprightLast) AddStroke(rec, {{350, 260}, {350, 400}});
    AddStroke(rec, {{100, 100}, {200, 100}});
    if (c.uprightLast) AddStroke(rec, {{350, 260}, {350, 400}});
    EXPECT_EQ(RegisterTextCharacters(rec, kEi, 0), 1) << c.name;
    SetTabletInk(0, nullptr);
    EXPECT_EQ(ink.reads, c.reads) << c.name;
    // The list names the text's cell, then each cell the ink named.
    std::vector<std::string> listed = {kEi};
    if (c.tenStored) listed.push_back(ten);
    if (c.active) listed.push_back(ki);
    EXPECT_EQ(ListedNames(), listed) << c.name;
    CStrokePath loaded(100);
    ASSERT_EQ(LoadTextCharacter(loaded, kEi), 1);
    EXPECT_EQ(loaded.GetCount(), 2) << c.name;
    ASSERT_EQ(LoadTextCharacter(loaded, ten), 1);
    const std::vector<PathPoint> tenPoints{{0, 40, 1}, {100, 40, 0}, {50, 0, 1}, {50, 140, 0}};
    EXPECT_EQ(PointsOf(loaded), c.tenStored ? tenPoints : std::vector<PathPoint>{}) << c.name;
    ASSERT_EQ(LoadTextCharacter(loaded, ki), 1);
    const std::vector<PathPoint> kiPoints{{0, 0, 1}, {100, 0, 0}};
    EXPECT_EQ(PointsOf(loaded), c.active ? kiPoints : std::vector<PathPoint>{}) << c.name;
  }
}

}  // namespace
}  // namespace tmb::test
