// The bitmap tags of the SWF writer: JPEG data given by the caller and spliced in as it is,
// and lossless bitmaps compressed with zlib when they are made.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "export/swf/swf_tag.h"
#include "platform/service/result.h"

// The data given to the JPEG tags stays the caller's and must outlive the movie's write.
class SwfTagDefineBits : public SwfCharacterTag {
 public:
  explicit SwfTagDefineBits(std::span<const uint8_t> data) : m_data(data) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 6; }

 private:
  std::span<const uint8_t> m_data;
};

// The JPEG encoding tables shared by DefineBits tags (no character of its own).
class SwfTagJPEGTables : public SwfTag {
 public:
  explicit SwfTagJPEGTables(std::span<const uint8_t> data) : m_data(data) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 8; }

 private:
  std::span<const uint8_t> m_data;
};

class SwfTagDefineBitsJPEG2 : public SwfCharacterTag {
 public:
  explicit SwfTagDefineBitsJPEG2(std::span<const uint8_t> data) : m_data(data) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 21; }

 private:
  std::span<const uint8_t> m_data;
};

class SwfTagDefineBitsJPEG3 : public SwfCharacterTag {
 public:
  SwfTagDefineBitsJPEG3(std::span<const uint8_t> jpeg, std::span<const uint8_t> alpha)
      : m_jpeg(jpeg), m_alpha(alpha) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 35; }

 private:
  std::span<const uint8_t> m_jpeg;
  std::span<const uint8_t> m_alpha;
};

// A lossless bitmap: format 3 (8-bit indexes into a colour table of 1..256 entries, RGB, or
// RGBA with alpha), 4 (16-bit pixels, not with alpha) or 5 (32-bit pixels). Rows come
// tightly packed; the tag pads each to the format's 4 bytes and compresses the table and
// rows at once. A bitmap that cannot be made keeps the reason in status() and fails its
// write.
class SwfTagDefineBitsLossless : public SwfCharacterTag {
 public:
  SwfTagDefineBitsLossless(int format, int width, int height, int tableEntries,
                           std::span<const uint8_t> colourTable, std::span<const uint8_t> pixels,
                           bool withAlpha);
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return m_bAlpha ? 36 : 20; }

  const tmb::Status& status() const { return m_status; }
  // The zlib stream of table and padded rows.
  const std::vector<uint8_t>& Compressed() const { return m_compressed; }

 private:
  tmb::Status Make(std::span<const uint8_t> colourTable, std::span<const uint8_t> pixels);

  int m_nFormat;
  int m_nWidth;
  int m_nHeight;
  int m_nTableEntries;
  bool m_bAlpha;
  std::vector<uint8_t> m_compressed;
  tmb::Status m_status = tmb::Status::Ok();
};

// Without alpha (code 20).
class SwfTagDefineBitsLossless2 : public SwfTagDefineBitsLossless {
 public:
  SwfTagDefineBitsLossless2(int format, int width, int height, int tableEntries,
                            std::span<const uint8_t> colourTable, std::span<const uint8_t> pixels)
      : SwfTagDefineBitsLossless(format, width, height, tableEntries, colourTable, pixels, false) {}
};

// With alpha (code 36).
class SwfTagDefineBitsLossless3 : public SwfTagDefineBitsLossless {
 public:
  SwfTagDefineBitsLossless3(int format, int width, int height, int tableEntries,
                            std::span<const uint8_t> colourTable, std::span<const uint8_t> pixels)
      : SwfTagDefineBitsLossless(format, width, height, tableEntries, colourTable, pixels, true) {}
};
