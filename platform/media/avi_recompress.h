// Writing a movie again with another codec: every frame of an uncompressed AVI movie is
// copied or encoded as Motion-JPEG into a new file, its first audio stream carried over as
// it stands, and the new file takes the target's place only when it is complete. The
// target may be the source itself.
#pragma once

#include <filesystem>
#include <functional>

#include "platform/media/avi_writer.h"
#include "platform/service/result.h"

namespace tmb {

// Told the frames done of all after each frame; false stops the work.
using AviProgress = std::function<bool(int done, int total)>;

class AviReader;

// Creates a stream in target (started, no sample written yet) with the header and format
// of source's stream number stream, and copies every sample of it, in order, each as a
// key sample. Returns 1 copied, 0 failed.
int CopyAviStream(AviWriter& target, AviReader& source, int stream);

// Recompresses source into target with codec and quality (Motion-JPEG). On failure or
// when progress stops the work (cancelled is then set), target stays as it was.
Status RecompressAviFile(const std::filesystem::path& source, const std::filesystem::path& target, AviCodec codec,
                         int quality, const AviProgress& progress, bool& cancelled);

}  // namespace tmb
