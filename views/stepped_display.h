// The display values that a stepped redraw moves from small starts up to the record's
// own values, so that the character is seen to grow: parameters 0 to 5 and 201. The
// record's values come back whatever way the redraw ends.
#pragma once

#include <array>
#include <cstddef>

#include "core/record/param_block.h"

class CSteppedDisplay {
 public:
  static constexpr std::array<int, 7> kParams{0, 1, 2, 3, 4, 5, 201};
  // Steps taken at most, after the plain first pass.
  static constexpr int kMaxSteps = 5;

  // Keeps params' values as the targets and works out where each starts.
  explicit CSteppedDisplay(ParamBlock& params);
  // Puts the targets back.
  ~CSteppedDisplay();
  CSteppedDisplay(const CSteppedDisplay&) = delete;
  CSteppedDisplay& operator=(const CSteppedDisplay&) = delete;

  // The steps a full stepped redraw takes: the larger of parameters 0 and 1, at most 5.
  int StepCount() const;
  // Writes step i of n: every stepped value whose target lies above its start becomes
  // start + (target - start) x i / n rounded half up; the others keep their targets.
  // Parameters 2 and 3 are never stepped.
  void Apply(int i, int n);

  int target(int k) const { return targets_[size_t(k)]; }
  int start(int k) const { return starts_[size_t(k)]; }

 private:
  ParamBlock& params_;
  std::array<int, kParams.size()> targets_{};
  std::array<int, kParams.size()> starts_{};
};

// The nearest integer to x >= 0, halves going up.
int RoundHalfUp(double x);
