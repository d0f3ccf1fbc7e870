// The image editor's single effects: the numbered effect the view holds run on its
// selected area, the colour change chosen in its dialog and the scaling of the area. The
// editor's commands call these; each saves the picture for undo and marks it changed.
#pragma once

class CBmpView;

// Runs the view's effect number on its selected area (the whole-paper colour change, 56,
// on the whole canvas), then copies the area into the clip buffer. 0 without an area
// (the user is told), else 1.
int RunImageEffect(CBmpView& view);
// The colour-change dialog, then the effect of the button that closed it. 0 when
// cancelled or closed without a change button.
int ChangeImageColours(CBmpView& view);
// The scaling dialog, then the scaling it chose on the selected area. 0 when cancelled
// or without an area.
int ScaleImageArea(CBmpView& view);

// The effect a change button of the colour-change dialog runs (setChoice picks among the
// channel changes of button 5); 0 for no button.
int ColourChangeEffect(int button, int setChoice);
