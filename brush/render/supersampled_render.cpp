// Rendering of a work path at four times the paper's resolution into the canvas's scaled
// work bitmap, and its reduction into a bitmap of the paper, which smooths the edges of
// the filled strokes.
#include "brush/render/supersampled_render.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "core/canvas/bitmap_masks.h"
#include "core/canvas/work_canvas.h"
#include "core/onebit/effect_masks.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_work.h"

namespace {

constexpr int kSupersampling = 4;
constexpr int kPaperColourParam = 157;
constexpr int kEdgeCurveParam = 241;
constexpr int kEdgeGrowParam = 244;

// The stroke-mark bytes of path as a selection, all cleared: every stroke is filled solid.
std::span<const uint8_t> ClearedSelection(CStrokePath& path) {
  if (!path.EnsureAuxBuffer(0)) return {};
  path.m_pStrokeMarks->Clear();
  return {path.m_pStrokeMarks->m_pBytes, size_t(path.m_pStrokeMarks->m_nSize)};
}

}  // namespace

int CStrokeWork::RenderToBitmap(tmb::DeviceContext* pDC, tmb::Surface* target, int mode, const ParamBlock& params,
                                tmb::Colour outlineColour) {
  return RenderPathToBitmap(*this, pDC, target, mode, params, outlineColour);
}

int RenderPathToBitmap(const CStrokePath& path, tmb::DeviceContext* pDC, tmb::Surface* target, int mode,
                       const ParamBlock& params, tmb::Colour outlineColour) {
  if (!target) return 0;
  CWorkCanvas& canvas = gWorkCanvas;
  tmb::Surface* large = &canvas.m_scaledMaskBitmap;
  const tmb::Rect scaled{0, 0, canvas.m_scaledWidth, canvas.m_scaledHeight};
  if (mode != 3) {
    CStrokeWork copy(int(std::clamp<int64_t>(int64_t(path.GetCount()) * 15 / 10, 1, INT32_MAX)));
    copy.CopyFrom(path);
    copy.Scale(float(kSupersampling));
    if (mode != 2) {
      if (mode != 5) FillBitmapRect(pDC, large, scaled, 0xFFFFFF);
      FillBitmapRect(pDC, target, scaled, 0xFFFFFF);
    }
    if (mode != 1) {
      // Modes 2 and 5 leave the strokes in target at the scaled size; the others fill
      // them into the scaled work bitmap, which the reduction below reads.
      const bool unreduced = mode == 2 || mode == 5;
      tmb::DeviceContext dc = tmb::DeviceContext::CompatibleWith(pDC);
      dc.SelectSurface(unreduced ? target : large);
      copy.FillStrokes(&dc, 0x000000, mode == -1 || mode == 5 ? 1 : 0, ClearedSelection(copy), 1);
      if (unreduced) return 1;
    } else {
      copy.SnapHorizontalEdges(kSupersampling);
      copy.FillOutlinesInto(pDC, large, 0x000000, 4, 1, nullptr, 1.0f, 0);
    }
  }
  BuildEffectMasks(pDC, target, large, 0, 0, scaled.right, scaled.bottom, kSupersampling, outlineColour,
                   tmb::PlainColour(tmb::Colour(params[kPaperColourParam])), params[kEdgeGrowParam],
                   params[kEdgeCurveParam]);
  return 1;
}

void CStrokeWork::FillToBitmap(tmb::DeviceContext* pDC, tmb::Surface* target, tmb::Colour colour) {
  if (!target) return;
  tmb::DeviceContext dc = tmb::DeviceContext::CompatibleWith(pDC);
  dc.SelectSurface(target);
  FillStrokes(&dc, colour, 0, ClearedSelection(*this), 1);
}
