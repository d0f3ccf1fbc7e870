// The corners found on a resampled copy of a character (its point index there, angle,
// stroke and position), and the per-point angle table into which the corner search
// writes the angle of each corner of the analysed path.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/geometry/fpoint.h"

namespace tmb {
class DeviceContext;
}

struct CCornerEntry {
  int index = 0;     // point index in the resampled copy
  float angle = 0;   // degrees: 180 on a straight run, smaller the sharper the bend
  int stroke = 0;    // the flag-1 stroke of the copy that holds the point, from 0
  CFPoint point{0, 0};
  uint8_t kind = 0;  // 1 when added, 2 once the analysis has been through the list
};

class CCornerList {
 public:
  static constexpr int kCapacity = 1000;
  static constexpr uint8_t kKindAdded = 1;
  static constexpr uint8_t kKindSeen = 2;

  // The new count, or -1 when the list is full (the corner is dropped).
  int Add(int index, float angle, int stroke, CFPoint point, uint8_t kind);
  void Clear() { m_nCount = 0; }
  void SetAllKinds(uint8_t kind = kKindSeen);
  // The angle of the entry at copy index i, or -1.0 when there is none.
  float FindAngle(int i) const;
  // A filled square of half-size 4 on every entry, red by its angle (sharper is darker).
  void Draw(tmb::DeviceContext* pDC) const;

  int m_nCount = 0;
  std::array<CCornerEntry, kCapacity> m_entries{};
};

extern CCornerList gCornerList;

// The angle of the corner found at each point of the last paths analysed; points where no
// corner was found keep what an earlier analysis wrote. It grows to the capacity of the
// paths analysed, so that every point index of a path has its slot.
extern std::vector<float> gCornerAngle;

// Makes gCornerAngle at least n entries long (new entries 0).
void EnsureCornerAngleSize(int n);
