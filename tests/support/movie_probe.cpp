#include "support/movie_probe.h"

#include <sstream>

#include "support/checking_tool.h"

namespace tmb::test {

MovieProbe ProbeMovie(const std::filesystem::path& movie) {
  MovieProbe probe;
  if (!ToolInstalled("ffprobe")) return probe;
  probe.ran = true;
  // Decoding every frame also makes ffprobe complain about any frame it cannot read.
  const ToolRun run = RunTool(
      "ffprobe -v error -count_frames -select_streams v:0 -show_entries "
      "stream=codec_name,nb_read_frames,r_frame_rate,width,height -of default=nw=1 '" +
      movie.string() + "'");
  probe.output = run.output;
  bool unknownLine = false;
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);) {
    const size_t eq = line.find('=');
    const std::string key = line.substr(0, eq), value = eq == std::string::npos ? "" : line.substr(eq + 1);
    if (key == "codec_name") {
      probe.codec = value;
    } else if (key == "nb_read_frames") {
      probe.frames = std::atoi(value.c_str());
    } else if (key == "r_frame_rate") {
      probe.rate = value;
    } else if (key == "width") {
      probe.width = std::atoi(value.c_str());
    } else if (key == "height") {
      probe.height = std::atoi(value.c_str());
    } else {
      unknownLine = true;
    }
  }
  probe.clean = run.exitCode == 0 && !unknownLine;
  return probe;
}

}  // namespace tmb::test
