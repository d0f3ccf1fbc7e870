// Runs a piece of work in a child process whose address space may grow only by a given
// number of bytes beyond what the test holds when it starts, so a test can show that a
// reader refuses a hostile file without ever taking gigabytes: an allocation beyond the
// ceiling fails (or, under the sanitizers, kills the child) instead of being handed out
// untouched, as Linux otherwise does.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>

namespace tmb::test {

constexpr size_t kReaderMemoryCeiling = size_t(64) << 20;

// The work's result (-128 to 126), or nothing when the child did not end by returning
// from the work (killed, aborted, or the fork failed).
std::optional<int> RunUnderMemoryCeiling(size_t extraBytes, const std::function<int()>& work);

}  // namespace tmb::test
