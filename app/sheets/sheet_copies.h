// The copies between the character record and the values of the writing sheet's pages.
//
// A record-to-page copy (…ToPage) fills the page's values from the record. A
// page-to-record copy (…FromPage) gets the values the page shows and those it was filled
// with (loaded); it writes only the fields the user changed, so that an untouched field
// keeps the record's own value even where the page shows it mapped (a style choice, a
// switch, a range class) or a damaged value the page cannot show. Each store snapshots
// the parameters first, flags the changed settings for redraw afterwards and marks the
// outline for a rebuild (m_nOutlineDirty).
#pragma once

#include <array>

#include "app/sheets/sheet_page_values.h"

class CCharDataFull;

// Colour k of the six-colour copies is parameter kSixColourFirst + kSixColourTable[k].
constexpr int kSixColourFirst = 152;
constexpr std::array<int, 6> kSixColourTable{4, 5, 0, 1, 2, 3};
// Parameter 37 as the auxiliary page leaves it, and the drawing state's copy of it.
constexpr int kStoredDetailMode = 400;

// Set A, the basic page: 201, 315, 317, 290.
void CopyParamSetAToPage(const CCharDataFull& record, WriteBasicValues& page);
void CopyParamSetAFromPage(const WriteBasicValues& page, const WriteBasicValues& loaded, CCharDataFull& record);

// Set B, the base style page: 201, 315, 318, 311, 312, 317, 234, 290, 353, 354, 355 and
// the style choice 11 (0, 1 and 2..5 show as 0, 1, 2; 0, 1, 2 store as 0, 1, 4).
void CopyParamSetBToPage(const CCharDataFull& record, WriteLiteRepBaseValues& page);
void CopyParamSetBFromPage(const WriteLiteRepBaseValues& page, const WriteLiteRepBaseValues& loaded,
                           CCharDataFull& record);

// Set C, the brush and blur page: 10, 40, 41, 190, 192, 193, 191.
void CopyParamSetCToPage(const CCharDataFull& record, BrushBlurValues& page);
void CopyParamSetCFromPage(const BrushBlurValues& page, const BrushBlurValues& loaded, CCharDataFull& record);

// Set D, the outline page: 220, 201, 225, 226, 221, 240, 241, 242, 243, 264, 244.
void CopyParamSetDToPage(const CCharDataFull& record, OutlineValues& page);
void CopyParamSetDFromPage(const OutlineValues& page, const OutlineValues& loaded, CCharDataFull& record);

// Set E, the glyph outline page: 220, 201, 225, 226, 241, 244 and 240 as a switch
// (any non-zero value shows on; switched on stores 2, off 0).
void CopyParamSetEToPage(const CCharDataFull& record, OutlineSwitchValues& page);
void CopyParamSetEFromPage(const OutlineSwitchValues& page, const OutlineSwitchValues& loaded,
                           CCharDataFull& record);

// Set F, the line page: 14, 13, 30, 31, 111, 39, 49, 42, 114, 113.
void CopyParamSetFToPage(const CCharDataFull& record, LineValues& page);
void CopyParamSetFFromPage(const LineValues& page, const LineValues& loaded, CCharDataFull& record);

// Set G, the special-shape page: 27, 28, 29, 17, 18, 210 to 216.
void CopyParamSetGToPage(const CCharDataFull& record, SpecialShapeValues& page);
void CopyParamSetGFromPage(const SpecialShapeValues& page, const SpecialShapeValues& loaded,
                           CCharDataFull& record);

// Set H, the scale page: 80 to 93.
void CopyParamSetHToPage(const CCharDataFull& record, ScaleValues& page);
void CopyParamSetHFromPage(const ScaleValues& page, const ScaleValues& loaded, CCharDataFull& record);

// Set I, the basic-form page: 22, 12, 26, 44, 45, 230, 234, 11, 6, 8, 290.
void CopyParamSetIToPage(const CCharDataFull& record, WriteRepValues& page);
void CopyParamSetIFromPage(const WriteRepValues& page, const WriteRepValues& loaded, CCharDataFull& record);

// Set J, the glyph form page: 26, 44, 230, 234, 6, 0, 2.
void CopyParamSetJToPage(const CCharDataFull& record, WriteRepLiteValues& page);
void CopyParamSetJFromPage(const WriteRepLiteValues& page, const WriteRepLiteValues& loaded,
                           CCharDataFull& record);

// The image-effect page: 100 to 106 and the effect file (text 0). A store that changed
// the file or the background choice sets the record's effect definition up from them.
void CopyEffectToPage(const CCharDataFull& record, ImageEffectValues& page);
void CopyEffectFromPage(const ImageEffectValues& page, const ImageEffectValues& loaded, CCharDataFull& record);

// The auxiliary page: 0 to 5 with their maxima, 38, 43, the class of 37 (below 200: 0,
// below 300: 1, else 2) and the drawing state's hide-sheet flag. Storing always sets 37
// and the drawing state's detail mode to kStoredDetailMode.
void CopyBasicToPage(const CCharDataFull& record, AuxSettingValues& page);
void CopyBasicFromPage(const AuxSettingValues& page, const AuxSettingValues& loaded, CCharDataFull& record);

// The colour page: 170 as a switch (stored as 3 when on, 0 when off) and the colours 156
// to 165. A store re-derives the range pair, gives the record's effect definition the
// paper colour (157) and sets m_bDerived when a colour changed; the two- and six-colour
// copies store alike.
void CopyColourSwitchToPage(const CCharDataFull& record, ColourPageValues& page);
void CopyColoursFromPage(const ColourPageValues& page, const ColourPageValues& loaded, CCharDataFull& record);

// 156 and 157 as bytes.
void CopyTwoColoursToPage(const CCharDataFull& record, TwoColourValues& page);
void CopyTwoColoursFromPage(const TwoColourValues& page, const TwoColourValues& loaded, CCharDataFull& record);

// The six colours of kSixColourTable and the gradient points 172 to 175.
void CopySixColoursToPage(const CCharDataFull& record, SixColourValues& page);
void CopySixColoursFromPage(const SixColourValues& page, const SixColourValues& loaded, CCharDataFull& record);

// The record's first text-settings block, whole. A store that finds the block changed
// (its text, grid, entries, axis order or template) copies it into the record and marks
// the record changed; an untouched block leaves the record's own.
void CopyFontBlockToPage(const CCharDataFull& record, FontBlockValues& page);
void CopyFontBlockFromPage(const FontBlockValues& page, const FontBlockValues& loaded, CCharDataFull& record);
