#include "core/bitmap/palettes.h"

#include <algorithm>
#include <vector>

#include "core/document/doc_windows.h"
#include "core/record/char_data_full.h"
#include "platform/gdi/pixel.h"

int gPaletteMode = 0;
tmb::Palette gAppPalette;
tmb::Palette gEditPalette;
tmb::Palette gRemapSourcePalette;
tmb::Palette gRemapTargetPalette;
tmb::Palette gSparePalette;
tmb::Palette* gCurPaletteA = &gAppPalette;
tmb::Palette* gCurPaletteB = &gAppPalette;
ColourTable gColourTables[3] = {};
ColourTable* gCurTableA = &gColourTables[0];
ColourTable* gCurTableB = &gColourTables[0];
int gPaletteState[kColourTableEntries] = {};
tmb::Colour gExcludedColour = 0;
int gPaletteReduced = 0;
int gPaletteCounter = 0;
int gWindowPaletteFull[2] = {0, 0};

namespace {

constexpr int kPaperParam = 157;

tmb::Palette* const kPalettes[] = {&gAppPalette, &gEditPalette, &gRemapSourcePalette, &gRemapTargetPalette,
                                   &gSparePalette};

bool SameColour(const tmb::PaletteEntry& e, tmb::Colour c) {
  return e.red == tmb::RedOf(c) && e.green == tmb::GreenOf(c) && e.blue == tmb::BlueOf(c);
}

bool IsFree(const tmb::PaletteEntry& e) { return e.red == 0 && e.green == 0 && e.blue == 0; }

tmb::Colour ColourOf(const tmb::PaletteEntry& e) { return tmb::MakeRgb(e.red, e.green, e.blue); }

void LoadTable(tmb::Palette* palette, const ColourTable& table) {
  if (palette && palette->IsCreated()) palette->SetEntries(0, table);
}

// Whether colour stands among the first 216 entries of table.
bool InTable(const ColourTable& table, tmb::Colour colour) {
  for (int i = 0; i < kPaletteSearchEntries; ++i) {
    if (SameColour(table[size_t(i)], colour)) return true;
  }
  return false;
}

// Adds colour through table and pPalette and records it in inUse, the table of the
// colours their windows use; a full table sets paletteFull.
int AddColourInUse(int& paletteFull, ColourTable& table, tmb::Palette* pPalette, ColourTable& inUse,
                   tmb::Colour colour) {
  const int r = AddColourToPalette(table, colour, pPalette);
  if (r == -2) {
    paletteFull = 1;
    return -2;
  }
  FindOrAddColour(inUse, 0, kPaletteSearchEntries, colour);
  return r;
}

}  // namespace

void ResetPalettes() {
  gPaletteMode = 0;
  for (tmb::Palette* p : kPalettes) p->Destroy();
  gCurPaletteA = gCurPaletteB = &gAppPalette;
  for (ColourTable& t : gColourTables) t.fill({});
  gCurTableA = gCurTableB = &gColourTables[0];
  std::fill(std::begin(gPaletteState), std::end(gPaletteState), 0);
  gExcludedColour = 0;
  gPaletteReduced = 0;
  gPaletteCounter = 0;
  gWindowPaletteFull[0] = gWindowPaletteFull[1] = 0;
}

tmb::Colour PaletteRgb(tmb::Colour colour) { return gPaletteMode ? (0x02000000u | colour) : colour; }

const tmb::Palette* SelectPaletteInto(tmb::DeviceContext* pDC, const tmb::Palette* pPalette) {
  if (!gPaletteMode || !pDC) return nullptr;
  const tmb::Palette* previous = pDC->SelectPalette(pPalette, false);
  pDC->RealizePalette();
  return previous;
}

int SelectAppPalette(tmb::DeviceContext* pDC) {
  SelectPaletteInto(pDC, gCurPaletteA);
  return 1;
}

int SelectEditPalette(tmb::DeviceContext* pDC) {
  SelectPaletteInto(pDC, gCurPaletteB);
  return 1;
}

int SelectAppPalette3(tmb::DeviceContext* a, tmb::DeviceContext* b, tmb::DeviceContext* c) {
  for (tmb::DeviceContext* dc : {a, b, c}) SelectAppPalette(dc);
  return 1;
}

int SelectEditPalette3(tmb::DeviceContext* a, tmb::DeviceContext* b, tmb::DeviceContext* c) {
  for (tmb::DeviceContext* dc : {a, b, c}) SelectEditPalette(dc);
  return 1;
}

void InitAppPalettes() {
  if (!gPaletteMode) return;
  for (tmb::Palette* p : kPalettes) {
    if (!p->IsCreated()) {
      const tmb::PaletteEntry one[1] = {};
      p->Create(one);
      p->Resize(kColourTableEntries);
    }
  }
  gPaletteCounter = 0;
  ResetPaletteTables();
  for (tmb::Palette* p : kPalettes) LoadTable(p, gColourTables[0]);
  gCurPaletteA = gCurPaletteB = &gAppPalette;
  gCurTableA = gCurTableB = &gColourTables[0];
}

