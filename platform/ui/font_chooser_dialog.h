// The font chooser of the running program: Qt's font dialog, opened on the current font.
#pragma once

#include <QFont>

#include "platform/service/font_chooser.h"

namespace tmb::ui {

// Between the system's font description and Qt's: face, pixel height, weight, italic,
// underline and strike-out; the rest of font stays as it was.
QFont ToQFont(const Font& font);
void TakeQFont(const QFont& chosen, Font& font);

class FontChooserDialog final : public FontChooser {
 public:
  bool ChooseFont(Font& font) override;
};

}  // namespace tmb::ui
