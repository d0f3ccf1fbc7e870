// Rows of pixel spans: what the rasterisers produce and the painters consume. A span
// [x0, x1) covers the pixels x0 to x1 - 1 of one row.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/geometry.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/surface.h"

namespace tmb {

// Receives the spans of one row at a time, rows in any order; xs holds count values,
// pairs of x0 and x1, ascending and not overlapping.
class SpanSink {
 public:
  virtual ~SpanSink() = default;
  virtual void Row(int y, const int* xs, int count) = 0;
};

// Paints spans into a surface with a colour and a two-operand drawing mode, clipped to
// the surface.
class SpanPainter final : public SpanSink {
 public:
  SpanPainter(Surface& surface, Colour colour, int drawMode);
  void Row(int y, const int* xs, int count) override;
  // Paints one span (the rasterisers' single pixels and lines come here).
  void Span(int y, int x0, int x1);
  // Paints one pixel, as Span(y, x, x + 1) does. The copy mode writes it in place: a span
  // call per pixel took half of the instructions of the outlines of a supersampled character.
  void Pixel(int y, int x) {
    if (mode_ != kR2CopyPen || x < 0 || y < 0 || x >= surface_.width() || y >= surface_.height()) {
      Span(y, x, x + 1);
    } else if (surface_.IsMono()) {
      SetMonoBit(surface_.Row(y), x, monoByte_ != 0);
    } else {
      surface_.ColourRow(y)[x] = stored_;
    }
  }

 private:
  Surface& surface_;
  uint32_t stored_;  // the colour as a colour word
  uint8_t monoByte_;  // the colour as eight monochrome bits
  int mode_;
};

// Collects spans from several shapes and merges them, so that a pixel covered twice is
// painted once (wide lines, joins and caps).
class SpanList final : public SpanSink {
 public:
  // Keeps rows top to bottom - 1; spans of other rows are dropped.
  void Reset(int top, int bottom);
  void Add(int y, int x0, int x1);
  void Row(int y, const int* xs, int count) override;
  // Sorts and merges the spans of every row.
  void Normalise();
  // Sends every row (after Normalise) to sink.
  void SendTo(SpanSink& sink) const;
  // Whether pixel (x, y) lies in a span (after Normalise).
  bool Contains(int x, int y) const;
  int top() const { return top_; }
  int bottom() const { return top_ + int(rows_.size()); }
  const std::vector<int>& RowSpans(int y) const { return rows_[size_t(y - top_)]; }

 private:
  int top_ = 0;
  std::vector<std::vector<int>> rows_;
};

}  // namespace tmb
