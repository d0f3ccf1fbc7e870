#include "core/file/char_block_convert.h"

#include <algorithm>
#include <cstdint>

#include "core/file/char_block_format.h"
#include "core/record/char_data.h"

int gOldBrushLayout = 0;

namespace {

constexpr int kMagicKind05 = 0;  // "TMB DATA FILE   0.5"
constexpr int kScaledLineMode = 2;  // parameter 240: strokes drawn at four times the paper

// Arithmetic on values straight from a file wraps as the 32-bit values it stands for,
// whatever the file holds.
int32_t Wrap(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }

void ConvertBefore200(CCharData& r, const CharBlockHeader& h, int switch16) {
  ParamBlock& p = r.m_param;
  if (h.kind == kMagicKind05) std::swap(p[2], p[3]);
  if (h.version == 0) {
    const int old1 = p[1], old2 = p[2], old3 = p[3];
    p[1] = old2;
    p[2] = old3;
    p[3] = old1;
  }
  if (h.version < 110) std::fill(p.begin() + 17, p.begin() + 21, 1);
  p[22] = 0;
  p[5] = 0;
  r.ClearShapeMode();
  p[30] = switch16 != 0 ? 1 : 0;
  for (int k : {17, 18}) {
    if (p[k] != 0) p[k] = Wrap(int64_t{p[k]} * 8 + 8);
  }
  p[37] = h.version;
  p[38] = 1;
  p[39] = 3;
  p[46] = 0;
  p[49] = p[39];
  p[114] = 0;
}

void Convert200To299(CCharData& r, const CharBlockHeader& h) {
  ParamBlock& p = r.m_param;
  if (h.version < 201) {
    if (p[181] == 0) p[181] = 4;
    r.m_bRedrawStrokes = 1;
    r.m_bRedraw2 = 1;
    p[190] = 0;
  }
  if (h.version < 214) {
    p[44] = Wrap(int64_t{p[26]} * 3);
    if (p[11] == 4) p[45] = 2;
  }
  p[48] = 0;
  if (p[39] < 2 || p[39] > 4) p[39] = 4;
  p[49] = p[39];
  if (p[46] != 0) p[39] = 4;
  p[114] = 0;
}

void ConvertEarly300(CCharData& r, const CharBlockHeader& h) {
  ParamBlock& p = r.m_param;
  if (h.revision2 < 2) p[50] = Wrap(int64_t{p[50]} + 1);
  p[48] = 0;
  p[78] = 10;
}

// The sub-revision chain; each step tests R2 on its own, in this order.
void ConvertByRevision(CCharData& r, int r2) {
  ParamBlock& p = r.m_param;
  if (r2 < 7) {
    p[213] = p[15] != 0 ? 1 : 0;
    p[214] = p[16] != 0 ? 1 : 0;
    if (p[15] != 0) p[215] = Wrap((int64_t{p[15]} - 3) * 45);
    if (p[16] != 0) p[216] = Wrap((int64_t{p[16]} - 3) * 45);
    p[205] = 4;
    p[206] = 2;
    p[207] = 80;
    p[208] = 80;
  }
  if (r2 < 8) {
    for (int k = 6; k >= 2; --k) p[k] = p[k - 1];
    p[1] = 0;
  }
  if (r2 < 9) p[230] = 100;
  if (r2 < 10) std::rotate(p.begin() + 2, p.begin() + 3, p.begin() + 7);
  if (r2 < 11) {
    // Blocks from before the stroke pictures and the anti-aliasing had no way of drawing
    // of their own: they take the scaled road, which draws with the conversion on or off.
    p[220] = 0;
    p[240] = kScaledLineMode;
  }
  if (r2 < 16) p[260] = Wrap(int64_t{p[260]} + 1);
  if (r2 < 17) p[261] = 100;
  if (r2 < 18) p[264] = 1;
  if (r2 < 19 && p[144] != 0) {
    p[144] = 0;
    p[262] = 1;
    p[263] = 0;
  }
  if (r2 < 17 || p[263] == 0) p[263] = 300;
  if (r2 < 21) p[265] = 1;
  if (r2 < 22) p[267] = 100;
  if (r2 < 23) {
    p[244] = 2;
    p[245] = 100;
  }
  if (r2 < kFirstNewBrushRevision) {
    p[8] = p[9];
    p[9] = 0;
    p[1] = 0;
    p[381] = 0;
    p[37] = 400;
  }
  if (r2 < 25) {
    p[9] = 0;
    p[381] = -1;
  }
  if (r2 < 26) p[353] = p[354] = p[355] = 0;
  if (r2 < 27 && p[328] != 0) {
    p[1] = std::max(p[1], 10);
    p[328] = 0;
  }
  if (r2 < 28) p[361] = p[362] = 0;
}

}  // namespace

void ConvertOldParams(CCharData& record, const CharBlockHeader& header, int switch16) {
  if (header.version < 200) {
    ConvertBefore200(record, header, switch16);
  } else if (header.version < 300) {
    Convert200To299(record, header);
  } else if (header.version == 300 && header.revision1 < 2 && header.revision2 < 3) {
    ConvertEarly300(record, header);
  }
  ConvertByRevision(record, header.revision2);
}
