// The font chooser: the desktop's font dialog opened on a font (the standard font dialog
// with its effects). The UI installs the real dialog; tests script the answers.
#pragma once

#include "platform/gdi/font.h"

namespace tmb {

class FontChooser {
 public:
  virtual ~FontChooser() = default;
  // Shows the chooser on font; true, with font set to the choice, when confirmed.
  virtual bool ChooseFont(Font& font) = 0;
};

// The installed chooser; one that always reports a cancel until another is set.
FontChooser& FontChoosers();
void SetFontChooser(FontChooser* chooser);

// Lets the user choose *font; 1 when confirmed (font changed), else 0 (unchanged).
int ChooseFont(Font& font);

}  // namespace tmb
