// Layouts of the parameter section by data version V, sub-revision R2 and revision R1
// (each 2-byte entry goes into the low 16 bits of its parameter, above the default):
//   V < 200:   5 x 2 bytes parameters 0..4, a 16-bit switch, 12 x 2 bytes parameters
//              10..21, 52 bytes skipped; paper 1,000 x 1,500; x, y and the indexes of
//              the stroke starts (no flags, no pressures); nothing follows.
//   200..299:  5 x 2 bytes 0..4, 2 skipped, 37 x 2 bytes 10..46, 2 skipped, the shape
//              record; paper; x, y, flags, pressures; nothing follows.
//   300 with R1 < 2 and R2 < 3: 8 x 2 bytes 0..7, 2 skipped, 150 x 2 bytes 10..159, 154
//              skipped, the shape record, 4 and 256 skipped; paper; points; tail.
//   R2 < 12:   256 x 4 bytes 0..255, 256 bytes of text 5, 724 skipped; paper; points; tail.
//   R2 < 15:   512 x 4 bytes, 256 bytes of text 5, 152 skipped; paper; points; tail.
//   R2 >= 15:  512 x 4 bytes, texts 0..5 (narrow records before R2 20, wide from 20), 468
//              skipped; paper; points; tail.
// The shape record (252 bytes of int32): 150..159, 40 skipped, 170, 171, 172..175,
// 176..181, 190..193, 108 skipped.
// The tail: the effect script (narrow before R2 20), picture records 1 and 2 (no second
// record for V = 300 with R2 = 0), then the old text-font block (R2 5..10) or the
// character-store section (R2 11 on), the value table (R2 14 on), a u32.
#include "core/file/char_block_body.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/file/bytes_left.h"
#include "core/file/char_block_convert.h"
#include "core/file/char_block_format.h"
#include "core/file/char_block_place.h"
#include "core/file/char_file_services.h"
#include "core/file/font_block.h"
#include "core/file/string_records.h"
#include "core/record/char_data.h"
#include "core/record/char_data_full.h"
#include "core/store/store_section.h"
#include "platform/file/binary_file.h"
#include "platform/file/little_endian.h"
#include "platform/service/messages.h"
#include "platform/text/code_page.h"

namespace {

constexpr int kShapeRecordSize = 252;
constexpr int kFixedTextSize = 256;

class BlockBody {
 public:
  BlockBody(tmb::BinaryFile& file, const CharBlockHeader& h, CCharData& r, int mode, int anchor, int storeSet,
            CharBlockExtras& extras)
      : file_(file), h_(h), r_(r), mode_(mode), anchor_(anchor), storeSet_(storeSet), x_(extras) {}

  bool Read() {
    if (!ReadParamSection()) return false;
    ConvertOldParams(r_, h_, switch16_);
    if (std::optional<int> style = FileDialogs().StyleSelection()) r_.m_param[382] = *style;
    if (r_.m_param[26] == 0) r_.m_param[26] = 1;
    if (!ReadPaperSize() || !ReadPoints()) return false;
    if (h_.version >= 300 && !ReadTail()) return false;
    r_.m_param[233] = 0;
    r_.m_param[223] = std::max(r_.m_param[223], 1);
    return true;
  }

 private:
  bool Need(int64_t n) const { return n >= 0 && BytesLeft(file_) >= n; }
  bool Skip(int64_t n) { return Need(n) && file_.Seek(n, SEEK_CUR); }
  bool ReadBytes(std::vector<uint8_t>& out, int64_t n) {
    if (!Need(n)) return false;
    out.resize(static_cast<size_t>(n));
    return file_.Read(out.data(), out.size());
  }

  // count 2-byte entries into the low halves of parameters first...
  bool ReadLow16(int first, int count) {
    std::vector<uint8_t> b;
    if (!ReadBytes(b, 2 * count)) return false;
    for (int i = 0; i < count; ++i) {
      const uint32_t high = static_cast<uint32_t>(r_.m_param[first + i]) & 0xFFFF0000u;
      r_.m_param[first + i] = static_cast<int32_t>(high | tmb::LoadU16(&b[2 * i]));
    }
    return true;
  }

