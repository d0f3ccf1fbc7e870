// The per-stroke records of the feature pass: each stroke of the work path with its ends,
// its chord and the overlay mark that holds it, and the classification that turns them
// into the codes of the stroke feature table.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/geometry/fpoint.h"

class CStrokePath;

struct CStrokeFeature {
  int start = 0;  // index of the stroke's first point
  int end = 0;    // index of its last point
  uint8_t endKind = 0;
  uint8_t startKind = 0;
  CFPoint vector{0, 0};      // end point - start point
  CFPoint startPoint{0, 0};
  CFPoint endPoint{0, 0};
  float chord2 = 0;          // squared length of the vector
  int mark = -1;             // the overlay mark holding the start point, -1 for none

  void Reset() { *this = CStrokeFeature{}; }
  // Takes the points at start and end from points and the mark from the analysis overlay.
  void Prepare(const CFPoint* points);
};

class CStrokeFeatureList {
 public:
  static constexpr int kDefaultCapacity = 500;

  // Gives the list room for n records (kDefaultCapacity for n < 0); a list never
  // shrinks. The records are reset.
  void Allocate(int n);
  bool IsAllocated() const { return !m_records.empty(); }
  int Capacity() const { return static_cast<int>(m_records.size()); }
  // No records, every slot reset; allocates the default capacity on first use.
  void Reset();
  // Opens the record at position count at point i (nothing when the list is full).
  void BeginStroke(int i);
  // Closes that record at point i and counts it: 1, or 0 when the list is full.
  int EndStroke(int i, uint8_t kind);

  // The classification of the records of path: adds their feature codes to
  // gStrokeFeatureTable (marks from gAnalysisOverlay). Returns 1.
  int ClassifyFeatures(const CStrokePath& path);

  int m_nCount = 0;
  std::vector<CStrokeFeature> m_records;
};

// The two record lists; the conversion uses list 0.
extern std::array<CStrokeFeatureList, 2> gStrokeFeatureLists;
