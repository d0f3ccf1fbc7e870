// The sound tags of the SWF writer: defined sounds (coded with the ADPCM coder from
// samples in memory or from a WAVE file) and streamed sound.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "export/swf/swf_tag.h"
#include "platform/service/result.h"

class SwfTagDefineSound : public SwfCharacterTag {
 public:
  static constexpr int kFormatAdpcm = 1;

  // format 4 bits, rate index 0..3, size 0 (8-bit) or 1 (16-bit), type 0 mono or 1 stereo,
  // the sample frame count and the coded data (kept by the tag).
  SwfTagDefineSound(int format, int rateIndex, int size, int type, uint32_t sampleCount,
                    std::vector<uint8_t> data)
      : m_nFormat(format),
        m_nRate(rateIndex),
        m_nSize(size),
        m_nType(type),
        m_nSampleCount(sampleCount),
        m_data(std::move(data)) {}

  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 14; }

  uint32_t SampleCount() const { return m_nSampleCount; }
  const std::vector<uint8_t>& Data() const { return m_data; }

 private:
  int m_nFormat;
  int m_nRate;
  int m_nSize;
  int m_nType;
  uint32_t m_nSampleCount;
  std::vector<uint8_t> m_data;
};

// An ADPCM sound from samples in memory (interleaved left, right when stereo).
class SwfTagDefineSoundB : public SwfTagDefineSound {
 public:
  using SwfTagDefineSound::SwfTagDefineSound;

  // Refuses a rate index outside 0..3, a code size outside 2..5, a stereo count that is
  // not whole frames and more frames than the tag can count; no tag (and no character id)
  // is made then.
  static tmb::Status Make(int rateIndex, bool stereo, std::span<const int16_t> samples, int codeSize,
                          std::unique_ptr<SwfTagDefineSoundB>& out);
  static tmb::Status Make(int rateIndex, bool stereo, std::span<const uint8_t> samples, int codeSize,
                          std::unique_ptr<SwfTagDefineSoundB>& out);

 private:
  template <typename Sample>
  static tmb::Status MakeFrom(int rateIndex, bool stereo, std::span<const Sample> samples,
                              int codeSize, std::unique_ptr<SwfTagDefineSoundB>& out);
};

// An ADPCM sound from a WAVE file; a file that cannot be read or taken is refused with
// the reason, and no tag is made.
class SwfTagDefineSoundC : public SwfTagDefineSound {
 public:
  static tmb::Status Make(const std::filesystem::path& path, int codeSize,
                          std::unique_ptr<SwfTagDefineSound>& out);
};

class SwfTagSoundStreamHead : public SwfControlTag {
 public:
  // playback: the byte of the playback rate, size and type; the stream is ADPCM 16-bit
  // at the given rate index.
  SwfTagSoundStreamHead(int playback, int rateIndex, bool stereo, int sampleCount)
      : m_nPlayback(playback), m_nRate(rateIndex), m_bStereo(stereo), m_nSampleCount(sampleCount) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 18; }

 private:
  int m_nPlayback;
  int m_nRate;
  bool m_bStereo;
  int m_nSampleCount;
};

class SwfTagSoundStreamHead2 : public SwfControlTag {
 public:
  SwfTagSoundStreamHead2(int playback, int compression, int rateIndex, int size, int type,
                         int sampleCount)
      : m_nPlayback(playback),
        m_nCompression(compression),
        m_nRate(rateIndex),
        m_nSize(size),
        m_nType(type),
        m_nSampleCount(sampleCount) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 45; }

 private:
  int m_nPlayback;
  int m_nCompression;
  int m_nRate;
  int m_nSize;
  int m_nType;
  int m_nSampleCount;
};

// One frame's block of streamed sound; the data stays the caller's and must outlive the
// movie's write.
class SwfTagSoundStreamBlock : public SwfControlTag {
 public:
  explicit SwfTagSoundStreamBlock(std::span<const uint8_t> data) : m_data(data) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 19; }

 private:
  std::span<const uint8_t> m_data;
};
