#include "export/swf/swf_value_records.h"

#include <algorithm>
#include <span>

#include "export/swf/swf_bits.h"
#include "export/swf/swf_output_buffer.h"

namespace {

// A 5-bit width and two signed values of that width, as the parts of a MATRIX are written.
void WritePair(SwfOutputBuffer& out, int32_t a, int32_t b) {
  const int n = SignedFieldBits(out, std::max(Magnitude(a), Magnitude(b)), kSwfMaxFiveBitCount);
  out.WriteBits(static_cast<uint32_t>(n), 5);
  out.WriteSignedBits(a, n);
  out.WriteSignedBits(b, n);
}

}  // namespace

SwfColour SwfColour::FromColorRef(tmb::Colour c) {
  return Rgb(static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c >> 16));
}

SwfColour SwfColour::FromAlphaValue(uint32_t argb) {
  return Rgba(static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8),
              static_cast<uint8_t>(argb), static_cast<uint8_t>(argb >> 24));
}

void SwfColour::Write(SwfOutputBuffer& out) const {
  out.WriteU8(r);
  out.WriteU8(g);
  out.WriteU8(b);
  if (hasAlpha) out.WriteU8(a);
}

SwfMatrix::SwfMatrix(bool hasScale, int32_t scaleX, int32_t scaleY, bool hasRotate, int32_t skew0,
                     int32_t skew1, int32_t translateX, int32_t translateY)
    : m_bIdentity(false),
      m_bHasScale(hasScale),
      m_nScaleX(scaleX),
      m_nScaleY(scaleY),
      m_bHasRotate(hasRotate),
      m_nSkew0(skew0),
      m_nSkew1(skew1),
      m_nTranslateX(translateX),
      m_nTranslateY(translateY) {}

void SwfMatrix::Write(SwfOutputBuffer& out) const {
  out.FlushBits();
  if (m_bIdentity) {
    out.WriteU8(0);
    return;
  }
  out.WriteBits(m_bHasScale ? 1 : 0, 1);
  if (m_bHasScale) WritePair(out, m_nScaleX, m_nScaleY);
  out.WriteBits(m_bHasRotate ? 1 : 0, 1);
  if (m_bHasRotate) WritePair(out, m_nSkew0, m_nSkew1);
  WritePair(out, m_nTranslateX, m_nTranslateY);
  out.FlushBits();
}

void SwfRect::Write(SwfOutputBuffer& out, int minBits) const {
  out.FlushBits();
  const int n = std::max(minBits, SignedFieldBits(out, MaxAbs4(xMin, xMax, yMin, yMax), kSwfMaxFiveBitCount));
  out.WriteBits(n, 5);
  out.WriteSignedBits(xMin, n);
  out.WriteSignedBits(xMax, n);
  out.WriteSignedBits(yMin, n);
  out.WriteSignedBits(yMax, n);
  out.FlushBits();
}

void WriteSwfString(SwfOutputBuffer& out, std::string_view s, bool terminated) {
  if (terminated && s.find('\0') != std::string_view::npos) {
    out.Fail("a 0-terminated string holds a 0 byte");
    return;
  }
  out.WriteBytes(std::span(reinterpret_cast<const uint8_t*>(s.data()), s.size()));
  if (terminated) out.WriteU8(0);
}
