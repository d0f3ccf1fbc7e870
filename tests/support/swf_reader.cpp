#include "support/swf_reader.h"

#include <algorithm>

namespace tmb::test {

uint32_t SwfBits::UB(int n) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) {
    if (byte_ >= data_.size()) {
      ok_ = false;
      return 0;
    }
    const uint32_t bit = (data_[byte_] >> (7 - bit_)) & 1u;
    v = (v << 1) | bit;
    if (++bit_ == 8) {
      bit_ = 0;
      ++byte_;
    }
  }
  return v;
}

int32_t SwfBits::SB(int n) {
  if (n == 0) return 0;
  const uint32_t v = UB(n);
  if (n < 32 && (v & (1u << (n - 1))) != 0) return static_cast<int32_t>(v | ~((1u << n) - 1));
  return static_cast<int32_t>(v);
}

void SwfBits::Align() {
  if (bit_ != 0) {
    bit_ = 0;
    ++byte_;
  }
}

uint8_t SwfBits::U8() {
  Align();
  return static_cast<uint8_t>(UB(8));
}

uint16_t SwfBits::U16() {
  const uint16_t lo = U8();
  return static_cast<uint16_t>(lo | (U8() << 8));
}

int16_t SwfBits::I16() { return static_cast<int16_t>(U16()); }

uint32_t SwfBits::U32() {
  const uint32_t lo = U16();
  return lo | (static_cast<uint32_t>(U16()) << 16);
}

std::vector<uint8_t> SwfBits::Bytes(size_t n) {
  Align();
  if (n > Remaining()) {
    ok_ = false;
    n = Remaining();
  }
  std::vector<uint8_t> out(data_.begin() + static_cast<std::ptrdiff_t>(byte_),
                           data_.begin() + static_cast<std::ptrdiff_t>(byte_ + n));
  byte_ += n;
  return out;
}

std::string SwfBits::CString() {
  std::string s;
  while (ok_) {
    const uint8_t c = U8();
    if (!ok_ || c == 0) break;
    s.push_back(static_cast<char>(c));
  }
  return s;
}

bool ParseSwfTags(std::span<const uint8_t> bytes, std::vector<SwfTagRecord>& out, std::string& why) {
  out.clear();
  size_t pos = 0;
  while (true) {
    if (pos + 2 > bytes.size()) {
      why = "tag header past the end at " + std::to_string(pos);
      return false;
    }
    const uint16_t head = static_cast<uint16_t>(bytes[pos] | (bytes[pos + 1] << 8));
    pos += 2;
    SwfTagRecord tag;
    tag.code = head >> 6;
    uint64_t length = head & 0x3F;
    if (length == 0x3F) {
      if (pos + 4 > bytes.size()) {
        why = "long tag length past the end";
        return false;
      }
      length = bytes[pos] | (bytes[pos + 1] << 8) | (bytes[pos + 2] << 16) |
               (static_cast<uint64_t>(bytes[pos + 3]) << 24);
      tag.longHeader = true;
      pos += 4;
    }
    if (pos + length > bytes.size()) {
      why = "tag " + std::to_string(tag.code) + " of " + std::to_string(length) + " bytes runs past the end";
      return false;
    }
    tag.body.assign(bytes.begin() + static_cast<std::ptrdiff_t>(pos),
                    bytes.begin() + static_cast<std::ptrdiff_t>(pos + length));
    pos += length;
    out.push_back(std::move(tag));
    if (out.back().code == 0) break;
  }
  if (pos != bytes.size()) {
    why = std::to_string(bytes.size() - pos) + " bytes after the End tag";
    return false;
  }
  return true;
}

bool ParseSwfFile(std::span<const uint8_t> bytes, SwfFileInfo& out, std::string& why) {
  SwfBits bits(bytes);
  out = SwfFileInfo();
  for (int i = 0; i < 3; ++i) out.signature.push_back(static_cast<char>(bits.U8()));
  out.version = bits.U8();
  out.fileLength = bits.U32();
  out.frame = ReadSwfRect(bits);
  out.rateFraction = bits.U8();
  out.rate = bits.U8();
  out.frameCount = bits.U16();
  if (!bits.ok()) {
    why = "header past the end";
    return false;
  }
  if (out.signature != "FWS") {
    why = "signature " + out.signature;
    return false;
  }
  if (out.fileLength != bytes.size()) {
    why = "length field " + std::to_string(out.fileLength) + " for a file of " + std::to_string(bytes.size());
    return false;
  }
  return ParseSwfTags(bytes.subspan(bits.BytePos()), out.tags, why);
}

