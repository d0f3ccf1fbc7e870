// A movie with an audio stream beside its frames: written by our writer and read back by
// our reader and ffprobe, carried over byte for byte by a recompression, any stream copied
// into another movie, and damaged audio headers and chunks refused.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "platform/file/little_endian.h"
#include "platform/media/avi_reader.h"
#include "platform/media/avi_recompress.h"
#include "platform/media/avi_writer.h"
#include "support/checking_tool.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using tmb::AviCodec;
using tmb::AviReader;
using tmb::AviStreamInfo;
using tmb::AviWriter;
using tmb::BinaryFile;

namespace {

constexpr int kWidth = 8, kHeight = 6;
constexpr int kChunkBytes = 1600;  // a tenth of a second of 8 kHz 16-bit mono

// 16-bit mono PCM at 8,000 samples a second, as a movie's stream header and format hold it.
AviStreamInfo PcmAudio(int chunks) {
  AviStreamInfo a;
  a.type = tmb::FourCc("auds");
  a.scale = 2;      // the block of one sample
  a.rate = 16000;   // bytes a second
  a.sampleSize = 2;
  a.length = uint32_t(chunks * kChunkBytes / 2);
  a.bufferSize = kChunkBytes;
  a.format.resize(18);
  uint8_t* f = a.format.data();
  tmb::StoreU16(f, 1);  // PCM
  tmb::StoreU16(f + 2, 1);
  tmb::StoreU32(f + 4, 8000);
  tmb::StoreU32(f + 8, 16000);
  tmb::StoreU16(f + 12, 2);
  tmb::StoreU16(f + 14, 16);
  tmb::StoreU16(f + 16, 0);
  return a;
}

std::vector<uint8_t> Chunk(int i) {
  std::vector<uint8_t> c(kChunkBytes);
  for (size_t k = 0; k < c.size(); ++k) c[k] = uint8_t(k * 3 + size_t(i) * 101);
  return c;
}

tmb::Status WriteMovieWithAudio(const fs::path& path, int frames, int chunks) {
  BinaryFile file;
  if (!file.Open(path, BinaryFile::Mode::kCreate)) return tmb::Status::Fail("cannot create");
  AviWriter writer(file);
  tmb::AviFormat format;
  format.width = kWidth;
  format.height = kHeight;
  format.scale = 10;
  format.rate = 100;
  int audio = 0;
  if (tmb::Status s = writer.Start(format); !s) return s;
  if (tmb::Status s = writer.CreateStream(PcmAudio(chunks), audio); !s) return s;
  std::vector<uint8_t> rows(tmb::AviFrameBytes(kWidth, kHeight), 0x40);
  for (int i = 0; i < frames; ++i) {
    rows[0] = uint8_t(i);
    if (tmb::Status s = writer.AddFrame(rows.data(), ptrdiff_t(tmb::AviFrameBytes(kWidth, 1))); !s) return s;
  }
  for (int i = 0; i < chunks; ++i) {
    const std::vector<uint8_t> c = Chunk(i);
    if (tmb::Status s = writer.AddSample(audio, c.data(), c.size()); !s) return s;
  }
  if (tmb::Status s = writer.Finish(); !s) return s;
  return file.Close() ? tmb::Status::Ok() : tmb::Status::Fail("close");
}

// The streams ffprobe finds: "video rawvideo 0 0 3" per line (type, codec, rate,
// channels, packets).
std::string ProbeStreams(const fs::path& movie) {
  const tmb::test::ToolRun run = tmb::test::RunTool(
      "ffprobe -v error -count_packets -show_entries stream=codec_type,codec_name,sample_rate,channels,nb_read_packets "
      "-of csv=p=0 '" + movie.string() + "' 2>&1");
  return run.output;
}

void ExpectSameAudio(AviReader& reader, int chunks) {
  ASSERT_TRUE(reader.hasAudio());
  const AviStreamInfo want = PcmAudio(chunks);
  EXPECT_EQ(reader.audio().format, want.format);
  EXPECT_EQ(reader.audio().rate, want.rate);
  EXPECT_EQ(reader.audio().length, want.length);
  ASSERT_EQ(reader.samples(reader.audioStream()), chunks);
  std::vector<uint8_t> c;
  for (int i = 0; i < chunks; ++i) {
    ASSERT_TRUE(reader.ReadSample(reader.audioStream(), i, c));
    EXPECT_EQ(c, Chunk(i)) << "chunk " << i;
  }
}

class AviAudio : public ::testing::Test {
 protected:
  tmb::test::TempDir dir;
};

TEST_F(AviAudio, AMovieWithSoundReadsBackAndRecompressionCarriesTheSoundOver) {
  const fs::path path = dir / "sound.avi";
  ASSERT_TRUE(WriteMovieWithAudio(path, 3, 4));
  {
    AviReader reader;
    ASSERT_TRUE(reader.Open(path));
    EXPECT_EQ(reader.frames(), 3);
    ExpectSameAudio(reader, 4);
  }
  const bool probe = tmb::test::ToolInstalled("ffprobe");
  if (probe) {
    EXPECT_EQ(ProbeStreams(path), "rawvideo,video,3\npcm_s16le,audio,8000,1,4\n");
  }

  bool cancelled = false;
  ASSERT_TRUE(tmb::RecompressAviFile(path, path, AviCodec::kMotionJpeg, 80, nullptr, cancelled));
  AviReader reader;
  ASSERT_TRUE(reader.Open(path));
  EXPECT_EQ(reader.format().codec, AviCodec::kMotionJpeg);
  EXPECT_EQ(reader.frames(), 3);
  ExpectSameAudio(reader, 4);
  reader.Close();
  if (!probe) GTEST_SKIP() << "ffprobe is not installed";
  EXPECT_EQ(ProbeStreams(path), "mjpeg,video,3\npcm_s16le,audio,8000,1,4\n");
}

TEST_F(AviAudio, AMovieWithoutSoundTakesNoAudioChunk) {
  BinaryFile file;
  ASSERT_TRUE(file.Open(dir / "silent.avi", BinaryFile::Mode::kCreate));
  AviWriter writer(file);
  tmb::AviFormat format;
  format.width = format.height = 4;
  ASSERT_TRUE(writer.Start(format));
  const std::vector<uint8_t> c = Chunk(0);
  EXPECT_FALSE(writer.AddSample(1, c.data(), c.size()));
  AviStreamInfo tooLong = PcmAudio(1);
  tooLong.format.resize(tmb::kMaxAviFormatBytes + 1);
  int stream = 0;
  EXPECT_FALSE(writer.CreateStream(tooLong, stream));
}

// Any stream of a movie, its pictures as well as its sound, goes into another movie with
// its header, its format and every sample as they stood, once the other has begun and
// before its first sample; afterwards no stream can be made.
TEST_F(AviAudio, AnyStreamIsCopiedIntoAnotherMovieWithItsHeaderFormatAndEverySample) {
  const fs::path from = dir / "from.avi";
  ASSERT_TRUE(WriteMovieWithAudio(from, 3, 4));
  AviReader source;
  ASSERT_TRUE(source.Open(from));
  ASSERT_EQ(source.streams(), 2);
  const bool probe = tmb::test::ToolInstalled("ffprobe");
  struct Case {
    int stream;
    const char* probed;
  } cases[] = {{0, "rawvideo,video,2\nrawvideo,video,3\n"}, {1, "rawvideo,video,2\npcm_s16le,audio,8000,1,4\n"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stream);
    const fs::path to = dir / "to.avi";
    {
      BinaryFile file;
      ASSERT_TRUE(file.Open(to, BinaryFile::Mode::kCreate));
      AviWriter writer(file);
      tmb::AviFormat format;
      format.width = 5;
      format.height = 4;
      format.scale = 20;
      format.rate = 100;
      ASSERT_TRUE(writer.Start(format));
      EXPECT_EQ(tmb::CopyAviStream(writer, source, 2), 0) << "no such stream";
      EXPECT_EQ(tmb::CopyAviStream(writer, source, c.stream), 1);
      EXPECT_EQ(tmb::CopyAviStream(writer, source, 1 - c.stream), 0) << "the movie's samples have begun";
      const std::vector<uint8_t> rows(tmb::AviFrameBytes(5, 4), 0x80);
      for (int i = 0; i < 2; ++i) ASSERT_TRUE(writer.AddFrame(rows.data(), ptrdiff_t(tmb::AviFrameBytes(5, 1))));
      ASSERT_TRUE(writer.Finish());
      ASSERT_TRUE(file.Close());
    }
    AviReader copy;
    ASSERT_TRUE(copy.Open(to));
    ASSERT_EQ(copy.streams(), 2);
    EXPECT_EQ(copy.frames(), 2) << "the movie's own frames";
    const AviStreamInfo& want = source.stream(c.stream);
    const AviStreamInfo& got = copy.stream(1);
    EXPECT_EQ(got.type, want.type);
    EXPECT_EQ(got.scale, want.scale);
    EXPECT_EQ(got.rate, want.rate);
    EXPECT_EQ(got.length, want.length);
    EXPECT_EQ(got.format, want.format);
    ASSERT_EQ(copy.samples(1), source.samples(c.stream));
    std::vector<uint8_t> a, b;
    for (int i = 0; i < source.samples(c.stream); ++i) {
      ASSERT_TRUE(source.ReadSample(c.stream, i, a));
      ASSERT_TRUE(copy.ReadSample(1, i, b));
      EXPECT_EQ(a, b) << "sample " << i;
    }
    copy.Close();
    if (probe) {
      EXPECT_EQ(ProbeStreams(to), c.probed);
    }
  }
  if (!probe) GTEST_SKIP() << "ffprobe is not installed";
}

// Every stream's samples are held in memory: a movie of a hundred streams, each within
// the frame limit, could otherwise hold a hundred times as many. Beside its one frame two
// text streams take chunks up to that limit together, or one past it.
TEST_F(AviAudio, MoreSamplesOfAllStreamsTogetherThanAMovieOfOursHoldsAreRefused) {
  const fs::path small = dir / "streams.avi";
  {
    BinaryFile file;
    ASSERT_TRUE(file.Open(small, BinaryFile::Mode::kCreate));
    AviWriter writer(file);
    tmb::AviFormat format;
    format.width = format.height = 4;
    ASSERT_TRUE(writer.Start(format));
    AviStreamInfo text;
    text.type = tmb::FourCc("txts");
    text.scale = text.rate = 1;
    int stream = 0;
    for (int k = 0; k < 2; ++k) ASSERT_TRUE(writer.CreateStream(text, stream));
    const std::vector<uint8_t> rows(tmb::AviFrameBytes(4, 4), 0);
    ASSERT_TRUE(writer.AddFrame(rows.data(), ptrdiff_t(tmb::AviFrameBytes(4, 1))));
    ASSERT_TRUE(writer.Finish());
    ASSERT_TRUE(file.Close());
  }
  const std::vector<uint8_t> bytes = tmb::test::FileBytes(small);
  const size_t movi = std::string(bytes.begin(), bytes.end()).find("movi");
  ASSERT_NE(movi, std::string::npos);
  const size_t moviEnd = movi + tmb::LoadU32(bytes.data() + movi - 4);
  const struct {
    int second;
    bool refused;
  } cases[] = {{tmb::kMaxAviReadFrames - 1, false}, {tmb::kMaxAviReadFrames, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.second);
    // Empty chunks of streams 1 and 2 at the end of the frames' list.
    std::vector<uint8_t> chunks;
    for (const auto& [id, count] : {std::pair{tmb::FourCc("01tx"), tmb::kMaxAviReadFrames},
                                    std::pair{tmb::FourCc("02tx"), c.second}}) {
      for (int i = 0; i < count; ++i) {
        for (const uint32_t word : {id, 0u}) {
          for (int b = 0; b < 4; ++b) chunks.push_back(uint8_t(word >> (8 * b)));
        }
      }
    }
    std::vector<uint8_t> movie(bytes.begin(), bytes.begin() + ptrdiff_t(moviEnd));
    movie.insert(movie.end(), chunks.begin(), chunks.end());
    movie.insert(movie.end(), bytes.begin() + ptrdiff_t(moviEnd), bytes.end());
    tmb::StoreU32(movie.data() + 4, tmb::LoadU32(movie.data() + 4) + uint32_t(chunks.size()));
    tmb::StoreU32(movie.data() + movi - 4, tmb::LoadU32(movie.data() + movi - 4) + uint32_t(chunks.size()));
    const fs::path path = dir / "many.avi";
    tmb::test::WriteFileBytes(path, movie);
    AviReader reader;
    const tmb::Status s = reader.Open(path);
    if (c.refused) {
      EXPECT_FALSE(s);
      EXPECT_NE(s.message().find("too many"), std::string::npos) << s.message();
    } else {
      ASSERT_TRUE(s) << s.message();
      EXPECT_EQ(reader.frames(), 1);
      EXPECT_EQ(reader.samples(1), tmb::kMaxAviReadFrames);
      EXPECT_EQ(reader.samples(2), c.second);
    }
  }
}

TEST_F(AviAudio, DamagedSoundIsRefusedOrLeftWithoutReadingPastTheFile) {
  const fs::path good = dir / "good.avi";
  ASSERT_TRUE(WriteMovieWithAudio(good, 2, 2));
  const std::vector<uint8_t> bytes = tmb::test::FileBytes(good);
  const std::string text(bytes.begin(), bytes.end());
  // The audio stream list is the second strl; its strh and strf follow.
  const size_t strl2 = text.find("strl", text.find("strl") + 4);
  ASSERT_NE(strl2, std::string::npos);
  const size_t strh = strl2 + 4, strf = strh + 8 + 56;
  ASSERT_EQ(text.substr(strf, 4), "strf");
  struct Case {
    const char* name;
    size_t at;
    uint32_t value;
  } cases[] = {
      {"audio format longer than its list", strf + 4, 0x7FFFFF00u},
      {"audio format too short", strf + 4, 4},
      {"audio header too short", strh + 4, 20},
      {"audio without a rate", strh + 8 + 24, 0},
      {"audio chunk past the end", text.find("01wb") + 4, 0x7FFFFFF0u},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> damaged = bytes;
    tmb::StoreU32(damaged.data() + c.at, c.value);
    const fs::path path = dir / "damaged.avi";
    tmb::test::WriteFileBytes(path, damaged);
    AviReader reader;
    const tmb::Status s = reader.Open(path);
    if (s) {
      std::vector<uint8_t> chunk;
      const int chunks = reader.hasAudio() ? reader.samples(reader.audioStream()) : 0;
      for (int i = 0; i < chunks; ++i) (void)reader.ReadSample(reader.audioStream(), i, chunk);
      EXPECT_FALSE(reader.hasAudio() && chunks == 2) << c.name;
    } else {
      EXPECT_FALSE(s.message().empty()) << c.name;
    }
  }
}

}  // namespace
