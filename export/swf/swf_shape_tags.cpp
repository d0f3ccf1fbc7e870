#include "export/swf/swf_shape_tags.h"

#include "export/swf/swf_output_buffer.h"

namespace {

constexpr int kDefineShapeCode = 2;

}  // namespace

SwfTagDefineShape::SwfTagDefineShape(const SwfRect& bounds, int code, bool alpha)
    : m_nCode(code), m_bAlpha(alpha), m_bounds(bounds) {}

int SwfTagDefineShape::AddStyle(SwfStyleArray& array, std::unique_ptr<SwfStyle> style) {
  if (m_shape) {
    m_bLateStyle = true;
    return 0;
  }
  style->SetAlpha(m_bAlpha);
  return array.Add(std::move(style));
}

int SwfTagDefineShape::AddLineStyle(int width, const SwfColour& colour) {
  return AddStyle(m_lines, std::make_unique<SwfLineStyle>(width, colour));
}

int SwfTagDefineShape::AddFillStyle(const SwfColour& colour) {
  return AddStyle(m_fills, std::make_unique<SwfSolidFillStyle>(colour));
}

int SwfTagDefineShape::AddFillStyle(std::unique_ptr<SwfStyle> style) {
  return AddStyle(m_fills, std::move(style));
}

void SwfTagDefineShape::CloseStyles() {
  if (!m_shape) m_shape = std::make_unique<SwfShapeWithStyle>(std::move(m_fills), std::move(m_lines));
}

void SwfTagDefineShape::AddRecord(std::unique_ptr<SwfShapeRecord> record) {
  CloseStyles();
  m_shape->AddRecord(std::move(record));
}

void SwfTagDefineShape::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteId(body);
  m_bounds.Write(body);
  if (m_bLateStyle) body.Fail("a style was added after the shape's styles were closed");
  if (m_shape) {
    if (m_nCode == kDefineShapeCode && m_shape->HasNewStyles()) {
      body.Fail("new styles inside a DefineShape (only DefineShape2 and 3 take them)");
    }
    m_shape->Write(body, m_nCode != kDefineShapeCode);
  } else {
    SwfShapeWithStyle(SwfFillStyleArray(), SwfLineStyleArray()).Write(body, false);
    if (m_fills.Count() > 0 || m_lines.Count() > 0) body.Fail("the shape's styles were never closed");
  }
  WriteRecord(out, Code(), body);
}
