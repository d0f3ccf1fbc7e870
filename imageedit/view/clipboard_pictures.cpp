#include "imageedit/view/clipboard_pictures.h"

#include <algorithm>
#include <cstring>
#include <vector>

bool SurfaceFromImage(const QImage& image, tmb::Surface& out) {
  if (image.isNull()) return false;
  // Our colour words are laid out as this format's pixels.
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  tmb::Surface made;
  if (!made.Create(rgb.width(), rgb.height(), tmb::PixelFormat::kColour32)) return false;
  for (int y = 0; y < rgb.height(); ++y) {
    std::memcpy(made.ColourRow(y), rgb.constScanLine(y), size_t(rgb.width()) * 4);
  }
  out = std::move(made);
  return true;
}

QImage ImageFromSurface(const tmb::Surface& surface, const tmb::Rect& block) {
  const int w = std::max(0, block.Width()), h = std::max(0, block.Height());
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const tmb::Colour c = surface.GetPixel(block.left + x, block.top + y);
      row[x] = c == tmb::kInvalidColour ? tmb::kStoredBlack : tmb::StoredFromColour(c);
    }
  }
  return image;
}

bool PaletteOfImage(const QImage& image, tmb::Palette& palette) {
  const QList<QRgb> table = image.colorTable();
  if (table.isEmpty()) return false;
  std::vector<tmb::PaletteEntry> entries;
  for (qsizetype i = 0; i < table.size() && i < tmb::Palette::kMaxEntries; ++i) {
    entries.push_back({uint8_t(qRed(table[i])), uint8_t(qGreen(table[i])), uint8_t(qBlue(table[i])), 0});
  }
  return palette.Create(entries);
}
