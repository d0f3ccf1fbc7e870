#include "app/child_frames.h"

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/view_classes.h"
#include "platform/ui/document.h"

namespace tmb::test {
namespace {

using ChildFrames = AppTest;

TEST_F(ChildFrames, ThePreviewStartsMinimisedAndTheEditorHasPictureAndZoom) {
  ASSERT_TRUE(Start());
  gDrawState.m_nCreatingKind = kKindPreview;
  ASSERT_EQ(theApp.OpenWindowOfKind(kKindPreview), 1);
  ui::View* preview = GetViewOfKind(kKindPreview);
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->viewClass(), kViewPre);
  EXPECT_TRUE(preview->frame()->isMinimized());

  ASSERT_EQ(theApp.OpenImageEditor(), 1);
  EXPECT_EQ(theApp.OpenImageEditor(), 0);  // only once
  ui::View* picture = GetViewOfKind(kKindImageEditor);
  ui::View* zoom = GetViewOfKind(kKindZoom);
  ASSERT_TRUE(picture && zoom);
  EXPECT_EQ(picture->frame(), zoom->frame());
  EXPECT_EQ(picture->frame()->activeView(), picture);
  const tmb::Rect& place = gDrawState.m_layout[kLayoutEditorFrame];
  EXPECT_EQ(picture->frame()->geometry(), QRect(place.left, place.top, place.Width(), place.Height()));
}

TEST_F(ChildFrames, TheSettingsFrameNeverGrowsPastThePanel) {
  ASSERT_TRUE(Start());
  auto* doc = new ui::Document;
  auto* frame = new CFrame_Set(doc);
  ASSERT_TRUE(frame->Create(Panes().settings));
  const tmb::Rect& panel = gDrawState.m_layout[kLayoutPanelPane];
  EXPECT_EQ(frame->maximumSize(), QSize(panel.Width(), panel.Height()));
  EXPECT_EQ(frame->systemMenu(), nullptr);
  delete frame;  // its view leaves the document, which goes with it
}

}  // namespace
}  // namespace tmb::test
