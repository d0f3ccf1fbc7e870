#include "export/animation/anim_sheet_copies.h"

#include <algorithm>

#include "core/document/doc_windows.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "export/animation/animation_params.h"
#include "export/animation/wait_list.h"
#include "platform/text/code_page.h"

CAnimChainSettings gAnimChain;
int gAnimTestFlag = 0;

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
  kGradient = 282,
  kLineColour = 284,
  kFillArea = 285,
  kPointMeaning = 286,
};

// The order in which all pages are copied.
constexpr int kAllPages[] = {kAnimPageMotion, kAnimPageSave, kAnimPageSpecial, kAnimPageSaveEx, kAnimPageSwf};

// The mode and value places of each median bar.
constexpr int kMedianModeParam[kMedianBars] = {kBarModeFirst, kBarModeFirst + 1, kBarModeFirst + 2,
                                               kBarModeFirst + 3, kBarModeFirst + 4, kFlowMode};
constexpr int kMedianValueParam[kMedianBars] = {kBarValueFirst, kBarValueFirst + 1, kBarValueFirst + 2,
                                                kBarValueFirst + 3, kBarValueFirst + 4, kFlowValue};

int Get(const CCharData& record, int k) { return record.m_param[size_t(k)]; }
void Put(CCharData& record, int k, int value) { record.m_param[size_t(k)] = value; }

void PutText(CCharData& record, int text, const std::string& utf8) {
  if (std::optional<std::string> sjis = tmb::Utf8ToSjis(utf8)) record.m_text[size_t(text)] = std::move(*sjis);
}

}  // namespace

void AnimToBasePage(const CCharData& record, CAniBaseValues& page) {
  page.m_nFrames = Get(record, kAnimFrames);
  page.m_nMorph = Get(record, kAnimMorphSwitch);
  page.m_nWarp = Get(record, kAnimWarpSwitch);
  page.m_nDirection = Get(record, kDirection);
  page.m_nMedianValue = Get(record, kMedianValue);
  page.m_nMedianMode = Get(record, kMedianMode);
  page.m_nSplit = Get(record, kAnimSplitPercent);
  page.m_nStretch = Get(record, kStretch);
  page.m_nStyle = Get(record, kAnimStyleChoice);
  for (int i = 0; i < kMedianBars; ++i) {
    page.m_median.m_value[size_t(i)] = Get(record, kMedianValueParam[i]);
    page.m_median.m_mode[size_t(i)] = Get(record, kMedianModeParam[i]);
  }
}

void AnimFromBasePage(CCharData& record, const CAniBaseValues& page) {
  Put(record, kAnimFrames, page.m_nFrames);
  Put(record, kAnimMorphSwitch, page.m_nMorph);
  Put(record, kAnimWarpSwitch, page.m_nWarp);
  Put(record, kDirection, page.m_nDirection);
  Put(record, kMedianValue, page.m_nMedianValue);
  Put(record, kMedianMode, page.m_nMedianMode);
  Put(record, kAnimSplitPercent, page.m_nSplit);
  Put(record, kStretch, page.m_nStretch);
  Put(record, kAnimStyleChoice, page.m_nStyle);
  for (int i = 0; i < kMedianBars; ++i) {
    Put(record, kMedianValueParam[i], page.m_median.m_value[size_t(i)]);
    Put(record, kMedianModeParam[i], page.m_median.m_mode[size_t(i)]);
  }
}

void AnimToSpecialPage(const CCharData& record, CAniSpecialValues& page) {
  page.m_bAfterImage = Get(record, kAfterImage);
  page.m_bTimeLag = Get(record, kTimeLag);
  page.m_nStrength = Get(record, kStrength);
  page.m_nAcceleration = Get(record, kAnimAcceleration);
  page.m_nDecelerate = Get(record, kAnimDecelerate);
  page.m_nLatest = Get(record, kLatest);
  page.m_nEarliest = Get(record, kEarliest);
  page.m_bBlocks = Get(record, kBlocks);
  page.m_nEdgeDistance = Get(record, kEdgeDistance);
}

void AnimFromSpecialPage(CCharData& record, const CAniSpecialValues& page) {
  Put(record, kAfterImage, page.m_bAfterImage);
  Put(record, kTimeLag, page.m_bTimeLag);
  Put(record, kStrength, page.m_nStrength);
  Put(record, kAnimAcceleration, page.m_nAcceleration);
  Put(record, kAnimDecelerate, page.m_nDecelerate);
  Put(record, kLatest, page.m_nLatest);
  Put(record, kEarliest, page.m_nEarliest);
  Put(record, kBlocks, page.m_bBlocks);
  Put(record, kEdgeDistance, page.m_nEdgeDistance);
}

void AnimToSavePage(const CCharData& record, CAniSaveValues& page) {
  page.m_strBase = tmb::SjisToUtf8Lossy(record.m_text[kTextAnimationName]);
  page.m_strFolder = tmb::SjisToUtf8Lossy(record.m_text[kTextFolder]);
  page.m_bFrameFiles = Get(record, kAnimFrameFiles);
  page.m_nFrameFormat = Get(record, kAnimFrameFormat);
  page.m_bAvi = Get(record, kAnimAvi);
  page.m_bAviRecompress = Get(record, kAnimAviRecompress);
  page.m_nSaveRange = Get(record, kSaveRange);
  page.m_nMarginX = Get(record, kAnimMarginX);
  page.m_nMarginY = Get(record, kAnimMarginY);
  page.m_bClipboard = Get(record, kAnimClipboard);
  page.m_bMng = Get(record, kAnimMng);
  page.m_bGif = Get(record, kAnimGif);
  page.m_bSwf = Get(record, kAnimSwf);
  page.m_nWaitFirst = Get(record, kAnimWaitFirst);
  page.m_nWaitMiddle = Get(record, kAnimWaitMiddle);
  page.m_nWaitLast = Get(record, kAnimWaitLast);
  page.m_nWaitMode = Get(record, kAnimWaitMode);
  page.m_bTransparent = Get(record, kAnimMngTransparent);
  page.m_bOpenResults = Get(record, kAnimOpenMng);
  page.m_bBackAndForth = Get(record, kAnimBackAndForth);
  page.m_bHtml = Get(record, kAnimHtml);
  page.m_bTest = gAnimTestFlag;
  page.m_waits = record.m_valueTable;
  page.m_nWaitCount = std::clamp(Get(record, kAnimFrames), 0, kValueTableSize);
}

