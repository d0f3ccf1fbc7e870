// The block of a character data file (".wdf"): one per character window, no file header.
// Layout as written (little-endian, offsets within the block):
//    0  24 bytes  magic "TAMBERI DATA FILE 2.2", NUL-padded
//   24   1 byte   major data version (4), 25 minor (0): data version V = 400
//   26   R1 (1), 27 R2 (28), 28 R3 (0), 29 R4 (low byte of parameter 200)
//   30   u16 first-part flag, 32 u16 point count N, 34 u16 stroke count, 36 and 38 u16 0
//   40   parameters 0..511 (int32), texts 0..5 as wide string records, 468 zero bytes,
//        u16 canvas width and height, then x, y, flag and pressure of every point (int16
//        arrays of N), the effect script (wide string record), picture records 1 and 2,
//        the character-store section, (parameter 50) value-table entries, u32 0.
// Picture record: int32 type (-1 none, 0 BMP, 1 JPEG, 2 PNG), u32 size, the file's bytes.
// Older layouts are read (see char_block_body.cpp); the magic and the data version are
// independent of each other.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tmb {
class BinaryFile;
}

constexpr size_t kBlockMagicSize = 24;
constexpr char kBlockMagicWritten[] = "TAMBERI DATA FILE 2.2";
constexpr int kDataVersion = 400;      // the data version this program writes and knows
constexpr int kDataRevision1 = 1;      // R1 written
constexpr int kDataRevision2 = 28;     // R2 written
constexpr int kBlockHeaderSize = 40;
constexpr int kBlockTextCount = 6;     // texts 0 to 5 are stored
constexpr int kBlockTextGap = 468;     // zero bytes after the texts
constexpr int kOldCanvasWidth = 1000;  // the paper of files before data version 2.00
constexpr int kOldCanvasHeight = 1500;

// Messages of the reader of our own choosing.
constexpr int kMsgDamagedBlock = 61521;  // a block shorter than its counts, or inconsistent
constexpr int kMsgCharacterCut = 61520;  // a character larger than the paper lost strokes

// Every magic a block may start with to be read (each NUL-padded to kBlockMagicSize in
// the file); the desktop's file type is told by the same list.
std::vector<std::string_view> AcceptedBlockMagics();

// Beeps and tells the user that a block is damaged; returns -1.
int ReportDamagedBlock();

// The fixed head of a block.
struct CharBlockHeader {
  int kind = -1;          // of the magic
  int version = 0;        // V = major x 100 + minor
  int revision1 = 0;      // R1
  int revision2 = 0;      // R2
  int revision4 = 0;      // R4
  int firstPart = 0;      // 1 for the block of part 1
  int points = 0;         // N
  int strokes = 0;        // S
};

// Reads the head up to and including the first-part flag and stores the data version
// as the version of the last block read. 1 when read; 0 at the end of the file (nothing
// left to read: silent); -1 for a short or unrecognised magic, after a beep and 62051.
int ReadBlockHead(tmb::BinaryFile& file, CharBlockHeader& header);
// The probe of a file: 1 for data version 3.00 or later, 0 before, -1 when no block can be
// read (62051 shown for a wrong magic). firstPart, when given, takes the block's
// first-part flag.
int ProbeCharBlock(tmb::BinaryFile& file, int* firstPart = nullptr);
