#include "export/animation/anim_sheet_copies.h"

#include <algorithm>
#include <limits>

#include "core/document/doc_windows.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "export/animation/animation_params.h"
#include "export/animation/wait_list.h"
#include "platform/text/code_page.h"

CAnimChainSettings gAnimChain;
std::string gAnimListFile;
int gAnimTestFlag = 0;
int gAnimSavePageFilled = 0;
tmb::Rect gAnimSaveRegion{};
int gAnimRegionSet = 0;

namespace {

// Where the sheet's values live in the parameter block beyond the frame output's own.
enum SheetParam {
  kSaveRange = 53,
  kDirection = 61,
  kMedianMode = 64,
  kMedianValue = 65,
  kStretch = 78,
  kWaitFirstCopy = 132,
  kWaitMiddleCopy = 131,
  kWaitLastCopy = 133,
  kFlowMode = 140,
  kFlowValue = 141,
  kTimeLag = 145,
  kStrength = 146,
  kEarliest = 147,
  kLatest = 148,
  kAfterImage = 76,
  kUseWaits = 251,
  kDummyBox = 253,
  kOutlineOnly = 254,
  kCompress = 256,
  kSplitFont = 257,
  kBlocks = 262,
  kEdgeDistance = 263,
  kSmoothing = 265,
  kBarModeFirst = 270,   // 筆脈, 連綿, 太さ, 抑揚, 掠れ
  kBarValueFirst = 275,
  kSplitOutput = 281,
  kFontEdge = 260,
  kFontSoftness = 261,
  kFontOff = 266,
  kFontSmoothing = 267,
  kGradient = 282,
  kLineColour = 284,
  kFillArea = 285,
  kPointMeaning = 286,
};

// The wait of every frame when the file page is first filled, 1/100 s.
constexpr int32_t kFirstFillWait = 10;

// The order in which all pages are copied.
constexpr int kAllPages[] = {kAnimPageMotion, kAnimPageSave, kAnimPageSpecial, kAnimPageSaveEx, kAnimPageSwf,
                             kAnimPageFont};

// The mode and value places of each median bar.
constexpr int kMedianModeParam[kMedianBars] = {kBarModeFirst, kBarModeFirst + 1, kBarModeFirst + 2,
                                               kBarModeFirst + 3, kBarModeFirst + 4, kFlowMode};
constexpr int kMedianValueParam[kMedianBars] = {kBarValueFirst, kBarValueFirst + 1, kBarValueFirst + 2,
                                                kBarValueFirst + 3, kBarValueFirst + 4, kFlowValue};

// One value of a page and the place of the record that holds it. Where a value goes to
// several places, the first is read back. A number the page edits is shown within its
// range, so that a value a file brought never keeps the user from leaving the page.
template <typename Page>
struct Place {
  int Page::*field;
  int param;
  int lo = std::numeric_limits<int>::min();
  int hi = std::numeric_limits<int>::max();
};

using B = CAniBaseValues;
constexpr Place<B> kBasePlaces[] = {
    {&B::m_nFrames, kAnimFrames, kSheetMinFrames, kSheetMaxFrames},         {&B::m_nMorph, kAnimMorphSwitch},    {&B::m_nWarp, kAnimWarpSwitch},
    {&B::m_nDirection, kDirection},       {&B::m_nMedianValue, kMedianValue, 0, kSheetMaxMedian},  {&B::m_nMedianMode, kMedianMode},
    {&B::m_nSplit, kAnimSplitPercent, 0, kSheetMaxPercent},    {&B::m_nStretch, kStretch, 0, kSheetMaxStretch},          {&B::m_nStyle, kAnimStyleChoice},
};

using S = CAniSpecialValues;
constexpr Place<S> kSpecialPlaces[] = {
    {&S::m_bAfterImage, kAfterImage},      {&S::m_bTimeLag, kTimeLag},          {&S::m_nStrength, kStrength, 0, kSheetMaxPercent},
    {&S::m_nAcceleration, kAnimAcceleration, 0, kSheetMaxAcceleration}, {&S::m_nDecelerate, kAnimDecelerate}, {&S::m_nLatest, kLatest, 0, kSheetMaxPercent},
    {&S::m_nEarliest, kEarliest, 0, kSheetMaxPercent},          {&S::m_bBlocks, kBlocks},            {&S::m_nEdgeDistance, kEdgeDistance, 0, kSheetMaxEdgeDistance},
};

using F = CAniSaveValues;
constexpr Place<F> kSavePlaces[] = {
    {&F::m_bFrameFiles, kAnimFrameFiles},   {&F::m_nFrameFormat, kAnimFrameFormat},
    {&F::m_bAvi, kAnimAvi},                 {&F::m_bAviRecompress, kAnimAviRecompress},
    {&F::m_nSaveRange, kSaveRange},         {&F::m_nMarginX, kAnimMarginX, 0, kSheetMaxMargin},
    {&F::m_nMarginY, kAnimMarginY, 0, kSheetMaxMargin},         {&F::m_bClipboard, kAnimClipboard},
    {&F::m_bMng, kAnimMng},                 {&F::m_bGif, kAnimGif},
    {&F::m_bSwf, kAnimSwf},                 {&F::m_nWaitFirst, kAnimWaitFirst, 0, kSheetMaxWait},
    {&F::m_nWaitFirst, kWaitFirstCopy},     {&F::m_nWaitMiddle, kAnimWaitMiddle, 0, kSheetMaxWait},
    {&F::m_nWaitMiddle, kWaitMiddleCopy},   {&F::m_nWaitMiddle, kAnimAviWait},
    {&F::m_nWaitLast, kAnimWaitLast, 0, kSheetMaxWait},       {&F::m_nWaitLast, kWaitLastCopy},
    {&F::m_nWaitMode, kAnimWaitMode},       {&F::m_bTransparent, kAnimMngTransparent},
    {&F::m_bTransparent, kAnimGifTransparent}, {&F::m_bOpenResults, kAnimOpenMng},
    {&F::m_bOpenResults, kAnimOpenGif},     {&F::m_bOpenResults, kAnimOpenSwf},
    {&F::m_bBackAndForth, kAnimBackAndForth}, {&F::m_bHtml, kAnimHtml},
};

using W = CSwfFileValues;
constexpr Place<W> kSwfPlaces[] = {
    {&W::m_bDummyBox, kDummyBox},   {&W::m_bOutlineOnly, kOutlineOnly}, {&W::m_bUseWaits, kUseWaits},
    {&W::m_bSplitFont, kSplitFont}, {&W::m_bCompress, kCompress},       {&W::m_nGradient, kGradient},
    {&W::m_nLineColour, kLineColour}, {&W::m_nFillArea, kFillArea},     {&W::m_nPointMeaning, kPointMeaning},
    {&W::m_nSmoothing, kSmoothing, 0, kSheetMaxSmoothing},
};

using FC = CAnimateFontValues;
constexpr Place<FC> kFontPlaces[] = {
    {&FC::m_nEdge, kFontEdge, 0, kSheetMaxEdgeEmphasis},
    {&FC::m_nSoftness, kFontSoftness, kSheetMinFontSoftness, kSheetMaxPercent},
    {&FC::m_nSmoothing, kFontSmoothing, 0, kSheetMaxFontSmoothing},
    {&FC::m_bOff, kFontOff},
};

using GB = CGlyphAnimBaseValues;
constexpr Place<GB> kGlyphBasePlaces[] = {
    {&GB::m_nFrames, kAnimFrames},        {&GB::m_nMedianMode, kMedianMode},
    {&GB::m_nMedianValue, kMedianValue},  {&GB::m_nStyle, kAnimStyleChoice},
    {&GB::m_nDirection, kDirection},      {&GB::m_nStretch, kStretch},
    {&GB::m_nSplit, kAnimSplitPercent},   {&GB::m_nRenmenValue, kMedianValueParam[kMedianLinking]},
    {&GB::m_nFlowValue, kFlowValue},      {&GB::m_nRenmenMode, kMedianModeParam[kMedianLinking]},
    {&GB::m_nFlowMode, kFlowMode},
};

using GL = CGlyphAnimLiteBaseValues;
constexpr Place<GL> kGlyphLiteBasePlaces[] = {
    {&GL::m_nFrames, kAnimFrames}, {&GL::m_nCrush, kMedianValue},       {&GL::m_nDirection, kDirection},
    {&GL::m_nStretch, kStretch},   {&GL::m_nSplit, kAnimSplitPercent},
};

using GF = CGlyphAnimLiteFontValues;
constexpr Place<GF> kGlyphLiteFontPlaces[] = {
    {&GF::m_nSoftness, kFontSoftness},
    {&GF::m_nSmoothing, kFontSmoothing},
};

template <typename Page, size_t N>
void ToPage(const CCharData& record, Page& page, const Place<Page> (&places)[N]) {
  // Backwards, so that a value kept in several places ends with its first.
  for (size_t i = N; i-- > 0;) {
    const Place<Page>& place = places[i];
    page.*place.field = std::clamp(record.m_param[size_t(place.param)], place.lo, place.hi);
  }
}

template <typename Page, size_t N>
void FromPage(CCharData& record, const Page& page, const Place<Page> (&places)[N]) {
  for (const Place<Page>& place : places) record.m_param[size_t(place.param)] = page.*place.field;
}

void PutText(CCharData& record, int text, const std::string& utf8) {
  if (std::optional<std::string> sjis = tmb::Utf8ToSjis(utf8)) record.m_text[size_t(text)] = std::move(*sjis);
}

}  // namespace

