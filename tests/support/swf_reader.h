// A small reader of SWF files for tests, written from the format's public layout: the
// header, the tag records and the records inside the tags the writer makes. It checks
// what it reads and says why a file is malformed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tmb::test {

// Bit fields most significant bit first; integers byte-aligned, little-endian. A read past
// the end sticks as a failure and yields 0.
class SwfBits {
 public:
  explicit SwfBits(std::span<const uint8_t> data) : data_(data) {}
  uint32_t UB(int n);
  int32_t SB(int n);
  void Align();
  uint8_t U8();
  uint16_t U16();
  int16_t I16();
  uint32_t U32();
  std::vector<uint8_t> Bytes(size_t n);
  // A 0-terminated string (the terminator read, not kept).
  std::string CString();
  size_t BytePos() const { return byte_; }
  size_t Remaining() const { return data_.size() > byte_ ? data_.size() - byte_ : 0; }
  bool ok() const { return ok_; }

 private:
  std::span<const uint8_t> data_;
  size_t byte_ = 0;
  int bit_ = 0;  // bits of data_[byte_] already read
  bool ok_ = true;
};

struct SwfTagRecord {
  int code = 0;
  bool longHeader = false;
  std::vector<uint8_t> body;
};

struct SwfRectRead {
  int nbits = 0;
  int32_t xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

struct SwfFileInfo {
  std::string signature;
  int version = 0;
  uint32_t fileLength = 0;
  SwfRectRead frame;
  int rateFraction = 0;
  int rate = 0;
  int frameCount = 0;
  std::vector<SwfTagRecord> tags;  // the End tag included
};

// A tag stream up to and including its End tag; false with the reason when a record runs
// past the data, the End tag is missing or bytes follow it.
bool ParseSwfTags(std::span<const uint8_t> bytes, std::vector<SwfTagRecord>& out, std::string& why);
// A whole uncompressed file: signature, version, a length field equal to the size, the
// header and the tags.
bool ParseSwfFile(std::span<const uint8_t> bytes, SwfFileInfo& out, std::string& why);

SwfRectRead ReadSwfRect(SwfBits& bits);

struct SwfMatrixRead {
  bool hasScale = false;
  int32_t scaleX = 0, scaleY = 0;
  bool hasRotate = false;
  int32_t skew0 = 0, skew1 = 0;
  int translateBits = 0;
  int32_t translateX = 0, translateY = 0;
};
SwfMatrixRead ReadSwfMatrix(SwfBits& bits);

struct SwfCxformRead {
  bool hasMult = false;
  bool hasAdd = false;
  int nbits = 0;
  std::array<int32_t, 4> mult{256, 256, 256, 256};
  std::array<int32_t, 4> add{};
};
SwfCxformRead ReadSwfCxform(SwfBits& bits, bool alpha);

struct SwfRgba {
  int r = 0, g = 0, b = 0, a = 255;
  bool operator==(const SwfRgba&) const = default;
};
SwfRgba ReadSwfColour(SwfBits& bits, bool alpha);

struct SwfGradientRead {
  std::vector<std::pair<int, SwfRgba>> records;  // ratio, colour
};

struct SwfFillStyleRead {
  int type = 0;
  SwfRgba colour;
  SwfMatrixRead matrix;
  SwfGradientRead gradient;
  int bitmapId = 0;
};

struct SwfLineStyleRead {
  int width = 0;
  SwfRgba colour;
};

struct SwfShapeRecordRead {
  enum class Kind { kStyle, kStraight, kCurve, kEnd };
  Kind kind = Kind::kEnd;
  // Style change.
  bool moveTo = false;
  int moveBits = 0;
  int32_t moveX = 0, moveY = 0;
  std::optional<uint32_t> fill0, fill1, line;
  bool newStyles = false;
  // Edges: NumBits and the deltas (a curve's control, then its anchor).
  int numBits = 0;
  bool general = false;
  bool vertical = false;
  int32_t dx = 0, dy = 0, anchorDx = 0, anchorDy = 0;
};

struct SwfShapeRead {
  std::vector<SwfFillStyleRead> fills;
  std::vector<SwfLineStyleRead> lines;
  int fillBits = 0;
  int lineBits = 0;
  std::vector<SwfShapeRecordRead> records;  // the end record included
};

// A fill or line style array (shape version 1, 2 or 3: 3 reads RGBA colours).
std::vector<SwfFillStyleRead> ReadSwfFillStyles(SwfBits& bits, int shapeVersion);
std::vector<SwfLineStyleRead> ReadSwfLineStyles(SwfBits& bits, int shapeVersion);
// Records up to and including the end record.
std::vector<SwfShapeRecordRead> ReadSwfShapeRecords(SwfBits& bits, int fillBits, int lineBits,
                                                    int shapeVersion);
// SHAPEWITHSTYLE.
SwfShapeRead ReadSwfShapeWithStyle(SwfBits& bits, int shapeVersion);
// SHAPE (glyphs, morph edges).
SwfShapeRead ReadSwfShape(SwfBits& bits);

struct SwfDefineShapeRead {
  int id = 0;
  SwfRectRead bounds;
  SwfShapeRead shape;
};
// The body of DefineShape (code 2), DefineShape2 (22) or DefineShape3 (32).
SwfDefineShapeRead ReadSwfDefineShape(const SwfTagRecord& tag);

// A point of a decoded outline: on the curve, or a quadratic control point.
struct SwfOutlinePoint {
  int32_t x = 0;
  int32_t y = 0;
  bool control = false;
};
// The contours a shape's records draw, in absolute twips (a move starts a new contour).
std::vector<std::vector<SwfOutlinePoint>> SwfContours(const std::vector<SwfShapeRecordRead>& records);

struct SwfFont2Read {
  int id = 0;
  int flags = 0;
  int language = 0;
  std::string name;
  int glyphCount = 0;
  std::vector<uint32_t> offsets;
  uint32_t codeTableOffset = 0;
  std::vector<SwfShapeRead> glyphs;
  std::vector<int> codes;
  int ascent = 0, descent = 0, leading = 0;
  std::vector<int> advances;
  std::vector<SwfRectRead> bounds;
  int kerningCount = 0;
};
SwfFont2Read ReadSwfDefineFont2(const SwfTagRecord& tag);

struct SwfTextRecordRead {
  int flags = 0;
  std::optional<int> fontId;
  std::optional<SwfRgba> colour;
  std::optional<int> x, y;
  int height = 0;
  std::vector<std::pair<uint32_t, int32_t>> glyphs;  // index, advance
};

struct SwfTextRead {
  int id = 0;
  SwfRectRead bounds;
  SwfMatrixRead matrix;
  int glyphBits = 0;
  int advanceBits = 0;
  std::vector<SwfTextRecordRead> records;
};
// DefineText (11) or DefineText2 (33): each record a style with its glyph run.
SwfTextRead ReadSwfDefineText(const SwfTagRecord& tag);

struct SwfSoundRead {
  int id = 0;
  int format = 0;
  int rate = 0;
  int size = 0;
  int type = 0;
  uint32_t sampleCount = 0;
  std::vector<uint8_t> data;
};
SwfSoundRead ReadSwfDefineSound(const SwfTagRecord& tag);

struct SwfSpriteRead {
  int id = 0;
  int frameCount = 0;
  std::vector<SwfTagRecord> tags;
};
bool ReadSwfDefineSprite(const SwfTagRecord& tag, SwfSpriteRead& out, std::string& why);

// The codes of the tags in order.
std::vector<int> SwfTagCodes(const std::vector<SwfTagRecord>& tags);

}  // namespace tmb::test
