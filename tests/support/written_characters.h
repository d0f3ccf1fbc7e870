// Characters written stroke by stroke, in their stroke order, for the handwriting tests
// and the recogniser's benchmark. Written out by hand for this project (no data set): each
// stroke is the list of the points where its pen path turns, on a grid of 100 x 100.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/gdi/geometry.h"

namespace tmb::test {

struct WrittenCharacter {
  const char* text;  // UTF-8
  std::vector<std::vector<Point>> strokes;
};

// Ten characters every recogniser of Japanese knows, from one to ten strokes.
inline const std::vector<WrittenCharacter>& WrittenCharacters() {
  static const std::vector<WrittenCharacter> characters{
      {"一", {{{10, 53}, {90, 48}}}},
      {"十", {{{10, 45}, {90, 44}}, {{50, 10}, {50, 92}}}},
      {"三", {{{25, 20}, {75, 18}}, {{30, 50}, {70, 49}}, {{15, 82}, {85, 80}}}},
      {"川", {{{20, 15}, {20, 60}, {12, 90}}, {{50, 20}, {50, 75}}, {{80, 10}, {80, 92}}}},
      {"山", {{{50, 10}, {50, 85}}, {{15, 35}, {15, 85}, {85, 85}}, {{85, 35}, {85, 88}}}},
      {"日", {{{35, 15}, {36, 85}}, {{35, 15}, {65, 14}, {64, 85}}, {{36, 50}, {64, 50}}, {{36, 83}, {64, 83}}}},
      {"木",
       {{{10, 32}, {90, 31}}, {{50, 8}, {50, 95}}, {{49, 35}, {30, 65}, {10, 82}}, {{51, 35}, {70, 65}, {90, 82}}}},
      {"中", {{{20, 30}, {20, 70}}, {{20, 30}, {80, 30}, {80, 70}}, {{20, 68}, {80, 68}}, {{50, 8}, {50, 95}}}},
      {"田",
       {{{15, 15}, {16, 88}},
        {{15, 15}, {85, 14}, {84, 88}},
        {{50, 15}, {50, 85}},
        {{16, 50}, {84, 50}},
        {{16, 85}, {84, 85}}}},
      {"高",
       {{{50, 4}, {52, 13}},
        {{12, 18}, {88, 18}},
        {{30, 26}, {32, 42}},
        {{30, 26}, {70, 26}, {68, 42}},
        {{32, 40}, {68, 40}},
        {{15, 50}, {15, 96}},
        {{15, 50}, {85, 50}, {85, 93}, {78, 89}},
        {{35, 62}, {35, 82}},
        {{35, 62}, {65, 62}, {65, 82}},
        {{35, 80}, {65, 80}}}},
  };
  return characters;
}

// The points of stroke between its turning points, at most step apart, scaled by scale
// and moved by at: the samples a steady hand gives.
inline std::vector<Point> StrokeSamples(const std::vector<Point>& stroke, int scale, Point at, int step) {
  std::vector<Point> samples;
  for (size_t k = 0; k + 1 < stroke.size(); ++k) {
    const Point a{stroke[k].x * scale, stroke[k].y * scale}, b{stroke[k + 1].x * scale, stroke[k + 1].y * scale};
    const int n = std::max(1, std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)) / step);
    for (int t = 0; t < n; ++t) samples.push_back({a.x + (b.x - a.x) * t / n + at.x, a.y + (b.y - a.y) * t / n + at.y});
  }
  samples.push_back({stroke.back().x * scale + at.x, stroke.back().y * scale + at.y});
  return samples;
}

}  // namespace tmb::test
