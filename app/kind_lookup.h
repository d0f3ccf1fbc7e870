// Window kinds to documents and views. Kind -1 is the current drawing window: window B
// whenever the current drawing kind is non-zero, else window A, for both lookups alike.
#pragma once

#include "app/tmb_document.h"

namespace tmb::ui {
class View;
}

// With one shared document every kind gets it; otherwise kinds 0 and 2 their own
// document, 5, 6 and -1 that of the current drawing window, 1 and 7 the image editor's,
// 3 the preview's, 4 its own. Null when that document was never opened or is closed.
tmb::ui::Document* GetDocumentOfKind(int kind);
// The character document of kind; null when there is none or it holds no characters.
CTmbDocument* GetCharDocumentOfKind(int kind);
// The view of kind in the main window; null (after a beep for most kinds) when none.
tmb::ui::View* GetViewOfKind(int kind);
