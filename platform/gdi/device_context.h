// Our device context: the drawing state of a target surface and the drawing operations
// the engines use. Every rule is fixed and deterministic:
// - coordinates are pixels; the viewport origin is added to every coordinate given;
// - a cosmetic (one-pixel) line leaves out its last pixel; rectangles, FillRect and
//   ellipses cover their box without its right and bottom edges;
// - polygon interiors hold the pixels whose centres lie inside (see polygon_scan.h),
//   then the pen draws the closed outline;
// - brushes and pens combine with the destination by the drawing mode (SetDrawMode),
//   FillRect and FillRegion copy the brush regardless of it;
// - on a monochrome surface a colour becomes the nearer of black (0) and white (1);
// - block transfers evaluate any three-operand code; a colour source becomes
//   monochrome by the source context's background colour (equal -> 1, else 0), and a
//   monochrome source becomes colour by the destination context's colours (1 ->
//   background colour, 0 -> text colour);
// - a pixel read outside the surface is kInvalidColour, a write outside does nothing.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/gdi/font.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/palette.h"
#include "platform/gdi/pen.h"
#include "platform/gdi/polygon_scan.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"

namespace tmb {

enum BackgroundMode { kTransparent = 1, kOpaque = 2 };
enum StretchMode { kBlackOnWhite = 1, kWhiteOnBlack = 2, kColorOnColor = 3, kHalftone = 4 };
enum TextAlign {
  kAlignLeft = 0,
  kAlignRight = 2,
  kAlignCenter = 6,
  kAlignTop = 0,
  kAlignBottom = 8,
  kAlignBaseline = 24,
};

class DeviceContext {
 public:
  // Device coordinates beyond this are clamped: no surface comes near it.
  static constexpr int kCoordLimit = 1 << 28;

  // A context drawing into target (not owned); without one, a memory context with nothing
  // selected, which draws nothing until a surface is selected.
  explicit DeviceContext(Surface* target = nullptr);
  // A memory context compatible with other (or with the display when null): nothing
  // selected, the default state.
  static DeviceContext CompatibleWith(const DeviceContext* other);

  DeviceContext(DeviceContext&&) = default;
  DeviceContext& operator=(DeviceContext&&) = default;
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;

  // The format of bitmaps made compatible with this context: the display's, colour.
  PixelFormat CompatibleFormat() const { return PixelFormat::kColour32; }

  // Selection: each returns what was selected before.
  Surface* SelectSurface(Surface* surface);
  Surface* surface() const { return surface_; }
  Pen SelectPen(const Pen& pen);
  const Pen& pen() const { return pen_; }
  Brush SelectBrush(const Brush& brush);
  const Brush& brush() const { return brush_; }
  Font SelectFont(const Font& font);
  const Font& font() const { return font_; }
  const Palette* SelectPalette(const Palette* palette, bool background);
  const Palette* palette() const { return palette_; }
  // The display is true colour: nothing to realise.
  int RealizePalette() { return 0; }

  // State: each setter returns the previous value.
  Colour SetTextColour(Colour c);
  Colour textColour() const { return textColour_; }
  Colour SetBackgroundColour(Colour c);
  Colour backgroundColour() const { return backgroundColour_; }
  int SetBackgroundMode(int mode);
  int backgroundMode() const { return backgroundMode_; }
  int SetDrawMode(int mode);  // kR2Black to kR2White
  int drawMode() const { return drawMode_; }
  int SetPolyFillMode(int mode);  // kAlternate or kWinding
  int polyFillMode() const { return polyFillMode_; }
  int SetStretchMode(int mode);  // kBlackOnWhite to kHalftone
  int stretchMode() const { return stretchMode_; }
  int SetTextAlign(int align);
  int textAlign() const { return textAlign_; }
  Point SetViewportOrigin(Point origin);
  Point viewportOrigin() const { return origin_; }

  // Lines and shapes; false when there is nothing to draw into.
  Point MoveTo(int x, int y);
  Point currentPosition() const { return position_; }
  bool LineTo(int x, int y);
  bool Polyline(std::span<const Point> points);
  bool Polygon(std::span<const Point> points);
  // Several polygons filled together by the fill mode, each outlined.
  bool PolyPolygon(std::span<const Point> points, std::span<const int> counts);
  bool Rectangle(int left, int top, int right, int bottom);
  bool Ellipse(int left, int top, int right, int bottom);

  void FillRect(const Rect& rect, const Brush& brush);
  void FillSolidRect(const Rect& rect, Colour colour);
  // A one-pixel frame just inside rect, in the brush.
  void FrameRect(const Rect& rect, const Brush& brush);
  bool FillRegion(const Region& region, const Brush& brush);
  // The region in the selected brush by the drawing mode.
  bool PaintRegion(const Region& region);
  bool InvertRegion(const Region& region);

  // Returns the colour set (a monochrome surface's black or white), or kInvalidColour
  // outside the surface.
  Colour SetPixel(int x, int y, Colour colour);
  Colour GetPixel(int x, int y) const;

  // Block transfers. rop is a three-operand code (kSrcCopy ...); src may be null when
  // the code does not use a source. False when nothing could be done (no surface, a
  // needed source missing).
  bool PatBlt(int x, int y, int width, int height, uint32_t rop);
  bool BitBlt(int x, int y, int width, int height, const DeviceContext* src, int sx, int sy, uint32_t rop);
  // Stretches the source block to the destination block by the stretch mode; negative
  // extents mirror. Source pixels outside the source surface repeat its edge.
  bool StretchBlt(int x, int y, int width, int height, const DeviceContext* src, int sx, int sy, int sw,
                  int sh, uint32_t rop);
  // Where the monochrome mask is 1 the code in bits 16-23 of rop applies, where it is 0
  // the code in bits 24-31. A mask pixel outside the mask counts as 1.
  bool MaskBlt(int x, int y, int width, int height, const DeviceContext* src, int sx, int sy,
               const Surface* mask, int mx, int my, uint32_t rop);

  // Text in the selected font, text colour and (when opaque) background colour.
  bool TextOut(int x, int y, std::u16string_view text);
  Size GetTextExtent(std::u16string_view text) const;
  bool GetTextMetrics(TextMetrics& metrics) const;

 private:
  void PaintSpans(const SpanList& spans, Colour colour, int mode);
  void FillPolygons(std::span<const Point> points, std::span<const int> counts);
  void StrokePolyline(std::span<const Point> points, bool closed);
  void WideLines(std::span<const Point> points, bool closed, bool caps);
  Rect Clip() const;
  // A logical point in device pixels, kept within kCoordLimit so that no sum overflows.
  Point ToDevice(int x, int y) const;
  Rect ToDevice(const Rect& r) const;

  Surface* surface_ = nullptr;
  Pen pen_{};
  Brush brush_{};
  Font font_{};
  const Palette* palette_ = nullptr;
  Colour textColour_ = 0x000000;
  Colour backgroundColour_ = 0xFFFFFF;
  int backgroundMode_ = kOpaque;
  int drawMode_ = kR2CopyPen;
  int polyFillMode_ = kAlternate;
  int stretchMode_ = kBlackOnWhite;
  int textAlign_ = kAlignLeft | kAlignTop;
  Point origin_{};
  Point position_{};
  int styleStep_ = 0;  // position in the dash pattern of a styled pen
};

}  // namespace tmb
