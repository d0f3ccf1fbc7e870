#include "platform/media/avi_recompress.h"

#include <vector>

#include "platform/file/safe_save.h"
#include "platform/media/avi_reader.h"

namespace tmb {

Status CopyAviStream(AviWriter& target, AviReader& source) {
  std::vector<uint8_t> chunk;
  for (int i = 0; i < source.audioChunks(); ++i) {
    if (Status s = source.ReadAudioChunk(i, chunk); !s) return s;
    if (Status s = target.AddAudioChunk(chunk.data(), chunk.size()); !s) return s;
  }
  return Status::Ok();
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
  if (Status s = writer.Start(format, reader.hasAudio() ? &reader.audio() : nullptr); !s) return s;
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
  if (reader.hasAudio()) {
    if (Status s = CopyAviStream(writer, reader); !s) return s;
  }
  if (Status s = writer.Finish(); !s) return s;
  reader.Close();
  return save.Commit();
}

}  // namespace tmb
