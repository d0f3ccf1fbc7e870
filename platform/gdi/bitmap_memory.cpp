#include "platform/gdi/bitmap_memory.h"

namespace tmb {
namespace {

size_t gInUse = 0;
size_t gLimit = kDefaultBitmapMemoryLimit;

}  // namespace

bool ReserveBitmapMemory(size_t bytes) {
  if (bytes > gLimit || gInUse > gLimit - bytes) return false;
  gInUse += bytes;
  return true;
}

void ReleaseBitmapMemory(size_t bytes) { gInUse = bytes > gInUse ? 0 : gInUse - bytes; }

size_t BitmapMemoryInUse() { return gInUse; }
size_t BitmapMemoryLimit() { return gLimit; }
void SetBitmapMemoryLimit(size_t bytes) { gLimit = bytes; }

}  // namespace tmb
