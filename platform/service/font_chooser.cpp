#include "platform/service/font_chooser.h"

namespace tmb {
namespace {

class CancelAll final : public FontChooser {
 public:
  bool ChooseFont(Font&) override { return false; }
};

CancelAll gNone;
FontChooser* gChooser = &gNone;

}  // namespace

FontChooser& FontChoosers() { return *gChooser; }

void SetFontChooser(FontChooser* chooser) { gChooser = chooser ? chooser : &gNone; }

int ChooseFont(Font& font) {
  Font chosen = font;
  if (!FontChoosers().ChooseFont(chosen)) return 0;
  font = chosen;
  return 1;
}

}  // namespace tmb
