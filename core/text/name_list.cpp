#include "core/text/name_list.h"

#include <algorithm>

CNameList gNameList;

CNameList::CNameList(int capacity) : m_entries(static_cast<size_t>(std::max(capacity, 0))) {}

void CNameList::Reserve(int n) {
  if (n > GetCapacity()) m_entries.assign(static_cast<size_t>(n), CNameEntry{});
  Reset();
}

void CNameList::Reset() {
  m_nCount = 0;
  m_nCursor = 0;
}

int CNameList::Add(std::string_view name, int first, int last, int left, int top, int right, int bottom) {
  if (m_nCount >= GetCapacity()) return 0;
  CNameEntry& e = m_entries[static_cast<size_t>(m_nCount++)];
  e.m_strName.assign(name);
  e.m_nFirst = first;
  e.m_nLast = last;
  e.m_origin = CFPoint(float(left), float(top));
  e.m_box = {left, top, right, bottom};
  return 1;
}
