// The conversion driver and its pass manager: a character written in block style becomes
// semi-cursive, cursive or an unchanged copy as its brush parameters say. The driver is
// CStrokeWork::ConvertCharacter; the pass manager below copies and analyses the source.
#pragma once

#include <cstdint>
#include <iterator>

#include "core/record/param_block.h"

class CStrokeWork;

// A parameter the conversion holds to at most hi while it runs.
struct ParamRange {
  int index;
  int32_t hi;
};

// The parameters held while the conversion runs: the modulation is a percentage, and the
// cursive degree is the number of passes of the work-path smoothing, which a damaged
// file's 2^31 would make run for hours; the settings bar gives it up to 1000.
inline constexpr ParamRange kConversionParamRanges[] = {
    {0, 1000},  // cursive degree
    {4, 100},   // modulation
};

// work becomes a copy of source and, unless the conversion is switched off (parameter 47
// of work), the resampled and analysed copy: the pass manager's stages of the chain run on
// it. copyMode 0 copies without the stroke marks.
void RunConversionPasses(CStrokeWork& work, CStrokeWork& source, int copyMode);

// Holds the parameters of work to kConversionParamRanges for the life of the object and
// puts the values it found back after.
class ScopedParamRanges {
 public:
  explicit ScopedParamRanges(ParamBlock& params);
  ~ScopedParamRanges();
  ScopedParamRanges(const ScopedParamRanges&) = delete;
  ScopedParamRanges& operator=(const ScopedParamRanges&) = delete;

 private:
  ParamBlock& params_;
  int32_t saved_[std::size(kConversionParamRanges)];
};
