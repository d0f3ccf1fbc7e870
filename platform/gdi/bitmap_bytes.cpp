#include "platform/gdi/bitmap_bytes.h"

#include <cstring>
#include <new>
#include <string>

#include "platform/gdi/bitmap_memory.h"

namespace tmb {
namespace {

Status Refused(size_t size) { return Status::Fail("not enough memory for " + std::to_string(size) + " pixel bytes"); }

}  // namespace

Status BitmapBytes::AllocateForOverwrite(size_t size) {
  Free();
  if (!ReserveBitmapMemory(size)) return Refused(size);
  bytes_.reset(new (std::nothrow) uint8_t[size == 0 ? 1 : size]);
  if (!bytes_) {
    ReleaseBitmapMemory(size);
    return Refused(size);
  }
  size_ = size;
  return Status::Ok();
}

Status BitmapBytes::Allocate(size_t size) {
  Status s = AllocateForOverwrite(size);
  if (s) std::memset(bytes_.get(), 0, size_);
  return s;
}

void BitmapBytes::Free() {
  if (!bytes_) return;
  bytes_.reset();
  ReleaseBitmapMemory(size_);
  size_ = 0;
}

}  // namespace tmb
