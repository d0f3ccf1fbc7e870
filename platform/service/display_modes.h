// What the drawing views ask of the display: the colour depth it shows now, the deepest
// it could show and whether it works through a palette. Window systems list no display
// modes any more, so the answers come from whoever is installed: the default is a
// true-colour display, the UI installs its screen's answers and tests install their own.
#pragma once

namespace tmb {

class DisplayModes {
 public:
  virtual ~DisplayModes() = default;
  // Bits per pixel of the display as it is set now.
  virtual int CurrentBitsPerPixel() { return 32; }
  // The largest bits per pixel among the modes the display offers.
  virtual int LargestBitsPerPixel() { return 32; }
  // Whether colours go through a palette (a display of 8 bits or fewer).
  virtual bool IsPaletteDevice() { return false; }
};

DisplayModes& Display();
// Installs modes (not owned); nullptr restores the true-colour default.
void SetDisplayModes(DisplayModes* modes);

}  // namespace tmb
