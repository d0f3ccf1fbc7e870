// A millisecond clock that tests move by hand, installed for the life of the object.
#pragma once

#include <cstdint>

#include "platform/service/clock.h"

namespace tmb::test {

class ManualClock final : public Clock {
 public:
  ManualClock() { SetClock(this); }
  ~ManualClock() override { SetClock(nullptr); }
  ManualClock(const ManualClock&) = delete;
  ManualClock& operator=(const ManualClock&) = delete;

  uint32_t Milliseconds() override { return now; }
  void Advance(uint32_t ms) { now += ms; }

  uint32_t now = 100000;
};

}  // namespace tmb::test
