#include "core/bitmap/dib.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>

#include "core/bitmap/bmp_pixels.h"
#include "platform/file/little_endian.h"
#include "platform/gdi/bitmap_memory.h"
#include "platform/service/display_modes.h"
#include "platform/service/messages.h"

namespace {

constexpr int kMsgMemoryError = 62043;
constexpr int kMsgCreatePalette = 62044;
constexpr int kMsgNotABitmap = 62048;

// Reserves budget for an empty block and makes it; false when either is refused. The
// block's size is what it holds of the budget.
bool AllocateBlock(std::vector<uint8_t>& block, size_t bytes) {
  if (!tmb::ReserveBitmapMemory(bytes)) return false;
  try {
    block.assign(bytes, 0);
  } catch (const std::bad_alloc&) {
    tmb::ReleaseBitmapMemory(bytes);
    return false;
  }
  return true;
}

// A monochrome bitmap has one bit a pixel; a colour one is made for the display and has
// its depth.
int BitmapBitsPerPixel(const tmb::Surface& bitmap) {
  return bitmap.IsMono() ? 1 : tmb::Display().CurrentBitsPerPixel();
}

void ReleaseBlock(std::vector<uint8_t>& block) {
  tmb::ReleaseBitmapMemory(block.size());
  std::vector<uint8_t>().swap(block);
}

// Where the pixels of a file lie and how they become rows the drawing reads.
struct BmpLayout {
  tmb::DibInfo info;  // the rows as drawn: uncompressed
  uint32_t bitsOffset = 0;
  size_t bitsSize = 0;  // bytes of the file's pixel data
  uint32_t compression = tmb::kDibUncompressed;
  int fileBitCount = 0;
  bool expand = false;  // 16-bit and bit-field pixels become 32-bit rows
  tmb::BitField fields[3];
};

// The red, green and blue masks of a 16- or 32-bit picture: bit fields stand in the
// longer headers or follow the short one. A short header whose bits start right after it
// has no room for them: such a file (as some writers make them) has the plain layout.
bool ReadMasks(const std::vector<uint8_t>& f, const tmb::DibHeader& h, uint32_t headerSize, uint32_t bitsOffset,
               uint32_t& maskBytes, uint32_t masks[3]) {
  maskBytes = 0;
  const bool fields = h.compression == tmb::kBmpBitFields;
  const uint64_t after = CDib::kFileHeaderSize + uint64_t(headerSize);
  const uint8_t* at = nullptr;
  if (fields && headerSize >= 52) {
    at = &f[CDib::kFileHeaderSize + tmb::kDibHeaderSize];
  } else if (fields && bitsOffset >= after + 12 && after + 12 <= f.size()) {
    at = &f[after];
    maskBytes = 12;
  }
  if (at) {
    for (int i = 0; i < 3; ++i) masks[i] = tmb::LoadU32(at + 4 * i);
  } else if (h.bitCount == 16) {
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  } else {
    masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
  }
  return !(h.bitCount == 16 && (masks[0] | masks[1] | masks[2]) > 0xFFFF) && (masks[0] | masks[1] | masks[2]) != 0;
}

// Checks a file image as a BMP file this program can draw and describes it; false for
// anything that is not wholly within its bytes.
bool ParseBmp(const std::vector<uint8_t>& f, BmpLayout& layout) {
  const uint64_t size = f.size();
  if (size < CDib::kFileHeaderSize + tmb::kDibHeaderSize || f[0] != 'B' || f[1] != 'M') return false;
  const uint32_t bitsOffset = tmb::LoadU32(&f[10]);
  const uint32_t headerSize = tmb::LoadU32(&f[14]);
  // The information header and its later, longer forms.
  if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124) return false;
  if (CDib::kFileHeaderSize + uint64_t(headerSize) > size) return false;
  tmb::DibHeader h = tmb::ReadDibHeader(&f[14]);
  if (h.planes != 1) return false;
  if (h.width <= 0 || h.width > tmb::Surface::kMaxSide || h.height == 0 || h.height < -tmb::Surface::kMaxSide ||
      h.height > tmb::Surface::kMaxSide) {
    return false;
  }
  // Run lengths are written bottom row first only.
  const bool rle = (h.compression == tmb::kBmpRle8 && h.bitCount == 8) ||
                   (h.compression == tmb::kBmpRle4 && h.bitCount == 4);
  const bool plain = h.compression == tmb::kDibUncompressed && (tmb::IsSupportedBitCount(h.bitCount) || h.bitCount == 16);
  const bool fields = h.compression == tmb::kBmpBitFields && (h.bitCount == 16 || h.bitCount == 32);
  if (!(plain || fields || (rle && h.height > 0))) return false;
  uint32_t maskBytes = 0;
  layout.expand = h.bitCount == 16 || fields;
  if (layout.expand) {
    uint32_t masks[3];
    if (!ReadMasks(f, h, headerSize, bitsOffset, maskBytes, masks)) return false;
    for (int i = 0; i < 3; ++i) {
      if (!tmb::BitFieldOfMask(masks[i], layout.fields[i])) return false;
    }
  }
  // A colour table of the used count (or the full one up to 8 bits), at most 256 entries.
  const int full = tmb::DefaultColourCount(h.bitCount);
  if (h.clrUsed > 256 || (full > 0 && h.clrUsed > uint32_t(full))) return false;
  const uint32_t colours = h.clrUsed ? h.clrUsed : uint32_t(full);
  const uint64_t tableEnd = CDib::kFileHeaderSize + uint64_t(headerSize) + maskBytes + 4ull * colours;
  if (tableEnd > bitsOffset || bitsOffset > size) return false;
  const uint64_t rows = uint64_t(h.height < 0 ? -int64_t(h.height) : h.height);
  uint64_t bytes = uint64_t(tmb::DibStride(h.width, h.bitCount)) * rows;
  if (rle) {
    // The data runs to the end of the file, or to its stated size where that lies within.
    bytes = size - bitsOffset;
    if (h.sizeImage > 0 && h.sizeImage < bytes) bytes = h.sizeImage;
  }
  if (bytes == 0 || bitsOffset + bytes > size) return false;
  layout.info.colours.resize(colours);
  const uint8_t* table = &f[CDib::kFileHeaderSize + headerSize + maskBytes];
  for (uint32_t i = 0; i < colours; ++i) layout.info.colours[i] = {table[4 * i], table[4 * i + 1], table[4 * i + 2], 0};
  layout.bitsOffset = bitsOffset;
  layout.bitsSize = size_t(bytes);
  layout.compression = h.compression;
  layout.fileBitCount = h.bitCount;
  // The rows as drawn.
  h.compression = tmb::kDibUncompressed;
  if (layout.expand) h.bitCount = 32;
  h.sizeImage = uint32_t(std::min<uint64_t>(uint64_t(tmb::DibStride(h.width, h.bitCount)) * rows, UINT32_MAX));
  layout.info.header = h;
  return true;
}

}  // namespace

