#include "brush/render/outline_preview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "imageedit/onebit/trace_buffer.h"
#include "support/scoped_work_canvas.h"
#include "support/surface_text.h"

namespace {

using tmb::PixelFormat;
using tmb::Surface;

// A drawing view that records what the preview asks of it.
class FakeView final : public COutlinePreviewView {
 public:
  FakeView() {
    EXPECT_TRUE(back.Create(20, 12, PixelFormat::kColour32));
    EXPECT_TRUE(drawing.Create(20, 12, PixelFormat::kColour32));
    back.Fill(0xFFFFFF);
    drawing.Fill(0xFFFFFF);
  }
  void ReleaseOffscreenDCs() override { calls.push_back("release"); }
  void PrepareClientDC(tmb::DeviceContext&) override { calls.push_back("prepare"); }
  Surface* BackBuffer() override { return &back; }
  Surface* DrawingBitmap() override { return &drawing; }
  void ClearWritingArea(tmb::DeviceContext*) override { calls.push_back("clear"); }
  void RefreshWritingArea() override { calls.push_back("refresh"); }

  Surface back, drawing;
  std::vector<std::string> calls;
};

// An image editor with a picture whose tracer finds one square wherever it is asked.
class FakeEditor final : public ImageEditorLink {
 public:
  FakeEditor() {
    EXPECT_TRUE(picture.Create(20, 12, PixelFormat::kColour32));
    picture.Fill(0x0000FF);
  }
  Surface* Picture() override { return &picture; }
  void TraceImageRegion(tmb::DeviceContext*, Surface* mask, const tmb::Rect& rect) override {
    traced = rect;
    inkSeen = mask->GetPixel(3, 3) == 0x000000;
    const tmb::Point square[] = {{2, 2}, {8, 2}, {8, 7}, {2, 7}};
    for (int k = 0; k < 4; ++k) {
      gTraceBuffer.m_points[size_t(k)] = square[k];
      gTraceBuffer.m_flags[size_t(k)] = k == 0 ? 1 : 0;
    }
    gTraceBuffer.m_nCount = 4;
  }

  Surface picture;
  tmb::Rect traced;
  bool inkSeen = false;
};

class OutlinePreviewTest : public ::testing::Test {
 protected:
  void TearDown() override { SetImageEditorLink(nullptr); }

  tmb::test::ScopedWorkCanvas paper{20, 12, 100};
};

TEST_F(OutlinePreviewTest, WithoutAnImageEditorNothingIsTouched) {
  FakeView view;
  PreviewOutlineOnView(&view);
  EXPECT_TRUE(view.calls.empty());
  EXPECT_EQ(tmb::test::CountPixels(view.back, 0xFFFFFF), 20 * 12);
  PreviewOutlineOnView(nullptr);
}

TEST_F(OutlinePreviewTest, ThePictureGoesBehindAndTheTracedContoursAreDrawnInBlack) {
  FakeEditor editor;
  SetImageEditorLink(&editor);
  FakeView view;
  tmb::DeviceContext(&view.drawing).FillSolidRect({3, 3, 6, 6}, 0x000000);  // the character's ink
  PreviewOutlineOnView(&view);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"release", "prepare", "clear", "refresh"}));
  EXPECT_EQ(tmb::test::CountPixels(view.back, 0x0000FF), 20 * 12);
  EXPECT_TRUE(editor.inkSeen) << "the tracer reads the drawing bitmap through the canvas mask";
  EXPECT_EQ(editor.traced, (tmb::Rect{0, 0, 20, 12}));
  EXPECT_EQ(view.drawing.GetPixel(5, 2), 0x000000u);
  EXPECT_EQ(view.drawing.GetPixel(2, 5), 0x000000u) << "the contour is closed";
}

}  // namespace
