// The SOUNDINFO record: how StartSound and button sounds play a defined sound.
#pragma once

#include <cstdint>
#include <vector>

class SwfOutputBuffer;

struct SwfSoundEnvelopePoint {
  uint32_t pos44 = 0;  // position in 44 kHz samples
  int leftLevel = 0;
  int rightLevel = 0;
};

struct SwfSoundInfo {
  int sync = 0;  // 4 bits: reserved, SyncStop, SyncNoMultiple
  bool hasEnvelope = false;
  bool hasLoops = false;
  bool hasOutPoint = false;
  bool hasInPoint = false;
  uint32_t inPoint = 0;
  uint32_t outPoint = 0;
  int loopCount = 0;
  std::vector<SwfSoundEnvelopePoint> envelope;  // at most 255 points

  void Write(SwfOutputBuffer& out) const;
};