CDib::~CDib() {
  FreeFile();
  FreeBits();
}

void CDib::FreeFile() {
  ReleaseBlock(m_file);
  ReleaseBlock(m_decoded);
  m_pPalette.reset();
  m_pFile = m_pInfoHeader = m_pInfo = m_pFileBits = nullptr;
  m_nFileSize = 0;
  m_nFileBitsSize = 0;
  m_size = {};
  m_fileInfo = {};
}

int CDib::ReadFile(const std::string& path) {
  switch (LoadFile(path)) {
    case kLoaded: return 1;
    case kNoMemory: tmb::ShowMessage(kMsgMemoryError); break;
    case kNotABitmap: tmb::ShowMessage(kMsgNotABitmap); break;
    case kNoPalette: tmb::ShowMessage(kMsgCreatePalette); break;
    default: break;
  }
  return 0;
}

int CDib::LoadFile(const std::string& path) {
  // Whatever happens, the picture loaded before is gone: a failed load leaves nothing.
  FreeFile();
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  if (!in) return kNotOpened;
  std::error_code ec;
  const uint64_t length = std::filesystem::file_size(std::filesystem::u8path(path), ec);
  if (ec) return kNotOpened;
  if (length > kMaxFileSize || !AllocateBlock(m_file, size_t(length))) return kNoMemory;
  in.read(reinterpret_cast<char*>(m_file.data()), std::streamsize(length));
  BmpLayout layout;
  if (size_t(in.gcount()) != m_file.size() || !ParseBmp(m_file, layout)) {
    FreeFile();
    return kNotABitmap;
  }
  m_fileInfo = layout.info;
  m_pFile = m_file.data();
  m_nFileSize = uint32_t(m_file.size());
  m_pInfoHeader = m_pInfo = m_pFile + kFileHeaderSize;
  m_pFileBits = m_pFile + layout.bitsOffset;
  m_nFileBitsSize = layout.bitsSize;
  m_size = {m_fileInfo.header.width, std::abs(m_fileInfo.header.height)};
  if (layout.compression != tmb::kDibUncompressed || layout.expand) {
    // Compressed, 16-bit and bit-field pixels are drawn from plain rows made once here.
    const tmb::DibHeader& h = m_fileInfo.header;
    const int64_t stride = tmb::DibStride(h.width, h.bitCount);
    if (!AllocateBlock(m_decoded, size_t(stride) * size_t(m_size.cy))) {
      FreeFile();
      return kNoMemory;
    }
    const std::span<const uint8_t> data(m_pFileBits, m_nFileBitsSize);
    const bool decoded = layout.expand
                             ? tmb::ExpandBitFields(data, layout.fileBitCount, h.width, m_size.cy, layout.fields, m_decoded)
                             : tmb::DecodeRunLengths(data, h.bitCount, h.width, m_size.cy, stride, m_decoded);
    if (!decoded) {
      FreeFile();
      return kNotABitmap;
    }
    m_pFileBits = m_decoded.data();
    m_nFileBitsSize = m_decoded.size();
  }

  // The palette of the colour table; a picture without one gets a 6 x 6 x 6 cube.
  std::vector<tmb::PaletteEntry> entries;
  if (!m_fileInfo.colours.empty()) {
    for (const tmb::RgbQuad& q : m_fileInfo.colours) entries.push_back({q.red, q.green, q.blue, 0});
  } else {
    for (int i = 0; i < 216; ++i) {
      const int r = i / 36, g = i / 6 % 6, b = i % 6;
      entries.push_back({uint8_t(r * 255 / 6), uint8_t(g * 255 / 6), uint8_t(b * 255 / 6), 0});
    }
  }
  m_pPalette = std::make_unique<tmb::Palette>();
  if (!m_pPalette->Create(entries)) {
    FreeFile();
    return kNoPalette;
  }
  return kLoaded;
}

