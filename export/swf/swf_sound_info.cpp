#include "export/swf/swf_sound_info.h"

#include "export/swf/swf_output_buffer.h"

void SwfSoundInfo::Write(SwfOutputBuffer& out) const {
  out.WriteBits(static_cast<uint32_t>(sync), 4);
  out.WriteBits(hasEnvelope ? 1 : 0, 1);
  out.WriteBits(hasLoops ? 1 : 0, 1);
  out.WriteBits(hasOutPoint ? 1 : 0, 1);
  out.WriteBits(hasInPoint ? 1 : 0, 1);
  if (hasInPoint) out.WriteU32(inPoint);
  if (hasOutPoint) out.WriteU32(outPoint);
  if (hasLoops) out.WriteU16(static_cast<uint32_t>(loopCount));
  if (hasEnvelope) {
    out.WriteU8(static_cast<uint32_t>(envelope.size()));
    for (const SwfSoundEnvelopePoint& p : envelope) {
      out.WriteU32(p.pos44);
      out.WriteU16(static_cast<uint32_t>(p.leftLevel));
      out.WriteU16(static_cast<uint32_t>(p.rightLevel));
    }
  }
}
