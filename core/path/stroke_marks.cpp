#include "core/path/stroke_marks.h"

#include <algorithm>
#include <cstring>
#include <new>

CStrokeMarks::CStrokeMarks(int size) {
  if (size < 1) size = kFallbackSize;
  m_pBytes = new (std::nothrow) uint8_t[size]();
  if (m_pBytes) {
    m_nSize = size;
    m_bOwnsBytes = 1;
  }
}

CStrokeMarks::~CStrokeMarks() {
  if (m_bOwnsBytes) delete[] m_pBytes;
}

int CStrokeMarks::GetMark(int k) const { return (k >= 0 && k < m_nSize) ? m_pBytes[k] : 0; }

bool CStrokeMarks::SetMark(int k, uint8_t value) {
  if (k < 0 || k >= m_nSize) return false;
  m_pBytes[k] = value;
  m_nUsed = std::max(m_nUsed, k + 1);
  return true;
}

bool CStrokeMarks::Append(uint8_t value) {
  if (m_nUsed >= m_nSize) return false;
  m_pBytes[m_nUsed++] = value;
  return true;
}

bool CStrokeMarks::AppendFrom(const CStrokeMarks& other) {
  // Read the used count first: other may be this buffer.
  int n = other.m_nUsed;
  for (int k = 0; k < n; ++k) {
    if (!Append(other.m_pBytes[k])) return false;
  }
  return true;
}

void CStrokeMarks::CopyFrom(const CStrokeMarks& other) {
  if (&other == this) return;
  int n = std::min(other.m_nSize, m_nSize);
  if (n > 0) std::memcpy(m_pBytes, other.m_pBytes, n);
  if (m_nSize > n) std::memset(m_pBytes + n, 0, m_nSize - n);
  m_nUsed = std::min(other.m_nUsed, m_nSize);
}

void CStrokeMarks::Clear() {
  if (m_nSize > 0) std::memset(m_pBytes, 0, m_nSize);
  m_nUsed = 0;
}