void AnimToBasePage(const CCharData& record, CAniBaseValues& page) {
  ToPage(record, page, kBasePlaces);
  for (int i = 0; i < kMedianBars; ++i) {
    page.m_median.m_value[size_t(i)] = record.m_param[size_t(kMedianValueParam[i])];
    page.m_median.m_mode[size_t(i)] = record.m_param[size_t(kMedianModeParam[i])];
  }
}

void AnimFromBasePage(CCharData& record, const CAniBaseValues& page) {
  FromPage(record, page, kBasePlaces);
  for (int i = 0; i < kMedianBars; ++i) {
    record.m_param[size_t(kMedianValueParam[i])] = page.m_median.m_value[size_t(i)];
    record.m_param[size_t(kMedianModeParam[i])] = page.m_median.m_mode[size_t(i)];
  }
}

void AnimToSpecialPage(const CCharData& record, CAniSpecialValues& page) { ToPage(record, page, kSpecialPlaces); }

void AnimFromSpecialPage(CCharData& record, const CAniSpecialValues& page) { FromPage(record, page, kSpecialPlaces); }

void AnimToSavePage(const CCharData& record, CAniSaveValues& page) {
  ToPage(record, page, kSavePlaces);
  page.m_strBase = tmb::SjisToUtf8Lossy(record.m_text[kTextAnimationName]);
  page.m_strFolder = tmb::SjisToUtf8Lossy(record.m_text[kTextFolder]);
  page.m_bTest = gAnimTestFlag;
  page.m_waits = record.m_valueTable;
  page.m_nWaitCount = std::clamp(record.m_param[kAnimFrames], 0, kValueTableSize);
  if (gAnimSavePageFilled) return;
  // The first fill of a run starts the page at the default folder, a wait of 10 for every
  // frame and no frame count, so that leaving the motion page fits the waits to it.
  gAnimSavePageFilled = 1;
  page.m_strFolder = gDrawState.m_szCurFolderCrt;
  page.m_waits.fill(kFirstFillWait);
  page.m_nWaitCount = 0;
}

