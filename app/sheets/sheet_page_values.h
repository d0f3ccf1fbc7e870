// The values of the writing sheet's pages, one plain structure per page: what each page
// shows and hands over, without a window. The pages bind their controls to these fields;
// the copies between a structure and the character record live in sheet_copies.h.
// Ranges are those the page's controls accept; a field loaded from a damaged record may
// hold any value, which the copies carry back unchanged while the user leaves it alone.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/text/text_settings.h"
#include "platform/gdi/geometry.h"

// Base style page (template 319 "基本設定", sheet page 0).
struct WriteLiteRepBaseValues {
  int m_nSmooth = 0;        // 518 (slider 428): line smoothness 1..50; parameter 201
  int m_bSoftEdge = 0;      // 688: softened edges; 354
  int m_nCrushType = 0;     // 301: 0 "草書", 1 "隷書", 2 "行書"; 11 (0, 1, 4 stored; 2..5 load as 2)
  int m_bKeepHardness = 0;  // 679: keep the basic hardness; 234
  int m_bKeepShort = 0;     // 682: keep short lines; 312
  int m_bKeepNonDown = 0;   // 681: keep lines that do not go down; 311
  int m_bKeepTurn = 0;      // 685: keep turning points; 290 (any non-zero loads as 1)
  int m_bSlantStrong = 0;   // 684: "斜行部強化" of linked writing; 318
  int m_bLightBase = 0;     // 686: "基礎調整" of lightness; 353
  int m_bLightCursive = 0;  // 689: "草書時強調" of lightness; 355
  int m_bRaiseRight = 0;    // 680: "右上げ"; 317
  int m_bHige = 0;          // 683: "ヒゲ付け"; 315
};

// Basic page (template 327, sheet page 0).
struct WriteBasicValues {
  int m_nSmooth = 0;      // 518 (slider 428): smoothness 1..50; parameter 201
  int m_bRaiseRight = 0;  // 680: slant to the upper right; 317
  int m_bHige = 0;        // 683: decorative strokes; 315
  int m_nKeepTurn = 0;    // 690: keep turning points 0 weak, 1 medium, 2 strong; 290
};

// Auxiliary page (template 176 "補助設定", sheet page 2): the six conversion bars with
// their maxima, the detail mode and two switches of the drawing state.
struct AuxSettingValues {
  int m_bAutoConvert = 0;  // 176: convert right after a bar moved; parameter 38
  int m_nDetailMode = 0;   // 137: 0 "ver.1.*", 1 "ver.2.*", 2 "Tamberi ver.3"; class of 37
  unsigned m_nCrush = 0;       // 254: 0..1000; parameter 0
  unsigned m_nCrushMax = 0;    // 255: 0..1000; maximum 0
  unsigned m_nFlow = 0;        // 256: 0..1500; parameter 1
  unsigned m_nFlowMax = 1;     // 257: 1..1500; maximum 1
  unsigned m_nRenmen = 0;      // 258: 0..1500; parameter 2
  unsigned m_nRenmenMax = 1;   // 259: 1..1500; maximum 2
  unsigned m_nWidth = 0;       // 260: 0..200; parameter 3
  unsigned m_nWidthMax = 1;    // 261: 1..200; maximum 3
  unsigned m_nInflect = 0;     // 262: 0..200; parameter 4
  unsigned m_nInflectMax = 1;  // 263: 1..200; maximum 4
  unsigned m_nBlur = 0;        // 264: 0..200; parameter 5
  unsigned m_nBlurMax = 1;     // 265: 1..200; maximum 5
  int m_bHideSheet = 0;    // 188: hide the sheet after conversion; the drawing state's flag
  int m_nPressure = 0;     // 139: pen-pressure effect 0 "小", 1 "大"; parameter 43

  friend bool operator==(const AuxSettingValues&, const AuxSettingValues&) = default;
};

// Special-shape page (template 231 "特殊形状").
struct SpecialShapeValues {
  int m_bFrontCurve = 0;         // 504: curve the front end; parameter 213
  int m_bRearCurve = 0;          // 506: curve the rear end; 214
  unsigned m_nFrontLength = 0;   // 102 (slider 185 0..50): front curve length; 17
  unsigned m_nRearLength = 0;    // 103 (slider 186 0..50): rear curve length; 18
  int m_nFrontDirection = 0;     // 503 (slider 189 -72..72, factor 5): -360..360 degrees; 215
  int m_nRearDirection = 0;      // 505 (slider 190 -72..72, factor 5): -360..360 degrees; 216
  int m_nSwell = 0;              // 137: 0 "OFF", 1 per line, 2 continuous; 27
  unsigned m_nSwellStrength = 0; // 191 (slider 187): 0..50; 28
  int m_bCrossRestrain = 0;      // 188: "交叉抑制"; 29
  int m_bTraction = 0;           // 502: "牽引効果"; 211
  int m_nTractionStrength = 0;   // 304 (slider 303 0..50): 0..100; 210
  int m_nEffectPoint = 0;        // 306 (slider 305): 0..100 percent from the front; 212
};

