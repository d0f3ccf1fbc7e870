#include "platform/service/pointer_speed.h"

namespace tmb {
namespace {

class NoPointer final : public PointerSpeedService {
 public:
  bool GetMouseThresholds(MouseThresholds&) override { return false; }
  void SetMouseThresholds(const MouseThresholds&) override {}
  bool GetMouseSpeed(int&) override { return false; }
  void SetMouseSpeed(int) override {}
};

NoPointer gNoPointer;
PointerSpeedService* gService = &gNoPointer;

}  // namespace

PointerSpeedService& PointerSpeed() { return *gService; }

void SetPointerSpeedService(PointerSpeedService* service) { gService = service ? service : &gNoPointer; }

}  // namespace tmb
