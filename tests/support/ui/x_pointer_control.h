// The X server's pointer control (acceleration above a threshold) as any program on the
// display sees it, for the tests that check what the program changed. It talks to the
// display only on Qt's xcb platform.
#pragma once

#include <ostream>

namespace tmb::test {

struct PointerControl {
  int numerator = 1;
  int denominator = 1;
  int threshold = 0;
  bool operator==(const PointerControl&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const PointerControl& c) {
  return out << c.numerator << "/" << c.denominator << " above " << c.threshold;
}

class XPointerControl {
 public:
  XPointerControl();
  ~XPointerControl();
  XPointerControl(const XPointerControl&) = delete;
  XPointerControl& operator=(const XPointerControl&) = delete;

  bool IsOpen() const { return display_ != nullptr; }
  PointerControl Read();
  void Write(const PointerControl& control);

 private:
  void* display_ = nullptr;
};

}  // namespace tmb::test