void AnimFromSavePage(CCharData& record, const CAniSaveValues& page) {
  PutText(record, kTextAnimationName, page.m_strBase);
  PutText(record, kTextFolder, page.m_strFolder);
  Put(record, kAnimFrameFiles, page.m_bFrameFiles);
  Put(record, kAnimFrameFormat, page.m_nFrameFormat);
  Put(record, kAnimAvi, page.m_bAvi);
  Put(record, kAnimAviRecompress, page.m_bAviRecompress);
  Put(record, kSaveRange, page.m_nSaveRange);
  Put(record, kAnimMarginX, page.m_nMarginX);
  Put(record, kAnimMarginY, page.m_nMarginY);
  Put(record, kAnimClipboard, page.m_bClipboard);
  Put(record, kAnimMng, page.m_bMng);
  Put(record, kAnimGif, page.m_bGif);
  Put(record, kAnimSwf, page.m_bSwf);
  for (int k : {int(kAnimWaitFirst), int(kWaitFirstCopy)}) Put(record, k, page.m_nWaitFirst);
  for (int k : {int(kAnimWaitMiddle), int(kWaitMiddleCopy), int(kAnimAviWait)}) Put(record, k, page.m_nWaitMiddle);
  for (int k : {int(kAnimWaitLast), int(kWaitLastCopy)}) Put(record, k, page.m_nWaitLast);
  Put(record, kAnimWaitMode, page.m_nWaitMode);
  for (int k : {int(kAnimMngTransparent), int(kAnimGifTransparent)}) Put(record, k, page.m_bTransparent);
  for (int k : {int(kAnimOpenMng), int(kAnimOpenGif), int(kAnimOpenSwf)}) Put(record, k, page.m_bOpenResults);
  Put(record, kAnimBackAndForth, page.m_bBackAndForth);
  Put(record, kAnimHtml, page.m_bHtml);
  gAnimTestFlag = page.m_bTest;
  record.m_valueTable = page.m_waits;
}

void AnimToSwfPage(const CCharData& record, CSwfFileValues& page) {
  page.m_bDummyBox = Get(record, kDummyBox);
  page.m_bOutlineOnly = Get(record, kOutlineOnly);
  page.m_bUseWaits = Get(record, kUseWaits);
  page.m_bSplitFont = Get(record, kSplitFont);
  page.m_bCompress = Get(record, kCompress);
  page.m_nGradient = Get(record, kGradient);
  page.m_nLineColour = Get(record, kLineColour);
  page.m_nFillArea = Get(record, kFillArea);
  page.m_nPointMeaning = Get(record, kPointMeaning);
  page.m_nSmoothing = Get(record, kSmoothing);
}

void AnimFromSwfPage(CCharData& record, const CSwfFileValues& page) {
  Put(record, kDummyBox, page.m_bDummyBox);
  Put(record, kOutlineOnly, page.m_bOutlineOnly);
  Put(record, kUseWaits, page.m_bUseWaits);
  Put(record, kSplitFont, page.m_bSplitFont);
  Put(record, kCompress, page.m_bCompress);
  Put(record, kGradient, page.m_nGradient);
  Put(record, kLineColour, page.m_nLineColour);
  Put(record, kFillArea, page.m_nFillArea);
  Put(record, kPointMeaning, page.m_nPointMeaning);
  Put(record, kSmoothing, page.m_nSmoothing);
}

void AnimToSaveExPage(const CCharData& record, CAnimateSaveExValues& page) {
  page.m_nChain = gAnimChain.m_nChain;
  page.m_bInheritArea = gAnimChain.m_bInheritArea;
  page.m_bInheritName = gAnimChain.m_bInheritName;
  page.m_nSplitOutput = Get(record, kSplitOutput);
}

void AnimFromSaveExPage(CCharData& record, const CAnimateSaveExValues& page) {
  gAnimChain.m_nChain = page.m_nChain;
  gAnimChain.m_bInheritArea = page.m_bInheritArea;
  gAnimChain.m_bInheritName = page.m_bInheritName;
  Put(record, kSplitOutput, page.m_nSplitOutput);
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

void FitWaitsToFrames(CAniSheetValues& sheet) {
  CAniSaveValues& save = sheet.save;
  if (sheet.base.m_nFrames == save.m_nWaitCount) return;
  FillNewFrameWaits(save.m_waits, sheet.base.m_nFrames);
  save.m_nWaitCount = std::clamp(sheet.base.m_nFrames, 0, kValueTableSize);
}

std::string UnstorableSaveName(const CAniSaveValues& page) {
  for (const std::string* name : {&page.m_strBase, &page.m_strFolder}) {
    if (!tmb::Utf8ToSjis(*name)) return *name;
  }
  return {};
}
