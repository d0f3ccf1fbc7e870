#include "core/canvas/work_canvas.h"

#include <string>

#include "core/onebit/trace_buffer.h"
#include "platform/service/messages.h"

CWorkCanvas gWorkCanvas;

namespace {

constexpr int kMsgCannotCreateWorkBitmaps = 62136;

}  // namespace

void CWorkCanvas::Init(int width, int height, const std::string& folder, int maxPoints, int originX,
                       int originY) {
  m_width = width;
  m_height = height;
  m_rect = {0, 0, width, height};
  m_ptOrigin = {originX, originY};
  for (CWorkBitmap& b : m_maskBitmaps) b.SetSizeToCreate(width, height);
  m_colorBitmap.SetSizeToCreate(width, height);
  m_spareBitmap.SetSizeToCreate(width, height);
  m_nScale = 4;
  m_scaledWidth = width * 4;
  m_scaledHeight = height * 4;
  m_scaledMaskBitmap.SetSizeToCreate(m_scaledWidth, m_scaledHeight);
  if (width < kMinColorWidth) m_colorBitmap.m_sizeCreate.cx = kMinColorWidth;
  if (height < kMinColorHeight) m_colorBitmap.m_sizeCreate.cy = kMinColorHeight;
  m_folder = folder;
  m_nMaxPoints = maxPoints;
}

int CWorkCanvas::CreateBitmaps(tmb::DeviceContext* pDC) {
  int failed = 0;
  for (CWorkBitmap& b : m_maskBitmaps) {
    if (b.Create(pDC, 0) < 0) {
      failed = 1;
      break;
    }
  }
  if (!failed && (m_colorBitmap.Create(pDC, 1) < 0 || m_spareBitmap.Create(pDC, 1) < 0)) failed = 2;
  m_pColorBitmap = &m_colorBitmap;
  if (!failed && m_scaledMaskBitmap.Create(pDC, 0) < 0) failed = 3;
  // The one-bit copies are made from the bitmaps; a copy already made counts as made.
  if (!failed) {
    for (CDib& dib : m_maskDibs) {
      if (!dib.m_bOwnsBlock && dib.CreateFromBitmap(pDC, &m_maskBitmaps[0], nullptr) < 0) {
        failed = 4;
        break;
      }
    }
  }
  if (!failed) {
    for (CDib& dib : m_scaledDibs) {
      if (!dib.m_bOwnsBlock && dib.CreateFromBitmap(pDC, &m_scaledMaskBitmap, nullptr) < 0) {
        failed = 5;
        break;
      }
    }
  }
  if (failed) tmb::ShowMessage(kMsgCannotCreateWorkBitmaps, tmb::kMsgOk, {std::to_string(failed)});
  gTraceBuffer.Allocate(m_nMaxPoints);
  return failed ? 0 : 1;
}

void CWorkCanvas::DeleteBitmaps() {
  for (CWorkBitmap& b : m_maskBitmaps) b.Destroy();
  m_colorBitmap.Destroy();
  m_scaledMaskBitmap.Destroy();
  m_spareBitmap.Destroy();
  for (CDib& dib : m_maskDibs) dib.FreeBits();
  for (CDib& dib : m_scaledDibs) dib.FreeBits();
  gTraceBuffer.Free();
}

void CWorkCanvas::Reset() {
  DeleteBitmaps();
  m_nMaxPoints = 32000;
  m_width = 500;
  m_height = 750;
  m_scaledWidth = 2000;
  m_scaledHeight = 3000;
  m_rect = {0, 0, 500, 750};
  for (CWorkBitmap& b : m_maskBitmaps) b.SetSizeToCreate(0, 0);
  m_colorBitmap.SetSizeToCreate(0, 0);
  m_scaledMaskBitmap.SetSizeToCreate(0, 0);
  m_spareBitmap.SetSizeToCreate(0, 0);
  m_pColorBitmap = nullptr;
  m_ptOrigin = {32, 32};
  m_nScale = 4;
  m_nTraceLevel = 400;
  m_bFlagA = 0;
  m_bTabletPC = 0;
  m_bInkActive = 0;
  m_nInkValue = 0;
  m_folder.clear();
  m_text.clear();
}
