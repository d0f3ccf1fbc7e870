// The stroke feature table: what the feature pass found out about each stroke of the
// character being converted, as feature codes keyed by the point index of a stroke start.
// Every conversion empties and refills it (AnalyseStrokeFeatures); the link-point insertion
// reads it to decide how densely to bridge each gap and which link kind the next stroke
// gets, and the box-shape test looks up its corner codes.
//
// Reading the table: an entry is about one point of the work path as the pass manager
// left it (always a stroke start), with the stroke number of that point and a code.
// Several entries may share a point, the same (point, code) pair may occur twice, and
// entries stay in the order they were added. Find and FindPointInRange go by that order.
#pragma once

#include <cstddef>
#include <vector>

class CStrokePath;

// Codes of the feature classification. S_k is the first point of stroke k, and "the gap"
// runs from the end of stroke k - 1 to S_k. A mark is a run of strokes of the analysis
// overlay, one written component; its size is the larger side of its rectangle.
enum StrokeFeatureCode : int {
  kFeatureOpensMark = 1077,        // at S_k (k > 0): stroke k opens a new mark
  kFeatureGapLeft = 1079,          // at S_k: the gap runs to the left
  kFeatureGapLeftmost = 1080,      // as 1079, and S_k is the leftmost start so far in its mark
  kFeatureGapUp = 1081,            // at S_k: the gap runs upwards
  kFeatureGapHighest = 1082,       // as 1081, and S_k is the highest start so far in its mark
  kFeatureGapShort = 1083,         // at S_k: the gap is shorter than a quarter of the mark size
  kFeatureGapMiddle = 1084,        // ... shorter than two thirds of it
  kFeatureGapLong = 1085,          // ... at least two thirds of it
  kFeatureCrossedLevel = 1091,     // at the start of a level stroke that a falling stroke crosses
  kFeatureCrossPartner = 1092,     // at the stroke after a crossed level stroke
  kFeatureCrossesLevel = 1093,     // at S_k+1: stroke k + 1 falls steeply across level stroke k
  kFeatureAfterTurn = 1094,        // at S_k after a three-segment stroke, or at S_k+1 when a
                                   // later level stroke crosses near the end of falling stroke k
  kFeatureSameMark = 1096,         // at S_k+1: the stroke after a mark-opening stroke k is in its mark
  kFeatureLeftAfterFall = 1097,    // at S_k: a mostly leftward gap after a stroke ending steeply down
  kFeatureAfterRisingReach = 1098, // at S_k+1: the stroke after a 1099 stroke
  kFeatureRisingReach = 1099,      // at S_k: a short stroke reached by a long, steep rise from
                                   // below the mark centre, ending right of the centre
  kFeatureRisingRight = 1100,      // at S_k: a stroke rising to the right that starts, like the
                                   // short stroke before it, left of the centre and below its end
  kFeatureLongAfterRise = 1108,    // at S_k: a long stroke reached by a gap rising to the right
                                   // from below the mark centre
};

// Direction codes, stored for an entry added with a negative code and an angle (degrees):
// 1 for [-30, 30), 2 [30, 60), 3 [60, 120), 4 [120, 150), 5 [150, 180) and [-180, -150),
// 6 [-150, -120), 7 [-120, -60), 8 [-60, -30); each is followed by an entry of code 9.
constexpr int kDirectionFollower = 9;
// The direction code of an angle; 0 outside [-180, 180).
int DirectionCode(float angle);

struct CStrokeFeatureEntry {
  int point = 0;   // the point of the work path the entry is about
  int stroke = 0;  // CStrokePath::GetStrokeIndex of that point when the entry was added
  int code = 0;    // a StrokeFeatureCode, or a direction code 1 to 9
  float angle = 0; // degrees; CStrokeFeatureTable::kNoAngle when added without one
};

class CStrokeFeatureTable {
 public:
  static constexpr int kCapacity = 10000;
  static constexpr float kNoAngle = 1000.0f;

  CStrokeFeatureTable() { m_entries.reserve(kCapacity); }

  void Clear() { m_entries.clear(); }
  // Adds (point, code) with the stroke number of point in path; refused (0) once the
  // table holds kCapacity - 1 entries, else 1. A negative code with an angle in
  // [-180, 180) stores the angle's direction code and then a second entry of code 9 for
  // the same point; with any other angle (kNoAngle among them) it is stored as given.
  int AddEntry(int point, int code, const CStrokePath& path, float angle = kNoAngle);
  // The position of the first entry of that point and code, or -1.
  int Find(int point, int code) const;
  // The point of the first entry (in table order) with the code whose point lies in
  // [from, to], or -1.
  int FindPointInRange(int from, int to, int code) const;

  int Count() const { return static_cast<int>(m_entries.size()); }
  const CStrokeFeatureEntry& operator[](int k) const { return m_entries[static_cast<size_t>(k)]; }

 private:
  std::vector<CStrokeFeatureEntry> m_entries;
};

extern CStrokeFeatureTable gStrokeFeatureTable;
