// The two rendering words of a drawing view edited in dialog 147, as the brush renderer
// asks for them.
#pragma once

class CTmbView;

// Fills dialog 147 from view's two rendering words and runs it; unless it is cancelled,
// the pending mouse messages go, the words take the dialog's values, the brush outline of
// the view's character is rebuilt, the settings panel repaints at once and the view
// redraws in steps. Returns whether the dialog was confirmed.
bool EditShapeValues(CTmbView& view);
