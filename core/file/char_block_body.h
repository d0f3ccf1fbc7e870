// The body of a character block after its head: the parameter section of the block's
// layout, the paper size, the points and the tail (effect script, pictures, the old
// text-font block or the character-store section, the value table). Read into a scratch
// record, so that a block that turns out damaged changes nothing.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "core/record/log_font.h"
#include "core/store/store_section.h"
#include "core/text/text_settings.h"
#include "core/effect/effect_def.h"

namespace tmb {
class BinaryFile;
}
class CCharData;
struct CharBlockHeader;

// Largest embedded picture a block holds, in bytes.
constexpr uint32_t kMaxPictureBytes = 1u << 28;
// The value table holds this many entries; parameter 50 says how many a block stores.
constexpr int kValueTableParam = 50;

// What a block holds besides the fields of the record itself.
struct CharBlockExtras {
  bool fontRead = false;     // an old text-font block was present
  CLogFont font;
  // A character-store section was read into storeSection, its entries primed from
  // `section`, which the caller fills with the target's first text settings (fields a
  // section does not store are kept). The caller takes it into `section` and the store
  // once the whole block is in.
  bool sectionRead = false;
  std::unique_ptr<CTextSettings> section = std::make_unique<CTextSettings>();
  StoreSectionRead storeSection;
  // Temporary files (UTF-8) written for pictures 1 and 2; empty when none.
  std::array<std::string, 2> tempPicture;
  bool cut = false;          // strokes were left out: the character was larger than the paper
};

// Reads the body of a block with header (its counts already read) into scratch, a record
// primed with the target's settings and reset from character slot 0. mode is kReadAll
// (the points go into scratch, cleared first) or kReadSettings (the points are read and
// dropped). storeSet is the temporary store set the block's store section is read for (0:
// none). Returns true when the whole body was read; false for a short read or an
// inconsistent count (nothing reported: the caller does that). Temporary picture files
// written before a failure are listed in extras for the caller to remove.
bool ReadBlockBody(tmb::BinaryFile& file, const CharBlockHeader& header, CCharData& scratch, int mode,
                   int anchor, int storeSet, CharBlockExtras& extras);
