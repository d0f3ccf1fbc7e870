// Writing a movie again with another codec: every frame of an uncompressed AVI movie is
// copied or encoded as Motion-JPEG into a new file, its audio stream carried over as it
// stands, and the new file takes the target's place only when it is complete. The
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

// Copies every chunk of source's audio stream, in order, into target's, which was
// started with source's audio header and format.
Status CopyAviStream(AviWriter& target, AviReader& source);

// Recompresses source into target with codec and quality (Motion-JPEG). On failure or
// when progress stops the work (cancelled is then set), target stays as it was.
Status RecompressAviFile(const std::filesystem::path& source, const std::filesystem::path& target, AviCodec codec,
                         int quality, const AviProgress& progress, bool& cancelled);

}  // namespace tmb
