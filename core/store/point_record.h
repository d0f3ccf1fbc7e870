// The point record, the unit of every store data file and of the store section of the
// character data file: int32 n, then n points as int32 x and y (rounded, halves away from
// zero), then the n flag bytes; 9n + 4 bytes. A picture adds one byte per stroke start
// (flag 1) of its second path after that path's record: the path's stroke marks.
#pragma once

#include <cstdint>

#include "platform/file/binary_file.h"

class CStrokePath;

// The size in bytes of the record of n points.
constexpr int64_t PointRecordSize(int64_t n) { return 9 * n + 4; }

// The number of points whose flag is exactly 1.
int CountStrokeStarts(const CStrokePath& path);

// Writes the record of path at the file's position; false when a write failed.
bool WritePointRecord(tmb::BinaryFile& file, const CStrokePath& path);
// Reads one record at the file's position into path. Points beyond the path's capacity
// are dropped (the file position still ends after the record). Returns n as stored and,
// in storedStarts, the number of stroke starts among all n stored flags; -1 for a
// damaged record (negative n, or fewer bytes left than it claims), the path then empty.
int ReadRecord(tmb::BinaryFile& file, CStrokePath& path, int* storedStarts = nullptr);
// Checks the record at the file's position and steps over it without keeping it.
// Returns n and its stored starts, or -1 for a damaged record.
int SkipPointRecord(tmb::BinaryFile& file, int* storedStarts = nullptr);

// Writes one stroke-mark byte per stroke start of path (0 where the path has no byte).
bool WriteStrokeBytes(tmb::BinaryFile& file, const CStrokePath& path);
// Reads storedStarts bytes into the path's stroke marks, keeping one per stroke start the
// path holds and stepping over the rest; makes the buffer when it is missing. False when
// the bytes are not all there.
bool ReadStrokeBytes(tmb::BinaryFile& file, CStrokePath& path, int storedStarts);
