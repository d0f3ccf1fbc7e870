// BMP files of the kinds image editors write, made by ImageMagick's convert (and ffmpeg
// for the plain 16-bit kind convert does not write) from one small test picture, with
// convert's own PNG of the same picture to compare a reading against.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "platform/gdi/surface.h"

namespace tmb::test {

struct MagickBmpKind {
  const char* name;
  const char* tool;     // "convert" or "ffmpeg"
  const char* options;  // between the input and the output file
  const char* prefix;   // before the output file name ("BMP3:" for the short header)
  uint32_t compression;  // what the file must say: 0 plain, 1 RLE8, 3 bit fields
  int bitCount;
  // The kind whose file convert turns into the reference PNG; null: this kind's own.
  // (convert reads back neither its 4-4-4-4 files nor its short-header bit fields the way
  // it wrote them.)
  const char* referenceKind;
};

// The kinds: run-length 8-bit in both headers, 16-bit 5-6-5, 5-5-5, 1-5-5-5 and 4-4-4-4
// bit fields, 5-5-5 bit fields without their masks, plain 5-5-5, 5-6-5 with the masks
// after the short header, 32-bit bit fields with alpha, and plain 8- and 24-bit files.
std::span<const MagickBmpKind> MagickBmpKinds();

// The kind whose file convert turns into kind's reference PNG.
const MagickBmpKind& MagickReferenceKind(const MagickBmpKind& kind);

// Whether convert is ImageMagick's and writes BMP files here.
bool MagickWritesBmp();
bool FfmpegInstalled();

// The test picture: 38 x 12 (rows padded at 8 bits), channels multiples of 17 (exact at 4 bits a channel), runs
// of one colour and a column of lone colours, 52 colours in all.
Surface MagickTestPicture();

// Writes the test picture as a binary PPM to path; false when it cannot.
bool WritePpm(const Surface& picture, const std::filesystem::path& path);

// Makes kind's BMP file of the picture at source (a PPM) as out; false when the tool
// failed. The file's compression and bit count are not checked here.
bool MakeMagickBmp(const MagickBmpKind& kind, const std::filesystem::path& source, const std::filesystem::path& out);

// convert's PNG of a picture file; false when convert failed.
bool MagickPng(const std::filesystem::path& in, const std::filesystem::path& out);

}  // namespace tmb::test
