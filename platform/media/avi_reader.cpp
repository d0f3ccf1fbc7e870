#include "platform/media/avi_reader.h"

#include <algorithm>
#include <string>

#include "platform/file/little_endian.h"
#include "platform/media/riff_writer.h"

namespace tmb {
namespace {

constexpr uint32_t kBitmapHeaderBytes = 40;
// "rec " lists group the chunks of one moment and are not nested in movies; a deeper
// chain is damage, refused before it can exhaust the stack.
constexpr int kMaxRecordListDepth = 8;

// The stream number of a chunk id's first two characters ("01" for stream 1); -1 when
// they are not digits.
int StreamOf(uint32_t id) {
  const int tens = int(id & 0xFF) - '0', ones = int((id >> 8) & 0xFF) - '0';
  return tens >= 0 && tens <= 9 && ones >= 0 && ones <= 9 ? tens * 10 + ones : -1;
}
uint16_t KindOf(uint32_t id) { return uint16_t(id >> 16); }
constexpr uint16_t Kind(const char (&s)[3]) { return uint16_t(uint8_t(s[0]) | (uint8_t(s[1]) << 8)); }

// The stream header up to its rate, up to its sample size, and the smallest audio format.
constexpr uint32_t kStreamRateBytes = 28;
constexpr uint32_t kStreamHeaderBytes = 48;
constexpr uint32_t kWaveFormatBytes = 16;

}  // namespace

Status AviReader::Damaged(const char* what) const { return Status::Fail(std::string("damaged AVI file: ") + what); }

Status AviReader::Open(const std::filesystem::path& path) {
  streams_.clear();
  samplesHeld_ = 0;
  videoStream_ = audioStream_ = -1;
  format_ = {};
  if (!file_.Open(path, BinaryFile::Mode::kRead)) return Status::Fail(file_.error());
  fileSize_ = file_.Size();
  uint32_t riff = 0, size = 0, form = 0;
  if (!file_.ReadU32(riff) || !file_.ReadU32(size) || !file_.ReadU32(form) || riff != FourCc("RIFF") ||
      form != FourCc("AVI ")) {
    return Status::Fail("not an AVI file");
  }
  const int64_t end = std::min<int64_t>(int64_t(size) + 8, fileSize_);
  bool movi = false;
  while (file_.Tell() + 8 <= end) {
    uint32_t id = 0, chunkSize = 0;
    if (!file_.ReadU32(id) || !file_.ReadU32(chunkSize)) return Damaged("a chunk header is cut off");
    const int64_t body = file_.Tell();
    const int64_t chunkEnd = body + int64_t(chunkSize);
    if (chunkEnd > fileSize_) return Damaged("a chunk runs past the end of the file");
    uint32_t listType = 0;
    if (id == FourCc("LIST") && chunkSize >= 4 && file_.ReadU32(listType)) {
      if (listType == FourCc("hdrl")) {
        if (Status s = ReadHeaderList(chunkEnd); !s) return s;
      } else if (listType == FourCc("movi")) {
        if (Status s = ReadFrameList(chunkEnd, 0); !s) return s;
        movi = true;
      }
    }
    if (!file_.Seek(chunkEnd + (chunkSize & 1))) return Damaged("a chunk runs past the end of the file");
  }
  if (videoStream_ < 0) return Damaged("no video stream");
  if (!movi) return Damaged("no frames");
  return Status::Ok();
}

Status AviReader::ReadHeaderList(int64_t end) {
  while (file_.Tell() + 8 <= end) {
    uint32_t id = 0, size = 0, listType = 0;
    if (!file_.ReadU32(id) || !file_.ReadU32(size)) return Damaged("a header is cut off");
    const int64_t chunkEnd = file_.Tell() + int64_t(size);
    if (chunkEnd > end) return Damaged("a header runs past its list");
    // Chunk ids carry two digits: streams past the hundredth cannot be told apart.
    if (id == FourCc("LIST") && size >= 4 && file_.ReadU32(listType) && listType == FourCc("strl") &&
        streams_.size() < size_t(kMaxAviStreams)) {
      if (Status s = ReadStreamList(chunkEnd); !s) return s;
    }
    if (!file_.Seek(chunkEnd + (size & 1))) return Damaged("a header runs past the end of the file");
  }
  return Status::Ok();
}

Status AviReader::ReadStreamList(int64_t end) {
  const int n = int(streams_.size());
  streams_.emplace_back();
  AviStreamInfo& info = streams_.back().info;
  bool haveHeader = false;
  while (file_.Tell() + 8 <= end) {
    uint32_t id = 0, size = 0;
    if (!file_.ReadU32(id) || !file_.ReadU32(size)) return Damaged("a stream header is cut off");
    const int64_t chunkEnd = file_.Tell() + int64_t(size);
    if (chunkEnd > end) return Damaged("a stream header runs past its list");
    if (id == FourCc("strh") && !haveHeader) {
      if (Status s = ReadStreamHeader(size, info); !s) return s;
      haveHeader = true;
    } else if (id == FourCc("strf") && haveHeader && info.format.empty()) {
      if (size > kMaxAviFormatBytes) return Damaged("a stream format is out of range");
      info.format.resize(size);
      if (size > 0 && !file_.Read(info.format.data(), size)) return Damaged("a stream format is cut off");
      if (info.type == FourCc("vids") && videoStream_ < 0) {
        if (Status s = ReadVideoFormat(info.format); !s) return s;
        videoStream_ = n;
      } else if (info.type == FourCc("auds") && audioStream_ < 0) {
        if (size < kWaveFormatBytes) return Damaged("the audio format is out of range");
        audioStream_ = n;
      }
    }
    if (!file_.Seek(chunkEnd + (size & 1))) return Damaged("a stream header runs past the end of the file");
  }
  return Status::Ok();
}

Status AviReader::ReadStreamHeader(uint32_t size, AviStreamInfo& a) {
  a = {};
  if (size < kStreamRateBytes || !file_.ReadU32(a.type) || !file_.ReadU32(a.handler) || !file_.ReadU32(a.flags) ||
      !file_.ReadU16(a.priority) || !file_.ReadU16(a.language) || !file_.ReadU32(a.initialFrames) ||
      !file_.ReadU32(a.scale) || !file_.ReadU32(a.rate)) {
    return Damaged("the stream header is too short");
  }
  // The sound's samples keep their meaning only with the whole header.
  const bool audio = a.type == FourCc("auds") && audioStream_ < 0;
  if (audio && size < kStreamHeaderBytes) return Damaged("the audio stream header is too short");
  if (size >= kStreamHeaderBytes && (!file_.ReadU32(a.start) || !file_.ReadU32(a.length) ||
                                     !file_.ReadU32(a.bufferSize) || !file_.ReadU32(a.quality) ||
                                     !file_.ReadU32(a.sampleSize))) {
    return Damaged("the stream header is cut off");
  }
  for (uint16_t& v : a.frame) {
    if (size >= kStreamHeaderBytes + 8 && !file_.ReadU16(v)) return Damaged("the stream header is cut off");
  }
  if (audio && (a.scale == 0 || a.rate == 0)) return Damaged("the audio stream has no rate");
  if (a.type == FourCc("vids") && videoStream_ < 0) {
    format_.scale = a.scale == 0 ? 1 : a.scale;
    format_.rate = a.rate == 0 ? 1 : a.rate;
  }
  return Status::Ok();
}

Status AviReader::ReadVideoFormat(const std::vector<uint8_t>& f) {
  if (f.size() < kBitmapHeaderBytes) return Damaged("the frame format is too short");
  const int32_t width = int32_t(LoadU32(f.data() + 4)), height = int32_t(LoadU32(f.data() + 8));
  const uint16_t bits = LoadU16(f.data() + 14);
  const uint32_t compression = LoadU32(f.data() + 16);
  if (width < 1 || height < 1 || width > kMaxAviSide || height > kMaxAviSide) return Damaged("the frame size is out of range");
  format_.width = width;
  format_.height = height;
  if (compression == 0 && bits == 24) {
    format_.codec = AviCodec::kUncompressed;
  } else if (compression == FourCc("MJPG")) {
    format_.codec = AviCodec::kMotionJpeg;
  } else {
    return Status::Fail("the movie's frames are neither 24-bit uncompressed nor Motion-JPEG");
  }
  return Status::Ok();
}

Status AviReader::ReadFrameList(int64_t end, int depth) {
  if (depth > kMaxRecordListDepth) return Damaged("record lists are nested too deeply");
  while (file_.Tell() + 8 <= end) {
    uint32_t id = 0, size = 0, listType = 0;
    if (!file_.ReadU32(id) || !file_.ReadU32(size)) return Damaged("a frame header is cut off");
    const int64_t body = file_.Tell();
    const int64_t chunkEnd = body + int64_t(size);
    if (chunkEnd > end) return Damaged("a frame runs past the end of the file");
    if (id == FourCc("LIST") && size >= 4 && file_.ReadU32(listType) && listType == FourCc("rec ")) {
      if (Status s = ReadFrameList(chunkEnd, depth + 1); !s) return s;
    } else if (const int n = StreamOf(id); n >= 0 && n < streams()) {
      // A picture stream's samples are its frames (not its palette changes); a sound
      // stream's its wave chunks; any other stream's every chunk.
      Stream& stream = streams_[size_t(n)];
      const uint16_t kind = KindOf(id);
      const bool sample = stream.info.type == FourCc("vids")   ? kind == Kind("db") || kind == Kind("dc")
                          : stream.info.type == FourCc("auds") ? kind == Kind("wb")
                                                               : true;
      if (sample) {
        if (stream.samples.size() >= size_t(kMaxAviReadFrames) || samplesHeld_ >= size_t(kMaxAviReadSamples)) {
          return Damaged("too many frames");
        }
        stream.samples.push_back({body, size});
        ++samplesHeld_;
      }
    }
    if (!file_.Seek(chunkEnd + (size & 1))) return Damaged("a frame runs past the end of the file");
  }
  return Status::Ok();
}

Status AviReader::ReadSample(int n, int i, std::vector<uint8_t>& out) {
  if (n < 0 || n >= streams() || i < 0 || i >= samples(n)) return Status::Fail("no such sample");
  const Sample& sample = streams_[size_t(n)].samples[size_t(i)];
  out.resize(sample.size);
  if (!file_.Seek(sample.offset) || (sample.size > 0 && !file_.Read(out.data(), out.size()))) {
    return Damaged("a sample cannot be read");
  }
  return Status::Ok();
}

Status AviReader::ReadFrame(int i, std::vector<uint8_t>& out) {
  if (i < 0 || i >= frames()) return Status::Fail("no such frame");
  const Sample& frame = streams_[size_t(videoStream_)].samples[size_t(i)];
  if (format_.codec == AviCodec::kUncompressed && frame.size != AviFrameBytes(format_.width, format_.height)) {
    return Damaged("a frame has the wrong size");
  }
  return ReadSample(videoStream_, i, out);
}

}  // namespace tmb
