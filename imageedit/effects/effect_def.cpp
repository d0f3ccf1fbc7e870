#include "imageedit/effects/effect_def.h"

int CEffectDef::SetFile(const std::string& file, int colourSource) {
  m_strFile = file;
  m_nColourSource = colourSource;
  return 1;
}

void CEffectDef::CopyFrom(const CEffectDef& other) {
  if (&other == this) return;
  *this = other;
}