SwfRectRead ReadSwfRect(SwfBits& bits) {
  bits.Align();
  SwfRectRead r;
  r.nbits = static_cast<int>(bits.UB(5));
  r.xMin = bits.SB(r.nbits);
  r.xMax = bits.SB(r.nbits);
  r.yMin = bits.SB(r.nbits);
  r.yMax = bits.SB(r.nbits);
  bits.Align();
  return r;
}

SwfMatrixRead ReadSwfMatrix(SwfBits& bits) {
  bits.Align();
  SwfMatrixRead m;
  m.hasScale = bits.UB(1) != 0;
  if (m.hasScale) {
    const int n = static_cast<int>(bits.UB(5));
    m.scaleX = bits.SB(n);
    m.scaleY = bits.SB(n);
  }
  m.hasRotate = bits.UB(1) != 0;
  if (m.hasRotate) {
    const int n = static_cast<int>(bits.UB(5));
    m.skew0 = bits.SB(n);
    m.skew1 = bits.SB(n);
  }
  m.translateBits = static_cast<int>(bits.UB(5));
  m.translateX = bits.SB(m.translateBits);
  m.translateY = bits.SB(m.translateBits);
  bits.Align();
  return m;
}

SwfCxformRead ReadSwfCxform(SwfBits& bits, bool alpha) {
  bits.Align();
  SwfCxformRead c;
  c.hasAdd = bits.UB(1) != 0;
  c.hasMult = bits.UB(1) != 0;
  c.nbits = static_cast<int>(bits.UB(4));
  const int terms = alpha ? 4 : 3;
  if (c.hasMult) {
    for (int i = 0; i < terms; ++i) c.mult[i] = bits.SB(c.nbits);
  }
  if (c.hasAdd) {
    for (int i = 0; i < terms; ++i) c.add[i] = bits.SB(c.nbits);
  }
  bits.Align();
  return c;
}

SwfRgba ReadSwfColour(SwfBits& bits, bool alpha) {
  SwfRgba c;
  c.r = bits.U8();
  c.g = bits.U8();
  c.b = bits.U8();
  if (alpha) c.a = bits.U8();
  return c;
}

std::vector<SwfFillStyleRead> ReadSwfFillStyles(SwfBits& bits, int shapeVersion) {
  int count = bits.U8();
  if (count == 0xFF && shapeVersion >= 2) count = bits.U16();
  std::vector<SwfFillStyleRead> fills;
  for (int i = 0; i < count && bits.ok(); ++i) {
    SwfFillStyleRead f;
    f.type = bits.U8();
    if (f.type == 0x00) {
      f.colour = ReadSwfColour(bits, shapeVersion >= 3);
    } else if (f.type == 0x10 || f.type == 0x12) {
      f.matrix = ReadSwfMatrix(bits);
      const int n = bits.U8() & 0x0F;
      for (int j = 0; j < n; ++j) {
        const int ratio = bits.U8();
        f.gradient.records.emplace_back(ratio, ReadSwfColour(bits, shapeVersion >= 3));
      }
    } else if (f.type >= 0x40 && f.type <= 0x43) {
      f.bitmapId = bits.U16();
      f.matrix = ReadSwfMatrix(bits);
    }
    fills.push_back(f);
  }
  return fills;
}

std::vector<SwfLineStyleRead> ReadSwfLineStyles(SwfBits& bits, int shapeVersion) {
  int count = bits.U8();
  if (count == 0xFF) count = bits.U16();
  std::vector<SwfLineStyleRead> lines;
  for (int i = 0; i < count && bits.ok(); ++i) {
    SwfLineStyleRead l;
    l.width = bits.U16();
    l.colour = ReadSwfColour(bits, shapeVersion >= 3);
    lines.push_back(l);
  }
  return lines;
}