void AnimFromSavePage(CCharData& record, const CAniSaveValues& page) {
  FromPage(record, page, kSavePlaces);
  PutText(record, kTextAnimationName, page.m_strBase);
  PutText(record, kTextFolder, page.m_strFolder);
  gAnimTestFlag = page.m_bTest;
  record.m_valueTable = page.m_waits;
}

void AnimToSwfPage(const CCharData& record, CSwfFileValues& page) { ToPage(record, page, kSwfPlaces); }

void AnimFromSwfPage(CCharData& record, const CSwfFileValues& page) { FromPage(record, page, kSwfPlaces); }

void AnimToSaveExPage(const CCharData& record, CAnimateSaveExValues& page) {
  page.m_nChain = gAnimChain.m_nChain;
  page.m_bInheritArea = gAnimChain.m_bInheritArea;
  page.m_bInheritName = gAnimChain.m_bInheritName;
  page.m_nSplitOutput = record.m_param[kSplitOutput];
}

void StoreAnimChain(const CAnimateSaveExValues& page) {
  gAnimChain.m_nChain = page.m_nChain;
  gAnimChain.m_bInheritArea = page.m_bInheritArea;
  gAnimChain.m_bInheritName = page.m_bInheritName;
}

void AnimFromSaveExPage(CCharData& record, const CAnimateSaveExValues& page) {
  StoreAnimChain(page);
  record.m_param[kSplitOutput] = page.m_nSplitOutput;
}

