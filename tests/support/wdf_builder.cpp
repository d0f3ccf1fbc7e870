#include "support/wdf_builder.h"

#include "platform/file/byte_writer.h"
#include "platform/text/code_page.h"

namespace tmb::test {
namespace {

int32_t Param(const WdfBlock& b, int k) {
  auto it = b.params.find(k);
  return it == b.params.end() ? 0 : it->second;
}

void Low16(ByteWriter& w, const WdfBlock& b, int first, int count) {
  for (int k = first; k < first + count; ++k) w.U16(static_cast<uint16_t>(Param(b, k)));
}

void Params32(ByteWriter& w, const WdfBlock& b, int first, int count) {
  for (int k = first; k < first + count; ++k) w.I32(Param(b, k));
}

void Shape(ByteWriter& w, const WdfBlock& b) {
  Params32(w, b, 150, 10);
  w.Zeros(40);
  Params32(w, b, 170, 12);
  Params32(w, b, 190, 4);
  w.Zeros(108);
}

void Fixed256(ByteWriter& w, const WdfBlock& b) {
  std::vector<uint8_t> field = b.fixedText;
  field.resize(256, 0);
  w.Bytes(field.data(), field.size());
}

void Narrow(ByteWriter& w, const std::string& s) {
  w.U32(static_cast<uint32_t>(s.size()));
  w.Bytes(s.data(), s.size());
}

void Wide(ByteWriter& w, const std::string& cp932) {
  std::u16string u = cp932.empty() ? std::u16string() : SjisToUtf16(cp932).value();
  w.U32(static_cast<uint32_t>(2 * u.size()));
  for (char16_t c : u) w.U16(c);
}

void Picture(ByteWriter& w, const WdfPicture& p) {
  w.I32(p.type).U32(static_cast<uint32_t>(p.bytes.size()));
  w.Bytes(p.bytes.data(), p.bytes.size());
}

// An empty character-store section of version 300 with its text.
void EmptySection(ByteWriter& w, const std::string& text) {
  w.I32(300).I32(0);
  w.I32(128).I32(100).I32(256).I32(10).I32(10).I32(1).I32(0).I32(0);
  w.Zeros(16);
  Wide(w, text);
}

}  // namespace

std::vector<uint8_t> BuildWdfBlock(const WdfBlock& b) {
  ByteWriter w;
  const int v = b.Version();
  const int n = b.storedPoints >= 0 ? b.storedPoints : static_cast<int>(b.points.size());
  int strokes = b.storedStrokes;
  if (strokes < 0) {
    strokes = 0;
    if (v < 200) {
      strokes = static_cast<int>(b.strokeStarts.size());
    } else {
      for (const WdfPoint& p : b.points) strokes += p.flag == 1 ? 1 : 0;
    }
  }
  w.Fixed(b.magic, 24);
  w.U8(static_cast<uint8_t>(b.major)).U8(static_cast<uint8_t>(b.minor));
  w.U8(static_cast<uint8_t>(b.r1)).U8(static_cast<uint8_t>(b.r2)).U8(static_cast<uint8_t>(b.r3));
  w.U8(static_cast<uint8_t>(b.r4));
  w.U16(static_cast<uint16_t>(b.firstPart)).U16(static_cast<uint16_t>(n)).U16(static_cast<uint16_t>(strokes));
  w.U16(0).U16(0);

  if (v < 200) {
    Low16(w, b, 0, 5);
    w.U16(static_cast<uint16_t>(b.switch16));
    Low16(w, b, 10, 12);
    w.Zeros(52);
  } else if (v < 300) {
    Low16(w, b, 0, 5);
    w.Zeros(2);
    Low16(w, b, 10, 37);
    w.Zeros(2);
    Shape(w, b);
  } else if (v == 300 && b.r1 < 2 && b.r2 < 3) {
    Low16(w, b, 0, 8);
    w.Zeros(2);
    Low16(w, b, 10, 150);
    w.Zeros(154);
    Shape(w, b);
    w.Zeros(4 + 256);
  } else if (b.r2 < 12) {
    Params32(w, b, 0, 256);
    Fixed256(w, b);
    w.Zeros(724);
  } else if (b.r2 < 15) {
    Params32(w, b, 0, 512);
    Fixed256(w, b);
    w.Zeros(152);
  } else {
    Params32(w, b, 0, 512);
    for (const std::string& t : b.texts) b.r2 < 20 ? Narrow(w, t) : Wide(w, t);
    w.Zeros(468);
  }
  if (v >= 200) w.U16(static_cast<uint16_t>(b.paper.cx)).U16(static_cast<uint16_t>(b.paper.cy));
  for (const WdfPoint& p : b.points) w.I16(static_cast<int16_t>(p.x));
  for (const WdfPoint& p : b.points) w.I16(static_cast<int16_t>(p.y));
  if (v >= 200) {
    for (const WdfPoint& p : b.points) w.I16(static_cast<int16_t>(static_cast<int8_t>(p.flag)));
    for (const WdfPoint& p : b.points) w.I16(static_cast<int16_t>(p.pressure));
  } else {
    for (int s : b.strokeStarts) w.U16(static_cast<uint16_t>(s));
  }
  if (v < 300) return w.bytes();

  b.r2 < 20 ? Narrow(w, b.script) : Wide(w, b.script);
  Picture(w, b.picture1);
  if (!(v == 300 && b.r2 == 0)) Picture(w, b.picture2);
  if (b.r2 < 11) {
    if (b.r2 > 4) {
      w.U16(b.oldFont ? 1 : 0);
      if (b.oldFont) {
        w.Bytes(b.oldFont->data(), b.oldFont->size());
        if (b.r2 > 5) Narrow(w, b.oldFontText);
      }
    }
  } else {
    EmptySection(w, b.sectionText);
  }
  if (b.r2 > 13) {
    for (int32_t e : b.valueTable) w.I32(e);
  }
  if (b.endWord) w.U32(0);
  return w.bytes();
}

std::vector<uint8_t> BuildWdfFile(const std::vector<WdfBlock>& blocks) {
  std::vector<uint8_t> out;
  for (const WdfBlock& b : blocks) {
    std::vector<uint8_t> bytes = BuildWdfBlock(b);
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  return out;
}

}  // namespace tmb::test
