#include "platform/media/avi_writer.h"

#include <algorithm>

#include "platform/media/jpeg_codec.h"

namespace tmb {
namespace {

constexpr uint32_t kAvihHasIndex = 0x10;
constexpr uint32_t kIndexKeyFrame = 0x10;
constexpr size_t kIndexEntryBytes = 16;

uint32_t FrameChunkId(AviCodec codec) { return codec == AviCodec::kMotionJpeg ? FourCc("00dc") : FourCc("00db"); }

// The chunk id of stream number n (1 to 99) of type: "wb" for sound, "tx" for text, "dc"
// for pictures and anything else.
uint32_t StreamChunkId(int n, uint32_t type) {
  uint32_t kind = FourCc("00dc");
  if (type == FourCc("auds")) kind = FourCc("00wb");
  if (type == FourCc("txts")) kind = FourCc("00tx");
  return (kind & 0xFFFF0000u) | uint32_t('0' + n / 10) | (uint32_t('0' + n % 10) << 8);
}

}  // namespace

size_t AviFrameBytes(int width, int height) {
  return (size_t(width) * 3 + 3) / 4 * 4 * size_t(height);
}

Status AviWriter::Start(const AviFormat& format) {
  if (started_) return Status::Fail("the movie has already started");
  if (format.width < 1 || format.height < 1 || format.width > kMaxAviSide || format.height > kMaxAviSide) {
    return Status::Fail("the frame size is out of range");
  }
  if (format.scale == 0 || format.rate == 0) return Status::Fail("the frame rate is out of range");
  format_ = format;
  format_.quality = std::clamp(format.quality, 1, 100);
  streams_.clear();
  headersWritten_ = false;
  index_.clear();
  frames_ = 0;
  started_ = true;
  return Status::Ok();
}

Status AviWriter::CreateStream(const AviStreamInfo& info, int& stream) {
  if (!started_) return Status::Fail("the movie has not started");
  if (headersWritten_) return Status::Fail("the movie's streams are fixed once a sample is written");
  if (info.format.size() > kMaxAviFormatBytes) return Status::Fail("the stream format is too long");
  if (int(streams_.size()) + 1 >= kMaxAviStreams) return Status::Fail("the movie has too many streams");
  stream = int(streams_.size()) + 1;
  streams_.push_back({info, StreamChunkId(stream, info.type)});
  return Status::Ok();
}

Status AviWriter::BeginMovieData() {
  if (headersWritten_) return Status::Ok();
  headersWritten_ = true;
  return WriteHeaders();
}

Status AviWriter::WriteHeaders() {
  BinaryFile& f = riff_.file();
  const bool jpeg = format_.codec == AviCodec::kMotionJpeg;
  const uint32_t frameBytes = uint32_t(AviFrameBytes(format_.width, format_.height));
  riff_.BeginList(FourCc("RIFF"), FourCc("AVI "));
  riff_.BeginList(FourCc("LIST"), FourCc("hdrl"));

  riff_.BeginChunk(FourCc("avih"));
  f.WriteU32(uint32_t(std::min<uint64_t>(uint64_t(format_.scale) * 1000000 / format_.rate, UINT32_MAX)));
  maxBytesPerSecField_ = riff_.Position();
  f.WriteU32(0);
  f.WriteU32(0);  // padding granularity
  f.WriteU32(kAvihHasIndex);
  totalFramesField_ = riff_.Position();
  f.WriteU32(0);
  f.WriteU32(0);  // initial frames
  f.WriteU32(uint32_t(1 + streams_.size()));  // streams
  avihBufferField_ = riff_.Position();
  f.WriteU32(0);
  f.WriteU32(uint32_t(format_.width));
  f.WriteU32(uint32_t(format_.height));
  for (int i = 0; i < 4; ++i) f.WriteU32(0);
  if (Status s = riff_.EndChunk(); !s) return s;

  riff_.BeginList(FourCc("LIST"), FourCc("strl"));
  riff_.BeginChunk(FourCc("strh"));
  f.WriteU32(FourCc("vids"));
  f.WriteU32(jpeg ? FourCc("MJPG") : FourCc("DIB "));
  f.WriteU32(0);  // flags
  f.WriteU16(0);  // priority
  f.WriteU16(0);  // language
  f.WriteU32(0);  // initial frames
  f.WriteU32(format_.scale);
  f.WriteU32(format_.rate);
  f.WriteU32(0);  // start
  lengthField_ = riff_.Position();
  f.WriteU32(0);
  strhBufferField_ = riff_.Position();
  f.WriteU32(0);
  f.WriteU32(0xFFFFFFFFu);  // default quality
  f.WriteU32(0);            // sample size: frames vary
  f.WriteU16(0);
  f.WriteU16(0);
  f.WriteU16(uint16_t(format_.width));
  f.WriteU16(uint16_t(format_.height));
  if (Status s = riff_.EndChunk(); !s) return s;

  riff_.BeginChunk(FourCc("strf"));
  f.WriteU32(40);
  f.WriteI32(format_.width);
  f.WriteI32(format_.height);
  f.WriteU16(1);
  f.WriteU16(24);
  f.WriteU32(jpeg ? FourCc("MJPG") : 0);
  f.WriteU32(frameBytes);
  for (int i = 0; i < 4; ++i) f.WriteU32(0);
  if (Status s = riff_.EndChunk(); !s) return s;
  if (Status s = riff_.EndChunk(); !s) return s;  // strl
  for (const Stream& stream : streams_) {
    if (Status s = WriteStreamHeaders(stream.info); !s) return s;
  }
  if (Status s = riff_.EndChunk(); !s) return s;  // hdrl

  riff_.BeginList(FourCc("LIST"), FourCc("movi"));
  moviStart_ = riff_.Position() - 4;
  return riff_.Check();
}

Status AviWriter::WriteStreamHeaders(const AviStreamInfo& a) {
  BinaryFile& f = riff_.file();
  riff_.BeginList(FourCc("LIST"), FourCc("strl"));
  riff_.BeginChunk(FourCc("strh"));
  for (uint32_t v : {a.type, a.handler, a.flags}) f.WriteU32(v);
  f.WriteU16(a.priority);
  f.WriteU16(a.language);
  for (uint32_t v : {a.initialFrames, a.scale, a.rate, a.start, a.length, a.bufferSize, a.quality, a.sampleSize}) {
    f.WriteU32(v);
  }
  for (uint16_t v : a.frame) f.WriteU16(v);
  if (Status s = riff_.EndChunk(); !s) return s;
  riff_.BeginChunk(FourCc("strf"));
  if (!a.format.empty()) f.Write(a.format.data(), a.format.size());
  if (Status s = riff_.EndChunk(); !s) return s;
  return riff_.EndChunk();  // strl
}

Status AviWriter::EndIndexedChunk(uint32_t id, int64_t before) {
  const int64_t bodyEnd = riff_.Position();
  if (Status e = riff_.EndChunk(); !e) return e;
  // The index still to come must fit as well.
  if (!riff_.Fits(int64_t(index_.size() + 1) * int64_t(kIndexEntryBytes) + 8)) {
    return Status::Fail("the movie would grow past the largest size an AVI file can hold");
  }
  index_.push_back({id, uint32_t(before - moviStart_), uint32_t(bodyEnd - before - 8)});
  return riff_.Check();
}

Status AviWriter::AddFrame(const uint8_t* bottom, ptrdiff_t stride) {
  if (!started_) return Status::Fail("the movie has not started");
  if (Status s = BeginMovieData(); !s) return s;
  const int64_t before = riff_.Position();
  const uint32_t id = FrameChunkId(format_.codec);
  riff_.BeginChunk(id);
  Status s = format_.codec == AviCodec::kMotionJpeg ? AddJpeg(bottom, stride) : AddUncompressed(bottom, stride);
  if (!s) return s;
  if (Status e = EndIndexedChunk(id, before); !e) return e;
  largestFrame_ = std::max(largestFrame_, index_.back().size);
  ++frames_;
  return Status::Ok();
}

Status AviWriter::AddSample(int stream, const uint8_t* data, size_t size) {
  if (!started_ || stream < 1 || stream > int(streams_.size())) return Status::Fail("the movie has no such stream");
  if (Status s = BeginMovieData(); !s) return s;
  if (!riff_.Fits(int64_t(size) + 8)) return Status::Fail("the movie would grow past the largest size an AVI file can hold");
  const uint32_t id = streams_[size_t(stream - 1)].chunkId;
  const int64_t before = riff_.Position();
  riff_.BeginChunk(id);
  if (size > 0) riff_.file().Write(data, size);
  return EndIndexedChunk(id, before);
}

Status AviWriter::AddUncompressed(const uint8_t* bottom, ptrdiff_t stride) {
  const size_t rowBytes = AviFrameBytes(format_.width, 1);
  if (!riff_.Fits(int64_t(rowBytes) * format_.height + 8)) {
    return Status::Fail("the movie would grow past the largest size an AVI file can hold");
  }
  const size_t pixelBytes = size_t(format_.width) * 3;
  BinaryFile& f = riff_.file();
  if (stride == ptrdiff_t(rowBytes)) {
    f.Write(bottom, rowBytes * size_t(format_.height));
  } else {
    row_.assign(rowBytes, 0);
    for (int y = 0; y < format_.height; ++y) {
      std::copy_n(bottom + ptrdiff_t(y) * stride, pixelBytes, row_.begin());
      f.Write(row_.data(), rowBytes);
    }
  }
  return riff_.Check();
}

Status AviWriter::AddJpeg(const uint8_t* bottom, ptrdiff_t stride) {
  const uint8_t* top = bottom + ptrdiff_t(format_.height - 1) * stride;
  return WriteJpegBgr(riff_.file(), top, -stride, format_.width, format_.height, format_.quality);
}

Status AviWriter::Finish() {
  if (!started_) return Status::Fail("the movie has not started");
  if (Status s = BeginMovieData(); !s) return s;
  if (Status s = riff_.EndChunk(); !s) return s;  // movi
  BinaryFile& f = riff_.file();
  riff_.BeginChunk(FourCc("idx1"));
  for (const IndexEntry& e : index_) {
    f.WriteU32(e.id);
    f.WriteU32(kIndexKeyFrame);
    f.WriteU32(e.offset);
    f.WriteU32(e.size);
  }
  if (Status s = riff_.EndChunk(); !s) return s;
  if (Status s = riff_.EndChunk(); !s) return s;  // RIFF
  const auto count = uint32_t(frames_);
  const uint64_t perSecond = uint64_t(largestFrame_) * format_.rate / format_.scale + 1;
  riff_.Patch(totalFramesField_, count);
  riff_.Patch(lengthField_, count);
  riff_.Patch(avihBufferField_, largestFrame_);
  riff_.Patch(strhBufferField_, largestFrame_);
  riff_.Patch(maxBytesPerSecField_, uint32_t(std::min<uint64_t>(perSecond, UINT32_MAX)));
  started_ = false;
  return riff_.Check();
}

}  // namespace tmb
