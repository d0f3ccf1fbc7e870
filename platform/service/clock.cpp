#include "platform/service/clock.h"

#include <chrono>

namespace tmb {
namespace {

class SteadyClock final : public Clock {
 public:
  uint32_t Milliseconds() override {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
  }
};

SteadyClock gSteady;
Clock* gClock = &gSteady;

}  // namespace

Clock& SystemClock() { return *gClock; }

void SetClock(Clock* clock) { gClock = clock ? clock : &gSteady; }

}  // namespace tmb
