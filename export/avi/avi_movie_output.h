// The AVI movie of a frame run, written through the one open AVI movie: frames are taken
// from the run's pictures, and a frame that cannot be written is told once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "export/animation/frame_movie_outputs.h"

class CAviMovieFile final : public AviMovieOutput {
 public:
  bool Open(const std::string& path, int width, int height, int length, int wait) override;
  bool AddFrame(tmb::DeviceContext& dc, const tmb::Surface& picture, int width, int height) override;
  bool Close(bool recompress) override;
  void Abandon() override;

 private:
  std::string m_szPath;
  std::vector<uint8_t> m_rows;
  bool m_bTold = false;
};

// The writer the main frame installs.
extern CAviMovieFile gAviMovieFile;
