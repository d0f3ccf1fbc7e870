#include "export/swf/swf_movie.h"

#include <string>

#include "export/swf/swf_character_id.h"
#include "export/swf/swf_output_buffer.h"
#include "export/swf/swf_tag.h"
#include "export/swf/swf_value_records.h"
#include "platform/file/safe_save.h"

namespace {

constexpr int kSwfVersion = 4;
constexpr int kHeaderRectBits = 15;  // the frame rectangle's width while the values fit
constexpr int kMaxRate = 255;
constexpr uint32_t kMaxFrames = 0xFFFF;

void WriteHeader(SwfOutputBuffer& out, uint32_t fileLength, int width, int height, int rate,
                 uint32_t frames) {
  out.WriteU8('F');
  out.WriteU8('W');
  out.WriteU8('S');
  out.WriteU8(kSwfVersion);
  out.WriteU32(fileLength);
  SwfRect{0, 0, width, height}.Write(out, kHeaderRectBits);
  out.WriteU8(0);  // the 8.8 rate's fraction
  out.WriteU8(static_cast<uint32_t>(rate));
  out.WriteU16(frames);
}

// The header and the body of the file; the header's length field covers both.
tmb::Status BuildFile(const SwfMovie& movie, int width, int height, int rate,
                      SwfOutputBuffer& header, SwfOutputBuffer& body) {
  if (width < 0 || height < 0) return tmb::Status::Fail("the movie's frame size is negative");
  if (rate < 0 || rate > kMaxRate) {
    return tmb::Status::Fail("frame rate " + std::to_string(rate) + " outside 0..255");
  }
  if (movie.FrameCount() > kMaxFrames) {
    return tmb::Status::Fail("the movie has " + std::to_string(movie.FrameCount()) +
                             " frames; a file holds at most 65,535");
  }
  WriteSwfBody(movie, body);
  if (!body.ok()) return tmb::Status::Fail("SWF record does not fit: " + body.error());
  SwfOutputBuffer measure;
  WriteHeader(measure, 0, width, height, rate, movie.FrameCount());
  const uint64_t length = measure.TotalSize() + body.TotalSize();
  if (length > 0xFFFFFFFFu) return tmb::Status::Fail("the movie exceeds 4 GiB");
  WriteHeader(header, static_cast<uint32_t>(length), width, height, rate, movie.FrameCount());
  if (!header.ok()) return tmb::Status::Fail("SWF header does not fit: " + header.error());
  return tmb::Status::Ok();
}

}  // namespace

SwfMovie::SwfMovie() { ResetCharacterIds(); }

SwfMovie::~SwfMovie() = default;

void SwfMovie::AddTag(std::unique_ptr<SwfTag> tag) {
  if (tag->IsFrame()) ++m_nFrameCount;
  m_tags.push_back(std::move(tag));
}

void SwfMovie::WriteTags(SwfOutputBuffer& out) const {
  for (const auto& tag : m_tags) tag->Write(out);
}

void WriteSwfBody(const SwfMovie& movie, SwfOutputBuffer& out) {
  movie.WriteTags(out);
  WriteEndTag(out);
  ResetCharacterIds();
}

tmb::Status WriteSwfFile(const SwfMovie& movie, const std::filesystem::path& path, int width,
                         int height, int rate) {
  SwfOutputBuffer header;
  SwfOutputBuffer body;
  if (tmb::Status s = BuildFile(movie, width, height, rate, header, body); !s) return s;
  tmb::SafeSave save(path);
  if (tmb::Status s = save.Begin(); !s) return s;
  if (!header.WriteToFile(save.file()) || !body.WriteToFile(save.file())) {
    return tmb::Status::Fail("cannot write " + path.string() + ": " + save.file().error());
  }
  return save.Commit();
}

tmb::Status WriteSwfToMemory(const SwfMovie& movie, int width, int height, int rate,
                             std::vector<uint8_t>& out) {
  SwfOutputBuffer header;
  SwfOutputBuffer body;
  if (tmb::Status s = BuildFile(movie, width, height, rate, header, body); !s) return s;
  const uint64_t headerSize = header.TotalSize();
  out.resize(headerSize + body.TotalSize());
  header.CopyToMemory(out.data());
  body.CopyToMemory(out.data() + headerSize);
  return tmb::Status::Ok();
}
