#include "platform/ui/colour_chooser_dialog.h"

#include <QApplication>
#include <QColorDialog>

namespace tmb::ui {

QColor ToQColor(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

Colour FromQColor(const QColor& colour) { return MakeRgb(colour.red(), colour.green(), colour.blue()); }

bool ColourChooserDialog::ChooseColour(Colour& colour) {
  const QColor current = ToQColor(colour);
  // The desktop's own dialog may not show custom colours: ours always does.
  QColorDialog::setCustomColor(0, current);
  QColorDialog dialog(current, QApplication::activeWindow());
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return false;
  colour = FromQColor(dialog.selectedColor());
  return true;
}

}  // namespace tmb::ui
