// The millisecond clock that times pen samples and idle releases. The default reads the
// system's steady clock; tests install a clock they move by hand.
#pragma once

#include <cstdint>

namespace tmb {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; wraps like a 32-bit tick count.
  virtual uint32_t Milliseconds() = 0;
};

Clock& SystemClock();
// Installs clock (not owned); nullptr restores the steady clock.
void SetClock(Clock* clock);
inline uint32_t TickCount() { return SystemClock().Milliseconds(); }

}  // namespace tmb
