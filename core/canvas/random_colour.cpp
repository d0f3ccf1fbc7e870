#include "core/canvas/random_colour.h"

#include <cstdlib>
#include <ctime>

int gRandomSeeded = 0;

void PickRandomColourPair(tmb::Colour& colour, tmb::Colour& complement) {
  if (!gRandomSeeded) {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    gRandomSeeded = 1;
  }
  int r = 0, g = 0, b = 0;
  do {
    r = std::rand() % 255;
    g = std::rand() % 255;
    b = std::rand() % 255;
  } while (!(std::abs(r - g) > 64 || std::abs(r - b) >= 65));
  colour = tmb::MakeRgb(r, g, b);
  complement = tmb::MakeRgb(255 - r, 255 - g, 255 - b);
}
