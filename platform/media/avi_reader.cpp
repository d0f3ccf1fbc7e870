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

// The chunk id of a video frame of stream 0: "00db" or "00dc".
bool IsFrameChunk(uint32_t id) { return id == FourCc("00db") || id == FourCc("00dc"); }

}  // namespace

Status AviReader::Damaged(const char* what) const { return Status::Fail(std::string("damaged AVI file: ") + what); }

Status AviReader::Open(const std::filesystem::path& path) {
  frames_.clear();
  haveVideo_ = false;
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
  while (file_.Tell() + 8 <= end) {
    uint32_t id = 0, size = 0, listType = 0;
    if (!file_.ReadU32(id) || !file_.ReadU32(size)) return Damaged("a header is cut off");
    const int64_t chunkEnd = file_.Tell() + int64_t(size);
    if (chunkEnd > end) return Damaged("a header runs past its list");
    if (id == FourCc("LIST") && size >= 4 && file_.ReadU32(listType) && listType == FourCc("strl") && !haveVideo_) {
      if (Status s = ReadStreamList(chunkEnd); !s) return s;
    }
    if (!file_.Seek(chunkEnd + (size & 1))) return Damaged("a header runs past the end of the file");
  }
  return Status::Ok();
}

Status AviReader::ReadStreamList(int64_t end) {
  bool video = false;
  while (file_.Tell() + 8 <= end) {
    uint32_t id = 0, size = 0;
    if (!file_.ReadU32(id) || !file_.ReadU32(size)) return Damaged("a stream header is cut off");
    const int64_t chunkEnd = file_.Tell() + int64_t(size);
    if (chunkEnd > end) return Damaged("a stream header runs past its list");
    if (id == FourCc("strh")) {
      uint32_t type = 0, handler = 0, flags = 0, priority = 0, initial = 0, scale = 0, rate = 0;
      if (size < 28 || !file_.ReadU32(type) || !file_.ReadU32(handler) || !file_.ReadU32(flags) ||
          !file_.ReadU32(priority) || !file_.ReadU32(initial) || !file_.ReadU32(scale) || !file_.ReadU32(rate)) {
        return Damaged("the stream header is too short");
      }
      video = type == FourCc("vids");
      format_.scale = scale == 0 ? 1 : scale;
      format_.rate = rate == 0 ? 1 : rate;
    } else if (id == FourCc("strf") && video) {
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
      haveVideo_ = true;
    }
    if (!file_.Seek(chunkEnd + (size & 1))) return Damaged("a stream header runs past the end of the file");
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
    } else if (IsFrameChunk(id)) {
      if (frames_.size() >= size_t(kMaxAviReadFrames)) return Damaged("too many frames");
      frames_.push_back({body, size});
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

}  // namespace tmb
