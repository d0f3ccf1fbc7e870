#include "platform/media/avi_recompress.h"

#include <vector>

#include "platform/file/safe_save.h"
#include "platform/media/avi_reader.h"

namespace tmb {

int CopyAviStream(AviWriter& target, AviReader& source, int stream) {
  if (stream < 0 || stream >= source.streams()) return 0;
  int created = 0;
  if (!target.CreateStream(source.stream(stream), created)) return 0;
  std::vector<uint8_t> sample;
  for (int i = 0; i < source.samples(stream); ++i) {
    if (!source.ReadSample(stream, i, sample)) return 0;
    if (!target.AddSample(created, sample.data(), sample.size())) return 0;
  }
  return 1;
}

Status RecompressAviFile(const std::filesystem::path& source, const std::filesystem::path& target, AviCodec codec,
                         int quality, const AviProgress& progress, bool& cancelled) {
  cancelled = false;
  AviReader reader;
  if (Status s = reader.Open(source); !s) return s;
  if (reader.format().codec != AviCodec::kUncompressed) {
    return Status::Fail("only an uncompressed movie can be recompressed");
  }
  SafeSave save(target);
  if (Status s = save.Begin(); !s) return s;
  AviFormat format = reader.format();
  format.codec = codec;
  format.quality = quality;
  AviWriter writer(save.file());
  if (Status s = writer.Start(format); !s) return s;
  // The sound goes first: a stream can be made only before the frames begin.
  if (reader.hasAudio() && !CopyAviStream(writer, reader, reader.audioStream())) {
    return Status::Fail("the movie's sound could not be copied");
  }
  const ptrdiff_t stride = ptrdiff_t(AviFrameBytes(format.width, 1));
  std::vector<uint8_t> frame;
  const int total = reader.frames();
  for (int i = 0; i < total; ++i) {
    if (Status s = reader.ReadFrame(i, frame); !s) return s;
    if (Status s = writer.AddFrame(frame.data(), stride); !s) return s;
    if (progress && !progress(i + 1, total)) {
      cancelled = true;
      return Status::Fail("cancelled");
    }
  }
  if (Status s = writer.Finish(); !s) return s;
  reader.Close();
  return save.Commit();
}

}  // namespace tmb
