// Window timers: a callback every so many milliseconds for an owner and a timer id, as
// the views use them (timer 1 every 5,000 ms). Tests install timers they fire by hand.
#pragma once

#include <functional>

namespace tmb::ui {

class TimerService {
 public:
  virtual ~TimerService() = default;
  // Starts (or restarts) timer id of owner.
  virtual void Set(const void* owner, int id, int milliseconds, std::function<void()> tick) = 0;
  virtual void Kill(const void* owner, int id) = 0;
  virtual bool IsSet(const void* owner, int id) const = 0;
};

// Timers of the event loop until another service is installed.
TimerService& Timers();
void SetTimerService(TimerService* service);

}  // namespace tmb::ui
