#include "platform/service/progress.h"

namespace tmb {
namespace {

class NoProgress final : public ProgressService {
 public:
  void SetPos(int) override {}
};

NoProgress gNone;
ProgressService* gService = &gNone;

}  // namespace

ProgressService& Progress() { return *gService; }

void SetProgressService(ProgressService* service) { gService = service ? service : &gNone; }

}  // namespace tmb
