#include "export/swf/swf_bitmap_tags.h"

#include <algorithm>
#include <array>
#include <string>
#include <zlib.h>

#include "export/swf/swf_output_buffer.h"

namespace {

constexpr std::array<uint8_t, 4> kJpegErroneousHeader = {0xFF, 0xD9, 0xFF, 0xD8};
constexpr std::array<uint8_t, 2> kJpegEnd = {0xFF, 0xD9};
constexpr int kMaxSide = 0xFFFF;
constexpr int kMaxTableEntries = 256;
constexpr int kRowAlign = 4;
constexpr int kZlibLevel = 9;

}  // namespace

void SwfTagDefineBits::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteId(body);
  body.AddBlock(m_data);
  WriteRecord(out, Code(), body);
}

void SwfTagJPEGTables::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  body.AddBlock(m_data);
  WriteRecord(out, Code(), body);
}

void SwfTagDefineBitsJPEG2::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteId(body);
  body.WriteBytes(kJpegErroneousHeader);
  body.AddBlock(m_data);
  body.WriteBytes(kJpegEnd);
  WriteRecord(out, Code(), body);
}

void SwfTagDefineBitsJPEG3::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  WriteId(body);
  const uint64_t offset = uint64_t{m_jpeg.size()} + kJpegErroneousHeader.size() + kJpegEnd.size();
  if (offset > 0xFFFFFFFFu) body.Fail("JPEG data of " + std::to_string(m_jpeg.size()) + " bytes");
  body.WriteU32(static_cast<uint32_t>(offset));
  body.WriteBytes(kJpegErroneousHeader);
  body.AddBlock(m_jpeg);
  body.WriteBytes(kJpegEnd);
  body.AddBlock(m_alpha);
  WriteRecord(out, Code(), body);
}

SwfTagDefineBitsLossless::SwfTagDefineBitsLossless(int format, int width, int height,
                                                   int tableEntries,
                                                   std::span<const uint8_t> colourTable,
                                                   std::span<const uint8_t> pixels, bool withAlpha)
    : m_nFormat(format),
      m_nWidth(width),
      m_nHeight(height),
      m_nTableEntries(tableEntries),
      m_bAlpha(withAlpha) {
  m_status = Make(colourTable, pixels);
}

tmb::Status SwfTagDefineBitsLossless::Make(std::span<const uint8_t> colourTable,
                                           std::span<const uint8_t> pixels) {
  if (m_nFormat < 3 || m_nFormat > 5 || (m_nFormat == 4 && m_bAlpha)) {
    return tmb::Status::Fail("lossless bitmap format " + std::to_string(m_nFormat) +
                             (m_bAlpha ? " with alpha" : "") + " cannot be written");
  }
  if (m_nWidth < 0 || m_nHeight < 0 || m_nWidth > kMaxSide || m_nHeight > kMaxSide) {
    return tmb::Status::Fail("lossless bitmap of " + std::to_string(m_nWidth) + " x " +
                             std::to_string(m_nHeight) + " pixels");
  }
  const bool hasTable = m_nFormat == 3;
  if (hasTable && (m_nTableEntries < 1 || m_nTableEntries > kMaxTableEntries)) {
    return tmb::Status::Fail("colour table of " + std::to_string(m_nTableEntries) + " entries");
  }
  const uint64_t entrySize = m_bAlpha ? 4 : 3;
  const uint64_t tableBytes = hasTable ? entrySize * static_cast<uint64_t>(m_nTableEntries) : 0;
  const uint64_t pixelBytes = uint64_t{1} << (m_nFormat - 3);
  const uint64_t rowBytes = pixelBytes * static_cast<uint64_t>(m_nWidth);
  const uint64_t paddedRow = (rowBytes + kRowAlign - 1) / kRowAlign * kRowAlign;
  if (colourTable.size() < tableBytes) return tmb::Status::Fail("the colour table is short");
  if (pixels.size() < rowBytes * static_cast<uint64_t>(m_nHeight)) {
    return tmb::Status::Fail("the pixel rows are short");
  }
  std::vector<uint8_t> joined(tableBytes + paddedRow * static_cast<uint64_t>(m_nHeight), 0);
  std::copy_n(colourTable.begin(), tableBytes, joined.begin());
  for (uint64_t y = 0; y < static_cast<uint64_t>(m_nHeight); ++y) {
    std::copy_n(pixels.begin() + y * rowBytes, rowBytes, joined.begin() + tableBytes + y * paddedRow);
  }
  uLongf size = compressBound(static_cast<uLong>(joined.size()));
  m_compressed.resize(size);
  const int rc = compress2(m_compressed.data(), &size, joined.data(),
                           static_cast<uLong>(joined.size()), kZlibLevel);
  if (rc != Z_OK) {
    m_compressed.clear();
    return tmb::Status::Fail("zlib could not compress the bitmap (" + std::to_string(rc) + ")");
  }
  m_compressed.resize(size);
  return tmb::Status::Ok();
}

void SwfTagDefineBitsLossless::Write(SwfOutputBuffer& out) const {
  SwfOutputBuffer body;
  if (!m_status) body.Fail(m_status.message());
  WriteId(body);
  body.WriteU8(static_cast<uint32_t>(m_nFormat));
  body.WriteU16(static_cast<uint32_t>(m_nWidth));
  body.WriteU16(static_cast<uint32_t>(m_nHeight));
  if (m_nFormat == 3) body.WriteU8(static_cast<uint32_t>(m_nTableEntries - 1));
  body.AddBlock(m_compressed);
  WriteRecord(out, Code(), body);
}
