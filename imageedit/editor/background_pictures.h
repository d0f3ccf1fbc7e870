// The background pictures a character file carries: read from the files their record
// names into the canvas's colour bitmap, from which the image editor takes them.
#pragma once

#include "platform/gdi/geometry.h"

class CCharDataFull;

// Reads background picture which (0 or 1), named by text 3 or 4 of record, into the
// canvas's colour bitmap at (0, 0), cut to it; size receives the size read. Clears the
// picture's pending bit of the record whatever the outcome. Returns the reader's result
// (a PictureReadResult); kPictureNotOpened for no name or no colour bitmap.
int ReadBackgroundPicture(CCharDataFull& record, int which, tmb::Size& size);
