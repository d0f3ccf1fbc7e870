// Checks of the GIF files we write: the trusted tools run on them (gifsicle, giflib's
// gif2rgb), and a reading of LZW image data that lists every code with its width, so a
// test can see the code size grow and the clear codes come.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "support/bitmap_rows.h"
#include "support/checking_tool.h"

namespace tmb::test {

// What gifsicle --info tells of a GIF: how it ended and what it printed, its image count
// (-1 where it names none), its loop count and its delays.
struct GifInfo {
  int exitCode = -1;
  std::string output;
  int images = -1;
  std::string loop;
  std::vector<std::string> delays;
};
GifInfo GifsicleInfo(const std::filesystem::path& gif);

// A GIF decoded by gif2rgb: its first image's pixels as red, green, blue triples, top row
// first; empty when gif2rgb refused the file (why says what it printed).
std::vector<uint8_t> DecodeWithGif2Rgb(const std::filesystem::path& gif, std::string& why);

// LZW image data read code by code, as a decoder reads it.
struct GifLzwTrace {
  int minimumCodeSize = 0;
  std::vector<int> blockLengths;        // the data sub-blocks, without the terminator
  std::vector<int> codes;
  std::vector<int> widths;              // the width each code was read at
  bool ended = false;                   // the end code came, and nothing but padding after it
  size_t endFirstBit = 0;               // where the end code lies in the data bytes
  size_t endLastBit = 0;
  bool terminated = false;              // a zero-length block closed the data
  size_t size = 0;                      // bytes of image data read, terminator included
  int Clears() const;
  int WidestCode() const;
};

// Reads image data from its minimum code size byte on.
GifLzwTrace TraceGifLzw(std::span<const uint8_t> data);

}  // namespace tmb::test
