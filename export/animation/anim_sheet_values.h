// The values of the animation sheet's five pages, kept apart from their windows so that
// the copies between them and a record's parameters run and test without a display.
// Texts are UTF-8 here; the record keeps them as code page 932 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/record/char_data.h"
#include "platform/gdi/geometry.h"

// Which pages a copy between the sheet and a record takes.
enum AnimSheetPage {
  kAnimPageAll = -1,
  kAnimPageNone = 0,  // a page of the sheet that no copy of the five tabs takes
  kAnimPageMotion = 20,
  kAnimPageSave = 21,
  kAnimPageSpecial = 22,
  kAnimPageFont = 23,
  kAnimPageSwf = 24,
  kAnimPageSaveEx = 25,
};

// The frame counts the sheet accepts, in its edit and its spin alike.
constexpr int kSheetMinFrames = 2;
constexpr int kSheetMaxFrames = 100;
// The other numbers the pages edit run from 0 to these.
constexpr int kSheetMaxMedian = 1000;
constexpr int kSheetMaxPercent = 100;
constexpr int kSheetMaxStretch = 50;
constexpr int kSheetMaxAcceleration = 30;
constexpr int kSheetMaxEdgeDistance = 2000;
constexpr int kSheetMaxMargin = 5000;
constexpr int kSheetMaxWait = 6000;  // 1/100 s
constexpr int kSheetMaxSmoothing = 20;
// The font correction page's ranges.
constexpr int kSheetMaxEdgeEmphasis = 5;
constexpr int kSheetMinFontSoftness = 10;  // percent
constexpr int kSheetMaxFontSmoothing = 300;  // percent

// The conversion bars whose transition frames may run through a median value.
enum MedianBar { kMedianVein, kMedianLinking, kMedianWidth, kMedianModulation, kMedianBlur, kMedianFlow, kMedianBars };

struct CMedianValues {
  std::array<int, kMedianBars> m_value{};  // by MedianBar
  std::array<int, kMedianBars> m_mode{-1, -1, -1, -1, -1, -1};  // 0 in turn, 1 the median; -1 none
};

// "動作"
struct CAniBaseValues {
  int m_nFrames = kSheetMinFrames;
  int m_nMorph = 0;        // 0/1
  int m_nWarp = 0;         // 0/1
  int m_nDirection = 0;    // 0 A to B, 1 B to A
  int m_nMedianValue = 0;  // of the conversion degree
  int m_nMedianMode = 0;
  int m_nSplit = 0;        // percent
  int m_nStretch = 0;
  int m_nStyle = 0;        // conversion style of the transition frames, list entry
  CMedianValues m_median;
};

// "特殊動作"
struct CAniSpecialValues {
  int m_bAfterImage = 0;
  int m_bTimeLag = 0;
  int m_nStrength = 0;
  int m_nAcceleration = 0;
  int m_nDecelerate = 0;  // 0 accelerate, 1 decelerate
  int m_nLatest = 0;      // percent
  int m_nEarliest = 0;    // percent
  int m_bBlocks = 0;
  int m_nEdgeDistance = 0;
};

// "ファイル"
struct CAniSaveValues {
  std::string m_strBase;    // file-name base
  std::string m_strFolder;  // save folder
  int m_bFrameFiles = 0;
  int m_nFrameFormat = 0;  // 0 BMP, 1 PNG, 2 JPEG
  int m_bAvi = 0;
  int m_bAviRecompress = 0;
  int m_nSaveRange = 0;    // 0 all, 1 the selection, 2 automatic
  int m_nMarginX = 0;
  int m_nMarginY = 0;
  int m_bClipboard = 0;
  int m_bMng = 0;
  int m_bGif = 0;
  int m_bSwf = 0;
  int m_nWaitFirst = 0;    // 1/100 s
  int m_nWaitMiddle = 0;
  int m_nWaitLast = 0;
  int m_nWaitMode = 0;     // 0 first/middle/last, 1 a wait per frame
  int m_bTransparent = 0;
  int m_bOpenResults = 0;
  int m_bBackAndForth = 0;
  int m_bHtml = 0;
  int m_bTest = 0;
  std::array<int32_t, kValueTableSize> m_waits{};  // per frame
  int m_nWaitCount = 0;    // the frame count the waits were last fitted to
};

