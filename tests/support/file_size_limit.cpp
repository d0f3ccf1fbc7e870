#include "support/file_size_limit.h"

namespace tmb::test {

ScopedFileSizeLimit::ScopedFileSizeLimit(size_t bytes) {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGXFSZ, &ignore, &oldAction_);
  getrlimit(RLIMIT_FSIZE, &oldLimit_);
  rlimit small = oldLimit_;
  small.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &small);
}

ScopedFileSizeLimit::~ScopedFileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &oldLimit_);
  sigaction(SIGXFSZ, &oldAction_, nullptr);
}

}  // namespace tmb::test
