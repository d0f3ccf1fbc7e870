// A clipboard for tests: holds one image and one text in memory, installed for the life of the object.
#pragma once

#include <QImage>

#include "platform/ui/clipboard.h"

namespace tmb::test {

class MemoryClipboard final : public ui::ClipboardService {
 public:
  MemoryClipboard() { ui::SetClipboardService(this); }
  ~MemoryClipboard() override { ui::SetClipboardService(nullptr); }
  MemoryClipboard(const MemoryClipboard&) = delete;
  MemoryClipboard& operator=(const MemoryClipboard&) = delete;

  void SetImage(const QImage& picture) override { image = picture; }
  QImage Image() const override { return image; }
  QString Text() const override { return text; }
  void Clear() override {
    image = QImage();
    text.clear();
  }

  QImage image;
  QString text;
};

}  // namespace tmb::test
