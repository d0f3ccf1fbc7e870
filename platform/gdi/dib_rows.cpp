#include "platform/gdi/dib_rows.h"

#include <algorithm>
#include <cstring>

#include "platform/file/little_endian.h"

namespace tmb {
namespace {

constexpr RgbQuad kStandard16[16] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},     {0, 128, 0, 0},     {0, 128, 128, 0},
    {128, 0, 0, 0},     {128, 0, 128, 0},   {128, 128, 0, 0},   {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0},     {0, 255, 0, 0},     {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0},   {255, 255, 0, 0},   {255, 255, 255, 0},
};

// The colour table GetDibRows writes for a bit count.
std::vector<RgbQuad> TableFor(int bitCount) {
  switch (bitCount) {
    case 1: return {{0, 0, 0, 0}, {255, 255, 255, 0}};
    case 4: return {std::begin(kStandard16), std::end(kStandard16)};
    case 8: {
      std::vector<RgbQuad> t(256);
      for (int i = 0; i < 216; ++i) {
        t[size_t(i)] = {uint8_t(i % 6 * 51), uint8_t(i / 6 % 6 * 51), uint8_t(i / 36 * 51), 0};
      }
      return t;
    }
    default: return {};
  }
}

int NearestIndex(const std::vector<RgbQuad>& table, uint32_t stored) {
  const int r = (stored >> 16) & 0xFF, g = (stored >> 8) & 0xFF, b = stored & 0xFF;
  int best = 0, bestD = -1;
  for (size_t i = 0; i < table.size(); ++i) {
    const int dr = table[i].red - r, dg = table[i].green - g, db = table[i].blue - b;
    const int d = dr * dr + dg * dg + db * db;
    if (bestD < 0 || d < bestD) {
      best = int(i);
      bestD = d;
    }
  }
  return best;
}

uint32_t StoredOf(const RgbQuad& q) {
  return kStoredAlpha | uint32_t(q.red) << 16 | uint32_t(q.green) << 8 | q.blue;
}

// The surface row of scan line k of a bitmap of height h (negative: top-down).
int64_t RowOfScan(int64_t k, int64_t h) { return h > 0 ? h - 1 - k : k; }

}  // namespace

int64_t DibStride(int64_t width, int bitCount) {
  if (width <= 0 || width > Surface::kMaxSide * int64_t(4) || bitCount <= 0 || bitCount > 32) return 0;
  return (width * bitCount + 31) / 32 * 4;
}

