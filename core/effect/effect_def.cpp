#include "core/effect/effect_def.h"

#include "core/canvas/work_canvas.h"

CEffectDef::CEffectDef() { SetDefaults(); }

// Construction leaves the shared dialogs alone: every character record holds a definition,
// and a record made for a moment (a file being read) must not put its defaults over the
// colours the user chose there.
void CEffectDef::SetDefaults() {
  m_nEntries = 0;
  m_crPaper = 0xFFFFFF;
  m_nColourSource = 0;
  m_colour1[kEffectColourBack] = 0xFFFFFF;
  m_colour1[kEffectColourPaper] = 0xFFFFFF;
  m_colour1[kEffectColourOutline] = 0xC0FFC0;
  m_colour1[kEffectColourRelief] = 0x608060;
  m_colour1[kEffectColourStone] = 0x404040;
  m_colour1[kEffectColourGrade1] = 0xFF00FF;
  m_colour1[kEffectColourGrade2] = 0x00FF80;
  m_colour1[67] = 0;
  m_exchange = {};
}

void CEffectDef::ResetDefaults() {
  SetDefaults();
  PushColoursToDialogs();
}

int CEffectDef::SetFile(const std::string& file, int colourSource) {
  ApplyDetailValues();
  m_region = {0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height};
  m_strFile = file;
  m_nColourSource = colourSource;
  Parse();
  return 1;
}

void CEffectDef::CopyFrom(const CEffectDef& other) {
  if (&other == this) return;
  m_nEntries = other.m_nEntries;
  m_entries = other.m_entries;
  m_nDroppedEntries = other.m_nDroppedEntries;
  m_region = other.m_region;
  m_nCurrentEffect = other.m_nCurrentEffect;
  m_crPaper = other.m_crPaper;
  m_nColourSource = other.m_nColourSource;
  m_ptSample = other.m_ptSample;
  m_script = other.m_script;
  m_value1 = other.m_value1;
  m_value2 = other.m_value2;
  m_flagA = other.m_flagA;
  m_flagBG = other.m_flagBG;
  m_flagT = other.m_flagT;
  m_colour1 = other.m_colour1;
  m_colour2 = other.m_colour2;
}
