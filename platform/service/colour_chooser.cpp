#include "platform/service/colour_chooser.h"

namespace tmb {
namespace {

class CancelAll final : public ColourChooser {
 public:
  bool ChooseColour(Colour&) override { return false; }
};

CancelAll gNone;
ColourChooser* gChooser = &gNone;

}  // namespace

ColourChooser& ColourChoosers() { return *gChooser; }

void SetColourChooser(ColourChooser* chooser) { gChooser = chooser ? chooser : &gNone; }

int ChooseColour(Colour& colour) {
  Colour chosen = colour;
  if (!ColourChoosers().ChooseColour(chosen)) return 0;
  colour = chosen;
  return 1;
}

}  // namespace tmb
