#include "platform/ui/screen_display_modes.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace tmb::ui {
namespace {

constexpr int kTrueColourBits = 24;
constexpr int kPaletteBits = 8;

}  // namespace

int ScreenDisplayModes::CurrentBitsPerPixel() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->depth() : 32;
}

int ScreenDisplayModes::LargestBitsPerPixel() { return std::max(CurrentBitsPerPixel(), kTrueColourBits); }

bool ScreenDisplayModes::IsPaletteDevice() { return CurrentBitsPerPixel() <= kPaletteBits; }

}  // namespace tmb::ui
