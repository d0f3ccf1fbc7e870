#include "convert/driver/label_font.h"

tmb::Font ConversionLabelFont(int height) {
  tmb::Font font;
  font.height = height;
  font.weight = 400;
  font.charSet = 128;
  font.pitchAndFamily = 0x30;
  font.faceName = "ＭＳ ゴシック";
  return font;
}
