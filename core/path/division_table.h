// The division table of the morph correspondence: where each division of the last match
// by divisions ends in the equalised paths and which stroke it starts at in A and B, with
// the switch, current division and selection mode that path appends and the weight
// interpolation read. It is the installed division selection of the point-path appends.
#pragma once

#include <array>
#include <cstdint>

#include "core/path/division_selection.h"

class CDivisionTable final : public DivisionSelection {
 public:
  // The entries of each list.
  static constexpr int32_t m_capacity = 2048;

  // The selection mode (1 or 2) while m_active is set; else 0.
  int ActiveMode() const override;
  // While m_active is set: [m_endIndex[c], m_endIndex[c + 1]) with c = m_current held
  // within the divisions of the last match (an empty range at 0 when there are none);
  // otherwise lo and hi stay as they were.
  void GetCurrentRange(int& lo, int& hi) const override;
  // No divisions (the switch, current division and mode stay).
  void ClearDivisions();

  int32_t m_count = 0;
  // Entry 0 is 0, entry k + 1 the end of division k in the equalised A path.
  std::array<int32_t, m_capacity> m_endIndex{};
  // The stroke number of division k's first point in the input A and B; entry m_count
  // holds the path's stroke count plus 1.
  std::array<int32_t, m_capacity> m_strokeA{};
  std::array<int32_t, m_capacity> m_strokeB{};
  // Nothing in the system sets these; a division editor would.
  int32_t m_active = 0;
  int32_t m_current = 0;
  int32_t m_selectMode = 0;
};

// A match fills entry divisions + 1 of the end list, so one entry stays in hand.
constexpr int kMaxDivisions = CDivisionTable::m_capacity - 1;

extern CDivisionTable gDivisionTable;
