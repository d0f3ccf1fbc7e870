#include "export/swf/swf_character_id.h"

uint16_t gSwfCharacterId = 0;

uint16_t NextCharacterId() {
  if (gSwfCharacterId == UINT16_MAX) return 0;
  return ++gSwfCharacterId;
}

void ResetCharacterIds() { gSwfCharacterId = 0; }
