// The copies between a record's parameter block and the animation sheet's pages, the
// confirmed sheet written into every character window's record, and the page rules that
// need no window: the waits refitted when the frame count changes and the names a record
// can keep.
#pragma once

#include <string>

#include "export/animation/anim_sheet_values.h"

class CCharData;

void AnimToBasePage(const CCharData& record, CAniBaseValues& page);
void AnimFromBasePage(CCharData& record, const CAniBaseValues& page);
void AnimToSpecialPage(const CCharData& record, CAniSpecialValues& page);
void AnimFromSpecialPage(CCharData& record, const CAniSpecialValues& page);
// With the texts, the per-frame waits and the test switch. A text outside code page 932
// leaves the record's own (the sheet refuses such a text before it confirms).
void AnimToSavePage(const CCharData& record, CAniSaveValues& page);
void AnimFromSavePage(CCharData& record, const CAniSaveValues& page);
void AnimToSwfPage(const CCharData& record, CSwfFileValues& page);
void AnimFromSwfPage(CCharData& record, const CSwfFileValues& page);
// With the three chain settings.
void AnimToSaveExPage(const CCharData& record, CAnimateSaveExValues& page);
void AnimFromSaveExPage(CCharData& record, const CAnimateSaveExValues& page);
// The page's three chain settings into their globals (gAnimChain).
void StoreAnimChain(const CAnimateSaveExValues& page);

// The font correction page: 260, 261, 267 and the switch 266.
void AnimToFontPage(const CCharData& record, CAnimateFontValues& page);
void AnimFromFontPage(CCharData& record, const CAnimateFontValues& page);

// The glyph family's pages: the motion page (50, 64, 65, 142, 61, 78, 71 and the medians
// 276, 141, 271, 140), its reduced twin (50, 65, 61, 78, 71) and the font correction
// page (261, 267). Every value is written as the page holds it; a value the page shows
// clamped comes back unchanged while the user leaves it alone.
void AnimToGlyphBasePage(const CCharData& record, CGlyphAnimBaseValues& page);
void AnimFromGlyphBasePage(CCharData& record, const CGlyphAnimBaseValues& page);
void AnimToGlyphLiteBasePage(const CCharData& record, CGlyphAnimLiteBaseValues& page);
void AnimFromGlyphLiteBasePage(CCharData& record, const CGlyphAnimLiteBaseValues& page);
void AnimToGlyphLiteFontPage(const CCharData& record, CGlyphAnimLiteFontValues& page);
void AnimFromGlyphLiteFontPage(CCharData& record, const CGlyphAnimLiteFontValues& page);
// All three from record.
void LoadGlyphAnimPages(const CCharData& record, CGlyphAnimValues& pages);

// The sheet's page (AnimSheetPage; -1 all six tabs) into record. Returns false, copying
// nothing, for any other page number.
bool LoadAnimSettings(CCharData& record, const CAniSheetValues& sheet, int page);
// The way back: record into the sheet's page (-1 all six); false for any other number.
bool LoadAnimSheetPage(const CCharData& record, CAniSheetValues& sheet, int page);

// Every tab into the drawn record of each character window of one animation (the first
// m_nCharWindows of m_charWindowKinds, held to that table); windows without a document
// are passed by. Returns the number of records written.
int ApplyAnimSheetToAllDocs(const CAniSheetValues& sheet);

// Leaving the motion page: when its frame count differs from the count the waits were
// fitted to, the frames below the new count that have no wait get one, and the waits
// are fitted to the new count.
void FitWaitsToFrames(CAniSheetValues& sheet);
// The same for a frame count of another page: only the table's slots (below
// kValueTableSize) are touched, whatever the count.
void FitWaitsToFrameCount(CAniSaveValues& save, int frames);

// The name or folder of the file page a record cannot keep (it holds characters outside
// code page 932), in the page's UTF-8; empty when both can be kept.
std::string UnstorableSaveName(const CAniSaveValues& page);
