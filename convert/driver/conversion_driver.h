// The conversion driver and its pass manager: a character written in block style becomes
// semi-cursive, cursive or an unchanged copy as its brush parameters say. The driver is
// CStrokeWork::ConvertCharacter; the pass manager below copies and analyses the source.
#pragma once

#include <cstdint>
#include <iterator>

#include "core/record/param_block.h"

class CStrokeWork;

// A parameter the conversion holds to a range while it runs.
struct ParamRange {
  int index;
  int32_t lo;
  int32_t hi;
};

// The ranges of the settings bars the conversion reads, and of the counts that set how
// long its passes run.
inline constexpr ParamRange kConversionParamRanges[] = {
    {0, 0, 1000},  // cursive degree: the smoothing passes
    {1, 0, 1500},  // brush vein: the resampling spacing
    {2, 0, 1500},  // linking
    {3, 0, 200},   // width: the brush width of every point is half of it
    {4, 0, 100},   // modulation, a percentage
    {5, 0, 200},   // flying white
    {201, 0, 100}, // contour smoothing: its window grows with it and the width
};

// work becomes a copy of source (its first point starting a stroke) and, unless the
// conversion is switched off (parameter 47 of work), the resampled and analysed copy: the
// pass manager's stages of the chain run on it. copyMode 0 copies without the stroke
// marks.
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
