// Copying points between paths and appending them, always within the capacity of the
// destination.
#include <algorithm>
#include <cstdlib>

#include "core/path/division_selection.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_path_lite.h"

int CStrokePath::GetStrokeMark(int i) const {
  if (!m_pStrokeMarks) return 0;
  return m_pStrokeMarks->GetMark(GetStrokeIndex(i));
}

void CStrokePath::CopyStrokeMarkFrom(const CStrokePath& src, int i, int j) {
  if (!m_pStrokeMarks || !src.m_pStrokeMarks) return;
  int to = GetStrokeIndex(i);
  int from = src.GetStrokeIndex(j);
  if (to < 0 || from < 0) return;
  m_pStrokeMarks->SetMark(to, static_cast<uint8_t>(src.m_pStrokeMarks->GetMark(from)));
}

bool CStrokePath::CopyPointFrom(const CStrokePath& src, int srcIndex, int dstIndex) {
  if (srcIndex < 0 || srcIndex >= src.m_nCapacity || dstIndex < 0 || dstIndex >= m_nCapacity) {
    return false;
  }
  CopySlots(src, srcIndex, dstIndex, 1);
  return true;
}

int CStrokePath::AppendPointFrom(const CStrokePath& src, int i) {
  if (m_nCount >= m_nCapacity || i < 0 || i >= src.m_nCapacity) return 0;
  AppendSlots(src, i, 1);
  return 1;
}

int CStrokePath::AppendPointUnlessRepeat(const CStrokePath& src, int i, int force) {
  if (i < 0 || i >= src.m_nCapacity) return 0;
  if (!force && m_nCount > 0) {
    int last = m_nCount - 1;
    if (m_pPoints[last] == src.m_pPoints[i] && m_pFlags[last] == src.m_pFlags[i] &&
        m_pAttrs[last] == src.m_pAttrs[i]) {
      return 0;
    }
  }
  return AppendPointFrom(src, i);
}

bool CStrokePath::AppendRangeFrom(const CStrokePath& src, int first, int last, int withMarks) {
  src.ClipRange(first, last);
  int n = last - first;
  if (n > m_nCapacity - m_nCount) return false;
  int oldCount = m_nCount;
  AppendSlots(src, first, n);
  if (withMarks && n > 0 && m_pStrokeMarks && src.m_pStrokeMarks) {
    CopyStrokeMarkFrom(src, oldCount, first);
  }
  return true;
}

bool CStrokePath::CopyRangeFrom(const CStrokePath& src, int first, int last) {
  src.ClipRange(first, last);
  int n = std::min(last - first, m_nCapacity);
  CopySlots(src, first, 0, n);
  m_nCount = n;
  return n == last - first;
}

int CStrokePath::ExtractRange(const CStrokePath& src, int first, int last) {
  if (!CopyRangeFrom(src, first, last)) return -1;
  return m_nCount;
}

bool CStrokePath::CopyFrom(const CStrokePath& src) {
  if (&src == this) return true;
  bool complete = CopyRangeFrom(src, 0, src.m_nCount);
  if (src.m_pStrokeMarks) {
    if (EnsureAuxBuffer(src.m_pStrokeMarks->m_nSize)) m_pStrokeMarks->CopyFrom(*src.m_pStrokeMarks);
  } else if (m_pStrokeMarks) {
    m_pStrokeMarks->Clear();
  }
  return complete;
}

bool CStrokePath::CopyStrokesFrom(const CStrokePath& src, int firstStroke, int lastStroke) {
  int n = 0;
  int stroke = -1;
  bool complete = true;
  for (int i = 0; i < src.m_nCount; ++i) {
    if (i == 0 || src.m_pFlags[i] != 0) ++stroke;
    if (stroke < firstStroke || stroke >= lastStroke) continue;
    if (n >= m_nCapacity) {
      complete = false;
      break;
    }
    // Writes never overtake reads, so a path may copy its own strokes.
    CopySlots(src, i, n++, 1);
  }
  m_nCount = n;
  return complete;
}

int CStrokePath::CopyStrokeAt(const CStrokePath& src, int i) {
  if (i < 0 || i >= src.m_nCount) {
    m_nCount = 0;
    return -1;
  }
  int end = src.FindStrokeEnd(i);
  int srcCount = src.m_nCount;
  CopyRangeFrom(src, i, end + 1);
  return end + 1 >= srcCount ? -1 : end + 1;
}