  bool ReadParams32(int first, int count) {
    std::vector<uint8_t> b;
    if (!ReadBytes(b, 4 * count)) return false;
    for (int i = 0; i < count; ++i) r_.m_param[first + i] = static_cast<int32_t>(tmb::LoadU32(&b[4 * i]));
    return true;
  }

  bool ReadShapeBlock() {
    std::vector<uint8_t> b;
    if (!ReadBytes(b, kShapeRecordSize)) return false;
    size_t at = 0;
    auto take = [&](int first, int last) {
      for (int k = first; k <= last; ++k, at += 4) r_.m_param[k] = static_cast<int32_t>(tmb::LoadU32(&b[at]));
    };
    take(150, 159);
    at += 40;
    take(170, 181);
    take(190, 193);
    return true;
  }

  // A 256-byte text field into text 5, up to its terminator; a field without one gives
  // all its bytes.
  bool ReadFixedText() {
    std::vector<uint8_t> b;
    if (!ReadBytes(b, kFixedTextSize)) return false;
    const char* text = reinterpret_cast<const char*>(b.data());
    r_.m_text[kTextTextMode].assign(text, tmb::BoundedLength(text, b.size()));
    return true;
  }

  bool ReadTexts() {
    for (int i = 0; i < kBlockTextCount; ++i) {
      const int read = h_.revision2 < 20 ? ReadNarrowStringRecord(file_, r_.m_text[i], kNarrowTextMaxBytes)
                                         : ReadWideStringRecord(file_, r_.m_text[i]);
      if (read < 0) return false;
    }
    return true;
  }

  bool ReadParamSection() {
    const int v = h_.version, r1 = h_.revision1, r2 = h_.revision2;
    if (v < 200) {
      uint16_t sw = 0;
      if (!ReadLow16(0, 5) || !file_.ReadU16(sw) || !ReadLow16(10, 12)) return false;
      switch16_ = sw;
      return Skip(52);
    }
    if (v < 300) return ReadLow16(0, 5) && Skip(2) && ReadLow16(10, 37) && Skip(2) && ReadShapeBlock();
    if (v == 300 && r1 < 2 && r2 < 3) {
      return ReadLow16(0, 8) && Skip(2) && ReadLow16(10, 150) && Skip(154) && ReadShapeBlock() &&
             Skip(4 + kFixedTextSize);
    }
    if (r2 < 12) return ReadParams32(0, 256) && ReadFixedText() && Skip(724);
    if (r2 < 15) return ReadParams32(0, kParamCount) && ReadFixedText() && Skip(152);
    return ReadParams32(0, kParamCount) && ReadTexts() && Skip(kBlockTextGap);
  }

  bool ReadPaperSize() {
    paper_ = {gWorkCanvas.m_width, gWorkCanvas.m_height};
    if (h_.version < 200) {
      stored_ = {kOldCanvasWidth, kOldCanvasHeight};
      return true;
    }
    uint16_t w = 0, h = 0;
    if (!file_.ReadU16(w) || !file_.ReadU16(h)) return false;
    stored_ = {w != 0 ? int(w) : paper_.cx, h != 0 ? int(h) : paper_.cy};
    return true;
  }

  bool ReadPoints() {
    const int n = h_.points;
    if (n < 0 || n > kMaxCharPoints) return false;
    std::vector<uint8_t> xs, ys, flags, pressures, starts;
    if (!ReadBytes(xs, 2 * n) || !ReadBytes(ys, 2 * n)) return false;
    if (h_.version >= 200) {
      if (!ReadBytes(flags, 2 * n) || !ReadBytes(pressures, 2 * n)) return false;
    } else {
      if (!ReadBytes(starts, 2 * int64_t{h_.strokes})) return false;
      for (size_t i = 0; i < starts.size(); i += 2) {
        if (tmb::LoadU16(&starts[i]) >= n) return false;
      }
    }
    if (mode_ != kReadAll) return true;
    r_.ClearPoints();
    for (int i = 0; i < n; ++i) {
      const size_t at = 2 * static_cast<size_t>(i);
      r_.m_pPoints[i] = {static_cast<int16_t>(tmb::LoadU16(&xs[at])), static_cast<int16_t>(tmb::LoadU16(&ys[at]))};
      if (h_.version >= 200) {
        r_.m_pFlags[i] = static_cast<uint8_t>(flags[at]);
        r_.m_pPressure[i] = static_cast<int16_t>(tmb::LoadU16(&pressures[at]));
      }
    }
    for (size_t i = 0; i < starts.size(); i += 2) r_.m_pFlags[tmb::LoadU16(&starts[i])] = 1;
    r_.m_nPoints = n;
    AnchorLoadedPoints(r_, stored_, paper_, anchor_ != 0);
    x_.cut = FitLoadedPoints(r_, paper_) != 0;
    if (h_.version < 211) {
      const bool pressed = std::any_of(r_.m_pPressure.get(), r_.m_pPressure.get() + r_.m_nPoints,
                                       [](int32_t p) { return p != -1; });
      r_.m_param[43] = pressed ? 1 : 0;
    }
    return true;
  }

