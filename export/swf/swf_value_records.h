// The value records of the SWF writer: colour, matrix, rectangle and string.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/gdi/geometry.h"

class SwfOutputBuffer;

// A colour written as RGB, or RGBA when it has alpha.
struct SwfColour {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  uint8_t a = 255;
  bool hasAlpha = false;

  static SwfColour Rgb(uint8_t r, uint8_t g, uint8_t b) { return {r, g, b, 255, false}; }
  static SwfColour Rgba(uint8_t r, uint8_t g, uint8_t b, uint8_t a) { return {r, g, b, a, true}; }
  // From a COLORREF 0x00BBGGRR: opaque, without alpha.
  static SwfColour FromColorRef(tmb::Colour c);
  // From 0xAARRGGBB-style value whose top byte is the alpha: with alpha.
  static SwfColour FromAlphaValue(uint32_t argb);
  SwfColour WithAlpha(bool alpha) const {
    SwfColour c = *this;
    c.hasAlpha = alpha;
    return c;
  }

  void Write(SwfOutputBuffer& out) const;
};

// A MATRIX record: scale and rotate-skew terms in 16.16 fixed point, translation in twips.
class SwfMatrix {
 public:
  // The identity, written as one zero byte.
  SwfMatrix() = default;
  SwfMatrix(bool hasScale, int32_t scaleX, int32_t scaleY, bool hasRotate, int32_t skew0,
            int32_t skew1, int32_t translateX, int32_t translateY);
  static SwfMatrix Translation(int32_t x, int32_t y) {
    return SwfMatrix(false, 0, 0, false, 0, 0, x, y);
  }

  // Starts on a byte boundary and leaves the buffer aligned.
  void Write(SwfOutputBuffer& out) const;

 private:
  bool m_bIdentity = true;
  bool m_bHasScale = false;
  int32_t m_nScaleX = 0;
  int32_t m_nScaleY = 0;
  bool m_bHasRotate = false;
  int32_t m_nSkew0 = 0;
  int32_t m_nSkew1 = 0;
  int32_t m_nTranslateX = 0;
  int32_t m_nTranslateY = 0;
};

// A RECT record in twips.
struct SwfRect {
  int32_t xMin = 0;
  int32_t yMin = 0;
  int32_t xMax = 0;
  int32_t yMax = 0;

  // Nbits from the largest magnitude plus a sign bit (at least minBits), then the four
  // values; aligned.
  void Write(SwfOutputBuffer& out, int minBits = 0) const;
};

// The bytes of s, then a 0 byte when terminated (a terminated string holding a 0 byte
// fails: a reader would cut it there).
void WriteSwfString(SwfOutputBuffer& out, std::string_view s, bool terminated);