// "swfファイル"
struct CSwfFileValues {
  int m_bDummyBox = 0;
  int m_bOutlineOnly = 0;
  int m_bUseWaits = 0;
  int m_bSplitFont = 0;
  int m_bCompress = 0;
  int m_nGradient = -1;
  int m_nLineColour = -1;
  int m_nFillArea = -1;
  int m_nPointMeaning = -1;
  int m_nSmoothing = 0;
};

// "ファイル拡張"
struct CAnimateSaveExValues {
  int m_bInheritArea = 0;
  int m_bInheritName = 0;
  int m_nChain = -1;        // 0 chained, 1 one set at a time
  int m_nSplitOutput = -1;  // special split output with blocks
};

// "フォント形状補正"
struct CAnimateFontValues {
  int m_nEdge = 0;       // edge emphasis, 0..kSheetMaxEdgeEmphasis
  int m_nSoftness = 0;   // kSheetMinFontSoftness..100 percent
  int m_nSmoothing = 0;  // 0..kSheetMaxFontSmoothing percent
  int m_bOff = 0;        // "一時オフ": the correction left out for now
};

// The pages of the glyph family that the sheet holds beside its tabs: the motion page,
// its reduced twin and the font correction page. The numbers the motion pages show run
// within the tabs' ranges (frames kSheetMinFrames..kSheetMaxFrames).

// "動作" (template 301)
struct CGlyphAnimBaseValues {
  int m_nFrames = kSheetMinFrames;  // 306
  int m_nMedianMode = -1;           // 367: 0 in turn, 1 the median of 366
  int m_nMedianValue = 0;           // 366: 0..100
  int m_nStyle = -1;                // 463: conversion style of the transition frames
  int m_nDirection = -1;            // 365: 0 A to B, 1 B to A
  int m_nStretch = 0;               // 436: 0..kSheetMaxStretch
  int m_nSplit = 0;                 // 402: percent
  // The four medians the page hands its median dialog (button 605): linked writing and flow.
  int m_nRenmenValue = 0;
  int m_nRenmenMode = -1;
  int m_nFlowValue = 0;
  int m_nFlowMode = -1;
};

// "動作" (template 307), the reduced twin.
struct CGlyphAnimLiteBaseValues {
  int m_nFrames = kSheetMinFrames;  // 306
  int m_nCrush = 0;                 // 366 (slider 437 0..10): "形状崩し度", the conversion degree's median
  int m_nDirection = -1;            // 365
  int m_nStretch = 0;               // 436
  int m_nSplit = 0;                 // 402
};

// "補正" (template 309)
struct CGlyphAnimLiteFontValues {
  int m_nSoftness = 0;   // 595 (slider 594): 10..100, "崩し軟度"
  int m_nSmoothing = 0;  // 597 (slider 596): 0..300, "アウトラインスムージング"
};

struct CGlyphAnimValues {
  CGlyphAnimBaseValues base;
  CGlyphAnimLiteBaseValues liteBase;
  CGlyphAnimLiteFontValues liteFont;
};

struct CAniSheetValues {
  CAniBaseValues base;
  CAniSpecialValues special;
  CAniSaveValues save;
  CSwfFileValues swf;
  CAnimateSaveExValues saveEx;
  CAnimateFontValues font;
  CGlyphAnimValues glyph;
};

// The settings the continuous file processing reads, kept by the file extension page.
struct CAnimChainSettings {
  int m_nChain = 0;
  int m_bInheritArea = 0;
  int m_bInheritName = 0;
};
extern CAnimChainSettings gAnimChain;
// The list file the continuous file processing was last given ("読込・実行"), UTF-8.
extern std::string gAnimListFile;
// The file page's hidden test switch.
extern int gAnimTestFlag;
// The file page was filled from a record once in this run (its first fill sets the page
// up); 0 again lets the next fill be a first one.
extern int gAnimSavePageFilled;
// The save region the file page's "詳細設定" edits, from the preview's selection, and
// whether it was set there.
extern tmb::Rect gAnimSaveRegion;
extern int gAnimRegionSet;
