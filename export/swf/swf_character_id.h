// The character ids of the SWF movie under construction: every definition tag takes the
// next one when it is constructed, so a movie numbers its characters from 1.
#pragma once

#include <cstdint>

// The last id given out in the current movie (0: none yet).
extern uint16_t gSwfCharacterId;

// The next id; 0 once all 65,535 ids of the movie are taken (the counter never wraps, and a
// tag holding id 0 refuses to be written).
uint16_t NextCharacterId();
// Starts a new movie's numbering at 1.
void ResetCharacterIds();
