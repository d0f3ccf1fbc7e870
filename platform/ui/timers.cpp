#include "platform/ui/timers.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <map>
#include <utility>

namespace tmb::ui {
namespace {

class EventLoopTimers final : public TimerService {
 public:
  void Set(const void* owner, int id, int milliseconds, std::function<void()> tick) override {
    Kill(owner, id);
    // The application object owns the timers, so none outlives the event loop.
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, std::move(tick));
    timer->start(milliseconds);
    timers_[{owner, id}] = timer;
  }
  void Kill(const void* owner, int id) override {
    auto it = timers_.find({owner, id});
    if (it == timers_.end()) return;
    delete it->second.data();
    timers_.erase(it);
  }
  bool IsSet(const void* owner, int id) const override {
    auto it = timers_.find({owner, id});
    return it != timers_.end() && it->second;
  }

 private:
  std::map<std::pair<const void*, int>, QPointer<QTimer>> timers_;
};

EventLoopTimers gEventLoop;
TimerService* gService = &gEventLoop;

}  // namespace

TimerService& Timers() { return *gService; }

void SetTimerService(TimerService* service) { gService = service ? service : &gEventLoop; }

}  // namespace tmb::ui
