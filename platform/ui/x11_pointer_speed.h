// The pointer speed of an X11 desktop, read and changed through the X server's pointer
// control (an acceleration above a motion threshold). It installs itself only on Qt's
// xcb platform with a display to talk to; elsewhere (Wayland, offscreen) the backend
// without a pointer stays and the pointer-speed calls do nothing.
#pragma once

#include "platform/service/pointer_speed.h"

namespace tmb::ui {

class X11PointerSpeed final : public PointerSpeedService {
 public:
  X11PointerSpeed();
  ~X11PointerSpeed() override;
  X11PointerSpeed(const X11PointerSpeed&) = delete;
  X11PointerSpeed& operator=(const X11PointerSpeed&) = delete;

  bool IsInstalled() const { return display_ != nullptr; }

  bool GetMouseThresholds(MouseThresholds& out) override;
  void SetMouseThresholds(const MouseThresholds& thresholds) override;
  bool GetMouseSpeed(int& out) override;
  void SetMouseSpeed(int speed) override;

 private:
  struct Control {
    int numerator = 1;
    int denominator = 1;
    int threshold = 0;
  };
  bool Read(Control& out);
  void Write(const Control& control, bool withThreshold);

  void* display_ = nullptr;  // the Display, kept out of this header with Xlib's names
  // The control last read and what it was given as, so that handing the same value back
  // puts back the very control the user had, not an approximation of it.
  Control read_;
  bool speedRead_ = false;
  int readSpeed_ = 0;
  bool thresholdsRead_ = false;
  MouseThresholds readThresholds_;
};

}  // namespace tmb::ui
