// The animation sheet's values and the records: the copies of each page, the confirmed
// sheet written into every character window, the waits refitted to a new frame count
// and the names a record cannot keep.
#include "export/animation/anim_sheet_copies.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "core/document/doc_windows.h"
#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "export/animation/animation_params.h"

namespace {

// Character windows of the kinds given, each with a document.
class CharWindows final : public TmbDocWindows {
 public:
  explicit CharWindows(std::vector<int> kinds) {
    for (int kind : kinds) docs[kind] = std::make_unique<CTmbDoc>();
    SetTmbDocWindows(this);
  }
  ~CharWindows() override { SetTmbDocWindows(nullptr); }
  CTmbDoc* DocumentOfKind(int kind) override {
    auto it = docs.find(kind);
    return it == docs.end() ? nullptr : it->second.get();
  }
  CCharDataFull& Record(int kind) { return docs.at(kind)->m_char; }

  std::map<int, std::unique_ptr<CTmbDoc>> docs;
};

// A sheet whose every value differs from a fresh record's.
CAniSheetValues DistinctSheet() {
  CAniSheetValues s;
  s.base.m_nFrames = 8;
  s.base.m_nMorph = 1;
  s.base.m_nSplit = 40;
  s.base.m_nStyle = 3;
  s.base.m_median.m_value[kMedianFlow] = 450;
  s.base.m_median.m_mode[kMedianVein] = 1;
  s.special.m_bAfterImage = 1;
  s.special.m_nEdgeDistance = 1500;
  s.save.m_strBase = "動画";
  s.save.m_strFolder = "/tmp/アニメ";
  s.save.m_bAvi = 1;
  s.save.m_nWaitFirst = 11;
  s.save.m_nWaitMiddle = 22;
  s.save.m_nWaitLast = 33;
  s.save.m_bTransparent = 1;
  s.save.m_bOpenResults = 1;
  s.save.m_waits.fill(44);
  s.swf.m_bCompress = 1;
  s.swf.m_nGradient = 2;
  s.saveEx.m_nSplitOutput = 2;
  s.saveEx.m_nChain = 1;
  s.font = {4, 55, 250, 1};
  return s;
}

class AnimSheetCopies : public ::testing::Test {
 protected:
  // The copies as they run once the file page had its first fill.
  void SetUp() override { gAnimSavePageFilled = 1; }
  void TearDown() override {
    gDrawState.Reset();
    gAnimChain = {};
    gAnimTestFlag = 0;
  }
};

TEST_F(AnimSheetCopies, EachPageGoesToItsPlacesAndComesBackTheSame) {
  auto record = std::make_unique<CCharDataFull>();
  const CAniSheetValues sheet = DistinctSheet();
  ASSERT_TRUE(LoadAnimSettings(*record, sheet, kAnimPageAll));
  const ParamBlock& p = record->m_param;
  EXPECT_EQ(p[kAnimFrames], 8);
  EXPECT_EQ(p[kAnimMorphSwitch], 1);
  EXPECT_EQ(p[kAnimStyleChoice], 3);
  EXPECT_EQ(p[141], 450);  // the flow's median
  EXPECT_EQ(p[270], 1);    // the brush vein's mode
  EXPECT_EQ(p[76], 1);
  EXPECT_EQ(p[263], 1500);
  EXPECT_EQ(p[kAnimAvi], 1);
  // The simple waits and the switches go to every place their outputs read.
  EXPECT_EQ(p[kAnimWaitFirst], 11);
  EXPECT_EQ(p[132], 11);
  EXPECT_EQ(p[kAnimWaitMiddle], 22);
  EXPECT_EQ(p[131], 22);
  EXPECT_EQ(p[kAnimAviWait], 22);
  EXPECT_EQ(p[kAnimWaitLast], 33);
  EXPECT_EQ(p[133], 33);
  EXPECT_EQ(p[kAnimMngTransparent], 1);
  EXPECT_EQ(p[kAnimGifTransparent], 1);
  EXPECT_EQ(p[kAnimOpenMng], 1);
  EXPECT_EQ(p[kAnimOpenGif], 1);
  EXPECT_EQ(p[kAnimOpenSwf], 1);
  EXPECT_EQ(p[256], 1);
  EXPECT_EQ(p[282], 2);
  EXPECT_EQ(p[281], 2);
  EXPECT_EQ(gAnimChain.m_nChain, 1);
  EXPECT_EQ(record->m_valueTable[255], 44);
  // The record keeps its texts in code page 932.
  EXPECT_EQ(record->m_text[kTextAnimationName], "\x93\xae\x89\xe6");

  CAniSheetValues back;
  ASSERT_TRUE(LoadAnimSheetPage(*record, back, kAnimPageAll));
  EXPECT_EQ(back.base.m_nFrames, 8);
  EXPECT_EQ(back.base.m_median.m_value, sheet.base.m_median.m_value);
  EXPECT_EQ(back.base.m_median.m_mode, sheet.base.m_median.m_mode);
  EXPECT_EQ(back.save.m_strBase, "動画");
  EXPECT_EQ(back.save.m_strFolder, "/tmp/アニメ");
  EXPECT_EQ(back.save.m_nWaitMiddle, 22);
  EXPECT_EQ(back.save.m_nWaitCount, 8);
  EXPECT_EQ(back.special.m_nEdgeDistance, 1500);
  EXPECT_EQ(back.swf.m_nGradient, 2);
  EXPECT_EQ(back.saveEx.m_nSplitOutput, 2);
}

TEST_F(AnimSheetCopies, TheFontPageRoundTripsItsFourParametersThroughARecord) {
  auto record = std::make_unique<CCharDataFull>();
  const CAnimateFontValues font{3, 40, 120, 1};
  AnimFromFontPage(*record, font);
  EXPECT_EQ(record->m_param[260], 3);
  EXPECT_EQ(record->m_param[261], 40);
  EXPECT_EQ(record->m_param[267], 120);
  EXPECT_EQ(record->m_param[266], 1);
  CAnimateFontValues back;
  AnimToFontPage(*record, back);
  EXPECT_EQ(back.m_nEdge, 3);
  EXPECT_EQ(back.m_nSoftness, 40);
  EXPECT_EQ(back.m_nSmoothing, 120);
  EXPECT_EQ(back.m_bOff, 1);
  // A file's values outside the page's ranges are shown within them.
  record->m_param[260] = 9;
  record->m_param[261] = 0;
  record->m_param[267] = 301;
  AnimToFontPage(*record, back);
  EXPECT_EQ(back.m_nEdge, kSheetMaxEdgeEmphasis);
  EXPECT_EQ(back.m_nSoftness, kSheetMinFontSoftness);
  EXPECT_EQ(back.m_nSmoothing, kSheetMaxFontSmoothing);
}

TEST_F(AnimSheetCopies, TheFilePagesFirstFillOfARunStartsAtTheDefaultFolderAndWaitsOfTen) {
  gDrawState.m_szCurFolder = "/usr/share/tamberi";  // the data folder is only read
  gDrawState.m_szCurFolderCrt = "/data/tamberi";
  auto record = std::make_unique<CCharDataFull>();
  record->m_param[kAnimFrames] = 12;
  record->m_text[kTextFolder] = "/home/user/anim";
  record->m_valueTable.fill(70);
  CAniSaveValues page;
  gAnimSavePageFilled = 0;
  AnimToSavePage(*record, page);
  EXPECT_EQ(page.m_strFolder, "/data/tamberi");
  EXPECT_EQ(page.m_waits[0], 10);
  EXPECT_EQ(page.m_waits[255], 10);
  EXPECT_EQ(page.m_nWaitCount, 0);
  EXPECT_EQ(page.m_nWaitMiddle, record->m_param[kAnimWaitMiddle]) << "the other fields come from the record";
  // Once a run: the next fill shows the record as it is.
  AnimToSavePage(*record, page);
  EXPECT_EQ(page.m_strFolder, "/home/user/anim");
  EXPECT_EQ(page.m_waits[0], 70);
  EXPECT_EQ(page.m_nWaitCount, 12);
}

TEST_F(AnimSheetCopies, APageNumberCopiesOnlyItsPage) {
  struct Case {
    int page;
    bool copied;
    int changed;  // the one parameter of DistinctSheet's that the page writes; 0 none
  } cases[] = {
      {kAnimPageMotion, true, kAnimFrames},  {kAnimPageSave, true, kAnimAvi},
      {kAnimPageSpecial, true, 263},         {kAnimPageSwf, true, 256},
      {kAnimPageSaveEx, true, 281},          {kAnimPageFont, true, 267},
      {26, false, 0},                         {-2, false, 0},
  };
  const int written[] = {kAnimFrames, kAnimAvi, 263, 256, 281, 267};
  const CAniSheetValues sheet = DistinctSheet();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    auto record = std::make_unique<CCharDataFull>();
    const ParamBlock before = record->m_param;
    EXPECT_EQ(LoadAnimSettings(*record, sheet, c.page), c.copied);
    for (int k : written) {
      EXPECT_EQ(record->m_param[size_t(k)] != before[size_t(k)], k == c.changed) << k;
    }
  }
}

