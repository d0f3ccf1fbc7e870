#include "export/gif/gif_block_writer.h"

#include <algorithm>
#include <string>
#include <vector>

#include "export/gif/gif_byte_sink.h"
#include "export/gif/gif_lzw_encoder.h"
#include "platform/file/little_endian.h"

namespace {

constexpr uint8_t kExtensionIntroducer = 0x21;
constexpr uint8_t kApplicationLabel = 0xFF;
constexpr uint8_t kGraphicControlLabel = 0xF9;
constexpr uint8_t kImageSeparator = 0x2C;
constexpr uint8_t kTrailer = 0x3B;
constexpr uint8_t kTableFlag = 0x80;
constexpr uint8_t kInterlaceFlag = 0x40;
// Disposal 2 (restore to background) with the transparency flag.
constexpr uint8_t kTransparentDisposal = 9;
constexpr int kTableEntryBytes = 4;

tmb::Status CheckRange(const char* what, int value, int low, int high, const char* range) {
  if (value >= low && value <= high) return tmb::Status::Ok();
  return tmb::Status::Fail(std::string("GIF ") + what + " " + std::to_string(value) + " outside " + range);
}

tmb::Status CheckSize(int width, int height) {
  if (tmb::Status s = CheckRange("width", width, 1, kGifMaxSide, "1..65,535"); !s) return s;
  return CheckRange("height", height, 1, kGifMaxSide, "1..65,535");
}

// The table's bytes as the file holds them, appended to out.
tmb::Status AppendColourTable(std::vector<uint8_t>& out, int componentBits, int tableBits, int rescale,
                              std::span<const uint8_t> table) {
  if (tmb::Status s = CheckRange("table bits", tableBits, 1, kGifMaxTableBits, "1..8"); !s) return s;
  if (rescale) {
    if (tmb::Status s = CheckRange("component bits", componentBits, 1, 8, "1..8 for a rescaled table"); !s) return s;
  }
  const size_t entries = size_t(1) << tableBits;
  if (table.size() < entries * kTableEntryBytes) {
    return tmb::Status::Fail("GIF colour table of " + std::to_string(table.size() / kTableEntryBytes) +
                             " entries, " + std::to_string(entries) + " needed");
  }
  const int top = (1 << componentBits) - 1;
  for (size_t i = 0; i < entries; ++i) {
    for (size_t c = 0; c < 3; ++c) {
      const uint8_t v = table[i * kTableEntryBytes + c];
      // A component above the component range saturates rather than wrapping.
      out.push_back(rescale ? static_cast<uint8_t>(std::min(255, v * 255 / top)) : v);
    }
  }
  return tmb::Status::Ok();
}

void AppendU16(std::vector<uint8_t>& out, int value) {
  uint8_t bytes[2];
  tmb::StoreU16(bytes, static_cast<uint16_t>(value));
  out.insert(out.end(), bytes, bytes + 2);
}

}  // namespace

tmb::Status WriteGifHeader(GifByteSink& sink, int width, int height, int colourResolution, int backgroundIndex,
                           int tableBits, int rescale, std::span<const uint8_t> globalTable) {
  if (tmb::Status s = CheckSize(width, height); !s) return s;
  if (tmb::Status s = CheckRange("colour resolution", colourResolution, 1, 8, "1..8"); !s) return s;
  if (tmb::Status s = CheckRange("background index", backgroundIndex, 0, 255, "0..255"); !s) return s;
  std::vector<uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
  AppendU16(out, width);
  AppendU16(out, height);
  uint8_t packed = static_cast<uint8_t>((colourResolution - 1) << 4);
  if (!globalTable.empty()) packed |= static_cast<uint8_t>(kTableFlag | (tableBits - 1));
  out.push_back(packed);
  out.push_back(static_cast<uint8_t>(backgroundIndex));
  out.push_back(0);  // no aspect ratio
  if (!globalTable.empty()) {
    if (tmb::Status s = AppendColourTable(out, colourResolution, tableBits, rescale, globalTable); !s) return s;
  }
  return sink.Put(out);
}

tmb::Status WriteGifColourTable(GifByteSink& sink, int componentBits, int tableBits, int rescale,
                                std::span<const uint8_t> table) {
  std::vector<uint8_t> out;
  if (tmb::Status s = AppendColourTable(out, componentBits, tableBits, rescale, table); !s) return s;
  return sink.Put(out);
}

tmb::Status WriteGifLoopExt(GifByteSink& sink, int loopCount) {
  if (tmb::Status s = CheckRange("loop count", loopCount, 0, 0xFFFF, "0..65,535"); !s) return s;
  std::vector<uint8_t> out = {kExtensionIntroducer, kApplicationLabel, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E',
                              '2', '.', '0', 3, 1};
  AppendU16(out, loopCount);
  out.push_back(0);
  return sink.Put(out);
}

tmb::Status WriteGifControlExt(GifByteSink& sink, int transparent, int delay, int transparentIndex) {
  if (tmb::Status s = CheckRange("delay", delay, 0, 0xFFFF, "0..65,535"); !s) return s;
  if (tmb::Status s = CheckRange("transparent index", transparentIndex, 0, 255, "0..255"); !s) return s;
  std::vector<uint8_t> out = {kExtensionIntroducer, kGraphicControlLabel, 4,
                              transparent > 0 ? kTransparentDisposal : uint8_t{0}};
  AppendU16(out, delay);
  out.push_back(static_cast<uint8_t>(transparentIndex));
  out.push_back(0);
  return sink.Put(out);
}

tmb::Status WriteGifImageDescriptor(GifByteSink& sink, int left, int top, int width, int height, int componentBits,
                                    int interlace, int tableBits, int rescale, std::span<const uint8_t> localTable) {
  if (tmb::Status s = CheckRange("left", left, 0, kGifMaxSide, "0..65,535"); !s) return s;
  if (tmb::Status s = CheckRange("top", top, 0, kGifMaxSide, "0..65,535"); !s) return s;
  if (tmb::Status s = CheckSize(width, height); !s) return s;
  std::vector<uint8_t> out = {kImageSeparator};
  AppendU16(out, left);
  AppendU16(out, top);
  AppendU16(out, width);
  AppendU16(out, height);
  uint8_t packed = (interlace & 1) ? kInterlaceFlag : uint8_t{0};
  if (!localTable.empty()) packed |= static_cast<uint8_t>(kTableFlag | (tableBits - 1));
  out.push_back(packed);
  if (!localTable.empty()) {
    if (tmb::Status s = AppendColourTable(out, componentBits, tableBits, rescale, localTable); !s) return s;
  }
  return sink.Put(out);
}

tmb::Status WriteGifTrailer(GifByteSink& sink) {
  const uint8_t trailer = kTrailer;
  return sink.Put(std::span(&trailer, 1));
}
