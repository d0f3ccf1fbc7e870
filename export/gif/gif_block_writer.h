// The records of a GIF89a file, each written whole through a byte sink: header with the
// logical screen, colour tables, the looping and graphic control extensions, the image
// descriptor and the trailer. Multi-byte numbers are little-endian. Colour tables are
// given as 4-byte entries red, green, blue, spare; 2^(table bits) of them are written.
#pragma once

#include <cstdint>
#include <span>

#include "platform/service/result.h"

class GifByteSink;

// The widest colour table a GIF holds, and the loop count of our animations.
constexpr int kGifMaxTableBits = 8;
constexpr int kGifLoopCount = 1000;

// "GIF89a" and the logical screen descriptor, then the global table when one is given.
// Fails, writing nothing, for a size outside 1..65,535, a colour resolution outside 1..8,
// a background index outside 0..255, or (with a table) table bits outside 1..8, a table
// shorter than 2^bits entries or a rescale the table cannot take.
tmb::Status WriteGifHeader(GifByteSink& sink, int width, int height, int colourResolution, int backgroundIndex,
                           int tableBits, int rescale, std::span<const uint8_t> globalTable);
// 2^(table bits) entries of red, green, blue; with rescale each byte becomes
// byte x 255 / (2^(component bits) - 1), so component bits must lie in 1..8.
tmb::Status WriteGifColourTable(GifByteSink& sink, int componentBits, int tableBits, int rescale,
                                std::span<const uint8_t> table);
// The "NETSCAPE2.0" application extension with the loop count (0..65,535).
tmb::Status WriteGifLoopExt(GifByteSink& sink, int loopCount);
// The graphic control extension: disposal "restore to background" and the transparency
// flag when transparent is greater than 0, else a zero packed byte; delay in 1/100 s
// (0..65,535) and the transparent index (0..255).
tmb::Status WriteGifControlExt(GifByteSink& sink, int transparent, int delay, int transparentIndex);
// The image descriptor, then the local table when one is given. With interlace the rows
// that follow must come in interlaced order. Checks as WriteGifHeader, left and top 0..65,535.
tmb::Status WriteGifImageDescriptor(GifByteSink& sink, int left, int top, int width, int height, int componentBits,
                                    int interlace, int tableBits, int rescale, std::span<const uint8_t> localTable);
// The trailer byte that ends the file.
tmb::Status WriteGifTrailer(GifByteSink& sink);
