// The fill and line styles of SWF shapes, their gradients and the style arrays.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "export/swf/swf_value_records.h"

// A fill or line style (also the morph styles): written in a style array.
class SwfStyle {
 public:
  virtual ~SwfStyle() = default;
  virtual void Write(SwfOutputBuffer& out) const = 0;
  // Writes every colour of the style as RGBA (DefineShape3) or RGB (DefineShape, 2).
  virtual void SetAlpha(bool /*alpha*/) {}
};

class SwfSolidFillStyle : public SwfStyle {
 public:
  explicit SwfSolidFillStyle(const SwfColour& colour) : m_colour(colour) {}
  void Write(SwfOutputBuffer& out) const override;
  void SetAlpha(bool alpha) override { m_colour.hasAlpha = alpha; }

 private:
  SwfColour m_colour;
};

// The records a gradient holds at most.
constexpr size_t kSwfMaxGradientRecords = 8;

struct SwfGradientRecord {
  int ratio = 0;  // 0..255
  SwfColour colour;
};

// At most 8 records.
struct SwfGradient {
  std::vector<SwfGradientRecord> records;

  void Write(SwfOutputBuffer& out) const;
};

class SwfGradientFillStyle : public SwfStyle {
 public:
  // Linear (0x10) or radial (0x12); the matrix maps the 32,768-twip gradient square.
  SwfGradientFillStyle(bool linear, const SwfMatrix& matrix, SwfGradient gradient)
      : m_bLinear(linear), m_matrix(matrix), m_gradient(std::move(gradient)) {}
  void Write(SwfOutputBuffer& out) const override;
  void SetAlpha(bool alpha) override;

 private:
  bool m_bLinear;
  SwfMatrix m_matrix;
  SwfGradient m_gradient;
};

class SwfBitmapFillStyle : public SwfStyle {
 public:
  // Repeating (0x40) or clipped (0x41).
  SwfBitmapFillStyle(bool repeat, int bitmapId, const SwfMatrix& matrix)
      : m_bRepeat(repeat), m_nBitmapId(bitmapId), m_matrix(matrix) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  bool m_bRepeat;
  int m_nBitmapId;
  SwfMatrix m_matrix;
};

class SwfLineStyle : public SwfStyle {
 public:
  SwfLineStyle(int width, const SwfColour& colour) : m_nWidth(width), m_colour(colour) {}
  void Write(SwfOutputBuffer& out) const override;
  void SetAlpha(bool alpha) override { m_colour.hasAlpha = alpha; }

 private:
  int m_nWidth;  // twips
  SwfColour m_colour;
};

// An owning list of styles, written as its count (a byte, or 0xFF and a u16 from 255 on)
// and the styles.
class SwfStyleArray {
 public:
  // Takes the style; returns its 1-based index.
  int Add(std::unique_ptr<SwfStyle> style);
  int Count() const { return static_cast<int>(m_styles.size()); }
  void SetAlpha(bool alpha);
  // DefineShape's fill style array has no extended count: 255 styles and more fail there.
  void Write(SwfOutputBuffer& out, bool extendedCount = true) const;

 private:
  std::vector<std::unique_ptr<SwfStyle>> m_styles;
};

using SwfFillStyleArray = SwfStyleArray;
using SwfLineStyleArray = SwfStyleArray;
