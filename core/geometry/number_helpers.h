// Small number, array and colour helpers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/gdi/geometry.h"

void SwapInt(int32_t& a, int32_t& b);
// Exchanges a and b and returns a's old value.
int32_t SwapIntReturnOld(int32_t& a, int32_t& b);
// 1 when lo <= v <= hi, else 0.
int IsBetween(int32_t lo, int32_t v, int32_t hi);
// v below lo gives lo (tested first), v above hi gives hi, else v.
int32_t ClampInt(int32_t v, int32_t lo, int32_t hi);
double ClampDouble(double v, double lo, double hi);
void CopyBytes(void* dst, const void* src, size_t n);
// The index of the first v among the first n values of array, or -1.
int IndexOfInt(int32_t v, const int32_t* array, int n);

// Runs of bytes ended by a byte of 255. Appends the run src (srcLen bytes before its
// terminator; -1 counts up to the first 255) to the run in dst (dstLen bytes; -1 counts
// the same way), copying the terminator too. Returns the index of the new terminator, or
// -1 when a run has no terminator within its buffer or the result would not fit in dst
// (dst is then unchanged).
int AppendTerminatedRun(std::span<uint8_t> dst, std::span<const uint8_t> src, int dstLen, int srcLen);

// Writes red, green and blue of colour as three bytes; returns dst.
uint8_t* ColorToRgbBytes(uint8_t* dst, tmb::Colour colour);