TEST_F(AnimSheetCopies, AConfirmWritesAllSixPagesIntoEachOfThreeWindows) {
  CharWindows windows({kKindDrawA, kKindDrawB, kKindFontAxis});
  gDrawState.m_nCharWindows = 3;
  gDrawState.m_charWindowKinds = {kKindDrawA, kKindDrawB, kKindFontAxis};
  EXPECT_EQ(ApplyAnimSheetToAllDocs(DistinctSheet()), 3);
  for (int kind : {kKindDrawA, kKindDrawB, kKindFontAxis}) {
    SCOPED_TRACE(kind);
    const ParamBlock& p = windows.Record(kind).m_param;
    EXPECT_EQ(p[kAnimFrames], 8);   // motion
    EXPECT_EQ(p[kAnimAvi], 1);      // file
    EXPECT_EQ(p[263], 1500);        // special motion
    EXPECT_EQ(p[281], 2);           // file extension
    EXPECT_EQ(p[256], 1);           // SWF
    EXPECT_EQ(p[260], 4);           // font correction
  }
}

TEST_F(AnimSheetCopies, TheWindowCountIsHeldToTheTableAndClosedWindowsArePassedBy) {
  CharWindows windows({kKindDrawA, kKindFontAxis});  // B was closed
  gDrawState.m_charWindowKinds = {kKindDrawA, kKindDrawB, kKindFontAxis, kKindFontAxis,
                                  kKindFontAxis, kKindFontAxis, kKindFontAxis, kKindFontAxis};
  for (int count : {3, 9, 1000}) {
    gDrawState.m_nCharWindows = count;
    EXPECT_EQ(ApplyAnimSheetToAllDocs(DistinctSheet()), count == 3 ? 2 : 7) << count;
  }
  gDrawState.m_nCharWindows = -4;
  EXPECT_EQ(ApplyAnimSheetToAllDocs(DistinctSheet()), 0);
}

