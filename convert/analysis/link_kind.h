// The kind of link between the end of a stroke and the next stroke's start: from the
// features found at that start, how densely the link points bridge the gap and which link
// flag the start gets, so that the link decision knows how far it may reach.
#pragma once

#include <cstdint>

#include "core/record/param_block.h"

class CStrokeFeatureTable;
class CStrokePath;

// Flags of a next stroke's start while the strokes are linked; the driver turns them back
// into 1 after the link decision.
constexpr uint8_t kFlagStrongLink = '2';          // linked within four times the reach
constexpr uint8_t kFlagWeakLink = '5';            // linked within the reach
constexpr uint8_t kFlagWeakLinkAfterFall = '6';   // as 5, after a stroke that ends falling
constexpr uint8_t kFlagCrossingLink = '9';        // a start at a crossing; linked as a plain start
constexpr uint8_t kFlagStrongCrossingLink = ';';  // a strong start at a crossing
constexpr uint8_t kFlagLinkAfterTurn = '<';       // after a turn or a crossed level stroke

struct LinkKind {
  int score = 0;       // the more features the start has, the denser the link points
  int startLevel = 0;  // 2: dense up to the next start; 1: twice as sparse past the
                       // gap's middle; 0: sparser at every point past it
  int endLevel = 0;    // how close to the stroke's end the first link point lies: 2 one
                       // pixel, 0 half the spacing
  uint8_t flag = 0;    // the flag the next start gets: a link kind, or its own
};

// The link level of parameters 0 and 1 together: 2 below 20, 1 below 30, 0 from 30.
int LinkLevel(const ParamBlock& params);

// Whether a gap follows point i of path: point i + 1 exists and starts a stroke, by flag 1
// when parameter 290 is 0, by any non-zero flag otherwise.
bool StartsLinkGap(const CStrokePath& path, int i, const ParamBlock& params);

// The kind of the link from point end of path to the start at end + 1, from the feature
// codes table holds at that start. With parameter 315 a start lower left of the end whose
// stroke runs back to the right (looking up to eight points in) loses its start level;
// with parameter 358 every link gets levels 2 and 2.
LinkKind ClassifyLink(const CStrokePath& path, int end, const ParamBlock& params, const CStrokeFeatureTable& table);
