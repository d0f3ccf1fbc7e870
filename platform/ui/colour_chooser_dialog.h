// The colour chooser of the running program: Qt's colour dialog, opened on the current
// colour, which it also offers as custom colour 0.
#pragma once

#include <QColor>

#include "platform/service/colour_chooser.h"

namespace tmb::ui {

// Between the system's colours (red in the low byte) and Qt's.
QColor ToQColor(Colour colour);
Colour FromQColor(const QColor& colour);

class ColourChooserDialog final : public ColourChooser {
 public:
  bool ChooseColour(Colour& colour) override;
};

}  // namespace tmb::ui