// Line page (template 192 "ライン") with the three values of its option dialog (273).
struct LineValues {
  int m_nLineChange = 0;        // 221: 0..7, basic change per line; parameter 14
  unsigned m_nInherit = 0;      // 102 (slider 185): 0..10, inherited pen inflection; 31
  int m_nMinThinEnd = 1;        // 425 (slider 424): 1..5, thinnest line at the ends; 49
  int m_nMinThinOther = 1;      // 427 (slider 426): 1..5, thinnest line elsewhere; 39
  int m_nEmphasis = 0;          // 508 (slider 507): 0..20, inflection emphasis; 113
  int m_bThinStraight = 0;      // 512: thin the straight parts; 114
  int m_bStressThinEnds = 0;    // 511: stress the thin ends; 42
  int m_nOptionSmoothing = 0;   // option 516: 0 "強く", 1 "しない", 2 "軽く"; 13
  int m_bOptionDetail = 0;      // option 514: smoothing of details; 30
  int m_nOptionInflection = 0;  // option 422 (slider 421): 0..30, inflection smoothing; 111
};

// Basic-form page (template 238 "基礎形状") with the three radios of its option dialog
// (270). The page starts with 299 = 1, 105 = 1 and no crush-softness button chosen.
struct WriteRepValues {
  int m_nCrushType = 0;     // 301: 0..5 "草書" .. "デジタル"; parameter 11
  unsigned m_nSoftness = 1; // 105 (slider 300 1..50): 1..1000, semi-cursive softness; 44
  int m_nFlow = 0;          // 305 (slider 304): 1..300, "流れ"; 6
  int m_nIntent = 0;        // 307 (slider 306): 0..100, "筆意"; 8
  int m_nCrushSoftness = -1;  // 582: 0 kana, 1 kanji, -1 none; 234
  unsigned m_nMain = 1;     // 299 (slider 298 1..10): 1..100, "正"; 26
  int m_nSub = 0;           // 303 (slider 302 0..30, factor 5): 0..150, "副"; 230
  int m_bKeepTurn = 0;      // 650: keep turning points; 290 (any non-zero loads as 1)
  int m_nMouseSpeed = 0;    // option 297: 0 "0", 1 "+", 2 "++", 3 "-"; 12
  int m_nSpeedMode = 0;     // option 296: 0 speed-dependent, 1 speed-independent; 22
  int m_nPooling = 0;       // option 302: 0 "OFF", 1 front, 2 rear, 3 both; 45
};

// Scale page (template 239 "スケール", sheet page 3): signed values throughout.
struct ScaleValues {
  int m_nMoveOn = 0;          // 394: 0 "OFF", 1 "ON"; parameter 80
  int m_nMoveUnit = 0;        // 391: 0 pixels, 1 ratio of the area; 81
  int m_nMoveX = 0;           // 371 (spin 373): left-right; 82
  int m_nMoveY = 0;           // 372 (spin 374): up-down; 83
  int m_nScaleMode = 0;       // 387: 0 "OFF", 1 whole, 2 per frame; 84
  int m_nScaleUnit = 0;       // 375: 0 ratio, 1 axis rotation angle; 85
  int m_nScaleX = 0;          // 379 (spin 380): left-right; 86
  int m_nScaleY = 0;          // 381 (spin 382): up-down; 87
  int m_nRotateMode = 0;      // 388: 0 "OFF", 1 whole, 2 per frame; 88
  int m_nRotateAngle = 0;     // 383 (spin 384): degrees; 89
  int m_nLineOutOn = 0;       // 395: 0 "OFF", 1 "ON"; 90
  int m_nLineOutDirection = 0;  // 386: 0 forward, 1 both ways, 2 backward; 91
  int m_nLineOutAmount = 0;   // 389 (spin 390): output amount, percent; 92
  int m_nLineOutStart = 0;    // 392 (spin 393): start position, percent; 93
};

// Image-effect page (template 240 "画像効果", sheet page 4).
struct ImageEffectValues {
  int m_bApply = 0;        // 392: "効果を掛ける"; parameter 100
  int m_nBackground = 0;   // 325: 0 paper colour, 1 colour of the sample point; 101
  int m_nSampleX = 0;      // 326: sample point from the upper-left corner; 102
  int m_nSampleY = 0;      // 327; 103
  int m_nArea = 0;         // 389: 0 automatic, 1 set area, 2 whole; 104
  int m_nMarginX = 0;      // 390: horizontal margin; 105
  int m_nMarginY = 0;      // 391: vertical margin; 106
  std::string m_strFile;   // 330: effect definition file, UTF-8; the record's text 0
};

// Brush and blur page (template 242 "筆・掠れ"): seven radio sets.
struct BrushBlurValues {
  int m_nBrushKind = 0;    // 416: 0..7; parameter 10
  int m_nBlur = 0;         // 417: 0 "弱", 1 "強"; 41
  int m_nBlurPattern = 0;  // 418: 0 "A", 1 "B", 2 "C"; 40
  int m_nGrain = 0;        // 275: paper grain 0 "OFF", 1 "ON"; 190
  int m_nGrainFlow = 0;    // 271: 0 none, 1 across, 2 down; 191
  int m_nGrainRough = 0;   // 272: 0 "弱", 1 "中", 2 "強"; 192
  int m_nGrainDepth = 0;   // 273: 0 "浅", 1 "深"; 193
};

