#include "support/gif_encoding_checks.h"

#include <algorithm>

#include "support/file_bytes.h"

namespace tmb::test {

namespace {

// The text after each occurrence of key, up to the next character of stops.
std::vector<std::string> ValuesAfter(const std::string& text, const std::string& key, const char* stops) {
  std::vector<std::string> values;
  for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + key.size())) {
    const size_t from = at + key.size();
    values.push_back(text.substr(from, text.find_first_of(stops, from) - from));
  }
  return values;
}

}  // namespace

GifInfo GifsicleInfo(const std::filesystem::path& gif) {
  const ToolRun run = RunTool("gifsicle --info '" + gif.string() + "' 2>&1");
  GifInfo info;
  info.exitCode = run.exitCode;
  info.output = run.output;
  const std::string& out = run.output;
  // "* name.gif 8 images": the count is the word before " images".
  if (const size_t at = out.find(" images"); at != std::string::npos) {
    const size_t from = out.rfind(' ', at - 1) + 1;
    info.images = std::stoi(out.substr(from, at - from));
  }
  if (const auto loops = ValuesAfter(out, "loop count ", " \n"); !loops.empty()) info.loop = loops[0];
  info.delays = ValuesAfter(out, "delay ", "s");
  return info;
}

std::vector<uint8_t> DecodeWithGif2Rgb(const std::filesystem::path& gif, std::string& why) {
  const std::filesystem::path rgb = gif.string() + ".rgb";
  const ToolRun run = RunTool("gif2rgb -1 -o '" + rgb.string() + "' '" + gif.string() + "'");
  why = run.output;
  if (run.exitCode != 0) return {};
  std::vector<uint8_t> pixels = FileBytes(rgb);
  std::filesystem::remove(rgb);
  return pixels;
}

int GifLzwTrace::Clears() const {
  const int clear = 1 << minimumCodeSize;
  return int(std::count(codes.begin(), codes.end(), clear));
}

int GifLzwTrace::WidestCode() const { return widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end()); }

GifLzwTrace TraceGifLzw(std::span<const uint8_t> data) {
  GifLzwTrace trace;
  if (data.empty()) return trace;
  trace.minimumCodeSize = data[0];
  std::vector<uint8_t> bytes;
  size_t at = 1;
  while (at < data.size()) {
    const size_t length = data[at++];
    if (length == 0) {
      trace.terminated = true;
      break;
    }
    trace.blockLengths.push_back(int(length));
    const size_t end = std::min(data.size(), at + length);
    bytes.insert(bytes.end(), data.begin() + long(at), data.begin() + long(end));
    at = end;
  }
  trace.size = at;

  // Codes widen when the next table entry no longer fits, as a decoder widens them.
  const int clear = 1 << trace.minimumCodeSize;
  const int end = clear + 1;
  int width = trace.minimumCodeSize + 1;
  int next = clear + 2;
  bool afterClear = true;
  size_t bit = 0;
  while (bit + size_t(width) <= bytes.size() * 8) {
    int code = 0;
    for (int i = 0; i < width; ++i, ++bit) code |= ((bytes[bit / 8] >> (bit % 8)) & 1) << i;
    trace.codes.push_back(code);
    trace.widths.push_back(width);
    if (code == end) {
      trace.endFirstBit = bit - size_t(width);
      trace.endLastBit = bit - 1;
      trace.ended = bytes.size() * 8 - bit < 8;
      break;
    }
    if (code == clear) {
      width = trace.minimumCodeSize + 1;
      next = clear + 2;
      afterClear = true;
      continue;
    }
    if (!afterClear && next < 4096) ++next;
    afterClear = false;
    if (next == 1 << width && width < 12) ++width;
  }
  return trace;
}

}  // namespace tmb::test