void ResetPaletteTables() {
  for (ColourTable& t : gColourTables) t.fill({});
  gColourTables[0][255] = {255, 255, 255, 0};
  // The tables the drawing windows filled are empty again: they take colours once more.
  for (int& full : gWindowPaletteFull) full = 0;
}

int FindOrAddColour(ColourTable& table, int first, int last, tmb::Colour colour) {
  if (!gPaletteMode) return 1;
  first = std::clamp(first, 0, kColourTableEntries);
  last = std::clamp(last, first, kColourTableEntries);
  for (int i = first; i < last; ++i) {
    if (SameColour(table[size_t(i)], colour)) return last;
  }
  for (int i = first; i < last; ++i) {
    if (IsFree(table[size_t(i)])) {
      table[size_t(i)] = {uint8_t(tmb::RedOf(colour)), uint8_t(tmb::GreenOf(colour)), uint8_t(tmb::BlueOf(colour)), 0};
      return i;
    }
  }
  return -1;
}

int AddColourToPalette(ColourTable& table, tmb::Colour colour, tmb::Palette* pPalette) {
  if (!gPaletteMode) return 1;
  const int r = FindOrAddColour(table, 0, kPaletteSearchEntries, colour);
  if (r == kPaletteSearchEntries) return 1;
  if (r < 0) return -2;
  LoadTable(pPalette, table);
  return r;
}

int AddPaletteColour(int& paletteFull, tmb::Colour colour) {
  if (!gPaletteMode || paletteFull) return 0;
  return AddColourInUse(paletteFull, *gCurTableB, gCurPaletteB, gColourTables[2], colour);
}

int AddWindowPaletteColour(int& paletteFull, tmb::Colour documentColour, tmb::Colour colour) {
  if (!gPaletteMode || paletteFull) return 0;
  gExcludedColour = documentColour;
  std::fill(std::begin(gPaletteState), std::end(gPaletteState), -1);
  return AddColourInUse(paletteFull, *gCurTableA, gCurPaletteA, gColourTables[1], colour);
}

int AddDrawingWindowColour(int kind, tmb::Colour colour) {
  const CCharDataFull* record = kind == 0 || kind == 2 ? DrawnRecordOfKind(kind) : nullptr;
  if (!record) return 0;
  return AddWindowPaletteColour(gWindowPaletteFull[kind / 2], tmb::Colour(uint32_t(record->m_param[kPaperParam])),
                                colour);
}

int CopyPaletteColours(ColourTable& dst, const ColourTable& src, int first, int last) {
  first = std::clamp(first, 0, kColourTableEntries);
  last = std::clamp(last, first, kColourTableEntries);
  for (int i = first; i < last; ++i) dst[size_t(i)] = {src[size_t(i)].red, src[size_t(i)].green, src[size_t(i)].blue, 0};
  return 1;
}

int CopyPalette(tmb::Palette* pDst, const tmb::Palette* pSrc) {
  if (!pDst || !pSrc) return 1;
  ColourTable entries{};
  const int n = pSrc->GetEntries(0, entries);
  pDst->SetEntries(0, std::span<const tmb::PaletteEntry>(entries.data(), size_t(n)));
  return 1;
}

int GetPaletteColours(std::span<tmb::PaletteEntry> buffer, const tmb::Palette* pPalette) {
  if (!pPalette) return 0;
  return pPalette->GetEntries(0, buffer.first(std::min<size_t>(buffer.size(), kColourTableEntries)));
}

void AddPaletteEntriesToTable(const tmb::Palette* pPalette) {
  if (!pPalette) return;
  ColourTable entries{};
  const int n = pPalette->GetEntries(0, entries);
  for (int i = 0; i < n; ++i) FindOrAddColour(gColourTables[0], 0, kPaletteSearchEntries, ColourOf(entries[size_t(i)]));
}

int CountFreeEntries(const ColourTable& table) {
  int n = 0;
  for (int i = 0; i < kPaletteSearchEntries; ++i) n += IsFree(table[size_t(i)]);
  return n;
}

int MarkUnusedColours(const ColourTable& table) {
  int n = 0;
  for (int i = 0; i < kPaletteSearchEntries; ++i) {
    const tmb::PaletteEntry& e = table[size_t(i)];
    if (IsFree(e)) {
      ++n;
    } else if (!InTable(gColourTables[1], ColourOf(e)) && !InTable(gColourTables[2], ColourOf(e))) {
      gPaletteState[i] = -2;
      ++n;
    }
  }
  return n;
}

