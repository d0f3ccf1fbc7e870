// Paths and command-line values are held in strings of any length, but a value longer
// than any path the system can open is refused with a message instead of being used.
#pragma once

#include <cstddef>
#include <string>

// The longest path the file system accepts (PATH_MAX), in bytes of UTF-8.
constexpr size_t kMaxPathBytes = 4096;

// True when value fits; otherwise shows 61511 with the value and returns false.
bool AcceptPathValue(const std::string& value);
