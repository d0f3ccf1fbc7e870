// A clipboard held in memory for tests: what the program put there, and how often.
#pragma once

#include <QImage>

#include "platform/ui/clipboard.h"

namespace tmb::test {

class MemoryClipboard final : public ui::ClipboardService {
 public:
  MemoryClipboard() { ui::SetClipboardService(this); }
  ~MemoryClipboard() override { ui::SetClipboardService(nullptr); }

  void SetImage(const QImage& image) override {
    image_ = image;
    ++puts;
  }
  QImage Image() const override { return image_; }
  void Clear() override { image_ = QImage(); }

  int puts = 0;

 private:
  QImage image_;
};

}  // namespace tmb::test
