#include "imageedit/editor/shown_editor.h"

namespace {

CBmpView* gShown = nullptr;

}  // namespace

CBmpView* ShownImageEditor() { return gShown; }

void InstallShownImageEditor(CBmpView* editor) { gShown = editor; }