int CDib::DrawFile(tmb::DeviceContext* pDC, const tmb::Rect& dst, const tmb::Rect& src) {
  if (!pDC || !m_pFileBits) return 0;
  const std::span<const uint8_t> bits(m_pFileBits, m_nFileBitsSize);
  return tmb::StretchDibBits(*pDC, dst, src, bits, m_fileInfo, tmb::kSrcCopy);
}

int CDib::Draw(tmb::DeviceContext* pDC, tmb::Point point, tmb::Size* size, int rightAlign) {
  if (!m_pFileBits || !pDC) return 0;
  if (size) *size = m_size;
  int width = m_size.cx;
  int x = point.x;
  if (rightAlign) {
    width = std::min(width, point.x);
    x = point.x - width;
  }
  if (width <= 0) return 0;
  const tmb::Palette* previous = pDC->SelectPalette(m_pPalette.get(), false);
  pDC->RealizePalette();
  const int rows = DrawFile(pDC, {x, point.y, x + width, point.y + m_size.cy}, {0, 0, width, m_size.cy});
  pDC->SelectPalette(previous, false);
  return rows;
}

int CDib::StretchDraw(tmb::DeviceContext* pDC, tmb::Point point, tmb::Size size, int paletteBackground) {
  if (!m_pFileBits || !pDC) return 0;
  const tmb::Palette* previous = pDC->SelectPalette(m_pPalette.get(), paletteBackground != 0);
  pDC->RealizePalette();
  const int rows = DrawFile(pDC, {point.x, point.y, point.x + size.cx, point.y + size.cy}, {0, 0, m_size.cx, m_size.cy});
  pDC->SelectPalette(previous, paletteBackground != 0);
  return rows;
}

