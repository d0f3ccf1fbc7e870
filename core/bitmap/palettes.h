// The application's palettes and colour tables for 256-colour displays. The display is
// always true colour here, so gPaletteMode stays 0 unless the application sets it; every
// operation then reports success and touches nothing, as on a true-colour display.
#pragma once

#include <array>
#include <span>

#include "platform/gdi/device_context.h"
#include "platform/gdi/palette.h"

// Only the first entries of a colour table take part in adding and searching.
constexpr int kPaletteSearchEntries = 216;
constexpr int kColourTableEntries = 256;

using ColourTable = std::array<tmb::PaletteEntry, kColourTableEntries>;

extern int gPaletteMode;  // non-zero while the display is in 256-colour mode
extern tmb::Palette gAppPalette;
extern tmb::Palette gEditPalette;
extern tmb::Palette gRemapSourcePalette;
extern tmb::Palette gRemapTargetPalette;
extern tmb::Palette gSparePalette;
extern tmb::Palette* gCurPaletteA;  // of the drawing windows
extern tmb::Palette* gCurPaletteB;  // of the image editor
// Table 0: the application palette's; 1: colours in use by the drawing windows; 2: by
// the image editor. An entry of black counts as free.
extern ColourTable gColourTables[3];
extern ColourTable* gCurTableA;
extern ColourTable* gCurTableB;
extern int gPaletteState[kColourTableEntries];  // -1 nothing known, -2 colour not in use
extern tmb::Colour gExcludedColour;
extern int gPaletteReduced;
extern int gPaletteCounter;

// Back to the state at start-up (tests start from here).
void ResetPalettes();

// The palette-relative form of colour in palette mode, else colour itself.
tmb::Colour PaletteRgb(tmb::Colour colour);
// In palette mode selects pPalette into pDC and realises it, returning the previous one;
// else returns null.
const tmb::Palette* SelectPaletteInto(tmb::DeviceContext* pDC, const tmb::Palette* pPalette);
int SelectAppPalette(tmb::DeviceContext* pDC);
int SelectEditPalette(tmb::DeviceContext* pDC);
int SelectAppPalette3(tmb::DeviceContext* a, tmb::DeviceContext* b, tmb::DeviceContext* c);
int SelectEditPalette3(tmb::DeviceContext* a, tmb::DeviceContext* b, tmb::DeviceContext* c);

// In palette mode: makes the five palettes that do not exist yet (256 entries), resets
// the tables, loads table 0 into all five and makes gAppPalette and table 0 current.
void InitAppPalettes();
// Table 0 black but for entry 255 white; tables 1 and 2 all black; the drawing windows'
// palette-full flags cleared.
void ResetPaletteTables();

// Outside palette mode 1. last when colour is among entries [first, last); otherwise
// writes it into the first free entry there and returns its index, or -1 when none is free.
int FindOrAddColour(ColourTable& table, int first, int last, tmb::Colour colour);
// Outside palette mode 1. 1 when colour is present, -2 when the table is full, otherwise
// the new entry's index after loading the table into pPalette.
int AddColourToPalette(ColourTable& table, tmb::Colour colour, tmb::Palette* pPalette);
// The image editor's add: through table B and palette B, also recording into table 2.
// Sets paletteFull and returns -2 when full; 0 outside palette mode or once full.
int AddPaletteColour(int& paletteFull, tmb::Colour colour);
// The drawing windows' add: documentColour becomes the excluded colour and every state
// entry -1; then through table A and palette A, recording into table 1.
int AddWindowPaletteColour(int& paletteFull, tmb::Colour documentColour, tmb::Colour colour);
// The twins of drawing windows A (kind 0) and B (kind 2): AddWindowPaletteColour with the
// window's own palette-full flag and its paper colour (parameter 157 of its document's
// drawn record) as the document colour. 0 for another kind or a window without document.
int AddDrawingWindowColour(int kind, tmb::Colour colour);
extern int gWindowPaletteFull[2];  // of windows A and B

// Copies red, green and blue of entries [first, last) with flags 0; returns 1.
int CopyPaletteColours(ColourTable& dst, const ColourTable& src, int first, int last);
// Sets pSrc's entries (at most 256) into pDst from entry 0; returns 1.
int CopyPalette(tmb::Palette* pDst, const tmb::Palette* pSrc);
// Reads pPalette's entries into buffer; returns how many (at most 256).
int GetPaletteColours(std::span<tmb::PaletteEntry> buffer, const tmb::Palette* pPalette);
// Adds each of pPalette's entries to table 0.
void AddPaletteEntriesToTable(const tmb::Palette* pPalette);
// Entries among the first 216 that are black.
int CountFreeEntries(const ColourTable& table);
// Gives state -2 to each colour among the first 216 used in neither table 1 nor table 2;
// returns their number plus the black entries.
int MarkUnusedColours(const ColourTable& table);
// Links colours of [first, last) that fall into one box of a grid growing from 4 to 64
// until (last - first) x percent / 100 are linked; unless dryRun, then removes the linked
// colours from tables 1 and 2. links needs last entries. Returns whether the target was met.
int ReduceColours(ColourTable& table, int first, int last, int percent, std::span<int> links, int dryRun);
// Outside palette mode 1. With mode 1 clears the entries of colour among the first 216 of
// table which (0, 1 or 2) and returns whether any was cleared; other modes clear nothing.
int RemoveColour(tmb::Colour colour, int which, int mode);
// Recolours the block [left, right) x [top, bottom) of pSrc through the links of
// srcTable into pDst, then copies it back into pSrc.
void RemapBitmapColours(tmb::DeviceContext* pDst, tmb::DeviceContext* pSrc, int left, int top, int right, int bottom,
                        const ColourTable& srcTable, std::span<const tmb::PaletteEntry> srcPaletteEntries,
                        std::span<const tmb::PaletteEntry> dstPaletteEntries, std::span<const int> links);
