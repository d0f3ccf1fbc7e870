#include "platform/gdi/spans.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/gdi/raster_ops.h"

namespace tmb {
namespace {

// Merges overlapping and touching spans of one row, given as pairs in any order.
void MergeSpans(std::vector<int>& xs) {
  const size_t n = xs.size() / 2;
  if (n < 2) return;
  std::vector<std::pair<int, int>> spans(n);
  for (size_t i = 0; i < n; ++i) spans[i] = {xs[2 * i], xs[2 * i + 1]};
  std::sort(spans.begin(), spans.end());
  xs.clear();
  for (const auto& [a, b] : spans) {
    if (!xs.empty() && a <= xs.back()) {
      xs.back() = std::max(xs.back(), b);
    } else {
      xs.push_back(a);
      xs.push_back(b);
    }
  }
}

}  // namespace

SpanPainter::SpanPainter(Surface& surface, Colour colour, int drawMode)
    : surface_(surface),
      stored_(StoredFromColour(PlainColour(colour))),
      monoByte_(MonoBitOfColour(PlainColour(colour)) ? 0xFF : 0x00),
      mode_(drawMode) {}

void SpanPainter::Row(int y, const int* xs, int count) {
  for (int i = 0; i + 1 < count; i += 2) Span(y, xs[i], xs[i + 1]);
}

void SpanPainter::Span(int y, int x0, int x1) {
  if (y < 0 || y >= surface_.height() || mode_ == kR2Nop) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, surface_.width());
  if (x0 >= x1) return;
  if (surface_.IsMono()) {
    uint8_t* row = surface_.Row(y);
    const int first = x0 >> 3;
    const int last = (x1 - 1) >> 3;
    const uint8_t headMask = uint8_t(0xFFu >> (x0 & 7));
    const uint8_t tailMask = uint8_t(0xFFu << (7 - ((x1 - 1) & 7)));
    auto apply = [&](uint8_t& b, uint8_t mask) {
      const uint8_t v = ApplyRop2<uint8_t>(mode_, monoByte_, b);
      b = uint8_t((b & ~mask) | (v & mask));
    };
    if (first == last) {
      apply(row[first], uint8_t(headMask & tailMask));
      return;
    }
    apply(row[first], headMask);
    if (mode_ == kR2CopyPen) {
      std::memset(row + first + 1, monoByte_, size_t(last - first - 1));
    } else {
      for (int i = first + 1; i < last; ++i) apply(row[i], 0xFF);
    }
    apply(row[last], tailMask);
    return;
  }
  uint32_t* row = surface_.ColourRow(y);
  if (mode_ == kR2CopyPen) {
    std::fill(row + x0, row + x1, stored_);
    return;
  }
  for (int x = x0; x < x1; ++x) row[x] = ApplyRop2<uint32_t>(mode_, stored_, row[x]) | kStoredAlpha;
}

void SpanList::Reset(int top, int bottom) {
  top_ = top;
  const size_t n = bottom > top ? size_t(bottom - top) : 0;
  for (auto& r : rows_) r.clear();
  rows_.resize(n);
}

void SpanList::Add(int y, int x0, int x1) {
  if (y < top_ || y >= bottom() || x0 >= x1) return;
  auto& r = rows_[size_t(y - top_)];
  r.push_back(x0);
  r.push_back(x1);
}

void SpanList::Row(int y, const int* xs, int count) {
  for (int i = 0; i + 1 < count; i += 2) Add(y, xs[i], xs[i + 1]);
}

void SpanList::Normalise() {
  for (auto& r : rows_) MergeSpans(r);
}

void SpanList::SendTo(SpanSink& sink) const {
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (!rows_[i].empty()) sink.Row(top_ + int(i), rows_[i].data(), int(rows_[i].size()));
  }
}

bool SpanList::Contains(int x, int y) const {
  if (y < top_ || y >= bottom()) return false;
  const auto& r = rows_[size_t(y - top_)];
  for (size_t i = 0; i + 1 < r.size(); i += 2) {
    if (x >= r[i] && x < r[i + 1]) return true;
  }
  return false;
}

}  // namespace tmb
