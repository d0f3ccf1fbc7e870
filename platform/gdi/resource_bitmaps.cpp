#include "platform/gdi/resource_bitmaps.h"

#include <utility>

#include "resources/brush_tip.h"

namespace tmb {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 15;
}

}  // namespace

bool LoadBitmapResource(int id, Surface& surface) {
  if (id != kBrushTipBitmap) return false;
  Surface tip;
  if (!tip.Create(kBrushTipSize, kBrushTipSize, PixelFormat::kColour32)) return false;
  for (int y = 0; y < kBrushTipSize; ++y) {
    uint32_t* row = tip.ColourRow(y);
    for (int x = 0; x < kBrushTipSize; ++x) {
      const int grey = HexDigit(kBrushTipRows[y][x]) * 17;
      row[x] = StoredFromColour(MakeRgb(grey, grey, grey));
    }
  }
  surface = std::move(tip);
  return true;
}

}  // namespace tmb