std::vector<SwfShapeRecordRead> ReadSwfShapeRecords(SwfBits& bits, int fillBits, int lineBits,
                                                    int shapeVersion) {
  std::vector<SwfShapeRecordRead> records;
  while (bits.ok()) {
    SwfShapeRecordRead r;
    if (bits.UB(1) == 0) {
      r.kind = SwfShapeRecordRead::Kind::kStyle;
      r.newStyles = bits.UB(1) != 0;
      const bool line = bits.UB(1) != 0;
      const bool fill1 = bits.UB(1) != 0;
      const bool fill0 = bits.UB(1) != 0;
      r.moveTo = bits.UB(1) != 0;
      if (!r.newStyles && !line && !fill1 && !fill0 && !r.moveTo) {
        r.kind = SwfShapeRecordRead::Kind::kEnd;
        records.push_back(r);
        break;
      }
      if (r.moveTo) {
        r.moveBits = static_cast<int>(bits.UB(5));
        r.moveX = bits.SB(r.moveBits);
        r.moveY = bits.SB(r.moveBits);
      }
      if (fill0) r.fill0 = bits.UB(fillBits);
      if (fill1) r.fill1 = bits.UB(fillBits);
      if (line) r.line = bits.UB(lineBits);
      if (r.newStyles) {
        ReadSwfFillStyles(bits, shapeVersion);
        ReadSwfLineStyles(bits, shapeVersion);
        fillBits = static_cast<int>(bits.UB(4));
        lineBits = static_cast<int>(bits.UB(4));
      }
    } else if (bits.UB(1) == 1) {
      r.kind = SwfShapeRecordRead::Kind::kStraight;
      r.numBits = static_cast<int>(bits.UB(4)) + 2;
      r.general = bits.UB(1) != 0;
      if (r.general) {
        r.dx = bits.SB(r.numBits);
        r.dy = bits.SB(r.numBits);
      } else {
        r.vertical = bits.UB(1) != 0;
        (r.vertical ? r.dy : r.dx) = bits.SB(r.numBits);
      }
    } else {
      r.kind = SwfShapeRecordRead::Kind::kCurve;
      r.numBits = static_cast<int>(bits.UB(4)) + 2;
      r.dx = bits.SB(r.numBits);
      r.dy = bits.SB(r.numBits);
      r.anchorDx = bits.SB(r.numBits);
      r.anchorDy = bits.SB(r.numBits);
    }
    records.push_back(r);
  }
  bits.Align();
  return records;
}

SwfShapeRead ReadSwfShapeWithStyle(SwfBits& bits, int shapeVersion) {
  SwfShapeRead s;
  s.fills = ReadSwfFillStyles(bits, shapeVersion);
  s.lines = ReadSwfLineStyles(bits, shapeVersion);
  s.fillBits = static_cast<int>(bits.UB(4));
  s.lineBits = static_cast<int>(bits.UB(4));
  s.records = ReadSwfShapeRecords(bits, s.fillBits, s.lineBits, shapeVersion);
  return s;
}

SwfShapeRead ReadSwfShape(SwfBits& bits) {
  SwfShapeRead s;
  bits.Align();
  s.fillBits = static_cast<int>(bits.UB(4));
  s.lineBits = static_cast<int>(bits.UB(4));
  s.records = ReadSwfShapeRecords(bits, s.fillBits, s.lineBits, 1);
  return s;
}

SwfDefineShapeRead ReadSwfDefineShape(const SwfTagRecord& tag) {
  const int version = tag.code == 32 ? 3 : tag.code == 22 ? 2 : 1;
  SwfBits bits(tag.body);
  SwfDefineShapeRead d;
  d.id = bits.U16();
  d.bounds = ReadSwfRect(bits);
  d.shape = ReadSwfShapeWithStyle(bits, version);
  return d;
}

std::vector<std::vector<SwfOutlinePoint>> SwfContours(const std::vector<SwfShapeRecordRead>& records) {
  std::vector<std::vector<SwfOutlinePoint>> contours;
  int32_t x = 0;
  int32_t y = 0;
  for (const SwfShapeRecordRead& r : records) {
    switch (r.kind) {
      case SwfShapeRecordRead::Kind::kStyle:
        if (r.moveTo) {
          x = r.moveX;
          y = r.moveY;
          contours.push_back({{x, y, false}});
        }
        break;
      case SwfShapeRecordRead::Kind::kStraight:
        if (contours.empty()) contours.push_back({{x, y, false}});
        x += r.dx;
        y += r.dy;
        contours.back().push_back({x, y, false});
        break;
      case SwfShapeRecordRead::Kind::kCurve:
        if (contours.empty()) contours.push_back({{x, y, false}});
        x += r.dx;
        y += r.dy;
        contours.back().push_back({x, y, true});
        x += r.anchorDx;
        y += r.anchorDy;
        contours.back().push_back({x, y, false});
        break;
      case SwfShapeRecordRead::Kind::kEnd:
        break;
    }
  }
  return contours;
}

