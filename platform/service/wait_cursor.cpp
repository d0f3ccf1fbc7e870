#include "platform/service/wait_cursor.h"

namespace tmb {
namespace {

class NoCursors final : public CursorService {
 public:
  void BeginWait() override {}
  void EndWait() override {}
};

NoCursors gNone;
CursorService* gService = &gNone;

}  // namespace

CursorService& Cursors() { return *gService; }

void SetCursorService(CursorService* service) { gService = service ? service : &gNone; }

}  // namespace tmb
