// A disk that takes only a little, for tests of failed saves: while an object lives,
// writing a file past the given size fails (the signal that would end the process is
// ignored meanwhile).
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace tmb::test {

class SmallDisk {
 public:
  explicit SmallDisk(rlim_t bytes) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &oldAction_);
    getrlimit(RLIMIT_FSIZE, &oldLimit_);
    rlimit small = oldLimit_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~SmallDisk() {
    setrlimit(RLIMIT_FSIZE, &oldLimit_);
    sigaction(SIGXFSZ, &oldAction_, nullptr);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

 private:
  struct sigaction oldAction_ {};
  rlimit oldLimit_{};
};

}  // namespace tmb::test
