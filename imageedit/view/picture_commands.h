// The picture commands that work on any window: save a window's picture as a file, and
// send it to the clipboard. Window kinds: -1 the current drawing window, 0 and 2 the
// drawing windows, 1 the image editor, 3 the preview.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

// The picture of window kind; null when that window has none.
tmb::Surface* WindowPictureOfKind(int kind);
// The block of that picture its region names (the current rectangle of a drawing
// window's document, the editor's region).
tmb::Rect WindowRegionOfKind(int kind);

// The save dialog and the save of kind's picture (whole or region by the drawing state's
// save range) as BMP, JPEG, PNG or GIF by the name's extension; a drawing window's
// character also as an SWF movie or an SVG picture of its outlines (62047 when that save
// fails), while the other windows beep for those. True when the file was written; a
// failed save leaves any earlier file as it was.
bool SaveImageAs(int kind);
// Puts kind's picture (whole, or the block of its region) on the clipboard. A window
// without a picture, or an empty block, beeps and changes nothing.
void SendImageToClipboard(int kind, int whole);
