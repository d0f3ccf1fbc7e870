// The memory contexts of a work path held for one drawing step: prepared on entry and
// released on every way out, unless an enclosing step had prepared them already.
#pragma once

#include "core/path/stroke_work.h"

class WorkDCScope {
 public:
  WorkDCScope(CStrokeWork& work, tmb::DeviceContext* pDC)
      : work_(work), releases_(work.m_bWorkDCsPrepared == 0), ready_(work.PrepareWorkDCs(pDC) != 0) {}
  ~WorkDCScope() {
    if (releases_) work_.ReleaseWorkDCs();
  }
  WorkDCScope(const WorkDCScope&) = delete;
  WorkDCScope& operator=(const WorkDCScope&) = delete;

  // False when the drawing is refused: no created brush state.
  explicit operator bool() const { return ready_; }
  // The context on the state's picture.
  tmb::DeviceContext& StateDC() const { return *work_.m_pWorkDC[1]; }

 private:
  CStrokeWork& work_;
  bool releases_;
  bool ready_;
};
