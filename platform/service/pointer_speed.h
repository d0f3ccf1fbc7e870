// The machine's pointer speed in the two forms the program's presets are written in: the
// older thresholds-and-acceleration triple, and the speed of 1 (slowest) to 20 (fastest),
// 10 moving the pointer as far as the hand. The desktop installs the backend of its
// display; the default one has no pointer to change, so every call does nothing.
#pragma once

namespace tmb {

struct MouseThresholds {
  int threshold1 = 0;    // beyond this motion the pointer moves twice as far
  int threshold2 = 0;    // beyond this one four times as far (acceleration 2)
  int acceleration = 0;  // 0 none, 1 the first threshold, 2 both
  bool operator==(const MouseThresholds&) const = default;
};

class PointerSpeedService {
 public:
  virtual ~PointerSpeedService() = default;
  // Each read is false when there is no pointer to read (out is then as it was).
  virtual bool GetMouseThresholds(MouseThresholds& out) = 0;
  virtual void SetMouseThresholds(const MouseThresholds& thresholds) = 0;
  virtual bool GetMouseSpeed(int& out) = 0;
  virtual void SetMouseSpeed(int speed) = 0;
};

PointerSpeedService& PointerSpeed();
// Installs service (not owned); nullptr restores the backend without a pointer.
void SetPointerSpeedService(PointerSpeedService* service);

}  // namespace tmb
