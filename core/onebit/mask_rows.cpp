#include "core/onebit/mask_rows.h"

#include "core/canvas/work_canvas.h"
#include "platform/gdi/dib_rows.h"

std::span<uint8_t> MaskDibRows(int k) {
  if (k < 0 || k > 2) return {};
  CDib& dib = gWorkCanvas.m_maskDibs[k];
  if (!dib.m_bOwnsBlock || !dib.m_pBits) return {};
  const int64_t stride = tmb::DibStride(dib.m_blockSize.cx, 1);
  if (stride <= 0 || dib.m_blockSize.cy <= 0) return {};
  return {dib.m_pBits, size_t(stride) * size_t(dib.m_blockSize.cy)};
}
