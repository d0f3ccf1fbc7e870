// How much of a file lies after its position: readers hold every count they take from a
// file against it before they trust the count.
#pragma once

#include <cstdint>

#include "platform/file/binary_file.h"

// 0 when the file cannot tell its size or position.
inline int64_t BytesLeft(const tmb::BinaryFile& file) {
  const int64_t size = file.Size();
  const int64_t pos = file.Tell();
  return size < 0 || pos < 0 || pos > size ? 0 : size - pos;
}
