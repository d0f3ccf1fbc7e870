// The vectoriser's settings: eight values, set once at start-up.
#pragma once

#include <array>
#include <cstdint>

struct CVectorizeSettings {
  static constexpr int kAngleLimit = 3;  // cuts of FitTracedStrokes: 0 within 60 degrees, 1 within 30
  static constexpr int kJoin = 4;        // VectorizeImage joins touching strokes
  static constexpr int kCollectEnds = 5; // FitTracedStrokes hands the ends of cut strokes on

  std::array<int32_t, 8> m_values{0, 48, 0, 1, 1, 1, 1, 1};
};

extern CVectorizeSettings gVectorizeSettings;
