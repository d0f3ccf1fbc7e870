// Even-step walks along the strokes of a record: from each stroke's first point, a new
// point wherever a circle of radius step around the last kept point cuts the current
// segment. A walk waits on every cut for the one before, so the walks of four strokes run
// side by side: the processor then works on four cuts at once. Each stroke's points come
// out exactly as if the strokes were walked one after another.
#pragma once

#include <vector>

#include "core/geometry/fpoint.h"
#include "core/record/char_data.h"

// A point a walk made: rounded, exact, and the point whose attributes it takes (the
// start of the segment it lies on).
struct WalkedPoint {
  tmb::Point at;
  float fx = 0;
  float fy = 0;
  int from = 0;
};

// The points one stroke's walk made.
struct StrokeWalk {
  int first = 0;  // the stroke's first point
  int last = 0;   // its last point
  std::vector<WalkedPoint> points;
};

// Walks the strokes of rec in order, four at a time, with the step stepOf(first, last)
// for the stroke from first to last, and hands each walked stroke to take in stroke order;
// stops at the first stroke that take refuses. A walk stops after `cap` points: whoever
// takes them has no room for more.
template <class StepOf, class Take>
void WalkStrokes(const CCharData& rec, int cap, StepOf stepOf, Take take);

// Runs the walks of up to four strokes side by side into walks[0..count).
void WalkSideBySide(const CCharData& rec, StrokeWalk* walks, const double* steps, int count, int cap);

template <class StepOf, class Take>
void WalkStrokes(const CCharData& rec, int cap, StepOf stepOf, Take take) {
  constexpr int kSideBySide = 4;
  static StrokeWalk walks[kSideBySide];
  double steps[kSideBySide];
  int first = 0;
  while (first < rec.m_nPoints) {
    int count = 0;
    for (; count < kSideBySide && first < rec.m_nPoints; ++count) {
      walks[count].first = first;
      walks[count].last = rec.FindStrokeEnd(first);
      steps[count] = stepOf(walks[count].first, walks[count].last);
      first = walks[count].last + 1;
    }
    WalkSideBySide(rec, walks, steps, count, cap);
    for (int w = 0; w < count; ++w) {
      if (!take(walks[w])) return;
    }
  }
}
