// The global list of character names: the parts of a handwritten character that a
// conversion finds (each with its run of points and its box), and the characters of a
// text for the dictionary runs. Of fixed capacity: an addition past it is refused.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/geometry/fpoint.h"
#include "platform/gdi/geometry.h"

struct CNameEntry {
  std::string m_strName;  // code page 932
  int32_t m_nFirst = 0;   // first and last point of the part in its path
  int32_t m_nLast = 0;
  CFPoint m_origin{0, 0};  // the top-left corner of its box
  tmb::Rect m_box{};
};

class CNameList {
 public:
  static constexpr int kDefaultCapacity = 1000;

  explicit CNameList(int capacity = kDefaultCapacity);

  // Room for n entries: the entries are kept when n is not above the capacity, else made
  // anew for n. Then as Reset.
  void Reserve(int n);
  // No entries; the cursor at the start.
  void Reset();
  // Appends an entry named name over points first to last, with the box (left, top,
  // right, bottom) and its top-left corner as origin. 1, or 0 when the list is full.
  int Add(std::string_view name, int first, int last, int left, int top, int right, int bottom);

  int GetCount() const { return m_nCount; }
  int GetCapacity() const { return static_cast<int>(m_entries.size()); }
  // Entry i of the used ones.
  const CNameEntry& Entry(int i) const { return m_entries.at(static_cast<size_t>(i)); }

  int m_nCursor = 0;

 private:
  std::vector<CNameEntry> m_entries;
  int m_nCount = 0;
};

extern CNameList gNameList;
