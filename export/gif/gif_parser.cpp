#include "export/gif/gif_parser.h"

#include <algorithm>
#include <cstring>

#include "export/gif/gif_sub_blocks.h"
#include "export/picture/picture_read_result.h"
#include "platform/file/byte_reader.h"

namespace {

constexpr uint8_t kExtensionIntroducer = 0x21;
constexpr uint8_t kImageSeparator = 0x2C;
constexpr uint8_t kPlainTextLabel = 0x01;
constexpr uint8_t kGraphicControlLabel = 0xF9;
constexpr uint8_t kApplicationLabel = 0xFF;
// The looping sub-block of the looping application extensions: id 1 and a 16-bit count.
constexpr uint8_t kLoopSubBlockId = 1;

// The graphic control extension describes the one image that follows it.
struct GraphicControl {
  int transparent = 0;
  int transparentIndex = 0;
  int delay = 0;
};

// A colour table of entries 3-byte entries into 4-byte ones (red, green, blue, spare).
bool ReadColourTable(tmb::ByteReader& reader, int entries, CGifColourTable& table) {
  uint8_t rgb[3 * kGifTableEntries];
  if (!reader.Read(rgb, size_t(3 * entries))) return false;
  table.fill(0);
  for (int i = 0; i < entries; ++i) std::copy_n(&rgb[3 * i], 3, &table[size_t(4 * i)]);
  return true;
}

bool IsLoopingApplication(const CGifSubBlock& block, size_t size) {
  return size == 11 && (std::memcmp(block.data(), "NETSCAPE2.0", 11) == 0 ||
                        std::memcmp(block.data(), "ANIMEXTS1.0", 11) == 0);
}

// Reads an extension after its introducer, always to the end of its chain of
// sub-blocks; false when the data ends first.
bool ReadExtension(tmb::ByteReader& reader, GraphicControl& control, int& loopCount) {
  uint8_t label;
  if (!reader.ReadU8(label)) return false;
  if (label == kPlainTextLabel) control = {};  // the control block was its own
  if (label != kGraphicControlLabel && label != kApplicationLabel) return SkipGifSubBlocks(reader);
  CGifSubBlock block;
  size_t size;
  if (!ReadGifSubBlock(reader, block, size)) return false;
  if (size == 0) return true;
  if (label == kGraphicControlLabel) {
    // Packed fields (transparency in bit 0), delay, transparent index.
    if (size >= 4) {
      control.transparent = block[0] & 1;
      control.delay = block[1] | (block[2] << 8);
      control.transparentIndex = block[3];
    }
    return SkipGifSubBlocks(reader);
  }
  const bool looping = IsLoopingApplication(block, size);
  for (;;) {
    if (!ReadGifSubBlock(reader, block, size)) return false;
    if (size == 0) return true;
    if (looping && size >= 3 && block[0] == kLoopSubBlockId) loopCount = block[1] | (block[2] << 8);
  }
}

// Reads an image after its separator: descriptor, local table and a check that its data
// lies whole within the file.
int ReadImage(tmb::ByteReader& reader, CGifFrameRecord& frame) {
  uint16_t left, top, width, height;
  uint8_t packed;
  reader.ReadU16(left);
  reader.ReadU16(top);
  reader.ReadU16(width);
  reader.ReadU16(height);
  reader.ReadU8(packed);
  if (!reader.ok() || width == 0 || height == 0) return kPictureBadFrame;
  frame.m_nLeft = left;
  frame.m_nTop = top;
  frame.m_nWidth = width;
  frame.m_nHeight = height;
  frame.m_nRight = left + width - 1;
  frame.m_nBottom = top + height - 1;
  frame.m_nTableBits = (packed & 7) + 1;
  frame.m_bInterlaced = (packed >> 6) & 1;
  frame.m_bLocalTable = packed >> 7;
  if (frame.m_bLocalTable) {
    frame.m_nTableSize = 1 << frame.m_nTableBits;
    if (!ReadColourTable(reader, frame.m_nTableSize, frame.m_table)) return kPictureBadFrame;
  }
  frame.m_nDataOffset = reader.pos();
  uint8_t minCodeSize;
  if (!reader.ReadU8(minCodeSize) || minCodeSize < 1 || minCodeSize > 8) return kPictureDamaged;
  return SkipGifSubBlocks(reader) ? kPictureRead : kPictureDamaged;
}

int ParseBlocks(std::span<const uint8_t> bytes, CGifFileRecord& file, std::vector<CGifFrameRecord>& frames) {
  tmb::ByteReader reader(bytes);
  uint16_t width, height;
  uint8_t packed, background, aspect;
  reader.Skip(6);
  reader.ReadU16(width);
  reader.ReadU16(height);
  reader.ReadU8(packed);
  reader.ReadU8(background);
  reader.ReadU8(aspect);
  if (!reader.ok() || width == 0 || height == 0) return kPictureDamaged;
  file.m_nFileLength = bytes.size();
  file.m_nWidth = width;
  file.m_nHeight = height;
  file.m_nTableBits = (packed & 7) + 1;
  file.m_nColourResolution = ((packed & 0x70) >> 4) + 1;
  file.m_bGlobalTable = packed >> 7;
  file.m_nTableSize = file.m_bGlobalTable ? 1 << file.m_nTableBits : 0;
  file.m_nBackgroundIndex = background;
  if (file.m_bGlobalTable && !ReadColourTable(reader, file.m_nTableSize, file.m_table)) return kPictureDamaged;

  GraphicControl control;
  uint8_t introducer;
  // The end of the data, the trailer or any other byte ends the blocks.
  while (frames.size() < size_t(kMaxGifFrames) && reader.ReadU8(introducer)) {
    if (introducer == kExtensionIntroducer) {
      if (!ReadExtension(reader, control, file.m_nLoopCount)) return kPictureDamaged;
      continue;
    }
    if (introducer != kImageSeparator) break;
    CGifFrameRecord& frame = frames.emplace_back();
    if (const int read = ReadImage(reader, frame); read != kPictureRead) return read;
    frame.m_bTransparent = control.transparent;
    frame.m_nTransparentIndex = control.transparentIndex;
    frame.m_nDelay = control.delay;
    control = {};
  }
  if (frames.empty()) return kPictureDamaged;

  for (CGifFrameRecord& frame : frames) {
    if (!frame.m_bLocalTable) {
      frame.m_nTableBits = file.m_nTableBits;
      frame.m_nTableSize = file.m_nTableSize;
      frame.m_table = file.m_table;
    }
    if (frame.m_bTransparent) {
      const uint8_t* entry = &frame.m_table[size_t(4 * frame.m_nTransparentIndex)];
      frame.m_nTransparentColour = uint32_t(entry[0]) | (uint32_t(entry[1]) << 8) | (uint32_t(entry[2]) << 16);
    }
  }
  file.m_nFrames = int(frames.size());
  return kPictureRead;
}

}  // namespace

bool IsGifSignature(std::span<const uint8_t> bytes) {
  return bytes.size() >= 6 &&
         (std::memcmp(bytes.data(), "GIF87a", 6) == 0 || std::memcmp(bytes.data(), "GIF89a", 6) == 0);
}

int ParseGifFile(std::span<const uint8_t> bytes, CGifFileRecord& file, std::vector<CGifFrameRecord>& frames) {
  file = {};
  frames.clear();
  const int result = IsGifSignature(bytes) ? ParseBlocks(bytes, file, frames) : kPictureDamaged;
  if (result != kPictureRead) {
    file = {};
    frames.clear();
  }
  return result;
}
