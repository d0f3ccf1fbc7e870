// An off-screen work bitmap that knows the size it is to be made with and whether it has
// been made: the canvas sizes its bitmaps at start-up and creates them later.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

class CWorkBitmap : public tmb::Surface {
 public:
  // Makes the bitmap at its size to create: compatible with pDC when colour is 1, else
  // monochrome. Returns 2 when it is already made, 1 when made now, -1 on failure.
  int Create(tmb::DeviceContext* pDC, int colour);
  // Deletes a made bitmap: 1, or 0 when there was none.
  int Destroy();
  void SetSizeToCreate(int width, int height) { m_sizeCreate = {width, height}; }

  tmb::Size m_size{};        // the size it was made with; zero until made
  tmb::Size m_sizeCreate{};  // the size to make it with
  int m_bCreated = 0;
  int m_nSpare = 0;
};
