// The stroke units of a character: one record per stroke saying whether the stroke begins
// a written component (a unit), with the span of points and the bounding rectangle of each
// unit, and the refinements that merge, absorb and split units by their rectangles.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/geometry.h"

class CStrokePath;

enum CStrokeUnitState : uint8_t {
  kUnitContinues = 0,  // the stroke continues the unit before it
  kUnitCandidate = 1,  // a possible split point: its start lies away from its predecessor
  kUnitBegins = 2,     // the stroke begins a unit
};

struct CStrokeUnit {
  uint8_t state = kUnitContinues;
  int first = 0;  // first and last point of the unit's span (units only)
  int last = 0;
  tmb::Rect rect{};  // bounds of the span's points, normalised
};

// One record per stroke of a path (stroke k starts at the k-th point with flag 1).
struct CStrokeUnitTable {
  std::vector<CStrokeUnit> records;
  std::vector<int> strokeStarts;  // point index of each stroke's start in the path in use

  int Count() const { return static_cast<int>(records.size()); }
  // Takes the stroke starts of path and makes one zeroed record for each.
  void Reset(const CStrokePath& path);
  // Takes the stroke starts of path, keeping the records.
  void SetStrokeStarts(const CStrokePath& path);
};

// The index of every point of path with flag 1, in order, into starts.
void ListStrokeStarts(const CStrokePath& path, std::vector<int>& starts);
// Gives record k the span first to last of path and its bounds.
void SetUnitSpan(CStrokeUnit& record, int first, int last, const CStrokePath& path);
// The next record after k with the state, or the record count.
int NextUnitRecord(const CStrokeUnitTable& table, int k, int state);
// Gives every record of the state the span from its stroke's start to the point before
// the next such record's stroke (or the path's last point).
void SetUnitSpans(CStrokeUnitTable& table, const CStrokePath& path, int state);
// A unit more than 20 times the area of the next unit takes that unit in when it lies
// nearer to it than the unit after. Returns the number of units taken in.
int AbsorbSmallUnits(CStrokeUnitTable& table, const CStrokePath& path);
// A unit whose rectangle meets that of a later unit takes in every unit up to the last
// such one, until no rectangles meet. Returns the number of merges.
int MergeOverlappingUnits(CStrokeUnitTable& table, const CStrokePath& path);
// A tall unit splits at its candidate strokes where the parts do not overlap by 2 pixels
// both ways; a tall unit not split takes in a unit just to its right when together they
// are roughly square. 1 when anything changed, else 0.
int SplitTallUnits(CStrokeUnitTable& table, const CStrokePath& path);
