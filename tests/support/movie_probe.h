// What ffprobe, the tool users of AVI movies trust, reads from a movie: the codec, the
// frames it decodes and the frame rate.
#pragma once

#include <filesystem>
#include <string>

namespace tmb::test {

struct MovieProbe {
  bool ran = false;  // false: ffprobe is not installed
  bool clean = false;  // exit 0 and no complaint printed
  std::string codec;
  int frames = -1;
  std::string rate;  // "10/1"
  int width = 0, height = 0;
  std::string output;
};

MovieProbe ProbeMovie(const std::filesystem::path& movie);

}  // namespace tmb::test
