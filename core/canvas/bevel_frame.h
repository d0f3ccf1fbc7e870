// Bevelled frames: a raised or sunken frame painted from four trapezoid regions around a
// rectangle, and a flat push button drawn with one.
#pragma once

#include <string>

#include "platform/gdi/device_context.h"
#include "platform/gdi/font.h"
#include "platform/gdi/geometry.h"

// The colours of a frame's four sides and of its face.
struct FrameColours {
  tmb::Colour top = 0xFFFFFF;
  tmb::Colour left = 0xFFFFFF;
  tmb::Colour bottom = 0x808080;
  tmb::Colour right = 0x808080;
  tmb::Colour face = 0xC0C0C0;
};

// Paints a frame width wide around (left, top)-(right, bottom): outer corners grown by
// width, inner corners the rectangle's (sunken: grown by width - inset at the top left
// and width - 1 at the bottom right). Unless skipFace, the rectangle is first filled with
// the face colour; then the left and top sides, then the right and bottom ones.
void FillFrameRegions(tmb::DeviceContext* pDC, int left, int top, int right, int bottom, int width, int inset,
                      int sunken, int skipFace, const FrameColours& colours);

// A flat push button.
struct CFlatButton {
  tmb::Point outer1{}, outer2{};  // the outer rectangle's corners
  tmb::Rect inner{};
  tmb::Point textOrigin{};
  int bevel = 2;
  int inset = 1;  // how far the face moves while pressed
  std::u16string text;
  tmb::Font font{};
  tmb::Colour textColour = 0x000000;
  tmb::Colour light = 0xFFFFFF;
  tmb::Colour dark = 0x808080;
  tmb::Colour face = 0xC0C0C0;
  int pressed = 0;

  // Draws the face, its frame (the text colour while highlight, else grey), the bevel
  // (sunken while pressed) and the text, restoring the context's font.
  void DrawFlatButton(tmb::DeviceContext* pDC, int highlight) const;
};
