// Writing JPEG pictures (through the platform's JPEG codec) from bottom-up 24-bit rows.
#pragma once

#include <cstdint>
#include <span>
#include <string>

// The quality every JPEG picture is written at.
constexpr int kJpegQuality = 100;

// Writes a picture of width x height whose pixels are laid out as dib_pixels.h says as a
// JPEG file at path (UTF-8). The file is replaced only when the whole picture was written, so a failed
// save leaves a previous file as it was. Returns 1, or 0 on a bad size, short pixels or
// a failed write.
int WriteJpegFile(const std::string& path, int width, int height, std::span<const uint8_t> pixels);
