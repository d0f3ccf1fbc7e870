#include "platform/ui/x11_pointer_speed.h"

#include <QGuiApplication>
#include <QString>
#include <algorithm>
#include <cmath>

#include <X11/Xlib.h>

namespace tmb::ui {
namespace {

constexpr int kMinSpeed = 1;
constexpr int kMaxSpeed = 20;
constexpr int kUnchangedSpeed = 10;  // the speed of acceleration 1
constexpr int kAccelerationOne = 2;  // "twice as far" beyond the first threshold
constexpr int kAccelerationTwo = 4;  // "four times as far" beyond the second
constexpr int kSecondStageFirstThreshold = 4;

Display* Dpy(void* display) { return static_cast<Display*>(display); }

}  // namespace

X11PointerSpeed::X11PointerSpeed() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  display_ = XOpenDisplay(nullptr);
  if (display_) SetPointerSpeedService(this);
}

X11PointerSpeed::~X11PointerSpeed() {
  if (!display_) return;
  if (&PointerSpeed() == this) SetPointerSpeedService(nullptr);
  XCloseDisplay(Dpy(display_));
}

bool X11PointerSpeed::Read(Control& out) {
  if (!display_) return false;
  XGetPointerControl(Dpy(display_), &out.numerator, &out.denominator, &out.threshold);
  // A server that answers nonsense is taken as unaccelerated.
  if (out.numerator < 1 || out.denominator < 1) out.numerator = out.denominator = 1;
  out.threshold = std::max(out.threshold, 0);
  return true;
}

void X11PointerSpeed::Write(const Control& control, bool withThreshold) {
  if (!display_) return;
  XChangePointerControl(Dpy(display_), True, withThreshold ? True : False, control.numerator,
                        control.denominator, control.threshold);
  XSync(Dpy(display_), False);
}

bool X11PointerSpeed::GetMouseSpeed(int& out) {
  Control c;
  if (!Read(c)) return false;
  const double factor = double(c.numerator) / c.denominator;
  out = std::clamp(int(std::lround(factor * kUnchangedSpeed)), kMinSpeed, kMaxSpeed);
  read_ = c;
  speedRead_ = true;
  readSpeed_ = out;
  return true;
}

void X11PointerSpeed::SetMouseSpeed(int speed) {
  if (speedRead_ && speed == readSpeed_) {
    Write(read_, true);
    return;
  }
  // The speed is the acceleration in tenths; the user's threshold stays.
  Control c;
  c.numerator = std::clamp(speed, kMinSpeed, kMaxSpeed);
  c.denominator = kUnchangedSpeed;
  Write(c, false);
}

bool X11PointerSpeed::GetMouseThresholds(MouseThresholds& out) {
  Control c;
  if (!Read(c)) return false;
  // One threshold and one factor: a factor near 1 is no acceleration, near 2 the first
  // stage, from 3 up the second.
  const double factor = double(c.numerator) / c.denominator;
  if (factor < 1.5) {
    out = {c.threshold, 0, 0};
  } else if (factor < 3) {
    out = {c.threshold, 0, 1};
  } else {
    out = {kSecondStageFirstThreshold, c.threshold, 2};
  }
  read_ = c;
  thresholdsRead_ = true;
  readThresholds_ = out;
  return true;
}

void X11PointerSpeed::SetMouseThresholds(const MouseThresholds& t) {
  if (thresholdsRead_ && t == readThresholds_) {
    Write(read_, true);
    return;
  }
  Control c;
  if (t.acceleration >= 2) {
    c.numerator = kAccelerationTwo;
    c.threshold = std::max(t.threshold2, 0);
  } else {
    c.numerator = t.acceleration == 1 ? kAccelerationOne : 1;
    c.threshold = std::max(t.threshold1, 0);
  }
  Write(c, true);
}

}  // namespace tmb::ui
