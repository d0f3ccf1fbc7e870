#include "imageedit/vectorise/vectorize_image.h"

#include <algorithm>
#include <memory>

#include "core/canvas/work_canvas.h"
#include "core/onebit/one_pixel_lines.h"
#include "core/onebit/region_scan.h"
#include "core/onebit/specks.h"
#include "core/onebit/staircase.h"
#include "core/onebit/thinning.h"
#include "core/onebit/mask_rows.h"
#include "imageedit/vectorise/skeleton_trace.h"
#include "imageedit/vectorise/traced_strokes.h"
#include "imageedit/vectorise/vectorize_settings.h"
#include "platform/gdi/dib_rows.h"
#include "platform/gdi/pixel.h"

CVectorizeSettings gVectorizeSettings;

namespace {

constexpr int kThinningPasses = 100;
constexpr float kAttachRadius = 12.0f;
constexpr float kAttachLength = 24.0f;

// Reads the region of picture into mask (attached to rows, of the picture's size): the
// region's ink, background everywhere else.
bool LoadRegion(CMonoBitmap& mask, std::span<uint8_t> rows, const tmb::Surface& picture, const tmb::Rect& region) {
  const int width = picture.width(), height = picture.height();
  mask.Attach(rows.data(), region.left, region.top, region.right, region.bottom, width, height);
  mask.Clear();
  tmb::DibInfo info;
  info.header.bitCount = 1;
  const size_t offset = size_t(height - region.bottom) * size_t(mask.m_stride);
  if (tmb::GetDibRows(picture, height - region.bottom, region.Height(), rows.subspan(offset), info) <= 0) return false;
  for (int y = region.top; y < region.bottom; ++y) {
    for (int x = 0; x < region.left; ++x) mask.SetBit(x, y, 1);
    for (int x = region.right; x < width; ++x) mask.SetBit(x, y, 1);
  }
  return true;
}

// Paints region of picture black where the skeleton has ink, white elsewhere.
void WriteSkeleton(const CMonoBitmap& skeleton, tmb::Surface& picture, const tmb::Rect& region) {
  if (picture.IsMono()) {
    for (int y = region.top; y < region.bottom; ++y) {
      for (int x = region.left; x < region.right; ++x) picture.SetPixel(x, y, skeleton.TestBit(x, y) ? 0xFFFFFF : 0);
    }
    return;
  }
  const uint32_t white = tmb::StoredFromColour(0xFFFFFF), black = tmb::StoredFromColour(0x000000);
  for (int y = region.top; y < region.bottom; ++y) {
    uint32_t* row = picture.ColourRow(y);
    std::fill(row + region.left, row + region.right, white);
    ForEachInkPixel(skeleton, {region.left, y, region.right, y + 1}, [&](int x, int) { row[x] = black; });
  }
}

}  // namespace

int VectorizeImage(CStrokePath& path, tmb::DeviceContext* pDC, tmb::Surface* picture, int left, int top, int right,
                   int bottom, const CStrokePath* reference, const CStrokePath* target, int mode) {
  path.SetCount(0);
  if (!picture || picture->IsNull()) return 0;
  const size_t bytes = size_t(tmb::DibStride(picture->width(), 1)) * size_t(picture->height());
  const std::span<uint8_t> rowsA = MaskDibRows(0), rowsB = MaskDibRows(1), rowsC = MaskDibRows(2);
  if (rowsA.size() < bytes || rowsB.size() < bytes || rowsC.size() < bytes) return 0;
  tmb::Rect region{left, top, right, bottom};
  region.Normalize();
  region = tmb::Rect::Intersection(tmb::Rect::Intersection(region, gWorkCanvas.m_rect), picture->Bounds());
  // A region off the paper holds no ink: nothing to trace.
  if (region.IsEmpty()) return 1;

  // A: the ink, thinned to the skeleton; C: the ink as it was, which new segments must
  // follow; B: the skeleton again, consumed by the tracing, so that A can go back.
  CMonoBitmap a, b, c;
  if (!LoadRegion(a, rowsA, *picture, region)) return 0;
  c.Attach(rowsC.data(), region.left, region.top, region.right, region.bottom, picture->width(), picture->height());
  c.CopyAllFrom(rowsA.data());
  RemoveSpecks(a);
  ThinMask(a, kThinningPasses);
  ThinToOnePixel(a);
  RemoveStaircasePixels(a, region.left, region.top, region.right, region.bottom);
  b.Attach(rowsB.data(), region.left, region.top, region.right, region.bottom, picture->width(), picture->height());
  b.CopyAllFrom(rowsA.data());

  bool full = TraceSkeleton(path, b, region.left, region.top, region.right, region.bottom) < 0;
  auto work = std::make_unique<CStrokePath>(path.GetCapacity());
  // Spurs come in layers where a corner of a wide stroke was thinned from two sides.
  while (PruneTracedSpurs(path, c) > 0) {
  }
  if (mode == 2) {
    if (reference) FitTracedStrokes(path, c, *reference, target, *work, pDC);
    if (gVectorizeSettings.m_values[CVectorizeSettings::kJoin] != 0) {
      // Each pass joins fewer strokes; one that joins none ends it.
      while (JoinTracedStrokes(path, 0) > 0) {
      }
    }
  }
  // A ring cut at a pruned spur is whole again.
  MarkTracedRings(path);
  full = SimplifyTracedStrokes(path, kAttachRadius, kAttachLength) < 0 || full;
  if (target) full = ConnectTracedStrokes(path, c, reference, *target, *work, pDC) < 0 || full;

  if (mode != 0) WriteSkeleton(a, *picture, region);
  return full ? -1 : 1;
}

int VectorizeImageRegion(CStrokePath& path, tmb::DeviceContext* pDC, tmb::Surface* picture, int left, int top,
                         int right, int bottom, const CStrokePath* reference, const CStrokePath* target) {
  return VectorizeImage(path, pDC, picture, left, top, right, bottom, reference, target, 2);
}
