#include "export/swf/swf_wave_file.h"

#include <array>
#include <string>

#include "platform/file/byte_reader.h"
#include "platform/file/little_endian.h"
#include "platform/file/safe_save.h"

namespace {

constexpr std::array<int, 4> kSwfRates = {5512, 11025, 22050, 44100};
constexpr uint32_t kRate5513 = 5513;
constexpr uint64_t kChunkHeaderBytes = 8;
constexpr uint64_t kRiffHeaderBytes = 12;
constexpr uint32_t kMinFmtBytes = 16;
constexpr int kPcmFormatTag = 1;

bool IsId(const uint8_t* p, const char (&id)[5]) {
  return p[0] == id[0] && p[1] == id[1] && p[2] == id[2] && p[3] == id[3];
}

std::string IdText(const uint8_t* p) { return std::string(reinterpret_cast<const char*>(p), 4); }

tmb::Status Refuse(const std::string& why) { return tmb::Status::Fail("WAVE file refused: " + why); }

tmb::Status ParseFmt(std::span<const uint8_t> chunk, SwfWaveSound& out) {
  if (chunk.size() < kMinFmtBytes) {
    return Refuse("its \"fmt \" chunk has " + std::to_string(chunk.size()) + " bytes, not 16");
  }
  tmb::ByteReader r(chunk);
  uint16_t tag = 0;
  uint16_t channels = 0;
  uint32_t rate = 0;
  uint32_t byteRate = 0;
  uint16_t blockAlign = 0;
  uint16_t bits = 0;
  r.ReadU16(tag);
  r.ReadU16(channels);
  r.ReadU32(rate);
  r.ReadU32(byteRate);
  r.ReadU16(blockAlign);
  r.ReadU16(bits);
  if (tag != kPcmFormatTag) return Refuse("format tag " + std::to_string(tag) + " is not plain PCM");
  if (channels != 1 && channels != 2) {
    return Refuse(std::to_string(channels) + " channels (only mono and stereo)");
  }
  const int rateIndex = SwfRateIndex(rate);
  if (rateIndex < 0) {
    return Refuse("a rate of " + std::to_string(rate) + " Hz (only 5,512, 11,025, 22,050 and 44,100)");
  }
  if (bits != 8 && bits != 16) return Refuse(std::to_string(bits) + " bits per sample (only 8 and 16)");
  out.rateIndex = rateIndex;
  out.stereo = channels == 2;
  out.is16Bit = bits == 16;
  return tmb::Status::Ok();
}

void TakeSamples(std::span<const uint8_t> data, SwfWaveSound& out) {
  const size_t channels = out.stereo ? 2 : 1;
  const size_t frameBytes = channels * (out.is16Bit ? 2 : 1);
  const size_t frames = data.size() / frameBytes;
  out.frames = static_cast<uint32_t>(frames);
  const size_t samples = frames * channels;
  if (out.is16Bit) {
    out.samples16.resize(samples);
    for (size_t i = 0; i < samples; ++i) {
      out.samples16[i] = static_cast<int16_t>(tmb::LoadU16(data.data() + 2 * i));
    }
  } else {
    out.samples8.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(samples));
  }
}

}  // namespace

int SwfRateIndex(uint32_t samplesPerSecond) {
  if (samplesPerSecond == kRate5513) return 0;
  for (size_t i = 0; i < kSwfRates.size(); ++i) {
    if (samplesPerSecond == static_cast<uint32_t>(kSwfRates[i])) return static_cast<int>(i);
  }
  return -1;
}

tmb::Status ParseWaveFile(std::span<const uint8_t> file, SwfWaveSound& out) {
  out = SwfWaveSound();
  if (file.size() < kRiffHeaderBytes) return Refuse("it is truncated");
  if (!IsId(file.data(), "RIFF")) return Refuse("it is not a RIFF file");
  const uint64_t end = kChunkHeaderBytes + tmb::LoadU32(file.data() + 4);
  if (end > file.size()) return Refuse("it is truncated (the RIFF size runs past the end of the file)");
  if (!IsId(file.data() + 8, "WAVE")) return Refuse("it is not a WAVE file");
  bool haveFmt = false;
  uint64_t pos = kRiffHeaderBytes;
  while (pos + kChunkHeaderBytes <= end) {
    const uint8_t* head = file.data() + pos;
    const uint64_t size = tmb::LoadU32(head + 4);
    const uint64_t body = pos + kChunkHeaderBytes;
    if (body + size > end) {
      return Refuse("its \"" + IdText(head) + "\" chunk runs past the end of the file");
    }
    const std::span<const uint8_t> chunk = file.subspan(body, size);
    if (IsId(head, "fmt ")) {
      if (tmb::Status s = ParseFmt(chunk, out); !s) return s;
      haveFmt = true;
    } else if (IsId(head, "data")) {
      if (!haveFmt) return Refuse("no \"fmt \" chunk comes before its \"data\" chunk");
      TakeSamples(chunk, out);
      if (out.frames == 0) return Refuse("its \"data\" chunk holds no sample");
      return tmb::Status::Ok();
    }
    pos = body + size + (size & 1);  // RIFF pads odd chunks to an even length
  }
  return Refuse(haveFmt ? "it has no \"data\" chunk" : "it has no \"fmt \" chunk");
}

tmb::Status ReadWaveFile(const std::filesystem::path& path, SwfWaveSound& out) {
  std::vector<uint8_t> bytes;
  if (tmb::Status s = tmb::ReadWholeFile(path, bytes, kMaxWaveFileBytes); !s) return s;
  return ParseWaveFile(bytes, out);
}

SwfWaveFormat WaveFormatOfSwfSound(int formatByte) {
  SwfWaveFormat f;
  f.channels = (formatByte & 1) != 0 ? 2 : 1;
  f.bitsPerSample = (formatByte & 2) != 0 ? 16 : 8;
  f.samplesPerSecond = kSwfRates[static_cast<size_t>((formatByte >> 2) & 3)];
  f.blockAlign = f.bitsPerSample * f.channels / 8;
  f.averageBytesPerSecond = f.blockAlign * f.samplesPerSecond;
  return f;
}