int CStrokePath::CopyWithoutDuplicates(const CStrokePath& src, int drop) {
  int n = 0;
  int srcCount = src.m_nCount;
  for (int i = 0; i < srcCount; ++i) {
    // Compared with src's own predecessor; in place, that slot has not been overwritten
    // by the time it is read.
    if (drop && i > 0 && src.m_pFlags[i] == 0 && src.m_pPoints[i] == src.m_pPoints[i - 1]) continue;
    if (n >= m_nCapacity) break;
    CopySlots(src, i, n++, 1);
  }
  m_nCount = n;
  return n;
}

int CStrokePath::AppendAllFrom(const CStrokePath& src) {
  int n = src.m_nCount;
  if (m_nCount + n >= m_nCapacity) return -1;
  AppendSlots(src, 0, n);
  return 1;
}

int CStrokePath::AppendFlagged(const CStrokePath& src, int i, int flag) {
  if (!AppendPointFrom(src, i)) return 0;
  if (flag != -1) m_pFlags[m_nCount - 1] = static_cast<uint8_t>(flag);
  return 1;
}

int CStrokePath::AppendPoint(int x, int y, int flag) {
  return AddPointUnique(static_cast<float>(x), static_cast<float>(y), flag, 1);
}

bool CStrokePath::AddIntPointUnique(int x, int y, int flag) {
  if (m_nCount > 0) {
    int last = m_nCount - 1;
    if (m_pPoints[last].RoundToPoint() == tmb::Point{x, y} && m_pFlags[last] == static_cast<uint8_t>(flag)) {
      return false;
    }
  }
  return AppendPoint(x, y, flag) == 1;
}

int CStrokePath::AddPointUnique(float x, float y, int flag, int force) {
  if (!force && m_nCount > 0) {
    int last = m_nCount - 1;
    if (m_pPoints[last] == CFPoint(x, y) && m_pFlags[last] == static_cast<uint8_t>(flag)) return 0;
  }
  if (m_nCount >= m_nCapacity) return 0;
  m_pPoints[m_nCount] = CFPoint(x, y);
  m_pFlags[m_nCount] = static_cast<uint8_t>(flag);
  m_pAttrs[m_nCount] = kAttrDefault;
  ++m_nCount;
  return 1;
}

bool CStrokePath::AppendIntPoints(std::span<const tmb::Point> points, int first, int last) {
  int size = static_cast<int>(points.size());
  first = std::clamp(first, 0, size);
  last = std::clamp(last, first, size);
  if (last - first > m_nCapacity - m_nCount) return false;
  for (int k = first; k < last; ++k) AppendPoint(points[k].x, points[k].y, kFlagContinue);
  return true;
}

bool CStrokePath::AppendFrom(const CStrokePath& src) { return AppendRangeFrom(src, 0, src.m_nCount, 0); }

bool CStrokePath::AppendRangeDirected(const CStrokePath& src, int a, int b, int mode) {
  if (src.m_nCount <= 0) return true;
  a = std::clamp(a, 0, src.m_nCount - 1);
  b = std::clamp(b, 0, src.m_nCount - 1);
  int step = a < b ? 1 : -1;
  for (int i = a;; i += step) {
    bool repeat = m_nCount > 0 && m_pPoints[m_nCount - 1] == src.m_pPoints[i];
    if (!repeat || (mode == 1 && src.m_pFlags[i] != 0)) {
      if (m_nCount >= m_nCapacity) return false;
      uint8_t oldFlag = m_pFlags[m_nCount];
      AppendSlots(src, i, 1);
      if (mode == 2) {
        m_pFlags[m_nCount - 1] = 0;
      } else if (mode != 1) {
        m_pFlags[m_nCount - 1] = oldFlag;
      }
    }
    if (i == b) break;
  }
  return true;
}

int CStrokePath::AppendCyclicRange(const CStrokePath& src, int a, int b, int dir, std::span<int> indices,
                                   int forceFirst) {
  int result = std::abs(b - a);
  if (src.m_nCount <= 0) return result;
  a = std::clamp(a, 0, src.m_nCount - 1);
  b = std::clamp(b, 0, src.m_nCount - 1);
  int start = src.FindStrokeStart(a);
  int end = src.FindStrokeEnd(a);
  size_t recorded = 0;
  bool first = true;
  auto take = [&](int i) {
    if (AppendPointUnlessRepeat(src, i, first && forceFirst) && recorded < indices.size()) {
      indices[recorded++] = i;
    }
    first = false;
  };
  if (dir != 1) {
    if (a > b) {
      for (int i = a; i >= b; --i) take(i);
    } else {
      int i = a;
      for (; i >= start; --i) {
        take(i);
        if (src.m_pFlags[i] != 0) break;
      }
      // Round the loop: on from the stroke's last point down to b (nothing when b lies
      // beyond the stroke).
      for (int j = end; j >= std::max(b, start); --j) take(j);
    }
  } else {
    if (a < b) {
      for (int i = a; i <= b; ++i) take(i);
    } else {
      for (int i = a; i <= end; ++i) {
        take(i);
        if (src.IsStrokeLast(i)) break;
      }
      for (int j = start; j <= std::min(b, end); ++j) take(j);
    }
  }
  return result;
}

