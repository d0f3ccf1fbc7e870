// The character-store section that ends every character block of a character data file:
// the block's first text settings and, for each of its character entries, the strokes
// the character and picture store holds for it, so that a file carries its text
// characters with it. Each character window has a temporary store set of its own (window
// A set 1, window B set 2): reading a block puts those strokes into the set of the window
// the block's record goes to, where that window's later lookups and saves find them first.
//
// Layout as written (section version 300), little-endian:
//   int32 version, int32 entry count, int32 cell size, aspect, glyph size, the value of
//   default 10, characters per line, the second layout value, position x and y, 4 x int32
//   0; the text as a wide string record; per entry a 692-byte entry record and the face
//   name of its font as a wide string record; then per entry an int32 found flag, and when
//   it is 1 the point record of the first path and, for a picture entry, the point record
//   of the second path and one byte per stroke start of it.
// Older versions are read: 200 to 299 with 648-byte entry records (the picture index
// read), below 200 with 352-byte narrow entry records and narrow strings, 100 and below
// without strokes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/text/text_settings.h"
#include "platform/file/binary_file.h"

class CStrokePath;

constexpr int32_t kStoreSectionVersion = 300;

// The temporary store set of character window `window` (0 A, 1 B); 0 (no set) for any
// other window.
constexpr int StoreSetOfWindow(int window) { return window == 0 || window == 1 ? window + 1 : 0; }

// A section read and checked but not yet taken: neither the settings nor the store have
// changed. Its strokes stay in the file, found again by their offsets.
struct StoreSectionRead {
  int part = 0;
  int32_t version = 0;
  int32_t entries = 0;
  int32_t head[8] = {};
  std::string text;
  std::vector<CTextCharEntry> entryRecords;
  std::vector<std::optional<int64_t>> strokes;  // per entry; nullopt when none are stored
};

// Writes the section of settings at the file's position, each entry's strokes looked up
// in temporary set part (0: none) and then in the main set. Returns the number of
// entries written, or -1 when a write failed.
int SaveStoreSection(const CTextSettings& settings, tmb::BinaryFile& file, int part);

// Reads a section at the file's position into settings and refills temporary set part
// (1 or 2) with its strokes; part 0 reads the section and leaves every set alone. When
// the set cannot be written, the strokes are held in memory for it (held_strokes.h).
// Returns the entry count, or 0 for a section with strokes but no entries (the store
// then untouched). A damaged section (an entry count above the capacity, a string or
// record longer than allowed or than the file, a short read) returns -1 and changes
// neither settings nor the store.
int LoadStoreSection(CTextSettings& settings, tmb::BinaryFile& file, int part);
// The two steps of LoadStoreSection, for a reader that takes the section only once
// everything around it has been read. Reading checks the section for temporary set part
// (1 or 2, or 0 for none), its entries primed from settings, and changes nothing: false
// for damage or another part.
bool ReadStoreSection(tmb::BinaryFile& file, const CTextSettings& settings, int part, StoreSectionRead& out);
// Refills the section's temporary set (if any) from the strokes in file (its position
// is kept) and puts the section into settings. A set that cannot take the strokes (a
// full disk, a set another program holds past the wait) gets them held in memory
// instead (held_strokes.h). The entry count, or -1 when the strokes could not be
// read back or the file's position could not be restored (settings then unchanged).
int TakeStoreSection(StoreSectionRead& section, tmb::BinaryFile& file, CTextSettings& settings);

// Fills path1 (and path2 with its stroke bytes, for a picture entry) with the entry's
// strokes: from what temporary set part holds in memory or in its files, else from the
// main set. A picture is taken from the temporary set's files only when the picture at
// the entry's index there has the entry's picture name, since the index then belongs to
// that set. 1 when found, else 0.
int LoadEntryCharacter(CStrokePath& path1, CStrokePath& path2, const CTextCharEntry& entry, int part);
