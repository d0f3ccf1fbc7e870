// Checks of the GIF files we write: the trusted tools run on them (gifsicle, giflib's
// gif2rgb), and a reading of LZW image data that lists every code with its width, so a
// test can see the code size grow and the clear codes come.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace tmb::test {

struct ToolRun {
  int exitCode = -1;
  std::string output;  // standard output and error together
};

// Whether a program of that name is on the search path.
bool ToolInstalled(const std::string& name);
// Runs a shell command and collects what it prints.
ToolRun RunTool(const std::string& command);

// A GIF decoded by gif2rgb: its first image's pixels as red, green, blue triples, top row
// first; empty when gif2rgb refused the file (why says what it printed).
std::vector<uint8_t> DecodeWithGif2Rgb(const std::filesystem::path& gif, std::string& why);

// A 24-bit picture as bitmap rows (bottom row first, blue, green, red, rows padded to 4
// bytes) from the colour (COLORREF) of each pixel, y = 0 being the top row.
std::vector<uint8_t> BitmapRows24(int width, int height, const std::function<uint32_t(int x, int y)>& colourAt);
// The colour of pixel (x, y) of such rows.
uint32_t BitmapRowsColour(std::span<const uint8_t> rows, int width, int height, int x, int y);

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
