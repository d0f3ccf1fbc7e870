#include "export/swf/swf_cxform.h"

#include <algorithm>
#include <span>

#include "export/swf/swf_bits.h"
#include "export/swf/swf_output_buffer.h"

namespace {

// Nbits sized by the terms that are written.
void WriteCxform(SwfOutputBuffer& out, bool hasMult, bool hasAdd, std::span<const int32_t> add,
                 std::span<const int32_t> mult) {
  out.FlushBits();
  uint32_t largest = 0;
  for (int32_t v : add) largest = std::max(largest, hasAdd ? Magnitude(v) : 0u);
  for (int32_t v : mult) largest = std::max(largest, hasMult ? Magnitude(v) : 0u);
  const int n = SignedFieldBits(out, largest, kSwfMaxFourBitCount);
  out.WriteBits(hasAdd ? 1 : 0, 1);
  out.WriteBits(hasMult ? 1 : 0, 1);
  out.WriteBits(n, 4);
  if (hasMult) {
    for (int32_t v : mult) out.WriteSignedBits(v, n);
  }
  if (hasAdd) {
    for (int32_t v : add) out.WriteSignedBits(v, n);
  }
  out.FlushBits();
}

}  // namespace

void SwfCxform::Write(SwfOutputBuffer& out) const { WriteCxform(out, m_bHasMult, m_bHasAdd, m_add, m_mult); }

void SwfCxformWithAlpha::Write(SwfOutputBuffer& out) const {
  WriteCxform(out, m_bHasMult, m_bHasAdd, m_add, m_mult);
}
