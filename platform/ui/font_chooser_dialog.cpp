#include "platform/ui/font_chooser_dialog.h"

#include <QApplication>
#include <QFontDialog>
#include <algorithm>
#include <cstdlib>

namespace tmb::ui {
namespace {

// Qt takes weights of 1 to 1000, on the same scale as the system's.
constexpr int kMinWeight = 1;
constexpr int kMaxWeight = 1000;
constexpr int kDefaultWeight = 400;

}  // namespace

QFont ToQFont(const Font& font) {
  QFont q(QString::fromStdString(font.faceName));
  if (font.height != 0) q.setPixelSize(std::abs(font.height));
  q.setWeight(QFont::Weight(std::clamp(font.weight > 0 ? font.weight : kDefaultWeight, kMinWeight, kMaxWeight)));
  q.setItalic(font.italic);
  q.setUnderline(font.underline);
  q.setStrikeOut(font.strikeOut);
  return q;
}

void TakeQFont(const QFont& chosen, Font& font) {
  font.faceName = chosen.family().toStdString();
  // A negative height names the character height, as the chooser shows it.
  if (chosen.pixelSize() > 0) font.height = -chosen.pixelSize();
  font.weight = chosen.weight();
  font.italic = chosen.italic();
  font.underline = chosen.underline();
  font.strikeOut = chosen.strikeOut();
}

bool FontChooserDialog::ChooseFont(Font& font) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, ToQFont(font), QApplication::activeWindow());
  if (!ok) return false;
  TakeQFont(chosen, font);
  return true;
}

}  // namespace tmb::ui
