// The width profile of one stroke: key widths at key points, spread over the stroke's
// points by the width pass.
#pragma once

#include <array>
#include <span>

class CWidthProfile {
 public:
  static constexpr int kMaxKeys = 10;
  // How the widths between keys are filled: held from each key on, or interpolated.
  static constexpr int kStepped = 1;
  static constexpr int kLinear = 6;

  // The key widths, at most kMaxKeys; the number of keys becomes their number.
  void SetValues(std::span<const float> widths);
  // Three key points: the first, the middle ((first + last) / 2) and the last.
  void SetKeyIndexes(int first, int last);
  // Writes the stroke's widths into widths (indexed by point; -1 marks a point without a
  // width): the keys in order, a key on the point of the key before left out. Stepped,
  // two more keys at a quarter and three quarters of the stroke between the first, middle
  // and last widths, and each point takes the width of the set point before it; linear,
  // or with a sharp end, the widths run straight from one set point to the next. A sharp
  // end starts its last quarter from the first width and ends in two points of width 0.
  void Apply(std::span<float> widths, int mode, bool sharp) const;

  std::array<float, kMaxKeys> m_widths{};
  std::array<int, kMaxKeys> m_indexes{};
  int m_first = 0;
  int m_last = 0;
  int m_nKeys = 0;
};
