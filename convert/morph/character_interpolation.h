// The in-between character of A and B at a percentage: positions and per-point records
// blended, the stroke breaks of the nearer character, and an optional time lag along the
// writing that lets one end of the character change before the other.
#pragma once

#include <cstdint>

#include "core/record/param_block.h"

constexpr int kMorphLagOn = 145;           // time-lag morphing on
constexpr int kMorphLagStrength = 146;     // 0 to 100
constexpr int kMorphLagEarliest = 147;     // earliest change point, percent of the points
constexpr int kMorphLagLatest = 148;       // latest change point, percent of the points
constexpr int kMorphStretchTolerance = 78;  // tenths: 10 lets a stroke grow to its length
constexpr uint8_t kFlagStretched = 100;    // a hidden break inside an over-stretched stroke

// How far each of the n points of the in-between character has changed (0 all A, 1 all
// B) at t = percent / 100: t itself without a time lag; with one, the points before the
// latest change point follow an early curve and those past it a late one, as strong as
// the lag strength says. The settings are held within 0 to 100; one point lies at the
// start of the writing.
class MorphBlend {
 public:
  MorphBlend(const ParamBlock& params, int n, double t);
  double Factor(int i) const;

 private:
  double LagShape(double u) const;

  double t_;
  double strength_ = 0;  // 0 without a time lag
  double latest_ = 0;    // a of the lag shape
  double earliest_ = 0;  // b of the lag shape
  int last_ = 0;         // the last point's index
  // log (1 - t) and log t: each point's curve is then one exponential, not a power.
  double logRest_ = 0;
  double logT_ = 0;
};
