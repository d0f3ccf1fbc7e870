// A printed page for tests: a page size of its own, every transfer recorded with a copy
// of the block it put on the page, and a page that can refuse the transfers.
#pragma once

#include <cstring>
#include <vector>

#include "platform/gdi/bitmap_memory.h"
#include "platform/gdi/page_context.h"

namespace tmb::test {

class RecordingPage final : public PageContext {
 public:
  struct Transfer {
    Rect block;
    Size dest;
    PixelFormat format = PixelFormat::kColour32;
    Surface picture;  // a copy of the whole source as it was at the transfer
  };

  explicit RecordingPage(Size size) : size_(size) {}

  Size PageSize() const override { return size_; }
  bool StretchToPage(const Surface& source, const Rect& block, Size dest) override {
    if (refuse) return false;
    Transfer& t = transfers.emplace_back();
    t.block = block;
    t.dest = dest;
    t.format = source.format();
    // The copy is the test's, outside any budget the test set for the program.
    ScopedBitmapMemoryLimit lifted(kDefaultBitmapMemoryLimit);
    if (t.picture.Create(source.width(), source.height(), source.format())) {
      std::memcpy(t.picture.bits(), source.bits(), source.ByteSize());
    }
    return true;
  }

  bool refuse = false;
  std::vector<Transfer> transfers;

 private:
  Size size_;
};

}  // namespace tmb::test
