#include "core/canvas/work_bitmap.h"

int CWorkBitmap::Create(tmb::DeviceContext* pDC, int colour) {
  if (m_bCreated) return 2;
  const tmb::PixelFormat format =
      colour == 1 ? (pDC ? pDC->CompatibleFormat() : tmb::PixelFormat::kColour32) : tmb::PixelFormat::kMono1;
  if (!tmb::Surface::Create(m_sizeCreate.cx, m_sizeCreate.cy, format)) return -1;
  m_size = m_sizeCreate;
  m_bCreated = 1;
  return 1;
}

int CWorkBitmap::Destroy() {
  if (!m_bCreated) return 0;
  tmb::Surface::Destroy();
  m_bCreated = 0;
  m_size = {};
  return 1;
}