const CStrokePath& CStrokePath::ApartFromThis(const CStrokePath& src, std::unique_ptr<CStrokePath>& copy) const {
  if (&src != this) return src;
  copy = NewEmptyLike();
  copy->CopyFrom(src);
  return *copy;
}

bool CStrokePath::InsertPathAt(const CStrokePath& src, int pos) {
  if (pos < 0 || pos > m_nCount) return false;
  if (m_nCount + src.m_nCount >= m_nCapacity) return false;
  std::unique_ptr<CStrokePath> selfCopy;
  const CStrokePath& from = ApartFromThis(src, selfCopy);
  std::unique_ptr<CStrokePath> kept = NewEmptyLike();
  kept->CopyRangeFrom(*this, pos, m_nCount);
  m_nCount = pos;
  AppendSelectedStrokes(from, -1);
  AppendFrom(*kept);
  return true;
}

bool CStrokePath::InsertPointAt(int i, int srcIndex) {
  if (m_nCount >= m_nCapacity || i < 0 || i > m_nCount || srcIndex < 0 || srcIndex > m_nCount) return false;
  CopySlots(*this, i, i + 1, m_nCount - i);
  ++m_nCount;
  CopySlots(*this, srcIndex, i, 1);
  return true;
}

bool CStrokePath::CopyFromLite(const CStrokePathLite& lite) {
  int n = std::min(lite.m_nCount, m_nCapacity);
  for (int i = 0; i < n; ++i) {
    m_pPoints[i].Set(lite.m_pPoints[i].x, lite.m_pPoints[i].y);
    m_pFlags[i] = lite.m_pFlags[i];
    m_pAttrs[i] = lite.m_pAttrs[i];
  }
  m_nCount = n;
  return n == lite.m_nCount;
}

int CStrokePath::AppendSelectedStrokes(const CStrokePath& src, int mode) {
  int srcCount = src.m_nCount;
  if (m_nCount + srcCount >= m_nCapacity) return -1;
  int lo = 0;
  int hi = srcCount;
  int selectMode = gDivisionEditing ? CurrentDivisionSelection().ActiveMode() : 0;
  if (selectMode != 0) {
    CurrentDivisionSelection().GetCurrentRange(lo, hi);
    lo = std::clamp(lo, 0, srcCount);
    hi = std::clamp(hi, lo, srcCount);
    if (selectMode == 2) {
      lo = hi;
      hi = srcCount;
    } else if (selectMode != 1) {
      lo = hi = 0;
    }
  }
  int firstAppended = m_nCount;
  int starts = 0;
  for (int i = 0; i < srcCount; ++i) {
    if (src.m_pFlags[i] != 0) ++starts;
    if (i < lo || i >= hi) continue;
    AppendSlots(src, i, 1);
    uint8_t& flag = m_pFlags[m_nCount - 1];
    if (flag == 0) continue;
    if (mode == 32 || (mode == 33 && !(src.m_pStrokeMarks && src.m_pStrokeMarks->GetMark(starts)))) {
      flag = kFlagSection;
    }
  }
  if (mode > 0 && m_nCount > firstAppended) m_pFlags[firstAppended] = mode == 2 ? kFlagSection : kFlagSelection;
  if (m_pStrokeMarks && src.m_pStrokeMarks) m_pStrokeMarks->AppendFrom(*src.m_pStrokeMarks);
  return 1;
}

bool CStrokePath::ReplaceRange(int first, int last, const CStrokePath& src) {
  ClipRange(first, last);
  if (m_nCount - (last - first) + src.m_nCount >= m_nCapacity) return false;
  std::unique_ptr<CStrokePath> selfCopy;
  const CStrokePath& from = ApartFromThis(src, selfCopy);
  DeleteRange(first, last);
  return InsertPathAt(from, first);
}
