// Measurements of the drawing views' input: reading handwriting.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "convert/driver/tablet_ink.h"
#include "core/canvas/work_canvas.h"
#include "core/document/doc_windows.h"
#include "core/document/tmb_doc.h"
#include "tests/support/written_characters.h"

namespace {

// Window A's document, the one whose ink is read.
class OneWindow final : public TmbDocWindows {
 public:
  OneWindow() { SetTmbDocWindows(this); }
  ~OneWindow() override { SetTmbDocWindows(nullptr); }
  CTmbDoc* DocumentOfKind(int kind) override { return kind == 0 ? doc.get() : nullptr; }
  std::unique_ptr<CTmbDoc> doc = std::make_unique<CTmbDoc>();
};

// Reading one character of ten strokes (高, written 300 pixels high with the mouse's
// spacing of samples), as the registration of each part of a character does.
void BM_RecogniseTenStrokeCharacter(benchmark::State& state) {
  gWorkCanvas.Init(500, 750, "", 32000, 32, 32);
  OneWindow window;
  CCharDataFull& rec = window.doc->m_char;
  rec.ClearPoints();
  const tmb::test::WrittenCharacter& c = tmb::test::WrittenCharacters().back();
  for (const auto& stroke : c.strokes) {
    bool first = true;
    for (tmb::Point p : tmb::test::StrokeSamples(stroke, 3, {100, 150}, 6)) {
      rec.m_pPoints[rec.m_nPoints] = p;
      rec.m_pFlags[rec.m_nPoints++] = first ? 1 : 0;
      first = false;
    }
  }
  CTabletInk& ink = gInkSamples[0];
  ink.Attach(nullptr, 0);
  ink.CollectStrokeFrom(0);  // the strokes are handwriting, as the capture writes it
  if (!ink.m_bActive) {
    state.SkipWithError("no handwriting model installed");
    gWorkCanvas.Reset();
    return;
  }
  std::string text;
  for (auto _ : state) {
    ink.RecognizeText(0, int(c.strokes.size()), text);
    benchmark::DoNotOptimize(text.data());
  }
  if (text != "\x8d\x82") state.SkipWithError("the character was misread");
  ink.Detach();
  gWorkCanvas.Reset();
}
BENCHMARK(BM_RecogniseTenStrokeCharacter)->Unit(benchmark::kMillisecond);

}  // namespace
