// The ADPCM sound coder of the SWF writer: 2 to 5 bits per sample, in packets of 4,096
// sample frames that each start with a plain 16-bit sample and a 6-bit step index per
// channel. Bits are written most significant first.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/service/result.h"

class SwfAdpcmEncoder {
 public:
  static constexpr int kPacketFrames = 4096;
  static constexpr int kMinCodeSize = 2;
  static constexpr int kMaxCodeSize = 5;

  // A code size outside 2..5 leaves the coder failed (status()); it then codes nothing.
  SwfAdpcmEncoder(bool stereo, int codeSize);

  const tmb::Status& status() const { return m_status; }
  int Channels() const { return m_bStereo ? 2 : 1; }

  // Codes the sample frames of 16-bit samples (interleaved left, right when stereo; a
  // trailing half frame is left out). A call's last frame has no next one to size a new
  // packet's step index by: the difference counts as 0.
  void EncodeAdpcm(std::span<const int16_t> samples);
  // The same for unsigned 8-bit samples, widened to 16 bits in pieces of 4,096 frames.
  void EncodeAdpcm8(std::span<const uint8_t> samples);
  // Writes out the pending bits, the last byte padded with zero bits.
  void Flush();

  const std::vector<uint8_t>& Bytes() const { return m_bytes; }
  std::vector<uint8_t> TakeBytes() { return std::move(m_bytes); }
  // Frames coded so far.
  uint64_t FrameCount() const { return m_nFrames; }
  // The sample a decoder holds after the last frame, and its step index.
  int Predicted(int channel) const { return m_channels[channel].predicted; }
  int StepIndex(int channel) const { return m_channels[channel].index; }

 private:
  struct Channel {
    int predicted = 0;
    int index = 0;
  };

  template <int kCodeSize>
  void EncodeFrames(std::span<const int16_t> samples);

  bool m_bStereo;
  int m_nCodeSize;
  tmb::Status m_status = tmb::Status::Ok();
  bool m_bStarted = false;
  uint64_t m_nFrames = 0;
  Channel m_channels[2];
  uint64_t m_accumulator = 0;
  int m_nPending = 0;
  std::vector<uint8_t> m_bytes;
};