SwfFont2Read ReadSwfDefineFont2(const SwfTagRecord& tag) {
  SwfBits bits(tag.body);
  SwfFont2Read f;
  f.id = bits.U16();
  f.flags = bits.U8();
  const bool hasLayout = (f.flags & 0x80) != 0;
  const bool wideOffsets = (f.flags & 0x08) != 0;
  const bool wideCodes = (f.flags & 0x04) != 0;
  f.language = bits.U8();
  const int nameLength = bits.U8();
  const std::vector<uint8_t> name = bits.Bytes(static_cast<size_t>(nameLength));
  f.name.assign(name.begin(), name.end());
  f.glyphCount = bits.U16();
  const size_t tableStart = bits.BytePos();
  for (int i = 0; i < f.glyphCount; ++i) f.offsets.push_back(wideOffsets ? bits.U32() : bits.U16());
  f.codeTableOffset = wideOffsets ? bits.U32() : bits.U16();
  for (int i = 0; i < f.glyphCount; ++i) {
    const size_t start = tableStart + f.offsets[static_cast<size_t>(i)];
    if (start > tag.body.size()) break;
    SwfBits glyph(std::span<const uint8_t>(tag.body).subspan(start));
    f.glyphs.push_back(ReadSwfShape(glyph));
  }
  SwfBits rest(std::span<const uint8_t>(tag.body).subspan(
      std::min(tag.body.size(), tableStart + f.codeTableOffset)));
  for (int i = 0; i < f.glyphCount; ++i) f.codes.push_back(wideCodes ? rest.U16() : rest.U8());
  if (hasLayout) {
    f.ascent = rest.I16();
    f.descent = rest.I16();
    f.leading = rest.I16();
    for (int i = 0; i < f.glyphCount; ++i) f.advances.push_back(rest.I16());
    for (int i = 0; i < f.glyphCount; ++i) f.bounds.push_back(ReadSwfRect(rest));
    f.kerningCount = rest.U16();
  }
  return f;
}

SwfTextRead ReadSwfDefineText(const SwfTagRecord& tag) {
  const bool rgba = tag.code == 33;
  SwfBits bits(tag.body);
  SwfTextRead t;
  t.id = bits.U16();
  t.bounds = ReadSwfRect(bits);
  t.matrix = ReadSwfMatrix(bits);
  t.glyphBits = bits.U8();
  t.advanceBits = bits.U8();
  while (bits.ok()) {
    SwfTextRecordRead r;
    r.flags = bits.U8();
    if (r.flags == 0) break;
    if ((r.flags & 0x08) != 0) r.fontId = bits.U16();
    if ((r.flags & 0x04) != 0) r.colour = ReadSwfColour(bits, rgba);
    if ((r.flags & 0x01) != 0) r.x = bits.I16();
    if ((r.flags & 0x02) != 0) r.y = bits.I16();
    if ((r.flags & 0x08) != 0) r.height = bits.U16();
    const int count = bits.U8();
    for (int i = 0; i < count; ++i) {
      const uint32_t index = bits.UB(t.glyphBits);
      r.glyphs.emplace_back(index, bits.SB(t.advanceBits));
    }
    bits.Align();
    t.records.push_back(r);
  }
  return t;
}

SwfSoundRead ReadSwfDefineSound(const SwfTagRecord& tag) {
  SwfBits bits(tag.body);
  SwfSoundRead s;
  s.id = bits.U16();
  s.format = static_cast<int>(bits.UB(4));
  s.rate = static_cast<int>(bits.UB(2));
  s.size = static_cast<int>(bits.UB(1));
  s.type = static_cast<int>(bits.UB(1));
  s.sampleCount = bits.U32();
  s.data = bits.Bytes(bits.Remaining());
  return s;
}

bool ReadSwfDefineSprite(const SwfTagRecord& tag, SwfSpriteRead& out, std::string& why) {
  SwfBits bits(tag.body);
  out.id = bits.U16();
  out.frameCount = bits.U16();
  if (!bits.ok()) {
    why = "sprite header past the end";
    return false;
  }
  return ParseSwfTags(std::span<const uint8_t>(tag.body).subspan(bits.BytePos()), out.tags, why);
}

std::vector<int> SwfTagCodes(const std::vector<SwfTagRecord>& tags) {
  std::vector<int> codes;
  for (const SwfTagRecord& t : tags) codes.push_back(t.code);
  return codes;
}

}  // namespace tmb::test
