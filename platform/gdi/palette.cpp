#include "platform/gdi/palette.h"

#include <algorithm>

namespace tmb {

bool Palette::Create(std::span<const PaletteEntry> entries) {
  if (entries.empty() || entries.size() > size_t(kMaxEntries)) return false;
  entries_.assign(entries.begin(), entries.end());
  return true;
}

void Palette::Destroy() { entries_.clear(); }

bool Palette::Resize(int count) {
  if (!IsCreated() || count < 1 || count > kMaxEntries) return false;
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

}  // namespace tmb
