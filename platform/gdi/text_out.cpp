// Text of a device context: glyphs drawn one bit per pixel in the text colour, on the
// background colour when the background mode is opaque. Text ignores the drawing mode.
#include <utility>
#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/gdi/font_engine.h"

namespace tmb {

bool DeviceContext::GetTextMetrics(TextMetrics& metrics) const { return GetFontMetrics(font_, metrics); }

namespace {

// Appends the glyphs of text that font can draw, in order; returns their advances summed.
int RenderGlyphs(const Font& font, std::u16string_view text, std::vector<GlyphBitmap>& glyphs) {
  int width = 0;
  GlyphBitmap g;
  for (char32_t c : DecodeUtf16(text)) {
    if (!RenderGlyph(font, c, g)) continue;
    width += g.advance;
    glyphs.push_back(std::move(g));
  }
  return width;
}

}  // namespace

Size DeviceContext::GetTextExtent(std::u16string_view text) const {
  TextMetrics m;
  if (!GetFontMetrics(font_, m)) return {};
  std::vector<GlyphBitmap> glyphs;
  return {RenderGlyphs(font_, text, glyphs), m.height};
}

bool DeviceContext::TextOut(int x, int y, std::u16string_view text) {
  if (!surface_) return false;
  TextMetrics m;
  if (!GetFontMetrics(font_, m)) return false;
  // Each glyph is rendered once: for the text's width and then for drawing.
  std::vector<GlyphBitmap> glyphs;
  const int width = RenderGlyphs(font_, text, glyphs);
  const Point p = ToDevice(x, y);
  int left = p.x;
  if ((textAlign_ & kAlignCenter) == kAlignCenter) {
    left -= width / 2;
  } else if (textAlign_ & kAlignRight) {
    left -= width;
  }
  int baseline = p.y + m.ascent;
  if ((textAlign_ & kAlignBaseline) == kAlignBaseline) {
    baseline = p.y;
  } else if (textAlign_ & kAlignBottom) {
    baseline = p.y - m.descent;
  }
  const Rect clip = Clip();
  if (backgroundMode_ == kOpaque) {
    const Rect box = Rect::Intersection({left, baseline - m.ascent, left + width, baseline + m.descent}, clip);
    SpanPainter back(*surface_, backgroundColour_, kR2CopyPen);
    for (int row = box.top; row < box.bottom; ++row) back.Span(row, box.left, box.right);
  }
  SpanPainter ink(*surface_, textColour_, kR2CopyPen);
  int pen = left;
  for (const GlyphBitmap& g : glyphs) {
    for (int r = 0; r < g.rows; ++r) {
      const int row = baseline - g.top + r;
      if (row < clip.top || row >= clip.bottom) continue;
      const uint8_t* bits = g.bits.data() + size_t(r) * size_t(g.pitch);
      int run = -1;
      for (int i = 0; i <= g.width; ++i) {
        const bool on = i < g.width && MonoBit(bits, i);
        if (on && run < 0) run = i;
        if (!on && run >= 0) {
          ink.Span(row, pen + g.left + run, pen + g.left + i);
          run = -1;
        }
      }
    }
    pen += g.advance;
  }
  return true;
}

}  // namespace tmb
