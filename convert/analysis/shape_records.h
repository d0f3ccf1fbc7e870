// The anchor kinds of a brush outline and the record list the shape analysis collects
// them in: which outline points the staged smoothing keeps in place, and why.
#pragma once

#include <cstdint>
#include <memory>

#include "core/geometry/fpoint.h"

// Kinds of anchors (the kind byte of an anchor list entry, read signed).
enum AnchorKind : uint8_t {
  kAnchorPosition = 0,     // fixes the point at a position rather than an index
  kAnchorOuterTurn = 1,    // the outer-side point of a turn
  kAnchorCorner = 2,       // the sharpened corner point on the outer side
  kAnchorInnerTurn = 3,    // the inner-side point of a turn
  kAnchorStart = 4,        // stroke start
  kAnchorKeptSix = 6,      // kept through every stage, like the ends
  kAnchorKeptSeven = 7,
  kAnchorEnd = 8,          // stroke end
  kAnchorLoopEnd = 11,     // both ends of a short loop, on both sides
  kAnchorLoopInside = 12,  // every third point inside a short loop, on both sides
  kAnchorReleased = 255,   // -1 read signed: fixes nothing
};

struct CShapeRecord {
  int32_t kind = 0;
  int32_t index = 0;  // the outline index
  int32_t extra = 0;
  CFPoint point{0, 0};
};

// A list of shape records of fixed capacity; additions to a full list are ignored.
class CShapeRecordList {
 public:
  explicit CShapeRecordList(int capacity);

  // Appends (index, kind, extra) with the point (0, 0).
  void Add(int index, int kind, int extra);
  void AddWithPoint(int index, int kind, int extra, const CFPoint& point);
  // The position of the first record of this index and, unless kind is -1, this kind; -1
  // when there is none.
  int Find(int index, int kind) const;

  int m_nCapacity = 0;
  int m_nCount = 0;
  std::unique_ptr<CShapeRecord[]> m_pRecords;
};