int ReduceColours(ColourTable& table, int first, int last, int percent, std::span<int> links, int dryRun) {
  // Both ends within the links given: a short span leaves nothing to link.
  const int end = int(std::min<size_t>(kColourTableEntries, links.size()));
  first = std::clamp(first, 0, end);
  last = std::clamp(last, first, end);
  const int target = (last - first) * percent / 100;
  std::vector<int> key(size_t(kColourTableEntries), 0);
  bool met = false;
  for (int s = 4; s <= 64 && !met; s += 4) {
    for (int i = first; i < last; ++i) {
      if (links[size_t(i)] != -2) links[size_t(i)] = -1;
      const tmb::PaletteEntry& e = table[size_t(i)];
      key[size_t(i)] = (e.red / s + 1) * 4225 + (e.green / s + 1) * 65 + e.blue / s;
    }
    int count = 0;
    met = count >= target;
    for (int i = first; i < last && !met; ++i) {
      if (links[size_t(i)] == -2) {
        ++count;
        met = count >= target;
        continue;
      }
      if (links[size_t(i)] != -1 || SameColour(table[size_t(i)], gExcludedColour)) continue;
      for (int j = i + 1; j < last && !met; ++j) {
        if (links[size_t(j)] == -1 && key[size_t(j)] == key[size_t(i)]) {
          links[size_t(j)] = i;
          ++count;
          met = count >= target;
        }
      }
    }
  }
  if (met && !dryRun) {
    gPaletteReduced = 1;
    for (int i = first; i < last; ++i) {
      if (links[size_t(i)] == -1) continue;
      const tmb::Colour c = ColourOf(table[size_t(i)]);
      RemoveColour(c, 1, 1);
      RemoveColour(c, 2, 1);
    }
  }
  return met ? 1 : 0;
}

int RemoveColour(tmb::Colour colour, int which, int mode) {
  if (!gPaletteMode) return 1;
  if (mode != 1 || which < 0 || which > 2) return 0;
  int cleared = 0;
  ColourTable& table = gColourTables[which];
  for (int i = 0; i < kPaletteSearchEntries; ++i) {
    if (SameColour(table[size_t(i)], colour)) {
      table[size_t(i)] = {};
      cleared = 1;
    }
  }
  return cleared;
}

void RemapBitmapColours(tmb::DeviceContext* pDst, tmb::DeviceContext* pSrc, int left, int top, int right, int bottom,
                        const ColourTable& srcTable, std::span<const tmb::PaletteEntry> srcPaletteEntries,
                        std::span<const tmb::PaletteEntry> dstPaletteEntries, std::span<const int> links) {
  if (!pDst || !pSrc || !pDst->surface() || !pSrc->surface()) return;
  if (gRemapSourcePalette.IsCreated()) gRemapSourcePalette.SetEntries(0, srcPaletteEntries);
  if (gRemapTargetPalette.IsCreated()) gRemapTargetPalette.SetEntries(0, dstPaletteEntries);
  SelectPaletteInto(pSrc, &gRemapSourcePalette);
  SelectPaletteInto(pDst, &gRemapTargetPalette);
  tmb::Surface& src = *pSrc->surface();
  tmb::Surface& dst = *pDst->surface();
  if (src.IsMono() || dst.IsMono()) return;
  const tmb::Point so = pSrc->viewportOrigin(), dso = pDst->viewportOrigin();
  // The block in both surfaces' pixels, cut to what both hold.
  tmb::Rect block{left, top, right, bottom};
  block.Normalize();
  tmb::Rect inSrc = block, inDst = block;
  inSrc.Offset(so.x, so.y);
  inDst.Offset(dso.x, dso.y);
  inSrc = tmb::Rect::Intersection(inSrc, src.Bounds());
  inDst = tmb::Rect::Intersection(inDst, dst.Bounds());
  inSrc.Offset(-so.x, -so.y);
  inDst.Offset(-dso.x, -dso.y);
  block = tmb::Rect::Intersection(inSrc, inDst);
  // Source colours and the colours they become.
  std::vector<std::pair<tmb::Colour, tmb::Colour>> map;
  for (int k = 0; k < kPaletteSearchEntries && size_t(k) < links.size(); ++k) {
    const int to = links[size_t(k)];
    if (to >= 0 && to < kColourTableEntries) map.push_back({ColourOf(srcTable[size_t(k)]), ColourOf(srcTable[size_t(to)])});
  }
  for (int y = block.top; y < block.bottom; ++y) {
    const uint32_t* in = src.ColourRow(y + so.y) + so.x;
    uint32_t* out = dst.ColourRow(y + dso.y) + dso.x;
    for (int x = block.left; x < block.right; ++x) {
      tmb::Colour colour = tmb::ColourFromStored(in[x]);
      // The first table entry of the colour decides, as a search of the table would.
      for (const auto& [from, to] : map) {
        if (from == colour) {
          colour = to;
          break;
        }
      }
      // Written as the palette takes it; the pixel keeps the colour alone.
      out[x] = tmb::StoredFromColour(PaletteRgb(colour));
    }
  }
  pSrc->BitBlt(left, top, right - left, bottom - top, pDst, left, top, tmb::kSrcCopy);
}
