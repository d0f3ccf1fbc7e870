// The hook through which the style commands reach the drawing view's popup menu: whoever
// holds the style definitions installs a filler; without one the style popup stays empty.
#pragma once

#include <functional>

class QMenu;

using StyleMenuFiller = std::function<void(QMenu& menu)>;

void SetStyleMenuFiller(StyleMenuFiller filler);
// Fills menu with the style commands (nothing while no filler is installed).
void FillStyleMenu(QMenu& menu);

class CCharDataFull;

// What the frame-part commands of the edit-mode menu may act on: the record has edit
// rectangles, it holds a saved part, and both.
extern int gRegionsExist;
extern int gSavedPartExists;
extern int gRegionsAndSaved;
// The three flags from rec.
void NoteFramePartFlags(const CCharDataFull& rec);
