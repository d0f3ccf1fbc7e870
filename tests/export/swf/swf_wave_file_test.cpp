#include <gtest/gtest.h>

#include <functional>

#include "export/swf/swf_movie.h"
#include "export/swf/swf_sound_tags.h"
#include "export/swf/swf_wave_file.h"
#include "platform/file/byte_writer.h"
#include "platform/file/little_endian.h"
#include "support/file_bytes.h"
#include "support/swf_fixture.h"
#include "support/swf_reader.h"
#include "support/temp_dir.h"

namespace {

using Bytes = std::vector<uint8_t>;
using tmb::test::WaveFileBytes;

const Bytes kFourSamples = {1, 0, 2, 0, 3, 0, 4, 0};

TEST(SwfWaveFile, TakesTheFourSwfRates) {
  struct Case {
    int rate;
    int index;
  };
  for (Case c : {Case{5512, 0}, Case{5513, 0}, Case{11025, 1}, Case{22050, 2}, Case{44100, 3}}) {
    SwfWaveSound sound;
    ASSERT_TRUE(ParseWaveFile(WaveFileBytes(c.rate, 1, 16, kFourSamples), sound)) << c.rate;
    EXPECT_EQ(sound.rateIndex, c.index) << c.rate;
    EXPECT_EQ(sound.frames, 4u);
    EXPECT_EQ(sound.samples16, (std::vector<int16_t>{1, 2, 3, 4}));
  }
  for (int rate : {48000, 8000, 12000, 24000, 16000}) {
    SwfWaveSound sound;
    const tmb::Status s = ParseWaveFile(WaveFileBytes(rate, 1, 16, kFourSamples), sound);
    ASSERT_FALSE(s) << rate;
    EXPECT_NE(s.message().find("rate of " + std::to_string(rate)), std::string::npos) << s.message();
  }
}

// Damaged and unsupported files, each refused at once with what is wrong.
TEST(SwfWaveFile, RefusesDamagedFilesSayingWhy) {
  const Bytes good = WaveFileBytes(22050, 1, 16, kFourSamples);
  const size_t fmtSize = 16;       // offset of the "fmt " size field
  const size_t dataChunk = 36;     // offset of the "data" chunk header
  auto patch32 = [](Bytes b, size_t at, uint32_t v) {
    tmb::StoreU32(b.data() + at, v);
    return b;
  };
  auto patch16 = [](Bytes b, size_t at, uint16_t v) {
    tmb::StoreU16(b.data() + at, v);
    return b;
  };
  struct Case {
    const char* what;
    Bytes file;
    const char* message;
  };
  Bytes dataFirst;
  {
    tmb::ByteWriter w;
    w.Bytes("RIFF", 4).U32(4 + 8 + 8 + 8 + 16).Bytes("WAVE", 4);
    w.Bytes("data", 4).U32(8).Bytes(kFourSamples.data(), 8);
    w.Bytes(good.data() + 12, 24);  // the "fmt " chunk
    dataFirst = w.bytes();
  }
  Bytes shortFmt;
  {
    tmb::ByteWriter w;
    w.Bytes("RIFF", 4).U32(4 + 8 + 14 + 8 + 8).Bytes("WAVE", 4);
    w.Bytes("fmt ", 4).U32(14).Bytes(good.data() + 20, 14);
    w.Bytes("data", 4).U32(8).Bytes(kFourSamples.data(), 8);
    shortFmt = w.bytes();
  }
  const Case cases[] = {
      {"cut after 30 bytes", Bytes(good.begin(), good.begin() + 30), "truncated"},
      {"cut inside the header", Bytes(good.begin(), good.begin() + 10), "truncated"},
      {"RIFF size past the end", patch32(good, 4, 1000), "truncated"},
      {"not RIFF", patch32(good, 0, 0x58464952), "not a RIFF file"},
      {"not WAVE", patch32(good, 8, 0x45564157 + 1), "not a WAVE file"},
      {"chunk size 0xFFFFFFF0", patch32(good, fmtSize, 0xFFFFFFF0u), "\"fmt \" chunk runs past the end"},
      {"14-byte fmt", shortFmt, "has 14 bytes"},
      {"data before fmt", dataFirst, "no \"fmt \" chunk comes before"},
      {"float samples (tag 3)", patch16(good, 20, 3), "format tag 3 "},
      {"extensible (tag 0xFFFE)", patch16(good, 20, 0xFFFE), "format tag 65534"},
      {"24 bits", patch16(good, 34, 24), "24 bits per sample"},
      {"no channels", patch16(good, 22, 0), "0 channels"},
      {"three channels", patch16(good, 22, 3), "3 channels"},
      {"data past the end", patch32(good, dataChunk + 4, 100), "\"data\" chunk runs past the end"},
      {"no data chunk", Bytes(good.begin(), good.begin() + dataChunk), "truncated"},
  };
  for (const Case& c : cases) {
    SwfWaveSound sound;
    const tmb::Status s = ParseWaveFile(c.file, sound);
    ASSERT_FALSE(s) << c.what;
    EXPECT_NE(s.message().find(c.message), std::string::npos) << c.what << ": " << s.message();
  }
}

TEST(SwfWaveFile, NoDataChunkWithinTheRiffSizeIsRefused) {
  Bytes file = WaveFileBytes(22050, 1, 16, kFourSamples);
  file.resize(36);
  tmb::StoreU32(file.data() + 4, 28);
  SwfWaveSound sound;
  const tmb::Status s = ParseWaveFile(file, sound);
  ASSERT_FALSE(s);
  EXPECT_NE(s.message().find("no \"data\" chunk"), std::string::npos) << s.message();
}

TEST(SwfWaveFile, SkipsAnOddChunkAndItsPadByte) {
  tmb::ByteWriter w;
  const Bytes good = WaveFileBytes(11025, 2, 8, Bytes{10, 20, 30, 40});
  w.Bytes("RIFF", 4).U32(static_cast<uint32_t>(good.size() - 8 + 8 + 4)).Bytes("WAVE", 4);
  w.Bytes("LIST", 4).U32(3).Bytes("abc", 3).U8(0);  // odd size, then the pad byte
  w.Bytes(good.data() + 12, good.size() - 12);
  SwfWaveSound sound;
  const tmb::Status s = ParseWaveFile(w.bytes(), sound);
  ASSERT_TRUE(s) << s.message();
  EXPECT_TRUE(sound.stereo);
  EXPECT_FALSE(sound.is16Bit);
  EXPECT_EQ(sound.rateIndex, 1);
  EXPECT_EQ(sound.frames, 2u);
  EXPECT_EQ(sound.samples8, Bytes({10, 20, 30, 40}));
}

TEST(SwfWaveFile, SoundFromAFileCountsFrames) {
  tmb::test::TempDir dir;
  std::vector<int16_t> samples(2000);
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>(i * 7);
  tmb::test::WriteFileBytes(dir / "s.wav", WaveFileBytes(44100, 2, 16, tmb::test::PcmBytes(samples)));
  SwfMovie movie;
  std::unique_ptr<SwfTagDefineSound> sound;
  ASSERT_TRUE(SwfTagDefineSoundC::Make(dir / "s.wav", 4, sound));
  Bytes stream = tmb::test::SwfTagBytes(*sound);
  stream.insert(stream.end(), {0, 0});
  std::vector<tmb::test::SwfTagRecord> tags;
  std::string why;
  ASSERT_TRUE(tmb::test::ParseSwfTags(stream, tags, why)) << why;
  const auto read = tmb::test::ReadSwfDefineSound(tags[0]);
  EXPECT_EQ(read.id, 1);
  EXPECT_EQ(read.format, 1);
  EXPECT_EQ(read.rate, 3);
  EXPECT_EQ(read.size, 1);
  EXPECT_EQ(read.type, 1);
  EXPECT_EQ(read.sampleCount, 1000u);
}

TEST(SwfWaveFile, RefusedFilesMakeNoTagAndTakeNoId) {
  tmb::test::TempDir dir;
  tmb::test::WriteFileBytes(dir / "bad.wav", WaveFileBytes(48000, 1, 16, kFourSamples));
  SwfMovie movie;
  std::unique_ptr<SwfTagDefineSound> sound;
  EXPECT_FALSE(SwfTagDefineSoundC::Make(dir / "bad.wav", 4, sound));
  EXPECT_FALSE(SwfTagDefineSoundC::Make(dir / "missing.wav", 4, sound));
  tmb::test::WriteFileBytes(dir / "good.wav", WaveFileBytes(22050, 1, 16, kFourSamples));
  EXPECT_FALSE(SwfTagDefineSoundC::Make(dir / "good.wav", 6, sound));
  EXPECT_EQ(sound, nullptr);
  ASSERT_TRUE(SwfTagDefineSoundC::Make(dir / "good.wav", 2, sound));
  EXPECT_EQ(sound->Id(), 1);
}

TEST(SwfWaveFile, FormatByteDescribesThePcmFormat) {
  const SwfWaveFormat stereo = WaveFormatOfSwfSound((2 << 2) | 2 | 1);
  EXPECT_EQ(stereo.formatTag, 1);
  EXPECT_EQ(stereo.channels, 2);
  EXPECT_EQ(stereo.samplesPerSecond, 22050);
  EXPECT_EQ(stereo.bitsPerSample, 16);
  EXPECT_EQ(stereo.blockAlign, 4);
  EXPECT_EQ(stereo.averageBytesPerSecond, 88200);
  const SwfWaveFormat mono = WaveFormatOfSwfSound(0);
  EXPECT_EQ(mono.channels, 1);
  EXPECT_EQ(mono.samplesPerSecond, 5512);
  EXPECT_EQ(mono.blockAlign, 1);
}

}  // namespace
