#include "app/dummy_doc.h"

void CDummyDoc::SaveImageAs() {
  if (m_saveImage && m_saveImage()) SetModified(false);
}
