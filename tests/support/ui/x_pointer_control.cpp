#include "support/ui/x_pointer_control.h"

#include <QGuiApplication>
#include <QString>

#include <X11/Xlib.h>

namespace tmb::test {

XPointerControl::XPointerControl() {
  if (QGuiApplication::platformName() == QLatin1String("xcb")) display_ = XOpenDisplay(nullptr);
}

XPointerControl::~XPointerControl() {
  if (display_) XCloseDisplay(static_cast<Display*>(display_));
}

PointerControl XPointerControl::Read() {
  PointerControl c;
  if (display_) XGetPointerControl(static_cast<Display*>(display_), &c.numerator, &c.denominator, &c.threshold);
  return c;
}

void XPointerControl::Write(const PointerControl& c) {
  if (!display_) return;
  XChangePointerControl(static_cast<Display*>(display_), True, True, c.numerator, c.denominator, c.threshold);
  XSync(static_cast<Display*>(display_), False);
}

}  // namespace tmb::test
