// The stroke-mark buffer of a point path: one byte per stroke, by stroke number.
#pragma once

#include <cstdint>

class CStrokeMarks {
 public:
  static constexpr int kFallbackSize = 10000;  // the size taken when asked for fewer than 1

  explicit CStrokeMarks(int size);
  ~CStrokeMarks();
  CStrokeMarks(const CStrokeMarks&) = delete;
  CStrokeMarks& operator=(const CStrokeMarks&) = delete;

  // Byte k, or 0 outside the buffer.
  int GetMark(int k) const;
  // Writes byte k and counts it as used; false when k lies outside the buffer.
  bool SetMark(int k, uint8_t value);
  // Appends one byte after the used ones; false when the buffer is full.
  bool Append(uint8_t value);
  // Appends the used bytes of other one by one; false when some did not fit.
  bool AppendFrom(const CStrokeMarks& other);
  // Takes other's bytes (as many as fit) and its used count; the rest becomes 0.
  void CopyFrom(const CStrokeMarks& other);
  // Zero-fills the bytes and empties the buffer.
  void Clear();

  uint8_t* m_pBytes = nullptr;
  int m_nUsed = 0;
  int m_nSize = 0;
  int m_bOwnsBytes = 0;
};
