// Palettes as plain data. The display is always true colour, so a palette selected into a
// device context changes no pixel; it is kept for the code that reads colour tables.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tmb {

struct PaletteEntry {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t flags = 0;
  friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

class Palette {
 public:
  static constexpr int kMaxEntries = 1024;

  Palette() = default;
  // Makes the palette with these entries (at least one, at most kMaxEntries).
  bool Create(std::span<const PaletteEntry> entries);
  void Destroy();
  bool IsCreated() const { return !entries_.empty(); }

  int EntryCount() const { return int(entries_.size()); }
  // Changes the number of entries; new entries are black. False for a count out of range.
  bool Resize(int count);
  // Copies up to out.size() entries from start; returns the number copied.
  int GetEntries(int start, std::span<PaletteEntry> out) const;
  // Sets entries from start, as many as fit; returns the number set.
  int SetEntries(int start, std::span<const PaletteEntry> in);

 private:
  std::vector<PaletteEntry> entries_;  // empty until created
};

}  // namespace tmb
