#include "app/dummy_doc.h"

bool CDummyDoc::SaveImageAs() {
  if (!m_saveImage || !m_saveImage()) return false;
  SetModified(false);
  return true;
}
