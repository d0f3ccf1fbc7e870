// One-bit blocks for tests: a block owned by the test with a bitmap attached over the
// whole of it, its rows exactly as long as the bitmap needs (so that a read past them is
// caught by the sanitizers), and its ink written out as text: '#' ink, '.' background.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/onebit/mono_bitmap.h"

namespace tmb::test {

struct MonoBlock {
  MonoBlock(int width, int height);
  // A block of the lines' size with '#' as ink.
  explicit MonoBlock(const std::vector<std::string>& lines);
  MonoBlock(const MonoBlock& other);
  MonoBlock& operator=(const MonoBlock&) = delete;

  void Ink(int x, int y) { bitmap.SetBit(x, y, 0); }
  bool IsInk(int x, int y) const { return bitmap.TestBit(x, y) == 0; }
  // The rows as text, each ended by '\n'.
  std::string Text() const;

  std::vector<uint8_t> bits;
  CMonoBitmap bitmap;
};

}  // namespace tmb::test
