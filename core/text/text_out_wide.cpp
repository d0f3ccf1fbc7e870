#include "core/text/text_out_wide.h"

bool TextOutWide(tmb::DeviceContext* pDC, int x, int y, std::u16string_view text) {
  return pDC && pDC->TextOut(x, y, text);
}
