#include "platform/gdi/palette.h"

#include <algorithm>

namespace tmb {

bool Palette::Create(std::span<const PaletteEntry> entries) {
  if (entries.empty() || entries.size() > size_t(kMaxEntries)) return false;
  entries_.assign(entries.begin(), entries.end());
  created_ = true;
  return true;
}

void Palette::Destroy() {
  entries_.clear();
  created_ = false;
}

bool Palette::Resize(int count) {
  if (!created_ || count < 1 || count > kMaxEntries) return false;
  entries_.resize(size_t(count));
  return true;
}

int Palette::GetEntries(int start, std::span<PaletteEntry> out) const {
  if (start < 0 || start >= EntryCount()) return 0;
  const int n = std::min(int(out.size()), EntryCount() - start);
  std::copy_n(entries_.begin() + start, n, out.begin());
  return n;
}

int Palette::SetEntries(int start, std::span<const PaletteEntry> in) {
  if (start < 0 || start >= EntryCount()) return 0;
  const int n = std::min(int(in.size()), EntryCount() - start);
  std::copy_n(in.begin(), n, entries_.begin() + start);
  return n;
}

int Palette::NearestIndex(Colour colour) const {
  int best = -1;
  int bestDistance = 0;
  for (int i = 0; i < EntryCount(); ++i) {
    const PaletteEntry& e = entries_[size_t(i)];
    const int dr = e.red - RedOf(colour), dg = e.green - GreenOf(colour), db = e.blue - BlueOf(colour);
    const int d = dr * dr + dg * dg + db * db;
    if (best < 0 || d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return best;
}

}  // namespace tmb
