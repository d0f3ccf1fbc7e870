#include "platform/gdi/bitmap_bytes.h"

#include <new>

#include "platform/gdi/bitmap_memory.h"

namespace tmb {

bool BitmapBytes::Allocate(size_t size) {
  Free();
  if (!ReserveBitmapMemory(size)) return false;
  bytes_.reset(new (std::nothrow) uint8_t[size == 0 ? 1 : size]);
  if (!bytes_) {
    ReleaseBitmapMemory(size);
    return false;
  }
  size_ = size;
  return true;
}

void BitmapBytes::Free() {
  if (!bytes_) return;
  bytes_.reset();
  ReleaseBitmapMemory(size_);
  size_ = 0;
}

}  // namespace tmb
