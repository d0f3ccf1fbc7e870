// Speed of the image editor's one-bit passes on the mask of a written character: the
// despeckle and the thinning to the end, as the vectoriser runs them on every trace.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/record/char_data.h"
#include "imageedit/onebit/region_scan.h"
#include "imageedit/onebit/thinning.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/dib_rows.h"
#include "tests/support/recorded_character.h"

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 750;

// The recorded 20-stroke character on the 500 x 750 paper, each sample drawn as a round
// dab of a pen whose width follows the pressure (about 14 to 40 pixels), packed into one-bit
// rows: a mask of the coverage a brush-written character has.
std::vector<uint8_t> CharacterMask() {
  auto rec = std::make_unique<CCharData>();
  rec->ClearPoints();
  tmb::test::AppendRecordedCharacter(*rec);
  tmb::Surface paper;
  paper.Create(kWidth, kHeight, tmb::PixelFormat::kColour32);
  tmb::DeviceContext dc(&paper);
  dc.FillSolidRect(paper.Bounds(), 0xFFFFFF);
  for (int i = 1; i < rec->m_nPoints; ++i) {
    if (rec->m_pFlags[i] == 1) continue;
    const tmb::Point a = rec->m_pPoints[i - 1], b = rec->m_pPoints[i];
    dc.SelectPen(tmb::Pen::Solid(14 + rec->m_pPressure[i] * 3 / 10, 0x000000));
    dc.MoveTo(a.x + 10, a.y + 120);
    dc.LineTo(b.x + 10, b.y + 120);
  }
  tmb::DibInfo info;
  info.header.bitCount = 1;
  std::vector<uint8_t> bits(size_t(tmb::DibStride(kWidth, 1)) * kHeight);
  tmb::GetDibRows(paper, 0, kHeight, bits, info);
  return bits;
}

void BM_DespeckleAndThinCharacterMask(benchmark::State& state) {
  const std::vector<uint8_t> original = CharacterMask();
  std::vector<uint8_t> bits(original.size());
  CMonoBitmap mask;
  mask.Attach(bits.data(), 0, 0, kWidth, kHeight, kWidth, kHeight);
  int ink = 0, removed = 0;
  for (auto _ : state) {
    std::memcpy(bits.data(), original.data(), bits.size());
    removed = DespeckleMask(mask);
    removed += ThinMask(mask);
    benchmark::DoNotOptimize(bits.data());
  }
  mask.CopyAllFrom(original.data());
  ink = CountInkPixels(mask);
  state.counters["ink"] = ink;
  state.counters["removed"] = removed;
}
BENCHMARK(BM_DespeckleAndThinCharacterMask)->Unit(benchmark::kMillisecond);

}  // namespace
