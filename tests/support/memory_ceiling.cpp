#include "support/memory_ceiling.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace tmb::test {
namespace {

// The process's address space now, from the kernel's own count.
size_t AddressSpaceInUse() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmSize:") {
      size_t kib = 0;
      status >> kib;
      return kib * 1024;
    }
    status.ignore(1 << 12, '\n');
  }
  return 0;
}

}  // namespace

std::optional<int> RunUnderMemoryCeiling(size_t extraBytes, const std::function<int()>& work) {
  const pid_t child = fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    const rlimit limit{AddressSpaceInUse() + extraBytes, RLIM_INFINITY};
    if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(255);
    // _exit: the child leaves no test output, no leak report and no buffers of the parent.
    _exit((work() + 128) & 0xFF);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 255) return std::nullopt;
  return WEXITSTATUS(status) - 128;
}

}  // namespace tmb::test
