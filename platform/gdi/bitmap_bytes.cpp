#include "platform/gdi/bitmap_bytes.h"

#include <new>
#include <string>

#include "platform/gdi/bitmap_memory.h"

namespace tmb {

Status BitmapBytes::Allocate(size_t size) {
  Free();
  if (!ReserveBitmapMemory(size)) return Status::Fail("not enough memory for " + std::to_string(size) + " pixel bytes");
  try {
    bytes_.assign(size, 0);
  } catch (const std::bad_alloc&) {
    ReleaseBitmapMemory(size);
    return Status::Fail("not enough memory for " + std::to_string(size) + " pixel bytes");
  }
  return Status::Ok();
}

void BitmapBytes::Free() {
  ReleaseBitmapMemory(bytes_.size());
  std::vector<uint8_t>().swap(bytes_);
}

}  // namespace tmb
