#include "brush/render/outline_preview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/onebit/trace_buffer.h"
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
  void ClearWritingArea(tmb::DeviceContext*) override {
    calls.push_back("clear");
    drawing.Fill(0xFFFFFF);  // so that only the contours show afterwards
  }
  void RefreshWritingArea() override { calls.push_back("refresh"); }

  Surface back, drawing;
  std::vector<std::string> calls;
};

// An image editor with a picture.
class FakeEditor final : public ImageEditorLink {
 public:
  FakeEditor() {
    EXPECT_TRUE(picture.Create(20, 12, PixelFormat::kColour32));
    picture.Fill(0x0000FF);
  }
  Surface* Picture() override { return &picture; }

  Surface picture;
};

class OutlinePreviewTest : public ::testing::Test {
 protected:
  void TearDown() override { SetImageEditorLink(nullptr); }

  tmb::test::ScopedWorkCanvas paper{20, 12, 100};
};

// The contours are the drawing's own, with or without an image editor; only the
// background comes from the editor.
TEST_F(OutlinePreviewTest, TheTracedContoursAreDrawnInBlackOverTheEditorsPictureWhenOneIsOpen) {
  FakeEditor editor;
  for (const bool editorOpen : {true, false}) {
    SCOPED_TRACE(editorOpen ? "editor open" : "editor closed");
    SetImageEditorLink(editorOpen ? &editor : nullptr);
    FakeView view;
    tmb::DeviceContext(&view.drawing).FillSolidRect({4, 3, 14, 9}, 0x000000);  // the character's ink
    PreviewOutlineOnView(&view);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"release", "prepare", "clear", "refresh"}));
    EXPECT_EQ(tmb::test::CountPixels(view.back, editorOpen ? 0x0000FF : 0xFFFFFF), 20 * 12) << "the background";
    EXPECT_EQ(view.drawing.GetPixel(8, 3), 0x000000u) << "the top edge";
    EXPECT_EQ(view.drawing.GetPixel(4, 6), 0x000000u) << "the left edge";
    EXPECT_EQ(view.drawing.GetPixel(13, 6), 0x000000u) << "the right edge";
    EXPECT_EQ(view.drawing.GetPixel(8, 8), 0x000000u) << "the contour is closed";
    EXPECT_EQ(view.drawing.GetPixel(8, 6), 0xFFFFFFu) << "inside the ink only the contour is drawn";
    EXPECT_EQ(tmb::test::CountPixels(view.drawing, 0x000000), 2 * 10 + 2 * 4);
  }
  PreviewOutlineOnView(nullptr);
}

}  // namespace
