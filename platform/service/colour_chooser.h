// The colour chooser: the desktop's colour dialog in full mode, opened on a colour that it
// also offers as its first custom colour. The UI installs the real dialog; tests script
// the answers.
#pragma once

#include "platform/gdi/geometry.h"

namespace tmb {

class ColourChooser {
 public:
  virtual ~ColourChooser() = default;
  // Shows the chooser on colour; true, with colour set to the choice, when confirmed.
  virtual bool ChooseColour(Colour& colour) = 0;
};

// The installed chooser; one that always reports a cancel until another is set.
ColourChooser& ColourChoosers();
void SetColourChooser(ColourChooser* chooser);

// Lets the user choose *colour; 1 when confirmed (colour changed), else 0 (unchanged).
int ChooseColour(Colour& colour);

}  // namespace tmb
