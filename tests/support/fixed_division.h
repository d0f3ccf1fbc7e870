// A division selection for tests: a fixed mode and point range of the morph
// correspondence's current division.
#pragma once

#include "core/path/division_selection.h"

namespace tmb::test {

class FixedDivision final : public DivisionSelection {
 public:
  FixedDivision(int mode, int lo, int hi) : mode_(mode), lo_(lo), hi_(hi) {}
  int ActiveMode() const override { return mode_; }
  void GetCurrentRange(int& lo, int& hi) const override {
    lo = lo_;
    hi = hi_;
  }

 private:
  int mode_, lo_, hi_;
};

}  // namespace tmb::test
