#include <gtest/gtest.h>

#include "export/swf/swf_control_tags.h"
#include "export/swf/swf_movie.h"
#include "export/swf/swf_sound_tags.h"
#include "support/swf_adpcm_decoder.h"
#include "support/swf_fixture.h"
#include "support/swf_reader.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(SwfSoundTags, SamplesInMemoryBecomeAnAdpcmSound) {
  SwfMovie movie;
  const auto samples = tmb::test::SineSamples(440, 16000, 22050, 3000);
  std::unique_ptr<SwfTagDefineSoundB> sound;
  ASSERT_TRUE(SwfTagDefineSoundB::Make(2, false, samples, 5, sound));
  const auto tag = tmb::test::ReadBackSwfTag(*sound);
  EXPECT_EQ(tag.code, 14);
  const auto read = tmb::test::ReadSwfDefineSound(tag);
  EXPECT_EQ(read.format, 1);
  EXPECT_EQ(read.rate, 2);
  EXPECT_EQ(read.size, 1);
  EXPECT_EQ(read.type, 0);
  EXPECT_EQ(read.sampleCount, 3000u);
  const auto decoded = tmb::test::DecodeSwfAdpcm(read.data, false, read.sampleCount);
  EXPECT_GE(tmb::test::SignalToNoiseDb(samples, decoded), 44);

  const Bytes eight = {128, 200, 56, 128};
  std::unique_ptr<SwfTagDefineSoundB> stereo8;
  ASSERT_TRUE(SwfTagDefineSoundB::Make(0, true, std::span<const uint8_t>(eight), 3, stereo8));
  const auto read8 = tmb::test::ReadSwfDefineSound(tmb::test::ReadBackSwfTag(*stereo8));
  EXPECT_EQ(read8.size, 0);
  EXPECT_EQ(read8.type, 1);
  EXPECT_EQ(read8.sampleCount, 2u);
}

TEST(SwfSoundTags, RefusesWhatASoundCannotHold) {
  SwfMovie movie;
  const std::vector<int16_t> three = {1, 2, 3};
  std::unique_ptr<SwfTagDefineSoundB> sound;
  EXPECT_FALSE(SwfTagDefineSoundB::Make(4, false, three, 4, sound));
  EXPECT_FALSE(SwfTagDefineSoundB::Make(-1, false, three, 4, sound));
  EXPECT_FALSE(SwfTagDefineSoundB::Make(2, false, three, 1, sound));
  EXPECT_FALSE(SwfTagDefineSoundB::Make(2, true, three, 4, sound));  // half a frame
  EXPECT_EQ(sound, nullptr);
  EXPECT_TRUE(SwfTagDefineSoundB::Make(2, false, three, 4, sound));
  EXPECT_EQ(sound->Id(), 1);
}

TEST(SwfSoundTags, StreamHeadsTakeTheRateGiven) {
  const Bytes head = tmb::test::ReadBackSwfTag(SwfTagSoundStreamHead(0x0A, 2, true, 1470)).body;
  EXPECT_EQ(head, Bytes({0x0A, 0x1B, 0xBE, 0x05}));  // ADPCM, 22 kHz, 16-bit, stereo
  const Bytes head2 = tmb::test::ReadBackSwfTag(SwfTagSoundStreamHead2(0x0E, 0, 3, 1, 0, 100)).body;
  EXPECT_EQ(head2, Bytes({0x0E, 0x0E, 0x64, 0x00}));  // raw, 44 kHz, 16-bit, mono
  const Bytes block = {5, 6, 7};
  EXPECT_EQ(tmb::test::SwfTagBytes(SwfTagSoundStreamBlock(block)), Bytes({0xC3, 0x04, 5, 6, 7}));
}

TEST(SwfSoundTags, SoundInfoWritesThePartsItAnnounces) {
  SwfSoundInfo info;
  info.sync = 2;
  info.hasInPoint = info.hasOutPoint = info.hasLoops = info.hasEnvelope = true;
  info.inPoint = 0x01020304;
  info.outPoint = 7;
  info.loopCount = 3;
  info.envelope = {{44100, 32768, 0}};
  const Bytes body = tmb::test::ReadBackSwfTag(SwfTagStartSound(6, info)).body;
  EXPECT_EQ(body, Bytes({0x06, 0x00, 0x2F, 0x04, 0x03, 0x02, 0x01, 0x07, 0x00, 0x00, 0x00, 0x03, 0x00,
                         0x01, 0x44, 0xAC, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00}));
  info.envelope.resize(256);
  EXPECT_FALSE(tmb::test::SwfTagWriteError(SwfTagStartSound(6, info)).empty());
}

}  // namespace
