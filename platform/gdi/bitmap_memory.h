// The budget of memory that bitmaps and bitmap blocks may hold. Every surface and every
// packed bitmap block reserves its bytes here, so that a bitmap that cannot be made fails
// cleanly instead of exhausting memory, and tests can make creation fail on purpose.
#pragma once

#include <cstddef>

namespace tmb {

// Reserves bytes; false (and nothing reserved) when they would pass the limit.
bool ReserveBitmapMemory(size_t bytes);
void ReleaseBitmapMemory(size_t bytes);

// Bytes held now by all bitmaps.
size_t BitmapMemoryInUse();

// The most all bitmaps together may hold (default: 4 GiB).
size_t BitmapMemoryLimit();
void SetBitmapMemoryLimit(size_t bytes);
constexpr size_t kDefaultBitmapMemoryLimit = size_t(4) << 30;

// Sets a limit for the life of the object and restores the previous one (for tests).
class ScopedBitmapMemoryLimit {
 public:
  explicit ScopedBitmapMemoryLimit(size_t bytes) : previous_(BitmapMemoryLimit()) {
    SetBitmapMemoryLimit(bytes);
  }
  ~ScopedBitmapMemoryLimit() { SetBitmapMemoryLimit(previous_); }
  ScopedBitmapMemoryLimit(const ScopedBitmapMemoryLimit&) = delete;
  ScopedBitmapMemoryLimit& operator=(const ScopedBitmapMemoryLimit&) = delete;

 private:
  size_t previous_;
};

}  // namespace tmb
