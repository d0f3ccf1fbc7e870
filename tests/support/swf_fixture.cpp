#include "support/swf_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "export/swf/swf_output_buffer.h"
#include "export/swf/swf_tag.h"
#include "platform/file/byte_writer.h"

namespace tmb::test {

std::vector<uint8_t> SwfBufferBytes(SwfOutputBuffer& buffer) {
  std::vector<uint8_t> bytes(buffer.TotalSize());
  buffer.CopyToMemory(bytes.data());
  return bytes;
}

std::vector<uint8_t> SwfTagBytes(const SwfTag& tag) {
  SwfOutputBuffer out;
  tag.Write(out);
  EXPECT_TRUE(out.ok()) << out.error();
  return SwfBufferBytes(out);
}

SwfTagRecord ReadBackSwfTag(const SwfTag& tag) {
  std::vector<uint8_t> stream = SwfTagBytes(tag);
  stream.push_back(0);  // an End tag closes the stream
  stream.push_back(0);
  std::vector<SwfTagRecord> tags;
  std::string why;
  EXPECT_TRUE(ParseSwfTags(stream, tags, why)) << why;
  return tags.empty() ? SwfTagRecord() : tags[0];
}

std::string SwfTagWriteError(const SwfTag& tag) {
  SwfOutputBuffer out;
  tag.Write(out);
  return out.error();
}

std::vector<uint8_t> WaveFileBytes(int rate, int channels, int bits, std::span<const uint8_t> data,
                                   int formatTag) {
  ByteWriter w;
  const uint32_t blockAlign = static_cast<uint32_t>(channels * bits / 8);
  w.Bytes("RIFF", 4).U32(static_cast<uint32_t>(4 + 8 + 16 + 8 + data.size() + (data.size() & 1)));
  w.Bytes("WAVE", 4);
  w.Bytes("fmt ", 4).U32(16).U16(static_cast<uint16_t>(formatTag)).U16(static_cast<uint16_t>(channels));
  w.U32(static_cast<uint32_t>(rate)).U32(static_cast<uint32_t>(rate) * blockAlign);
  w.U16(static_cast<uint16_t>(blockAlign)).U16(static_cast<uint16_t>(bits));
  w.Bytes("data", 4).U32(static_cast<uint32_t>(data.size())).Bytes(data.data(), data.size());
  if (data.size() & 1) w.U8(0);
  return w.bytes();
}

std::vector<uint8_t> PcmBytes(std::span<const int16_t> samples) {
  ByteWriter w;
  for (int16_t s : samples) w.I16(s);
  return w.bytes();
}

std::vector<int16_t> SineSamples(double frequency, double amplitude, int rate, size_t frames) {
  std::vector<int16_t> out(frames);
  for (size_t i = 0; i < frames; ++i) {
    out[i] = static_cast<int16_t>(std::lround(amplitude * std::sin(2 * std::numbers::pi * frequency * double(i) / rate)));
  }
  return out;
}

}  // namespace tmb::test