void AnimToFontPage(const CCharData& record, CAnimateFontValues& page) { ToPage(record, page, kFontPlaces); }

void AnimFromFontPage(CCharData& record, const CAnimateFontValues& page) { FromPage(record, page, kFontPlaces); }

void AnimToGlyphBasePage(const CCharData& record, CGlyphAnimBaseValues& page) {
  ToPage(record, page, kGlyphBasePlaces);
}

void AnimFromGlyphBasePage(CCharData& record, const CGlyphAnimBaseValues& page) {
  FromPage(record, page, kGlyphBasePlaces);
}

void AnimToGlyphLiteBasePage(const CCharData& record, CGlyphAnimLiteBaseValues& page) {
  ToPage(record, page, kGlyphLiteBasePlaces);
}

void AnimFromGlyphLiteBasePage(CCharData& record, const CGlyphAnimLiteBaseValues& page) {
  FromPage(record, page, kGlyphLiteBasePlaces);
}

void AnimToGlyphLiteFontPage(const CCharData& record, CGlyphAnimLiteFontValues& page) {
  ToPage(record, page, kGlyphLiteFontPlaces);
}

void AnimFromGlyphLiteFontPage(CCharData& record, const CGlyphAnimLiteFontValues& page) {
  FromPage(record, page, kGlyphLiteFontPlaces);
}

void LoadGlyphAnimPages(const CCharData& record, CGlyphAnimValues& pages) {
  AnimToGlyphBasePage(record, pages.base);
  AnimToGlyphLiteBasePage(record, pages.liteBase);
  AnimToGlyphLiteFontPage(record, pages.liteFont);
}

bool LoadAnimSettings(CCharData& record, const CAniSheetValues& sheet, int page) {
  switch (page) {
    case kAnimPageAll:
      for (int each : kAllPages) LoadAnimSettings(record, sheet, each);
      return true;
    case kAnimPageMotion: AnimFromBasePage(record, sheet.base); return true;
    case kAnimPageSave: AnimFromSavePage(record, sheet.save); return true;
    case kAnimPageSpecial: AnimFromSpecialPage(record, sheet.special); return true;
    case kAnimPageSaveEx: AnimFromSaveExPage(record, sheet.saveEx); return true;
    case kAnimPageSwf: AnimFromSwfPage(record, sheet.swf); return true;
    case kAnimPageFont: AnimFromFontPage(record, sheet.font); return true;
    default: return false;
  }
}

bool LoadAnimSheetPage(const CCharData& record, CAniSheetValues& sheet, int page) {
  switch (page) {
    case kAnimPageAll:
      for (int each : kAllPages) LoadAnimSheetPage(record, sheet, each);
      return true;
    case kAnimPageMotion: AnimToBasePage(record, sheet.base); return true;
    case kAnimPageSave: AnimToSavePage(record, sheet.save); return true;
    case kAnimPageSpecial: AnimToSpecialPage(record, sheet.special); return true;
    case kAnimPageSaveEx: AnimToSaveExPage(record, sheet.saveEx); return true;
    case kAnimPageSwf: AnimToSwfPage(record, sheet.swf); return true;
    case kAnimPageFont: AnimToFontPage(record, sheet.font); return true;
    default: return false;
  }
}

int ApplyAnimSheetToAllDocs(const CAniSheetValues& sheet) {
  const int windows = std::clamp(gDrawState.m_nCharWindows, 0, int(gDrawState.m_charWindowKinds.size()));
  int written = 0;
  for (int i = 0; i < windows; ++i) {
    CCharDataFull* record = DrawnRecordOfKind(gDrawState.m_charWindowKinds[size_t(i)]);
    if (!record) continue;
    LoadAnimSettings(*record, sheet, kAnimPageAll);
    ++written;
  }
  return written;
}

void FitWaitsToFrames(CAniSheetValues& sheet) { FitWaitsToFrameCount(sheet.save, sheet.base.m_nFrames); }

void FitWaitsToFrameCount(CAniSaveValues& save, int frames) {
  if (frames == save.m_nWaitCount) return;
  FillNewFrameWaits(save.m_waits, frames);
  save.m_nWaitCount = std::clamp(frames, 0, kValueTableSize);
}

std::string UnstorableSaveName(const CAniSaveValues& page) {
  for (const std::string* name : {&page.m_strBase, &page.m_strFolder}) {
    if (!tmb::Utf8ToSjis(*name)) return *name;
  }
  return {};
}