  bool ReadScript() {
    const int read = h_.revision2 < 20 ? ReadNarrowStringRecord(file_, r_.m_effect.m_script, 2 * kMaxScriptChars)
                                       : ReadWideStringRecord(file_, r_.m_effect.m_script, kMaxScriptChars);
    return read >= 0;
  }

  // Picture record index (0 or 1) into a temporary file named by text 3 or 4.
  bool ReadPicture(int index) {
    int32_t type = 0;
    uint32_t size = 0;
    if (!file_.ReadI32(type) || !file_.ReadU32(size)) return false;
    if (type < kPictureNone || type > kPicturePng || (type == kPictureNone && size != 0)) return false;
    if (size > kMaxPictureBytes) return false;
    std::vector<uint8_t> bytes;
    if (!ReadBytes(bytes, size)) return false;
    std::string& text = r_.m_text[kTextPicture1 + index];
    text.clear();
    if (size == 0) return true;
    // Old writers chose the type by an extension in one case only; the bytes tell.
    const int sniffed = PictureTypeOfBytes(bytes);
    const std::string path = WriteTempPicture(bytes, PictureExtension(sniffed != kPictureNone ? sniffed : type));
    if (path.empty()) {
      tmb::ShowMessage(62047);
      return true;
    }
    x_.tempPicture[index] = path;
    text = tmb::Utf8ToSjisLossy(path);
    return true;
  }

  bool ReadFontBlock() {
    int present = 0;
    const bool read = ::ReadFontBlock(file_, present, h_.revision2 > 5, x_.font, r_.m_text[kTextTextMode]);
    x_.fontRead = read && present != 0;
    return read;
  }

  bool ReadValueTable() {
    const int count = r_.m_param[kValueTableParam];
    if (count < 1 || count > kValueTableSize) return false;
    std::vector<uint8_t> b;
    if (!ReadBytes(b, 4 * count)) return false;
    for (int i = 0; i < count; ++i) r_.m_valueTable[i] = static_cast<int32_t>(tmb::LoadU32(&b[4 * i]));
    return true;
  }

  bool ReadTail() {
    const int r2 = h_.revision2;
    if (!ReadScript() || !ReadPicture(0)) return false;
    if (!(h_.version == 300 && r2 == 0) && !ReadPicture(1)) return false;
    if (r2 < 11) {
      if (r2 > 4 && !ReadFontBlock()) return false;
    } else {
      if (!ReadStoreSection(file_, *x_.section, storeSet_, x_.storeSection)) return false;
      x_.sectionRead = true;
    }
    if (r2 > 13 && !ReadValueTable()) return false;
    uint32_t end = 0;
    return file_.ReadU32(end);
  }

  tmb::BinaryFile& file_;
  const CharBlockHeader& h_;
  CCharData& r_;
  int mode_;
  int anchor_;
  int storeSet_;
  CharBlockExtras& x_;
  int switch16_ = 0;
  tmb::Size stored_;
  tmb::Size paper_;
};

}  // namespace

bool ReadBlockBody(tmb::BinaryFile& file, const CharBlockHeader& header, CCharData& scratch, int mode, int anchor,
                   int storeSet, CharBlockExtras& extras) {
  return BlockBody(file, header, scratch, mode, anchor, storeSet, extras).Read();
}
