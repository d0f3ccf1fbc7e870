// A device context as the line sink that guide grids draw into.
#pragma once

#include "core/geometry/line_sink.h"
#include "platform/gdi/device_context.h"

class DcLineSink final : public LineSink {
 public:
  explicit DcLineSink(tmb::DeviceContext& dc) : dc_(dc) {}
  void MoveTo(int x, int y) override { dc_.MoveTo(x, y); }
  void LineTo(int x, int y) override { dc_.LineTo(x, y); }

 private:
  tmb::DeviceContext& dc_;
};
