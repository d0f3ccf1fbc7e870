// The small pseudo-random generator of the flying-white scratches: a linear congruence
// modulo 65,536, so that a seed always gives the same scratches.
#pragma once

#include <cstdint>

class CRandom16 {
 public:
  static constexpr uint32_t kMultiplier = 77;
  static constexpr uint32_t kIncrement = 1243;
  static constexpr uint32_t kModulus = 0x10000;

  void SetSeed(uint32_t seed) { m_state = seed % kModulus; }
  // The next state, (77 x state + 1,243) mod 65,536.
  uint32_t Next() {
    m_state = (kMultiplier * m_state + kIncrement) % kModulus;
    return m_state;
  }

 private:
  uint32_t m_state = 0;
};
