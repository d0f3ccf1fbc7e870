// The main road in the running application: a character written stroke by stroke with
// the mouse in drawing window A shows its ink at once, is saved, and comes back the same
// in a fresh start of the program.
#include <QCoreApplication>
#include <algorithm>
#include <vector>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "brush/render/brush_state.h"
#include "resources/command_ids.h"
#include "support/manual_clock.h"
#include "support/picture_files.h"
#include "support/temp_dir.h"
#include "support/ui/pen_events.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace tmb::test {
namespace {

struct Written {
  std::vector<Point> points;
  std::vector<int> flags;
  std::vector<int> pressures;
  friend bool operator==(const Written&, const Written&) = default;
};

Written WrittenIn(const CCharData& rec) {
  Written w;
  for (int i = 0; i < rec.m_nPoints; ++i) {
    w.points.push_back(rec.m_pPoints[i]);
    w.flags.push_back(rec.m_pFlags[i]);
    w.pressures.push_back(rec.m_pPressure[i]);
  }
  return w;
}

class PenInputRoad : public AppTest {
 protected:
  // Window A's drawing view, set up as its first paint does it.
  CTmbView& ViewA() {
    auto* view = qobject_cast<CTmbView*>(FrameOfKind(kKindDrawA)->activeView());
    EXPECT_TRUE(view);
    for (int i = 0; i < 20 && !view->m_bInitialised; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(view->m_bInitialised, 1);
    return *view;
  }
  static CCharDataFull& RecordA() { return *GetCharDocumentOfKind(kKindDrawA)->DrawnRecord(); }
  // A start as the program makes it after it was closed: nothing kept in memory.
  bool Restart(const std::string& commandLine) {
    theApp.Reset();
    FlushDeletes();
    gDrawState.Reset();
    ResetPanes();
    theApp.SetScreenMetrics(TestScreen());
    return Start(commandLine);
  }

  ManualClock clock;
  TempDir dir;
};

// Dark pixels of the back buffer within d pixels of the segment from p to q (paper).
int InkAlong(const Surface& back, Point p, Point q, int d) {
  int n = 0;
  const int steps = std::max(std::abs(q.x - p.x), std::abs(q.y - p.y));
  std::vector<bool> seen(size_t(back.width()) * size_t(back.height()));
  for (int s = 0; s <= steps; ++s) {
    const int cx = p.x + (q.x - p.x) * s / std::max(steps, 1);
    const int cy = p.y + (q.y - p.y) * s / std::max(steps, 1);
    for (int y = cy - d; y <= cy + d; ++y) {
      for (int x = cx - d; x <= cx + d; ++x) {
        if (x < 0 || y < 0 || x >= back.width() || y >= back.height()) continue;
        const size_t k = size_t(y) * size_t(back.width()) + size_t(x);
        if (seen[k]) continue;
        seen[k] = true;
        n += RedOf(back.GetPixel(x, y)) < 128;
      }
    }
  }
  return n;
}

TEST_F(PenInputRoad, AThreeStrokeCharacterWrittenWithTheMouseIsInkedSavedAndReadBackTheSame) {
  ASSERT_TRUE(Start());
  CTmbView& view = ViewA();
  ASSERT_EQ(RecordA().m_nPoints, 0);
  // Three strokes of a character in the part of the paper the window shows: a level
  // one, an upright one through it and a sweep to the lower left.
  const Rect client = view.ClientRectLogical();
  const Point o = gDrawState.m_ptCanvasOrigin;
  const int left = std::max(client.left, o.x) - o.x + 30, top = std::max(client.top, o.y) - o.y + 30;
  ASSERT_GT(client.right - o.x - 30, left + 160);
  ASSERT_GT(client.bottom - o.y - 30, top + 200);
  const Point strokes[3][2] = {{{left, top + 60}, {left + 160, top + 60}},
                               {{left + 80, top}, {left + 80, top + 200}},
                               {{left + 70, top + 110}, {left + 10, top + 190}}};
  const auto device = [&](Point p) { return QPoint(p.x + o.x - client.left, p.y + o.y - client.top); };
  // A mouse reports every few pixels of a hand's slow movement.
  PenEvents mouse(view.area()->viewport(), clock, 12);
  std::vector<int> starts;
  for (const auto& s : strokes) {
    const int moves = std::max(std::abs(s[1].x - s[0].x), std::abs(s[1].y - s[0].y)) / 4;
    starts.push_back(RecordA().m_nPoints);
    mouse.Press(device(s[0]));
    for (int k = 1; k <= moves; ++k) {
      mouse.Move(device({s[0].x + (s[1].x - s[0].x) * k / moves, s[0].y + (s[1].y - s[0].y) * k / moves}));
    }
    mouse.Release(device(s[1]));
    EXPECT_EQ(RecordA().m_nPoints, starts.back() + moves + 2);
  }
  const CCharDataFull& rec = RecordA();
  EXPECT_EQ(rec.CountStrokes(), 3);
  const Written written = WrittenIn(rec);
  for (int i = 0; i < rec.m_nPoints; ++i) {
    const bool start = std::find(starts.begin(), starts.end(), i) != starts.end();
    EXPECT_EQ(written.flags[size_t(i)], start ? 1 : 0) << i;
    EXPECT_EQ(written.pressures[size_t(i)], -1) << i;
  }
  // The back buffer holds ink under every stroke, and none far from them.
  const Surface& back = gBrushStates[0].m_bitmap;
  SavePictureForViewing(back, "pen_input_three_mouse_strokes");
  for (const auto& s : strokes) EXPECT_GT(InkAlong(back, s[0], s[1], 6), std::max(std::abs(s[1].x - s[0].x), std::abs(s[1].y - s[0].y)) / 2);
  EXPECT_EQ(InkAlong(back, {left + 120, top + 120}, {left + 150, top + 180}, 5), 0);
  EXPECT_TRUE(messages.ids.empty());

  // Saved, then opened in a fresh start: the same points, flags and pressures.
  const std::string path = (dir / "written.wdf").string();
  chooser.Next(path);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFileSaveAs));
  ASSERT_TRUE(Restart(path));
  EXPECT_EQ(WrittenIn(RecordA()), written);
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
