// The string records of the character data file and its store section (little-endian, no
// terminator stored):
//   wide record: int32 byte length L (twice the UTF-16 units), then L bytes of UTF-16LE;
//   narrow record: int32 length L, then L bytes of code page 932 (read only, old files).
// In memory the strings are code page 932. A stored length beyond the reader's limit, an
// odd wide length or a short read refuses the record; the reader never takes more than
// its limit.
#pragma once

#include <string>
#include <string_view>

#include "platform/file/binary_file.h"

// The longest string, in characters (UTF-16 units or bytes), of a record.
constexpr int kStringRecordMaxChars = 1024;
// The longest narrow text a block holds, in bytes: 1,024 two-byte characters.
constexpr int kNarrowTextMaxBytes = 2 * kStringRecordMaxChars;

// Writes text (up to its first NUL) as a wide record of at most maxChars units (0 or less:
// kStringRecordMaxChars). Returns L, or -1 when the write failed.
int WriteWideStringRecord(tmb::BinaryFile& file, std::string_view text, int maxChars = 0);
// Reads a wide record of at most maxChars units (0 or less: kStringRecordMaxChars) into
// out, up to its first zero unit. Returns L, or -1 (out then empty).
int ReadWideStringRecord(tmb::BinaryFile& file, std::string& out, int maxChars = 0);
// Reads a narrow record of at most maxChars bytes (0 or less: kStringRecordMaxChars) into
// out, up to its first NUL. Returns L, or -1 (out then empty).
int ReadNarrowStringRecord(tmb::BinaryFile& file, std::string& out, int maxChars = 0);
