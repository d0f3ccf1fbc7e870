// A clipboard for tests: holds one image and one text in memory, and every image it was
// given, installed for the life of the object.
#pragma once

#include <QImage>
#include <vector>

#include "platform/ui/clipboard.h"

namespace tmb::test {

class MemoryClipboard final : public ui::ClipboardService {
 public:
  MemoryClipboard() { ui::SetClipboardService(this); }
  ~MemoryClipboard() override { ui::SetClipboardService(nullptr); }
  MemoryClipboard(const MemoryClipboard&) = delete;
  MemoryClipboard& operator=(const MemoryClipboard&) = delete;

  void SetImage(const QImage& picture) override {
    image = picture;
    images.push_back(picture);
  }
  QImage Image() const override { return image; }
  QString Text() const override { return text; }
  void Clear() override {
    image = QImage();
    text.clear();
  }

  QImage image;
  QString text;
  std::vector<QImage> images;  // in the order they were set
};

}  // namespace tmb::test
