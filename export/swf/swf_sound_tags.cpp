#include "export/swf/swf_sound_tags.h"

#include <cstdint>
#include <string>

#include "export/swf/swf_adpcm_encoder.h"
#include "export/swf/swf_output_buffer.h"
#include "export/swf/swf_wave_file.h"

namespace {

constexpr int kMaxRateIndex = 3;

// Codes the samples of one sound; refuses what the sound tag cannot hold.
template <typename Sample>
tmb::Status EncodeSound(int rateIndex, bool stereo, std::span<const Sample> samples, int codeSize,
                        std::vector<uint8_t>& data, uint32_t& frames) {
  if (rateIndex < 0 || rateIndex > kMaxRateIndex) {
    return tmb::Status::Fail("sound rate index " + std::to_string(rateIndex) + " outside 0..3");
  }
  SwfAdpcmEncoder encoder(stereo, codeSize);
  if (!encoder.status()) return encoder.status();
  const size_t channels = static_cast<size_t>(encoder.Channels());
  if (samples.size() % channels != 0) return tmb::Status::Fail("stereo samples that are not whole frames");
  if (samples.size() / channels > UINT32_MAX) return tmb::Status::Fail("more sample frames than a sound holds");
  if constexpr (sizeof(Sample) == 1) {
    encoder.EncodeAdpcm8(samples);
  } else {
    encoder.EncodeAdpcm(samples);
  }
  encoder.Flush();
  frames = static_cast<uint32_t>(samples.size() / channels);
  data = encoder.TakeBytes();
  return tmb::Status::Ok();
}

}  // namespace

void SwfTagDefineSound::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteId(body);
  body.WriteBits(static_cast<uint32_t>(m_nFormat), 4);
  body.WriteBits(static_cast<uint32_t>(m_nRate), 2);
  body.WriteBits(static_cast<uint32_t>(m_nSize), 1);
  body.WriteBits(static_cast<uint32_t>(m_nType), 1);
  body.WriteU32(m_nSampleCount);
  body.AddBlock(m_data);
  WriteRecord(out, Code(), body);
}

template <typename Sample>
tmb::Status SwfTagDefineSoundB::MakeFrom(int rateIndex, bool stereo, std::span<const Sample> samples,
                                         int codeSize, std::unique_ptr<SwfTagDefineSoundB>& out) {
  std::vector<uint8_t> data;
  uint32_t frames = 0;
  if (tmb::Status s = EncodeSound(rateIndex, stereo, samples, codeSize, data, frames); !s) return s;
  const int size = sizeof(Sample) == 2 ? 1 : 0;
  out = std::make_unique<SwfTagDefineSoundB>(kFormatAdpcm, rateIndex, size, stereo ? 1 : 0, frames,
                                             std::move(data));
  return tmb::Status::Ok();
}

tmb::Status SwfTagDefineSoundB::Make(int rateIndex, bool stereo, std::span<const int16_t> samples,
                                     int codeSize, std::unique_ptr<SwfTagDefineSoundB>& out) {
  return MakeFrom(rateIndex, stereo, samples, codeSize, out);
}

tmb::Status SwfTagDefineSoundB::Make(int rateIndex, bool stereo, std::span<const uint8_t> samples,
                                     int codeSize, std::unique_ptr<SwfTagDefineSoundB>& out) {
  return MakeFrom(rateIndex, stereo, samples, codeSize, out);
}

tmb::Status SwfTagDefineSoundC::Make(const std::filesystem::path& path, int codeSize,
                                     std::unique_ptr<SwfTagDefineSound>& out) {
  SwfWaveSound wave;
  if (tmb::Status s = ReadWaveFile(path, wave); !s) return s;
  std::unique_ptr<SwfTagDefineSoundB> sound;
  tmb::Status s = wave.is16Bit
                      ? SwfTagDefineSoundB::Make(wave.rateIndex, wave.stereo,
                                                 std::span<const int16_t>(wave.samples16), codeSize, sound)
                      : SwfTagDefineSoundB::Make(wave.rateIndex, wave.stereo,
                                                 std::span<const uint8_t>(wave.samples8), codeSize, sound);
  if (s) out = std::move(sound);
  return s;
}

void SwfTagSoundStreamHead::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteU8(static_cast<uint32_t>(m_nPlayback));
  body.WriteBits(SwfTagDefineSound::kFormatAdpcm, 4);
  body.WriteBits(static_cast<uint32_t>(m_nRate), 2);
  body.WriteBits(1, 1);  // StreamSoundSize: 16-bit
  body.WriteBits(m_bStereo ? 1 : 0, 1);
  body.WriteU16(static_cast<uint32_t>(m_nSampleCount));
  WriteRecord(out, Code(), body);
}

void SwfTagSoundStreamHead2::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.WriteU8(static_cast<uint32_t>(m_nPlayback));
  body.WriteBits(static_cast<uint32_t>(m_nCompression), 4);
  body.WriteBits(static_cast<uint32_t>(m_nRate), 2);
  body.WriteBits(static_cast<uint32_t>(m_nSize), 1);
  body.WriteBits(static_cast<uint32_t>(m_nType), 1);
  body.WriteU16(static_cast<uint32_t>(m_nSampleCount));
  WriteRecord(out, Code(), body);
}

void SwfTagSoundStreamBlock::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.AddBlock(m_data);
  WriteRecord(out, Code(), body);
}
