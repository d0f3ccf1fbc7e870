#include "platform/media/avi_reader.h"

#include <algorithm>
#include <string>

#include "platform/media/riff_writer.h"

namespace tmb {
namespace {

constexpr uint32_t kBitmapHeaderBytes = 40;
// "rec " lists group the chunks of one moment and are not nested in movies; a deeper
// chain is damage, refused before it can exhaust the stack.
constexpr int kMaxRecordListDepth = 8;

// The first two characters of the chunk ids of stream n ("01" for stream 1), as stored.
uint16_t StreamDigits(int n) { return uint16_t(('0' + n / 10 % 10) | (('0' + n % 10) << 8)); }
uint16_t DigitsOf(uint32_t id) { return uint16_t(id & 0xFFFF); }
uint16_t KindOf(uint32_t id) { return uint16_t(id >> 16); }
constexpr uint16_t Kind(const char (&s)[3]) { return uint16_t(uint8_t(s[0]) | (uint8_t(s[1]) << 8)); }

// The stream header up to its sample size, and the smallest audio format.
constexpr uint32_t kStreamHeaderBytes = 48;
constexpr uint32_t kWaveFormatBytes = 16;

}  // namespace

Status AviReader::Damaged(const char* what) const { return Status::Fail(std::string("damaged AVI file: ") + what); }

Status AviReader::Open(const std::filesystem::path& path) {
  frames_.clear();
  audioChunks_.clear();
  haveVideo_ = false;
  haveAudio_ = false;
  audio_ = {};
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
  if (!haveVideo_) return Damaged("no video stream");
  if (!movi) return Damaged("no frames");
  return Status::Ok();
}

Status AviReader::ReadHeaderList(int64_t end) {
  int stream = 0;
  while (file_.Tell() + 8 <= end) {
    uint32_t id = 0, size = 0, listType = 0;
    if (!file_.ReadU32(id) || !file_.ReadU32(size)) return Damaged("a header is cut off");
    const int64_t chunkEnd = file_.Tell() + int64_t(size);
    if (chunkEnd > end) return Damaged("a header runs past its list");
    if (id == FourCc("LIST") && size >= 4 && file_.ReadU32(listType) && listType == FourCc("strl")) {
      // Chunk ids carry two digits: streams past the hundredth cannot be told apart.
      if (stream < 100) {
        if (Status s = ReadStreamList(chunkEnd, stream); !s) return s;
      }
      ++stream;
    }
    if (!file_.Seek(chunkEnd + (size & 1))) return Damaged("a header runs past the end of the file");
  }
  return Status::Ok();
}

Status AviReader::ReadStreamList(int64_t end, int stream) {
  uint32_t type = 0;
  while (file_.Tell() + 8 <= end) {
    uint32_t id = 0, size = 0;
    if (!file_.ReadU32(id) || !file_.ReadU32(size)) return Damaged("a stream header is cut off");
    const int64_t body = file_.Tell();
    const int64_t chunkEnd = body + int64_t(size);
    if (chunkEnd > end) return Damaged("a stream header runs past its list");
    if (id == FourCc("strh")) {
      if (size < 28 || !file_.ReadU32(type)) return Damaged("the stream header is too short");
      if (type == FourCc("vids") && !haveVideo_) {
        uint32_t handler = 0, flags = 0, priority = 0, initial = 0, scale = 0, rate = 0;
        if (!file_.ReadU32(handler) || !file_.ReadU32(flags) || !file_.ReadU32(priority) || !file_.ReadU32(initial) ||
            !file_.ReadU32(scale) || !file_.ReadU32(rate)) {
          return Damaged("the stream header is too short");
        }
        format_.scale = scale == 0 ? 1 : scale;
        format_.rate = rate == 0 ? 1 : rate;
      } else if (type == FourCc("auds") && !haveAudio_) {
        if (!file_.Seek(body)) return Damaged("the stream header is too short");
        if (Status s = ReadAudioHeader(size); !s) return s;
      }
    } else if (id == FourCc("strf") && type == FourCc("vids") && !haveVideo_) {
      if (Status s = ReadVideoFormat(size); !s) return s;
      videoDigits_ = StreamDigits(stream);
      haveVideo_ = true;
    } else if (id == FourCc("strf") && type == FourCc("auds") && !haveAudio_) {
      if (size < kWaveFormatBytes || size > kMaxAviFormatBytes) return Damaged("the audio format is out of range");
      audio_.format.resize(size);
      if (!file_.Read(audio_.format.data(), size)) return Damaged("the audio format is cut off");
      audioDigits_ = StreamDigits(stream);
      haveAudio_ = true;
    }
    if (!file_.Seek(chunkEnd + (size & 1))) return Damaged("a stream header runs past the end of the file");
  }
  return Status::Ok();
}

Status AviReader::ReadVideoFormat(uint32_t size) {
  uint32_t headerSize = 0, compression = 0;
  int32_t width = 0, height = 0;
  uint16_t planes = 0, bits = 0;
  if (size < kBitmapHeaderBytes || !file_.ReadU32(headerSize) || !file_.ReadI32(width) || !file_.ReadI32(height) ||
      !file_.ReadU16(planes) || !file_.ReadU16(bits) || !file_.ReadU32(compression)) {
    return Damaged("the frame format is too short");
  }
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

Status AviReader::ReadAudioHeader(uint32_t size) {
  AviStreamInfo& a = audio_;
  a = {};
  if (size < kStreamHeaderBytes || !file_.ReadU32(a.type) || !file_.ReadU32(a.handler) || !file_.ReadU32(a.flags) ||
      !file_.ReadU16(a.priority) || !file_.ReadU16(a.language) || !file_.ReadU32(a.initialFrames) ||
      !file_.ReadU32(a.scale) || !file_.ReadU32(a.rate) || !file_.ReadU32(a.start) || !file_.ReadU32(a.length) ||
      !file_.ReadU32(a.bufferSize) || !file_.ReadU32(a.quality) || !file_.ReadU32(a.sampleSize)) {
    return Damaged("the audio stream header is too short");
  }
  for (uint16_t& v : a.frame) {
    if (size >= kStreamHeaderBytes + 8 && !file_.ReadU16(v)) return Damaged("the audio stream header is cut off");
  }
  if (a.scale == 0 || a.rate == 0) return Damaged("the audio stream has no rate");
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
    } else if (haveVideo_ && DigitsOf(id) == videoDigits_ && (KindOf(id) == Kind("db") || KindOf(id) == Kind("dc"))) {
      if (frames_.size() >= size_t(kMaxAviReadFrames)) return Damaged("too many frames");
      frames_.push_back({body, size});
    } else if (haveAudio_ && DigitsOf(id) == audioDigits_ && KindOf(id) == Kind("wb")) {
      if (audioChunks_.size() >= size_t(kMaxAviReadFrames)) return Damaged("too many audio chunks");
      audioChunks_.push_back({body, size});
    }
    if (!file_.Seek(chunkEnd + (size & 1))) return Damaged("a frame runs past the end of the file");
  }
  return Status::Ok();
}

Status AviReader::ReadFrame(int i, std::vector<uint8_t>& out) {
  if (i < 0 || i >= frames()) return Status::Fail("no such frame");
  const Frame& frame = frames_[size_t(i)];
  if (format_.codec == AviCodec::kUncompressed && frame.size != AviFrameBytes(format_.width, format_.height)) {
    return Damaged("a frame has the wrong size");
  }
  out.resize(frame.size);
  if (!file_.Seek(frame.offset) || !file_.Read(out.data(), out.size())) return Damaged("a frame cannot be read");
  return Status::Ok();
}

Status AviReader::ReadAudioChunk(int i, std::vector<uint8_t>& out) {
  if (i < 0 || i >= audioChunks()) return Status::Fail("no such audio chunk");
  const Frame& chunk = audioChunks_[size_t(i)];
  out.resize(chunk.size);
  if (!file_.Seek(chunk.offset) || (chunk.size > 0 && !file_.Read(out.data(), out.size()))) {
    return Damaged("an audio chunk cannot be read");
  }
  return Status::Ok();
}

}  // namespace tmb
