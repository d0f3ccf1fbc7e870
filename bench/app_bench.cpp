// Measurements of the application shell, run on Qt's offscreen platform.
#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "app/main_frame.h"
#include "app/tmb_app.h"
#include "core/state/draw_state.h"
#include "resources/menus.h"

namespace {

// The idle pass that enables and ticks every command four times a second, with windows A
// and B open and the character windows' menu (1233) in the menu bar.
void BM_IdleUpdatePassWithBothWindows(benchmark::State& state) {
  gDrawState.Reset();
  if (!theApp.InitInstance()) {
    state.SkipWithError("the application did not start");
    return;
  }
  CMainFrame* frame = theApp.mainFrame();
  if (frame->currentMenu() != tmb::kMenuCharacter) {
    state.SkipWithError("the character windows' menu is not shown");
  } else {
    for (auto _ : state) frame->UpdateAllActions();
    state.counters["commands"] = double(frame->findChildren<QAction*>(Qt::FindDirectChildrenOnly).size());
  }
  theApp.Reset();
  gDrawState.Reset();
}
BENCHMARK(BM_IdleUpdatePassWithBothWindows)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
