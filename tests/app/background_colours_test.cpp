// The background colours of the windows: chosen in the colour chooser, opened on the
// current colour, and shown at once; a cancelled choice changes and refreshes nothing;
// the two colour schemes set all four colours.
#include <QAbstractScrollArea>
#include <functional>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "imageedit/view/bmp_view_window.h"
#include "resources/command_ids.h"
#include "support/ui/menu_path.h"
#include "support/ui/paint_counter.h"
#include "views/pre_view.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace tmb::test {
namespace {

int CountColour(const Surface& s, Colour colour) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) n += s.GetPixel(x, y) == colour;
  }
  return n;
}

class BackgroundColours : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
    ShowAndPaint();
  }
  static CTmbView* View(int kind) { return qobject_cast<CTmbView*>(FrameOfKind(kind)->activeView()); }
};

TEST_F(BackgroundColours, ACancelledChoiceChangesAndRefreshesNothing) {
  struct Case {
    int id;
    Colour* colour;
  } cases[] = {
      {kCmdBackA, &gDrawState.m_crBackA},           {kCmdBackB, &gDrawState.m_crBackB},
      {kCmdBackEditor, &gDrawState.m_crBackEdit},   {kCmdBackPreview, &gDrawState.m_crBackPreview},
      {kCmdTabletPen, &gDrawState.m_crTabletPen},
  };
  // The editor's colour opens the image editor first, even when the choice is cancelled.
  ASSERT_EQ(theApp.m_bImageEditorOpen, 0);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdBackEditor));
  EXPECT_EQ(theApp.m_bImageEditorOpen, 1);
  PaintCounter counter;
  for (int kind : {kKindDrawA, kKindDrawB}) counter.Watch(View(kind)->area()->viewport());
  for (const Case& c : cases) {
    const Colour before = *c.colour;
    colours.offered.clear();
    QCoreApplication::processEvents();
    counter.paints = 0;
    ASSERT_TRUE(frame()->ExecuteCommand(c.id)) << c.id;
    QCoreApplication::processEvents();
    // Opened on the colour in force, which it also offers as custom colour 0.
    EXPECT_EQ(colours.offered, std::vector<Colour>{before}) << c.id;
    EXPECT_EQ(*c.colour, before) << c.id;
    EXPECT_EQ(counter.paints, 0) << c.id;
  }
}

TEST_F(BackgroundColours, AChosenColourIsStoredAndShownAroundThePaper) {
  const Colour red = MakeRgb(255, 0, 0);
  CTmbView* a = View(kKindDrawA);
  ASSERT_EQ(CountColour(a->windowSurface(), red), 0);
  PaintCounter counter;
  counter.Watch(a->area()->viewport());
  QCoreApplication::processEvents();
  counter.paints = 0;
  colours.Next(red);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdBackA));
  QCoreApplication::processEvents();
  EXPECT_GT(counter.paints, 0);
  EXPECT_EQ(gDrawState.m_crBackA, 0x0000FFu);
  EXPECT_GT(CountColour(a->windowSurface(), red), 0);
  EXPECT_EQ(CountColour(View(kKindDrawB)->windowSurface(), red), 0);

  const Colour blue = MakeRgb(0, 0, 255);
  colours.Next(blue);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdBackB));
  EXPECT_EQ(gDrawState.m_crBackB, 0xFF0000u);
  EXPECT_GT(CountColour(View(kKindDrawB)->windowSurface(), blue), 0);
  EXPECT_EQ(gDrawState.m_crBackA, 0x0000FFu);

  colours.Next(0x123456);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdTabletPen));
  EXPECT_EQ(gDrawState.m_crTabletPen, 0x123456u);
}

TEST_F(BackgroundColours, TheSchemesSetAllFourColoursAndShowThem) {
  theApp.OpenImageEditor();
  for (int row : {1, 0}) {
    ASSERT_TRUE(frame()->ExecuteCommand(row == 0 ? kCmdBackSchemeDefault : kCmdBackSchemeGrey));
    const auto& scheme = CDrawState::kBackSchemes[row];
    EXPECT_EQ(gDrawState.m_crBackA, scheme[0]) << row;
    EXPECT_EQ(gDrawState.m_crBackB, scheme[1]) << row;
    EXPECT_EQ(gDrawState.m_crBackPreview, scheme[2]) << row;
    EXPECT_EQ(gDrawState.m_crBackEdit, scheme[3]) << row;
    EXPECT_GT(CountColour(View(kKindDrawA)->windowSurface(), scheme[0]), 0) << row;
    EXPECT_GT(CountColour(View(kKindDrawB)->windowSurface(), scheme[1]), 0) << row;
  }
  EXPECT_TRUE(colours.offered.empty());
}

// The surround of the image editor and of the preview is painted in the colour chosen
// from the menu, or in a scheme's, at once.
TEST_F(BackgroundColours, TheEditorAndThePreviewShowTheirChosenColourAtOnce) {
  theApp.OpenImageEditor();
  frame()->ActivateViewOfKind(kKindPreview, 0);
  QCoreApplication::processEvents();
  ASSERT_TRUE(CBmpViewWindow::Instance() && CPre_View::Instance());
  const auto editorShown = [] { return &CBmpViewWindow::Instance()->windowSurface(); };
  const auto previewShown = [] { return &CPre_View::Instance()->windowSurface(); };
  const Colour red = MakeRgb(250, 0, 0), green = MakeRgb(0, 250, 0);
  struct Case {
    const char* label;
    Colour colour;
    std::function<const Surface*()> shown;
  } cases[] = {{"編集・拡大ｳｨﾝﾄﾞｳ", red, editorShown}, {"ﾌﾟﾚﾋﾞｭｰｳｨﾝﾄﾞｳ", green, previewShown}};
  for (const Case& c : cases) {
    ASSERT_EQ(CountColour(*c.shown(), c.colour), 0) << c.label;
    colours.Next(c.colour);
    ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"窗口", "背景色", c.label})) << c.label;
    QCoreApplication::processEvents();
    EXPECT_GT(CountColour(*c.shown(), c.colour), 0) << c.label;
  }
  for (const char* scheme : {"默认B", "默认A"}) {
    ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"窗口", "背景色", scheme})) << scheme;
    QCoreApplication::processEvents();
    EXPECT_GT(CountColour(*editorShown(), gDrawState.m_crBackEdit), 0) << scheme;
    EXPECT_GT(CountColour(*previewShown(), gDrawState.m_crBackPreview), 0) << scheme;
    EXPECT_EQ(CountColour(*editorShown(), red), 0) << scheme;
    EXPECT_EQ(CountColour(*previewShown(), green), 0) << scheme;
  }
}

}  // namespace
}  // namespace tmb::test
