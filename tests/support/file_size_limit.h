// A disk that takes only a little, for the life of the object: writes that would make a
// file larger than the limit fail (the process limit on file sizes, with its signal
// ignored), so tests can see what a save does when the disk fills part way.
#pragma once

#include <csignal>
#include <cstddef>
#include <sys/resource.h>

namespace tmb::test {

class ScopedFileSizeLimit {
 public:
  explicit ScopedFileSizeLimit(size_t bytes);
  ~ScopedFileSizeLimit();
  ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
  ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

 private:
  struct sigaction oldAction_ {};
  rlimit oldLimit_{};
};

}  // namespace tmb::test