bool IsSupportedBitCount(int bitCount) {
  return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

int DefaultColourCount(int bitCount) { return bitCount <= 8 && bitCount > 0 ? 1 << bitCount : 0; }

void WriteDibHeader(const DibHeader& h, uint8_t* out) {
  StoreU32(out + 0, kDibHeaderSize);
  StoreU32(out + 4, uint32_t(h.width));
  StoreU32(out + 8, uint32_t(h.height));
  StoreU16(out + 12, h.planes);
  StoreU16(out + 14, h.bitCount);
  StoreU32(out + 16, h.compression);
  StoreU32(out + 20, h.sizeImage);
  StoreU32(out + 24, uint32_t(h.xPelsPerMeter));
  StoreU32(out + 28, uint32_t(h.yPelsPerMeter));
  StoreU32(out + 32, h.clrUsed);
  StoreU32(out + 36, h.clrImportant);
}

DibHeader ReadDibHeader(const uint8_t* in) {
  DibHeader h;
  h.width = int32_t(LoadU32(in + 4));
  h.height = int32_t(LoadU32(in + 8));
  h.planes = LoadU16(in + 12);
  h.bitCount = LoadU16(in + 14);
  h.compression = LoadU32(in + 16);
  h.sizeImage = LoadU32(in + 20);
  h.xPelsPerMeter = int32_t(LoadU32(in + 24));
  h.yPelsPerMeter = int32_t(LoadU32(in + 28));
  h.clrUsed = LoadU32(in + 32);
  h.clrImportant = LoadU32(in + 36);
  return h;
}

int GetDibRows(const Surface& surface, int startScan, int numScans, std::span<uint8_t> bits, DibInfo& info,
               std::span<const RgbQuad> table) {
  const int bitCount = info.header.bitCount;
  if (surface.IsNull() || !IsSupportedBitCount(bitCount)) return 0;
  const int w = surface.width(), h = surface.height();
  const bool topDown = info.header.height < 0;
  const int64_t stride = DibStride(w, bitCount);
  info.header.width = w;
  info.header.height = topDown ? -h : h;
  info.header.planes = 1;
  info.header.compression = kDibUncompressed;
  info.header.sizeImage = uint32_t(stride * h);
  info.header.clrUsed = 0;
  const bool ownTable = !table.empty() && (bitCount == 4 || bitCount == 8);
  if (ownTable) {
    info.colours.assign(table.begin(), table.begin() + std::min<size_t>(table.size(), size_t(1) << bitCount));
  } else {
    info.colours = TableFor(bitCount);
  }
  if (bits.empty()) return h;
  // The last colour searched and its entry: pictures hold runs of one colour.
  uint32_t lastStored = 0;
  int lastIndex = -1;
  auto indexOf = [&](uint32_t p) {
    if (lastIndex < 0 || p != lastStored) {
      lastStored = p;
      lastIndex = NearestIndex(info.colours, p);
    }
    return lastIndex;
  };
  if (startScan < 0 || startScan >= h || numScans <= 0) return 0;
  numScans = int(std::min<int64_t>({int64_t(numScans), int64_t(h - startScan), int64_t(bits.size()) / stride}));
  const int64_t signedH = topDown ? -h : h;
  for (int k = 0; k < numScans; ++k) {
    const int y = int(RowOfScan(startScan + k, signedH));
    uint8_t* out = bits.data() + size_t(k) * size_t(stride);
    std::memset(out, 0, size_t(stride));
    if (surface.IsMono()) {
      const uint8_t* row = surface.Row(y);
      if (bitCount == 1) {
        std::memcpy(out, row, size_t((w + 7) / 8));
        // Pixels past the width read as background.
        if (w % 8) out[w / 8] |= uint8_t(0xFFu >> (w % 8));
        std::memset(out + (w + 7) / 8, 0xFF, size_t(stride - (w + 7) / 8));
        continue;
      }
      const int white = ownTable ? indexOf(kStoredWhite) : bitCount == 4 ? 15 : 215;
      const int black = ownTable ? indexOf(kStoredBlack) : 0;
      for (int x = 0; x < w; ++x) {
        const bool bit = MonoBit(row, x);
        switch (bitCount) {
          case 4: out[x / 2] |= uint8_t((bit ? white : black) << (x % 2 ? 0 : 4)); break;
          case 8: out[x] = uint8_t(bit ? white : black); break;
          case 24: std::memset(out + 3 * x, bit ? 0xFF : 0, 3); break;
          default: std::memset(out + 4 * x, bit ? 0xFF : 0, 3); break;
        }
      }
      continue;
    }
    const uint32_t* row = surface.ColourRow(y);
    if (bitCount == 1) {
      // Eight pixels to a byte. Runs of pure white or pure black are told by one AND and
      // one OR of the eight words, which keeps packing a supersampled picture within a
      // few milliseconds.
      std::memset(out, 0xFF, size_t(stride));
      for (int x0 = 0; x0 < w; x0 += 8) {
        const uint32_t* p = row + x0;
        uint8_t byte = 0xFF;
        if (x0 + 8 <= w && (p[0] & p[1] & p[2] & p[3] & p[4] & p[5] & p[6] & p[7]) == kStoredWhite) {
          byte = 0xFF;
        } else if (x0 + 8 <= w && (p[0] | p[1] | p[2] | p[3] | p[4] | p[5] | p[6] | p[7]) == kStoredBlack) {
          byte = 0x00;
        } else {
          for (int k = 0; k < 8 && x0 + k < w; ++k) {
            if (!MonoBitOfColour(ColourFromStored(p[k]))) byte &= uint8_t(~(0x80u >> k));
          }
        }
        out[x0 >> 3] = byte;
      }
      continue;
    }
    for (int x = 0; x < w; ++x) {
      const uint32_t p = row[x];
      switch (bitCount) {
        case 4: out[x / 2] |= uint8_t(indexOf(p) << (x % 2 ? 0 : 4)); break;
        case 8: {
          if (ownTable) {
            out[x] = uint8_t(indexOf(p));
            break;
          }
          const int r = (((p >> 16) & 0xFF) + 25) / 51, g = (((p >> 8) & 0xFF) + 25) / 51, b = ((p & 0xFF) + 25) / 51;
          out[x] = uint8_t(b + 6 * g + 36 * r);
          break;
        }
        case 24:
          out[3 * x] = uint8_t(p);
          out[3 * x + 1] = uint8_t(p >> 8);
          out[3 * x + 2] = uint8_t(p >> 16);
          break;
        default:
          out[4 * x] = uint8_t(p);
          out[4 * x + 1] = uint8_t(p >> 8);
          out[4 * x + 2] = uint8_t(p >> 16);
          break;
      }
    }
  }
  return numScans;
}

int SetDibRows(Surface& surface, int startScan, int numScans, std::span<const uint8_t> bits, const DibInfo& info) {
  const DibHeader& hd = info.header;
  const int bitCount = hd.bitCount;
  if (surface.IsNull() || !IsSupportedBitCount(bitCount) || hd.compression != kDibUncompressed) return 0;
  if (hd.width <= 0 || hd.height == 0 || hd.height == INT32_MIN) return 0;
  const int64_t stride = DibStride(hd.width, bitCount);
  const int64_t dibH = hd.height < 0 ? -int64_t(hd.height) : hd.height;
  if (stride == 0 || startScan < 0 || startScan >= dibH || numScans <= 0) return 0;
  numScans = int(std::min<int64_t>({int64_t(numScans), dibH - startScan, int64_t(bits.size()) / stride}));
  if (numScans <= 0) return 0;
  // Colours of the table as words and as monochrome bits; missing entries are black.
  const int tableSize = DefaultColourCount(bitCount);
  std::vector<uint32_t> words(size_t(tableSize), kStoredBlack);
  for (int i = 0; i < tableSize && size_t(i) < info.colours.size(); ++i) words[size_t(i)] = StoredOf(info.colours[size_t(i)]);
  const int w = int(std::min<int64_t>(hd.width, surface.width()));
  for (int k = 0; k < numScans; ++k) {
    const int64_t y = RowOfScan(startScan + k, hd.height);
    if (y < 0 || y >= surface.height()) continue;
    const uint8_t* in = bits.data() + size_t(k) * size_t(stride);
    auto pixel = [&](int x) -> uint32_t {
      switch (bitCount) {
        case 1: return words[(in[x >> 3] >> (7 - (x & 7))) & 1];
        case 4: return words[(in[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
        case 8: return words[in[x]];
        case 24: return kStoredAlpha | uint32_t(in[3 * x + 2]) << 16 | uint32_t(in[3 * x + 1]) << 8 | in[3 * x];
        default: return kStoredAlpha | uint32_t(in[4 * x + 2]) << 16 | uint32_t(in[4 * x + 1]) << 8 | in[4 * x];
      }
    };
    if (surface.IsMono()) {
      uint8_t* row = surface.Row(int(y));
      const bool one = bitCount == 1 && MonoBitOfColour(ColourFromStored(words[1]));
      const bool zero = bitCount == 1 && MonoBitOfColour(ColourFromStored(words[0]));
      if (bitCount == 1 && one && !zero) {
        // Black and white rows are the surface's own layout.
        std::memcpy(row, in, size_t(w / 8));
        for (int x = w / 8 * 8; x < w; ++x) SetMonoBit(row, x, MonoBit(in, x));
        continue;
      }
      for (int x = 0; x < w; ++x) SetMonoBit(row, x, MonoBitOfColour(ColourFromStored(pixel(x))));
      continue;
    }
    uint32_t* row = surface.ColourRow(int(y));
    for (int x = 0; x < w; ++x) row[x] = pixel(x);
  }
  return numScans;
}

int StretchDibBits(DeviceContext& dc, const Rect& dst, const Rect& src, std::span<const uint8_t> bits,
                   const DibInfo& info, uint32_t rop) {
  const DibHeader& hd = info.header;
  if (hd.width <= 0 || hd.height == 0 || hd.height == INT32_MIN) return 0;
  const int64_t h = hd.height < 0 ? -int64_t(hd.height) : hd.height;
  if (hd.width > Surface::kMaxSide || h > Surface::kMaxSide) return 0;
  Surface picture;
  if (!picture.Create(hd.width, int(h), PixelFormat::kColour32)) return 0;
  const int rows = SetDibRows(picture, 0, int(h), bits, info);
  if (rows == 0) return 0;
  DeviceContext source(&picture);
  if (!dc.StretchBlt(dst.left, dst.top, dst.Width(), dst.Height(), &source, src.left, src.top, src.Width(),
                     src.Height(), rop)) {
    return 0;
  }
  return rows;
}

}  // namespace tmb