TEST_F(AnimSheetCopies, AGrownFrameCountGivesTheNewFramesWaits) {
  auto record = std::make_unique<CCharDataFull>();
  record->m_param[kAnimFrames] = 5;
  record->m_valueTable.fill(0);
  for (int i = 0; i < 5; ++i) record->m_valueTable[size_t(i)] = 10;
  CAniSheetValues sheet;
  LoadAnimSheetPage(*record, sheet, kAnimPageAll);
  sheet.base.m_nFrames = 8;
  FitWaitsToFrames(sheet);
  EXPECT_EQ(std::vector<int32_t>(sheet.save.m_waits.begin(), sheet.save.m_waits.begin() + 9),
            (std::vector<int32_t>{10, 10, 10, 10, 10, 30, 30, 30, 0}));
  EXPECT_EQ(sheet.save.m_nWaitCount, 8);

  // Fitted once, a wait the user then sets to 0 stays 0 while the count stays.
  sheet.save.m_waits[6] = 0;
  FitWaitsToFrames(sheet);
  EXPECT_EQ(sheet.save.m_waits[6], 0);
}

TEST_F(AnimSheetCopies, NumbersAFileBroughtAreShownWithinTheRangesThePagesAccept) {
  auto record = std::make_unique<CCharDataFull>();
  struct Case {
    int param;
    int stored;
    int shown;
  } cases[] = {{kAnimFrames, 256, kSheetMaxFrames}, {kAnimSplitPercent, 500, 100}, {78, -3, 0},  {kAnimWaitMiddle, 99999, kSheetMaxWait},  {263, 2001, kSheetMaxEdgeDistance},
               {265, 21, kSheetMaxSmoothing}};
  for (const Case& c : cases) record->m_param[size_t(c.param)] = c.stored;
  CAniSheetValues sheet;
  LoadAnimSheetPage(*record, sheet, kAnimPageAll);
  auto back = std::make_unique<CCharDataFull>();
  LoadAnimSettings(*back, sheet, kAnimPageAll);
  for (const Case& c : cases) {
    EXPECT_EQ(back->m_param[size_t(c.param)], c.shown) << c.param;
  }
  record->m_param[kAnimFrames] = 1;
  LoadAnimSheetPage(*record, sheet, kAnimPageMotion);
  EXPECT_EQ(sheet.base.m_nFrames, kSheetMinFrames);
}

TEST_F(AnimSheetCopies, NamesOutsideCodePage932AreFoundAndNeverStored) {
  CAniSaveValues page;
  page.m_strBase = "ani";
  page.m_strFolder = "/tmp/森の画像";
  EXPECT_EQ(UnstorableSaveName(page), "");
  page.m_strFolder = "/tmp/한글";
  EXPECT_EQ(UnstorableSaveName(page), "/tmp/한글");
  page.m_strBase = "a😀";
  EXPECT_EQ(UnstorableSaveName(page), "a😀");

  // The copy keeps the record's own texts rather than writing '?'.
  auto record = std::make_unique<CCharDataFull>();
  record->m_text[kTextAnimationName] = "old";
  record->m_text[kTextFolder] = "/old";
  AnimFromSavePage(*record, page);
  EXPECT_EQ(record->m_text[kTextAnimationName], "old");
  EXPECT_EQ(record->m_text[kTextFolder], "/old");
}

}  // namespace
