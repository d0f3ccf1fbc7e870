// Writing 8-bit RGB PNG pictures through libpng from bottom-up 24-bit rows, as a file of
// its own or as one frame's datastream inside an MNG movie.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/file/binary_file.h"

// What WritePngStream writes.
enum PngStreamMode {
  kPngFile = 0,      // signature, IHDR, ..., IEND
  kPngInsideMng = 1, // the same without the signature
};

// Writes a picture of width x height whose pixels are laid out as dib_pixels.h says.
// keyColour (0x00BBGGRR), when given, becomes a tRNS chunk. Returns 1, or 0 on a
// bad size, short pixels, a libpng failure or a failed write (the stream is then
// incomplete).
int WritePngStream(tmb::BinaryFile& file, int width, int height, std::span<const uint8_t> pixels, int mode,
                   std::optional<uint32_t> keyColour = std::nullopt);

// Writes the picture as a PNG file at path (UTF-8): the file is replaced only when the
// whole picture was written, so a failed save leaves a previous file as it was. Returns
// 1, or 0 when it cannot be written.
int WritePngFile(const std::string& path, int width, int height, std::span<const uint8_t> pixels,
                 std::optional<uint32_t> keyColour = std::nullopt);
