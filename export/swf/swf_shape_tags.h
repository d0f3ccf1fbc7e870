// The shape tags of the SWF writer: DefineShape, DefineShape2 and DefineShape3. Styles are
// added first and closed, then the records; the first two write every style colour as
// RGB, the third as RGBA.
#pragma once

#include <memory>

#include "export/swf/swf_shape.h"
#include "export/swf/swf_tag.h"

class SwfTagDefineShape : public SwfCharacterTag {
 public:
  explicit SwfTagDefineShape(const SwfRect& bounds) : SwfTagDefineShape(bounds, 2, false) {}

  // Each returns the style's 1-based index (0 once the styles are closed: such a style
  // fails the write).
  int AddLineStyle(int width, const SwfColour& colour);
  int AddFillStyle(const SwfColour& colour);
  int AddFillStyle(std::unique_ptr<SwfStyle> style);
  // Fixes the styles and their index widths; the records come after.
  void CloseStyles();
  // Takes a record (closing the styles when they are still open).
  void AddRecord(std::unique_ptr<SwfShapeRecord> record);

  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return m_nCode; }

 protected:
  SwfTagDefineShape(const SwfRect& bounds, int code, bool alpha);

 private:
  int AddStyle(SwfStyleArray& array, std::unique_ptr<SwfStyle> style);

  int m_nCode;
  bool m_bAlpha;
  SwfRect m_bounds;
  SwfFillStyleArray m_fills;
  SwfLineStyleArray m_lines;
  std::unique_ptr<SwfShapeWithStyle> m_shape;  // made by CloseStyles
  bool m_bLateStyle = false;
};

class SwfTagDefineShape2 : public SwfTagDefineShape {
 public:
  explicit SwfTagDefineShape2(const SwfRect& bounds) : SwfTagDefineShape(bounds, 22, false) {}
};

class SwfTagDefineShape3 : public SwfTagDefineShape {
 public:
  explicit SwfTagDefineShape3(const SwfRect& bounds) : SwfTagDefineShape(bounds, 32, true) {}
};
