// What the views over the paper share: scroll bars that run over the whole scrolled size,
// and a window surface kept at the viewport's size.
#pragma once

#include <QSize>

#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

class QAbstractScrollArea;
class QWidget;

namespace tmb::ui {

// Sets area's scroll bars to show total pixels through its viewport, lineStep pixels per
// arrow click.
void SetPaperScrollRanges(QAbstractScrollArea& area, QSize total, int lineStep);
// The same after a resize: a view that showed the right end keeps showing it.
void RefitPaperScrollRanges(QAbstractScrollArea& area, QSize total, int lineStep);
// The viewport in logical coordinates (the scroll position added).
Rect VisibleRect(const QAbstractScrollArea& area);
// Makes surface a colour surface of size (none for an empty size); true when it was made
// anew, so everything on it must be drawn again.
bool FitSurfaceToSize(Surface& surface, QSize size);
// Paints surface on the top-left of widget (inside its paint event).
void ShowSurface(QWidget& widget, const Surface& surface);

}  // namespace tmb::ui