int CDib::CreateFromBitmap(tmb::DeviceContext* hDC, const tmb::Surface* hBitmap, const tmb::Palette* hPalette,
                           int bitCount) {
  if (!hBitmap || hBitmap->IsNull()) return 0;
  if (bitCount == 0) bitCount = BlockBitCount(BitmapBitsPerPixel(*hBitmap));
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24) return 0;
  const int w = hBitmap->width(), h = hBitmap->height();
  const uint64_t stride = uint64_t(tmb::DibStride(w, bitCount));
  const uint64_t image = stride * uint64_t(h);
  const uint32_t colours = uint32_t(tmb::DefaultColourCount(bitCount));
  const uint64_t blockSize = kFileHeaderSize + tmb::kDibHeaderSize + 4ull * colours + image;
  if (blockSize > UINT32_MAX) return -1;
  FreeBits();
  if (!AllocateBlock(m_block, size_t(blockSize))) return -1;
  // The colours of a block of 4 or 8 bits are the selected palette's.
  const tmb::Palette* previous = hDC ? hDC->SelectPalette(hPalette, false) : nullptr;
  if (hDC) hDC->RealizePalette();
  std::vector<tmb::RgbQuad> table;
  if (hPalette && hPalette->IsCreated() && colours > 2) {
    std::vector<tmb::PaletteEntry> entries(std::min<size_t>(colours, size_t(hPalette->EntryCount())));
    hPalette->GetEntries(0, entries);
    for (const tmb::PaletteEntry& e : entries) table.push_back({e.blue, e.green, e.red, 0});
  }
  m_blockSize = {w, h};
  m_nBlockSize = uint32_t(blockSize);
  m_pBlock = m_block.data();
  const uint32_t bitsOffset = kFileHeaderSize + tmb::kDibHeaderSize + 4 * colours;
  m_pBlock[0] = 'B';
  m_pBlock[1] = 'M';
  tmb::StoreU32(m_pBlock + 2, m_nBlockSize);
  tmb::StoreU32(m_pBlock + 10, bitsOffset);
  tmb::DibInfo info;
  info.header.width = w;
  info.header.height = h;
  info.header.bitCount = uint16_t(bitCount);
  info.header.sizeImage = uint32_t(image);
  tmb::WriteDibHeader(info.header, m_pBlock + kFileHeaderSize);
  m_pBlockInfo = m_pBlock + kFileHeaderSize;
  m_pBits = m_pBlock + bitsOffset;
  m_bOwnsBlock = 1;
  const int rows = tmb::GetDibRows(*hBitmap, 0, h, {m_pBits, size_t(image)}, info, table);
  for (size_t i = 0; i < info.colours.size() && i < colours; ++i) {
    uint8_t* e = m_pBlockInfo + tmb::kDibHeaderSize + 4 * i;
    e[0] = info.colours[i].blue;
    e[1] = info.colours[i].green;
    e[2] = info.colours[i].red;
    e[3] = 0;
  }
  if (hDC) {
    hDC->SelectPalette(previous, false);
    hDC->RealizePalette();
  }
  return rows > 0 ? 1 : 0;
}

void CDib::FreeBits() {
  if (!m_bOwnsBlock) return;
  ReleaseBlock(m_block);
  m_pBlock = m_pBits = m_pBlockInfo = nullptr;
  m_bOwnsBlock = 0;
  m_nBlockSize = 0;
  m_blockSize = {};
}

tmb::DibInfo CDib::BlockInfo() const {
  tmb::DibInfo info;
  info.header = tmb::ReadDibHeader(m_pBlockInfo);
  const int colours = tmb::DefaultColourCount(info.header.bitCount);
  for (int i = 0; i < colours; ++i) {
    const uint8_t* e = m_pBlockInfo + tmb::kDibHeaderSize + 4 * i;
    info.colours.push_back({e[0], e[1], e[2], 0});
  }
  return info;
}

bool CDib::FindBand(const tmb::Surface* bitmap, const tmb::Rect& rect, int stride, int height, int& first,
                    int& count) const {
  if (!m_bOwnsBlock || !bitmap || bitmap->size() != m_blockSize) return false;
  const tmb::DibHeader header = tmb::ReadDibHeader(m_pBlockInfo);
  if (stride != tmb::DibStride(header.width, header.bitCount) || height != m_blockSize.cy) return false;
  first = height - rect.bottom;
  count = rect.bottom - rect.top;
  return first >= 0 && count > 0 && rect.top >= 0;
}

int CDib::GetBits(tmb::DeviceContext* /*hDC*/, const tmb::Surface* hBitmap, const tmb::Rect& rect, int stride,
                  int height) {
  int first = 0, count = 0;
  if (!FindBand(hBitmap, rect, stride, height, first, count)) return 0;
  tmb::DibInfo info = BlockInfo();
  const size_t offset = size_t(first) * size_t(stride);
  return tmb::GetDibRows(*hBitmap, first, count, BlockBits().subspan(offset, size_t(count) * size_t(stride)), info);
}

int CDib::SetBits(tmb::DeviceContext* /*pDC*/, tmb::Surface* pBitmap, const tmb::Rect& rect, int stride, int height) {
  int first = 0, count = 0;
  if (!FindBand(pBitmap, rect, stride, height, first, count)) return 0;
  const size_t offset = size_t(first) * size_t(stride);
  return tmb::SetDibRows(*pBitmap, first, count, BlockBits().subspan(offset, size_t(count) * size_t(stride)),
                         BlockInfo());
}

int CDib::SetAllBits(tmb::DeviceContext* /*pDC*/, tmb::Surface* pBitmap) {
  if (!m_bOwnsBlock || !pBitmap) return 0;
  return tmb::SetDibRows(*pBitmap, 0, m_blockSize.cy, BlockBits(), BlockInfo()) > 0 ? 1 : 0;
}

