#include <gtest/gtest.h>

#include "export/swf/swf_adpcm_encoder.h"
#include "support/swf_adpcm_decoder.h"
#include "support/swf_fixture.h"
#include "support/swf_reader.h"

namespace {

using tmb::test::DecodeSwfAdpcm;

TEST(SwfAdpcm, StartsWithTheCodeSizeLessTwo) {
  for (int codeSize = 2; codeSize <= 5; ++codeSize) {
    SwfAdpcmEncoder coder(false, codeSize);
    const int16_t samples[] = {100, 200};
    coder.EncodeAdpcm(samples);
    coder.Flush();
    EXPECT_EQ(coder.Bytes()[0] >> 6, codeSize - 2);
  }
  SwfAdpcmEncoder four(false, 4);
  const int16_t one[] = {0};
  four.EncodeAdpcm(one);
  four.Flush();
  EXPECT_EQ(four.Bytes()[0] & 0xC0, 0x80);  // bits 1, 0
}

TEST(SwfAdpcm, RefusesCodeSizesOutside2To5) {
  for (int codeSize : {1, 6, -3}) {
    SwfAdpcmEncoder coder(true, codeSize);
    EXPECT_FALSE(coder.status());
    const int16_t samples[] = {1, 2, 3, 4};
    coder.EncodeAdpcm(samples);
    coder.Flush();
    EXPECT_TRUE(coder.Bytes().empty());
  }
}

TEST(SwfAdpcm, A4097thFrameStartsTheSecondPacket) {
  const auto samples = tmb::test::SineSamples(300, 9000, 22050, 4097);
  SwfAdpcmEncoder coder(false, 4);
  coder.EncodeAdpcm(samples);
  coder.Flush();
  const auto& bytes = coder.Bytes();
  // 2 + 22 + 4,095 x 4 bits, then a 16-bit sample and a 6-bit index.
  ASSERT_EQ(bytes.size(), (2 + 22 + 4095 * 4 + 22 + 7) / 8u);
  tmb::test::SwfBits r(bytes);
  r.UB(2 + 22 + 4095 * 4);
  EXPECT_EQ(r.SB(16), samples[4096]);
  EXPECT_EQ(r.UB(6), 0u);  // no next frame: difference 0
  const auto decoded = DecodeSwfAdpcm(bytes, false, 4097);
  ASSERT_EQ(decoded.size(), 4097u);
  EXPECT_EQ(decoded[0], samples[0]);
  EXPECT_EQ(decoded[4096], samples[4096]);
}

TEST(SwfAdpcm, PacketIndexFollowsTheDifferenceToTheNextFrame) {
  SwfAdpcmEncoder coder(false, 3);
  const int16_t samples[] = {0, 100, 90};
  coder.EncodeAdpcm(samples);
  coder.Flush();
  tmb::test::SwfBits r(coder.Bytes());
  r.UB(2 + 16);
  EXPECT_EQ(r.UB(6), 28u);  // 97 at index 27 is short of 100; 107 at index 28 covers it
}

// Decoded samples equal what the coder predicted frame by frame, for every code size,
// mono and stereo, 16- and 8-bit input.
TEST(SwfAdpcm, DecoderFollowsTheCodersPredictions) {
  for (int codeSize = 2; codeSize <= 5; ++codeSize) {
    for (bool stereo : {false, true}) {
      for (bool eightBit : {false, true}) {
        const int channels = stereo ? 2 : 1;
        const size_t frames = 5000;
        const auto left = tmb::test::SineSamples(440, 12000, 11025, frames);
        const auto right = tmb::test::SineSamples(97, 20000, 11025, frames);
        SwfAdpcmEncoder coder(stereo, codeSize);
        std::vector<int16_t> predicted;
        for (size_t f = 0; f < frames; ++f) {
          if (eightBit) {
            uint8_t frame[2] = {static_cast<uint8_t>((left[f] >> 8) + 128), static_cast<uint8_t>((right[f] >> 8) + 128)};
            coder.EncodeAdpcm8(std::span<const uint8_t>(frame, static_cast<size_t>(channels)));
          } else {
            const int16_t frame[2] = {left[f], right[f]};
            coder.EncodeAdpcm(std::span<const int16_t>(frame, static_cast<size_t>(channels)));
          }
          for (int c = 0; c < channels; ++c) predicted.push_back(static_cast<int16_t>(coder.Predicted(c)));
        }
        coder.Flush();
        EXPECT_EQ(coder.FrameCount(), frames);
        const auto decoded = DecodeSwfAdpcm(coder.Bytes(), stereo, frames);
        EXPECT_EQ(decoded, predicted) << codeSize << (stereo ? " stereo" : " mono") << (eightBit ? " 8-bit" : " 16-bit");
      }
    }
  }
}

TEST(SwfAdpcm, StereoCountsFramesAndReadsNoFurther) {
  // Exactly 3 frames of stereo: a coder that counted samples would read 6 frames.
  const std::vector<int16_t> samples = {100, -100, 200, -200, 300, -300};
  SwfAdpcmEncoder coder(true, 4);
  coder.EncodeAdpcm(samples);
  coder.Flush();
  EXPECT_EQ(coder.FrameCount(), 3u);
  const auto decoded = DecodeSwfAdpcm(coder.Bytes(), true, 3);
  ASSERT_EQ(decoded.size(), 6u);
  EXPECT_EQ(decoded[0], 100);
  EXPECT_EQ(decoded[1], -100);

  const std::vector<uint8_t> wide8(2 * 4096 + 2, 140);  // 8-bit stereo, more than one piece
  SwfAdpcmEncoder coder8(true, 2);
  coder8.EncodeAdpcm8(wide8);
  EXPECT_EQ(coder8.FrameCount(), 4097u);
}

TEST(SwfAdpcm, SineDecodesWithTheSignalToNoiseEachCodeSizeAllows) {
  const auto sine = tmb::test::SineSamples(440, 16000, 22050, 22050);
  const double minimum[] = {25, 31, 37, 44};
  for (int codeSize = 2; codeSize <= 5; ++codeSize) {
    SwfAdpcmEncoder coder(false, codeSize);
    coder.EncodeAdpcm(sine);
    coder.Flush();
    const auto decoded = DecodeSwfAdpcm(coder.Bytes(), false, static_cast<uint32_t>(sine.size()));
    ASSERT_EQ(decoded.size(), sine.size());
    const double snr = tmb::test::SignalToNoiseDb(sine, decoded);
    EXPECT_GE(snr, minimum[codeSize - 2]) << codeSize;
    RecordProperty("snr_" + std::to_string(codeSize), std::to_string(snr));
  }
}

}  // namespace
