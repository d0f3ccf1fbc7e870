// Corner detection by chord length: on a copy of the path resampled at an equal spacing,
// the chord across a fixed number of points shrinks where a stroke bends; a local minimum
// of that chord shorter than a bend of the limit angle would give is a corner, and the
// chord gives its angle back. Corners are flagged 3 in the analysed path.
#pragma once

#include <cstdint>

class CStrokePath;

// How the corners are sought.
struct CornerSearch {
  int halfWindow = 2;     // m: the chord at point i runs from i - m to i + m
  int limitAngle = 165;   // degrees: a bend sharper than this is a corner
  bool cyclic = false;    // strokes are closed loops: the window wraps inside each stroke
  int mode = 0;           // which flags a corner gets (AnalyseChords)
  float spacing = 2.0f;   // the resampling spacing of the analysed copy
};

// The flag a corner gets.
constexpr uint8_t kFlagCorner = 3;
// A stroke drawn level and then steeply down (as the turn of a box) is tested against
// this angle instead of the limit, so gentler bends count as corners there.
constexpr int kTurnStrokeLimitAngle = 170;

// Finds the corners of path on a copy resampled at the search's spacing. Each corner of
// the copy goes to the nearest point of its own stroke in path: that point gets flag 3
// when its flag was 0 (a flagged point keeps its flag) and its angle in gCornerAngle. The
// corners stay in gCornerList. The adaptive-spacing switch is as it was on return, marker
// posting is off. Returns the number of corners found (at most the list's capacity).
int FindCorners(CStrokePath& path, const CornerSearch& search);

// The corner analysis of a path already resampled at the search's spacing. It walks the
// strokes that start at a flag-1 point (each to its segment end) and lists their corners
// in gCornerList (emptied first; corners past its capacity are dropped), all of kind 2
// at the end. Then each corner point's flag is set: mode 0 gives flag 3 to a point of
// flag 0 and leaves others, mode 1 gives every corner 3, mode 2 gives 4 to a point of a
// non-zero flag and 3 to the others. Returns the number of corners listed.
int AnalyseChords(CStrokePath& path, const CornerSearch& search);

// Flag replacement: from = -1 replaces every flag but 0, 1, 2 and 7; -2 every flag but 0
// and 1; any other value the flags equal to it.
void ReplaceFlags(CStrokePath& path, int from, uint8_t to);
