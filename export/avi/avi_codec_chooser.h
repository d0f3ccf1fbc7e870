// The question which codec a recompressed movie gets: uncompressed or Motion-JPEG with a
// quality. The user interface installs its dialog; the default answers with a cancel, so
// a movie stays as it was written.
#pragma once

#include "platform/media/avi_writer.h"

struct AviCodecChoice {
  tmb::AviCodec codec = tmb::AviCodec::kMotionJpeg;
  int quality = 75;  // 1 to 100
};

class AviCodecChooser {
 public:
  virtual ~AviCodecChooser() = default;
  // Asks with choice as the proposal; false when the user cancelled.
  virtual bool Choose(AviCodecChoice& /*choice*/) { return false; }
};

AviCodecChooser& AviCodecs();
// Installs chooser (not owned); nullptr restores the default.
void SetAviCodecChooser(AviCodecChooser* chooser);
