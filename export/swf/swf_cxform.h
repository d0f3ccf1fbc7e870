// The colour transforms of the SWF writer: multiply terms in 8.8 fixed point (256 keeps a
// channel) and add terms, without alpha (CXFORM) and with it (CXFORMWITHALPHA).
#pragma once

#include <array>
#include <cstdint>

class SwfOutputBuffer;

class SwfCxform {
 public:
  SwfCxform(bool hasMult, bool hasAdd, std::array<int32_t, 3> add, std::array<int32_t, 3> mult)
      : m_bHasMult(hasMult), m_bHasAdd(hasAdd), m_add(add), m_mult(mult) {}
  // Aligned before and after.
  void Write(SwfOutputBuffer& out) const;

 private:
  bool m_bHasMult;
  bool m_bHasAdd;
  std::array<int32_t, 3> m_add;
  std::array<int32_t, 3> m_mult;
};

// Terms in the order red, green, blue, alpha.
class SwfCxformWithAlpha {
 public:
  SwfCxformWithAlpha(bool hasMult, bool hasAdd, std::array<int32_t, 4> add,
                     std::array<int32_t, 4> mult)
      : m_bHasMult(hasMult), m_bHasAdd(hasAdd), m_add(add), m_mult(mult) {}
  void Write(SwfOutputBuffer& out) const;

 private:
  bool m_bHasMult;
  bool m_bHasAdd;
  std::array<int32_t, 4> m_add;
  std::array<int32_t, 4> m_mult;
};
