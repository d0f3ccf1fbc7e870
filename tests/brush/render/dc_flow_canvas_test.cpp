#include "brush/render/dc_flow_canvas.h"

#include <gtest/gtest.h>

#include "core/path/stroke_path_ex.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data.h"
#include "support/brush_fixture.h"
#include "support/picture_files.h"

namespace tmb::test {
namespace {

int Count(const Surface& s, Colour c) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) n += s.GetPixel(x, y) == c;
  }
  return n;
}

using DcFlowCanvas = BrushEngineTest;

TEST_F(DcFlowCanvas, TheFlowStepShowsItsCurveAndPointMarksOnADeviceContext) {
  Surface picture;
  ASSERT_TRUE(picture.Create(500, 750, PixelFormat::kColour32));
  picture.Fill(0xFFFFFF);
  DeviceContext dc(&picture);
  CDcFlowCanvas canvas(dc);
  // Two strokes, the second starting near the first's end: joined into one flow.
  CStrokeWork path(64);
  for (int i = 0; i < 20; ++i) path.AppendPoint(100 + 10 * i, 200 + (i % 2) * 6, i == 0 ? 1 : 0);
  for (int i = 0; i < 20; ++i) path.AppendPoint(292 + 2 * i, 206 + 10 * i, i == 0 ? 1 : 0);
  work->FlowStep(path, 50, 20, &canvas);
  SavePictureForViewing(picture, "flow_step_on_a_device_context");
  EXPECT_GT(Count(picture, 0xE0A000), 40);  // the squares of the point marks
  int plotted = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const Colour c = picture.GetPixel(x, y);
      plotted += c != 0xFFFFFF && c != 0xE0A000;
    }
  }
  EXPECT_GT(plotted, 20);  // the curve's pixels
}

TEST_F(DcFlowCanvas, SegmentsAndSideLinesGoToItsDeviceContext) {
  Surface picture;
  ASSERT_TRUE(picture.Create(200, 200, PixelFormat::kColour32));
  picture.Fill(0xFFFFFF);
  DeviceContext dc(&picture);
  CDcFlowCanvas canvas(dc);
  CStrokePathEx path(8);
  path.AppendPoint(20, 50, 1);
  path.AppendPoint(120, 50, 0);
  for (int i = 0; i < 2; ++i) {
    path.m_pSide1[i] = {path.m_pPoints[i].x, 30};
    path.m_pSide2[i] = {path.m_pPoints[i].x, 70};
  }
  canvas.DrawSegment(path, 0, 1, 0x0000FF);
  EXPECT_GT(Count(picture, 0x0000FF), 90);
  canvas.DrawSideLines(path, 0x00FF00, 0xFF0000, 1);
  EXPECT_GE(Count(picture, 0x00FF00), 19);
  EXPECT_GE(Count(picture, 0xFF0000), 19);
}

}  // namespace
}  // namespace tmb::test
