// Window timers that tests fire by hand, installed for the life of the object.
#pragma once

#include <functional>
#include <map>
#include <utility>

#include "platform/ui/timers.h"

namespace tmb::test {

class ManualTimers final : public ui::TimerService {
 public:
  ManualTimers() { ui::SetTimerService(this); }
  ~ManualTimers() override { ui::SetTimerService(nullptr); }
  ManualTimers(const ManualTimers&) = delete;
  ManualTimers& operator=(const ManualTimers&) = delete;

  void Set(const void* owner, int id, int milliseconds, std::function<void()> tick) override {
    timers_[{owner, id}] = {milliseconds, std::move(tick)};
  }
  void Kill(const void* owner, int id) override { timers_.erase({owner, id}); }
  bool IsSet(const void* owner, int id) const override { return timers_.count({owner, id}) != 0; }
  // The period timer id of owner was set with; 0 when it is not set.
  int PeriodOf(const void* owner, int id) const {
    auto it = timers_.find({owner, id});
    return it == timers_.end() ? 0 : it->second.first;
  }
  // One tick of timer id of owner; false when it is not set.
  bool Fire(const void* owner, int id) {
    auto it = timers_.find({owner, id});
    if (it == timers_.end()) return false;
    std::function<void()> tick = it->second.second;
    tick();
    return true;
  }

 private:
  std::map<std::pair<const void*, int>, std::pair<int, std::function<void()>>> timers_;
};

}  // namespace tmb::test
