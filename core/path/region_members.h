// Which point ranges of a character lie in which edit frame: entries of (first point, end
// point (exclusive), frame index), filled by matching strokes to the frames.
#pragma once

#include <array>
#include <cstdint>

struct CRegionMember {
  int32_t first = 0;
  int32_t last = 0;
  int32_t region = 0;
};

struct CRegionMembers {
  static constexpr int kMaxEntries = 1024;

  std::array<CRegionMember, kMaxEntries> m_entries{};
  int32_t m_nCount = 0;
};