// Outline page (template 280 "アウトライン").
struct OutlineValues {
  int m_bNaturalSmooth = 0;    // 517: natural smoothing per stroke; parameter 220
  int m_nNaturalStrength = 0;  // 518 (slider 428): 0..100; 201
  int m_bPartSmooth = 0;       // 521: smoothing of partial bodies; 225
  int m_nPartStrength = 0;     // 520 (slider 430): 0..100; 226
  int m_bSpline = 0;           // 541: "スプライン"; 221
  int m_nKeepTip = 0;          // 600: tip shape kept 0 "弱", 1 "中", 2 "強"; 264
  int m_nAntiAlias = 0;        // 610: 0 "OFF", 1 trace, 2 stretch; 240
  int m_bTraceForRough = 0;    // 612: trace anti-aliasing for non-plain lines; 243
  int m_nBold = 0;             // 523 (slider 432): 0..32, bold correction; 244
  int m_nDetailView = 0;       // 568: detail display mode, buttons "B", "C", "A"; 242
  int m_nDensity = 0;          // 522 (slider 431): 0..100, "濃度"; 241
};

// Text-outline page (template 268): a text-settings block of its own; no record field.
struct OutlinesDlgValues {
  std::string m_strText;  // 476, UTF-8
  int m_nValue494 = 1;    // 494: 1..10
  int m_nValue495 = 1;    // 495: 1..10
  int m_nValue508 = 8;    // 508: 8..256
  int m_nValue509 = 8;    // 509: 8..256
  int m_nValue506 = 1;    // 506: 1..64
  int m_nValue507 = 1;    // 507: 1..64
  int m_nMode = 0;        // 480: decides which controls are enabled
};

// Colour page (template 317, sheet page 1): the colour mode and the colour slots.
struct ColourPageValues {
  static constexpr int kColourCount = 10;
  int m_nColourMode = 0;  // 667: 0 black ink, 1 single colour; parameter 170 (3 when on)
  // Parameters 156..165 as 0x00BBGGRR: [0] the character's colour, [1] the paper's (the
  // two slots shown), the other eight carried as loaded.
  std::array<tmb::Colour, kColourCount> m_colours{};
};

// The pages of the second family (the glyph pages): the outline page with anti-aliasing
// as a switch, the form page, and the six and two colour pages.

// Outline page of the glyph family (template 298 "アウトライン").
struct OutlineSwitchValues {
  int m_bNaturalSmooth = 0;    // 517: natural smoothing per stroke; parameter 220
  int m_nNaturalStrength = 0;  // 518 (slider 428): 0..100; 201
  int m_bPartSmooth = 0;       // 521: smoothing of partial bodies; 225
  int m_nPartStrength = 0;     // 520 (slider 430): 0..100; 226
  int m_nDensity = 0;          // 522 (slider 431): 0..100; 241
  int m_nBold = 0;             // 523 (slider 432): 0..32; 244
  int m_bAntiAlias = 0;        // 649: any non-zero 240 shows on; turned on stores 2 (stretch), off 0
};

// Form page of the glyph family (template 297 "フォーム"): the crush and linked-writing
// bars take their whole range in the edits; the sliders show only their first part.
struct WriteRepLiteValues {
  int m_nMain = 1;            // 299 (slider 298 1..10): 1..100, "正"; parameter 26
  int m_nSoftness = 1;        // 105 (slider 300 1..50): 1..1000, semi-cursive softness; 44
  int m_nSub = 0;             // 303 (slider 302 0..30, factor 5): 0..150, "副"; 230
  int m_nCrushSoftness = -1;  // 582: 0 "100%", 1 "50%", -1 none; 234
  int m_nFlow = 1;            // 305 (slider 304): 1..300, "流れ"; 6
  int m_nCrush = 0;           // 307 (slider 306 0..100): 0..1000, "崩し"; 0
  int m_nRenmen = 0;          // 309 (slider 308 0..100): 0..1500, "連綿"; 2
};

using RgbBytes = std::array<uint8_t, 3>;  // red, green, blue
constexpr RgbBytes RgbBytesOf(tmb::Colour c) {
  return {uint8_t(tmb::RedOf(c)), uint8_t(tmb::GreenOf(c)), uint8_t(tmb::BlueOf(c))};
}

// The character's and the paper's colour as bytes: parameters 156 and 157.
struct TwoColourValues {
  std::array<RgbBytes, 2> m_rgb{};
};

// Six colours: colour k is parameter 152 + {4, 5, 0, 1, 2, 3}[k] (the character's, the
// paper's, then the four gradient points'); the positions of the four gradient points
// (0..100) are parameters 172..175.
struct SixColourValues {
  std::array<RgbBytes, 6> m_rgb{};
  std::array<int, 4> m_nPoint{};
};

// Font-point page of the glyph family (template 306 "フォント"): a copy of the record's
// first text-settings block, whole.
struct FontBlockValues {
  CTextSettings m_block;
};
