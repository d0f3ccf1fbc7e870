// Keeps the pen and brush of a device context while a drawing routine selects its own,
// and puts them back when the routine leaves.
#pragma once

#include "platform/gdi/device_context.h"

class SavedTools {
 public:
  explicit SavedTools(tmb::DeviceContext* pDC) : dc_(pDC), pen_(pDC->pen()), brush_(pDC->brush()) {}
  ~SavedTools() {
    dc_->SelectPen(pen_);
    dc_->SelectBrush(brush_);
  }
  SavedTools(const SavedTools&) = delete;
  SavedTools& operator=(const SavedTools&) = delete;

 private:
  tmb::DeviceContext* dc_;
  tmb::Pen pen_;
  tmb::Brush brush_;
};
