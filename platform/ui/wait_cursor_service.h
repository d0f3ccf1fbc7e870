// The wait cursor of the running program: the application's override cursor, nested.
#pragma once

#include "platform/service/wait_cursor.h"

namespace tmb::ui {

class WaitCursorService final : public CursorService {
 public:
  void BeginWait() override;
  void EndWait() override;
  int depth() const { return depth_; }

 private:
  int depth_ = 0;
};

}  // namespace tmb::ui