int CDib::StretchBlock(tmb::DeviceContext* pDC, const tmb::Rect& rect) {
  if (!m_bOwnsBlock || !pDC) return 0;
  const int rows = tmb::StretchDibBits(*pDC, rect, {0, 0, m_blockSize.cx, m_blockSize.cy}, BlockBits(), BlockInfo(),
                                       tmb::kSrcCopy);
  return rows == m_blockSize.cy ? 1 : 0;
}

void CDib::SwapRedBlue() {
  if (!m_bOwnsBlock || tmb::ReadDibHeader(m_pBlockInfo).bitCount != 24) return;
  const int stride = int(tmb::DibStride(m_blockSize.cx, 24));
  for (int y = 0; y < m_blockSize.cy; ++y) {
    uint8_t* row = m_pBits + size_t(y) * size_t(stride);
    for (int x = 0; x < m_blockSize.cx; ++x) std::swap(row[3 * x], row[3 * x + 2]);
  }
}

bool PadPackedRows24(std::span<uint8_t> dst, std::span<const uint8_t> src, int width, int height) {
  if (width <= 0 || height <= 0) return false;
  const size_t packed = size_t(width) * 3;
  const size_t padded = size_t(tmb::DibStride(width, 24));
  if (padded == 0 || src.size() < packed * size_t(height) || dst.size() < padded * size_t(height)) return false;
  for (int y = 0; y < height; ++y) {
    uint8_t* out = dst.data() + size_t(y) * padded;
    std::memcpy(out, src.data() + size_t(y) * packed, packed);
    std::memset(out + packed, 0, padded - packed);
  }
  return true;
}

int DrawRgbPixels(tmb::DeviceContext* pDC, tmb::Surface* pDestBitmap, std::span<const uint8_t> pixels, tmb::Size size,
                  int direction, int swapRedBlue, int step, std::span<const uint8_t> palette) {
  if (!pDestBitmap || size.cx <= 0 || size.cy <= 0 || size.cx > tmb::Surface::kMaxSide ||
      size.cy > tmb::Surface::kMaxSide || step == 0 || step < -1) {
    return 0;
  }
  const size_t perPixel = step == -1 ? 1 : size_t(step);
  if (step != -1 && step < 3) return 0;
  const size_t rowBytes = perPixel * size_t(size.cx);
  if (pixels.size() < rowBytes * size_t(size.cy)) return 0;
  const size_t stride = size_t(tmb::DibStride(size.cx, 24));
  std::vector<uint8_t> rows;
  try {
    rows.assign(stride * size_t(size.cy), 0);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  const size_t paletteEntries = palette.size() / 4;
  for (int y = 0; y < size.cy; ++y) {
    const uint8_t* in = pixels.data() + size_t(y) * rowBytes;
    uint8_t* out = rows.data() + size_t(y) * stride;
    for (int x = 0; x < size.cx; ++x) {
      uint8_t b, g, r;
      if (step == -1) {
        const size_t index = in[x];
        const bool known = index < paletteEntries;
        r = known ? palette[4 * index] : 0;
        g = known ? palette[4 * index + 1] : 0;
        b = known ? palette[4 * index + 2] : 0;
      } else {
        const uint8_t* p = in + size_t(x) * perPixel;
        b = swapRedBlue ? p[2] : p[0];
        g = p[1];
        r = swapRedBlue ? p[0] : p[2];
      }
      out[3 * x] = b;
      out[3 * x + 1] = g;
      out[3 * x + 2] = r;
    }
  }
  tmb::DibInfo info;
  info.header.width = size.cx;
  info.header.height = size.cy * (direction < 0 ? -1 : 1);
  info.header.bitCount = 24;
  info.header.sizeImage = uint32_t(stride * size_t(size.cy));
  tmb::Surface picture;
  if (!picture.Create(size.cx, size.cy, pDC ? pDC->CompatibleFormat() : tmb::PixelFormat::kColour32)) return 0;
  tmb::SetDibRows(picture, 0, size.cy, rows, info);
  tmb::DeviceContext src = tmb::DeviceContext::CompatibleWith(pDC);
  tmb::DeviceContext dst = tmb::DeviceContext::CompatibleWith(pDC);
  src.SelectSurface(&picture);
  dst.SelectSurface(pDestBitmap);
  dst.BitBlt(0, 0, size.cx, size.cy, &src, 0, 0, tmb::kSrcCopy);
  return 1;
}
