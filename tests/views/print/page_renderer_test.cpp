// The page renderer over windows of the test's making: the page geometry as the transfer
// to a recording page shows it, the sources each target prints, the lack of a selection
// or a window, failed transfers, and vector pages in one bit and in colour within a
// bitmap budget.
#include "views/print/page_renderer.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "core/path/path_sequence.h"
#include "core/state/draw_state.h"
#include "platform/gdi/bitmap_memory.h"
#include "support/path_points.h"
#include "support/recording_page.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_messages.h"
#include "views/print/print_source.h"

namespace tmb::test {
namespace {

constexpr Colour kBlack = 0x000000, kWhite = 0xFFFFFF, kRed = 0x0000FF;
constexpr int kImage = 0, kVector = 1;

class FakeSource final : public CPrintSource {
 public:
  FakeSource() {
    EXPECT_TRUE(picture.Create(500, 750, PixelFormat::kColour32));
    picture.Fill(kWhite);
  }
  const Surface* PrintPicture() override { return picture.IsNull() ? nullptr : &picture; }
  Rect PrintSelection() override { return selection; }
  void BringForward() override { ++broughtForward; }

  Surface picture;
  Rect selection{};
  int broughtForward = 0;
};

class FakeWindows final : public CPrintWindows {
 public:
  CPrintSource* SourceOfKind(int kind) override {
    return kind >= 0 && kind < 4 ? sources[size_t(kind)] : nullptr;
  }
  bool LayOutOutlines(int kind, CPathSequence& sequence) override {
    ++layouts;
    laidOut = kind;
    return layout && layout(sequence);
  }

  std::array<CPrintSource*, 4> sources{};
  std::function<bool(CPathSequence&)> layout;
  int layouts = 0;
  int laidOut = -1;
};

// A square outline of 50 paper pixels at the paper's top right, in ink on paper.
std::function<bool(CPathSequence&)> SquareAtTopRight(Colour ink, Colour paper) {
  return [ink, paper](CPathSequence& s) {
    s.Init(1);
    Fill(*s.m_pPath, {{440, 10, 1}, {490, 10, 0}, {490, 60, 0}, {440, 60, 0}});
    s.m_frames[0].colour = ink;
    s.m_frames[0].colourB = paper;
    return true;
  };
}

class PageRendererTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gDrawState.Reset();
    gPrintSourceKind = -1;
    for (int kind : {0, 1, 2, 3}) windows.sources[size_t(kind)] = &sources[size_t(kind)];
  }
  void TearDown() override {
    gDrawState.Reset();
    gPrintSourceKind = -1;
    gPathSequence.FreePath();
  }
  void Print(int target, int mode, int range = 0, int scale = 100) {
    gDrawState.m_nPrintTarget = target;
    gDrawState.m_nPrintMode = mode;
    gDrawState.m_nPrintRange = range;
    gDrawState.m_nPrintScale = scale;
  }

  ScopedWorkCanvas canvas{500, 750};
  ScriptedMessages messages;
  std::array<FakeSource, 4> sources;
  FakeWindows windows;
};

TEST_F(PageRendererTest, PageGeometryOnAScriptedPage) {
  struct Case {
    const char* name;
    Size page;
    int range;
    Rect region;
    int scale;
    Rect block;
    Size dest;
  };
  const Case cases[] = {
      {"whole paper", {1000, 1500}, 0, {}, 100, {0, 0, 500, 750}, {1000, 1500}},
      {"half scale from the right", {1000, 1500}, 0, {}, 50, {250, 0, 500, 375}, {1000, 1500}},
      {"region", {1000, 1500}, 1, {50, 60, 450, 160}, 100, {50, 60, 450, 160}, {1000, 250}},
      {"region dragged up-left", {1000, 1500}, 1, {450, 160, 50, 60}, 100, {50, 60, 450, 160}, {1000, 250}},
      {"region beside the paper's edge", {1000, 1500}, 1, {-50, 700, 100, 800}, 100, {0, 700, 100, 750}, {1000, 500}},
      {"A4 at 300 dpi", {2480, 3508}, 0, {}, 100, {0, 0, 500, 707}, {2480, 3506}},
      {"scale above 100 stays on the paper", {1000, 1500}, 0, {}, 200, {0, 0, 500, 750}, {1000, 1500}},
      {"the smallest scale", {1000, 1500}, 0, {}, 1, {495, 0, 500, 7}, {1000, 1400}},
  };
  for (const Case& c : cases) {
    sources[0].selection = c.region;
    Print(kKindDrawA, kImage, c.range, c.scale);
    RecordingPage page(c.page);
    EXPECT_EQ(RenderPrintPage(page, windows), 1) << c.name;
    ASSERT_EQ(page.transfers.size(), 1u) << c.name;
    EXPECT_EQ(page.transfers[0].block, c.block) << c.name;
    EXPECT_EQ(page.transfers[0].dest, c.dest) << c.name;
  }
  EXPECT_EQ(messages.beeps, 0);

  RecordingPage noWidth({0, 1500});
  EXPECT_EQ(RenderPrintPage(noWidth, windows), 0);
  EXPECT_TRUE(noWidth.transfers.empty());
  EXPECT_EQ(messages.beeps, 1);
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(PageRendererTest, TheEditorAndThePreviewPrintTheirPictureOrInVectorModeTheCurrentCharacter) {
  windows.layout = SquareAtTopRight(kBlack, kWhite);
  for (int kind : {kKindImageEditor, kKindPreview}) {
    FakeSource& source = sources[size_t(kind)];
    source.picture.SetPixel(499, 0, kBlack);
    Print(kind, kImage);
    RecordingPage page({1000, 1500});
    EXPECT_EQ(RenderPrintPage(page, windows), 1) << kind;
    ASSERT_EQ(page.transfers.size(), 1u) << kind;
    EXPECT_EQ(page.transfers[0].picture.GetPixel(499, 0), kBlack) << kind;
    EXPECT_EQ(source.broughtForward, 1) << kind;
  }
  EXPECT_EQ(windows.layouts, 0);
  // Vector mode lays the current character out whatever the target, over the part of the
  // paper the target's selection names.
  for (int kind : {kKindImageEditor, kKindPreview}) {
    const int before = windows.layouts;
    sources[size_t(kind)].selection = {400, 0, 500, 100};
    Print(kind, kVector, 1);
    RecordingPage page({1000, 1000});
    EXPECT_EQ(RenderPrintPage(page, windows), 1) << kind;
    EXPECT_EQ(windows.layouts, before + 1) << kind;
    ASSERT_EQ(page.transfers.size(), 1u) << kind;
    // The square (440..490, 10..60) scaled by ten from the region's corner.
    const Surface& printed = page.transfers[0].picture;
    EXPECT_EQ(printed.GetPixel(650, 350), kBlack) << kind;
    EXPECT_EQ(printed.GetPixel(200, 350), kWhite) << kind;
  }
  // The active window stands for the target -1.
  Print(-1, kImage);
  gPrintSourceKind = kKindPreview;
  RecordingPage page({1000, 1500});
  EXPECT_EQ(RenderPrintPage(page, windows), 1);
  EXPECT_EQ(sources[kKindPreview].broughtForward, 3);
}

TEST_F(PageRendererTest, RegionPrintingWithoutASelectionPrintsNothingAndSaysSo) {
  // Nothing selected, and a click's single point.
  for (Rect selection : {Rect{}, Rect{100, 100, 100, 100}}) {
    for (int kind : {kKindImageEditor, kKindPreview, kKindDrawA, kKindDrawB}) {
      for (int mode : {kImage, kVector}) {
        sources[size_t(kind)].selection = selection;
        Print(kind, mode, 1);
        RecordingPage page({1000, 1500});
        messages.ids.clear();
        const int beeps = messages.beeps;
        EXPECT_EQ(RenderPrintPage(page, windows), 0) << kind;
        EXPECT_TRUE(page.transfers.empty()) << kind;
        // The editor and the preview say what is missing; a drawing window's empty edit
        // rectangle is a part of no width, which only beeps.
        const bool drawing = kind == kKindDrawA || kind == kKindDrawB;
        EXPECT_EQ(messages.ids, drawing ? std::vector<int>{} : std::vector<int>{kMsgNoRegion}) << kind;
        EXPECT_EQ(messages.beeps, beeps + 1) << kind;
      }
    }
  }
}

TEST_F(PageRendererTest, VectorModeLaysOutTheCharacterOfTheDrawingWindowItPrints) {
  windows.layout = SquareAtTopRight(kBlack, kWhite);
  gDrawState.m_nCurDrawKind = kKindDrawA;
  struct Case {
    int target, laidOut;
  };
  // A named drawing window prints its own character, whichever window is current; the
  // other targets the current one's.
  for (Case c : {Case{kKindDrawB, kKindDrawB}, Case{kKindDrawA, kKindDrawA}, Case{kKindPreview, kKindDrawA}}) {
    Print(c.target, kVector);
    RecordingPage page({1000, 1500});
    EXPECT_EQ(RenderPrintPage(page, windows), 1) << c.target;
    EXPECT_EQ(windows.laidOut, c.laidOut) << c.target;
  }
}

TEST_F(PageRendererTest, AMissingWindowOrPicturePrintsNothingAndSaysWhy) {
  windows.sources[kKindDrawB] = nullptr;  // window B closed
  sources[kKindImageEditor].picture.Destroy();
  struct Case {
    int target;
    int sourceKind;
    int mode;
    int message;
  };
  for (Case c : {Case{kKindDrawB, -1, kVector, kMsgPrintWindowClosed}, Case{kKindDrawB, -1, kImage, kMsgPrintWindowClosed},
                 Case{kKindImageEditor, -1, kImage, kMsgPrintWindowEmpty}, Case{-1, kKindSettings, kImage, kMsgNoPrintWindow},
                 Case{-1, -1, kVector, kMsgNoPrintWindow}}) {
    Print(c.target, c.mode);
    gPrintSourceKind = c.sourceKind;
    RecordingPage page({1000, 1500});
    messages.ids.clear();
    EXPECT_FALSE(CanRenderPrintPage(windows)) << c.target << " " << c.sourceKind;
    const int beeps = messages.beeps;
    EXPECT_EQ(RenderPrintPage(page, windows), 0) << c.target << " " << c.sourceKind;
    EXPECT_TRUE(page.transfers.empty());
    EXPECT_EQ(messages.beeps, beeps + 1);
    EXPECT_EQ(messages.ids, (std::vector<int>{c.message, c.message})) << c.target << " " << c.sourceKind;
  }
  EXPECT_EQ(windows.layouts, 0);
}

TEST_F(PageRendererTest, APageThatRefusesThePictureSaysSo) {
  windows.layout = SquareAtTopRight(kBlack, kWhite);
  struct Case {
    int mode, result;
  };
  // The image page goes on after the message; the vector page is abandoned.
  for (Case c : {Case{kImage, 1}, Case{kVector, 0}}) {
    Print(kKindDrawA, c.mode);
    RecordingPage page({1000, 1500});
    page.refuse = true;
    messages.ids.clear();
    EXPECT_EQ(RenderPrintPage(page, windows), c.result) << c.mode;
    EXPECT_EQ(messages.ids, std::vector<int>{kMsgPageCopyFailed}) << c.mode;
  }
  EXPECT_EQ(messages.beeps, 2);
}

TEST_F(PageRendererTest, BlackInkOnWhiteMakesAOneBitPageAndStrokesScaleToThePage) {
  windows.layout = SquareAtTopRight(kBlack, kWhite);
  struct Case {
    int scale;
    Point inside;
  };
  // At 100 the paper doubles onto the page; at 50 the right half of it quadruples.
  for (Case c : {Case{100, {930, 70}}, Case{50, {860, 140}}}) {
    Print(kKindDrawA, kVector, 0, c.scale);
    RecordingPage page({1000, 1500});
    ASSERT_EQ(RenderPrintPage(page, windows), 1) << c.scale;
    ASSERT_EQ(page.transfers.size(), 1u);
    const RecordingPage::Transfer& t = page.transfers[0];
    EXPECT_EQ(t.format, PixelFormat::kMono1);
    EXPECT_EQ(t.block, (Rect{0, 0, 1000, 1500}));
    EXPECT_EQ(t.dest, (Size{1000, 1500}));
    EXPECT_EQ(t.picture.GetPixel(c.inside.x, c.inside.y), kBlack) << c.scale;
    EXPECT_EQ(t.picture.GetPixel(c.inside.x - 300, c.inside.y), kWhite) << c.scale;
    EXPECT_EQ(t.picture.GetPixel(c.inside.x, c.inside.y + 300), kWhite) << c.scale;
    EXPECT_EQ(t.picture.GetPixel(10, 1490), kWhite) << c.scale;
    // The outlines were the page's alone.
    EXPECT_EQ(gPathSequence.m_pPath, nullptr);
  }
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_EQ(windows.layouts, 2);
}

TEST_F(PageRendererTest, AColourPageBeyondTheBudgetAsksForALowerResolution) {
  windows.layout = SquareAtTopRight(kRed, kWhite);
  Print(kKindDrawA, kVector);
  {
    RecordingPage page({1000, 1500});
    ASSERT_EQ(RenderPrintPage(page, windows), 1);
    EXPECT_EQ(page.transfers[0].format, PixelFormat::kColour32);
    EXPECT_EQ(page.transfers[0].picture.GetPixel(930, 70), kRed);
    EXPECT_TRUE(messages.ids.empty());
  }
  // Room for a half-size page (1.5 MB) but not for the whole (6 MB).
  {
    ScopedBitmapMemoryLimit limit(BitmapMemoryInUse() + (2 << 20));
    RecordingPage page({1000, 1500});
    ASSERT_EQ(RenderPrintPage(page, windows), 1);
    EXPECT_EQ(messages.ids, std::vector<int>{kMsgLowerResolution});
    ASSERT_EQ(page.transfers.size(), 1u);
    EXPECT_EQ(page.transfers[0].block, (Rect{0, 0, 500, 750}));
    EXPECT_EQ(page.transfers[0].dest, (Size{1000, 1500}));
    EXPECT_EQ(page.transfers[0].picture.GetPixel(465, 35), kRed);

    messages.ids.clear();
    messages.Answer(kAnswerCancel);
    RecordingPage cancelled({1000, 1500});
    EXPECT_EQ(RenderPrintPage(cancelled, windows), -1);
    EXPECT_EQ(messages.ids, std::vector<int>{kMsgLowerResolution});
    EXPECT_TRUE(cancelled.transfers.empty());
  }
  // Not even an eighth fits.
  {
    ScopedBitmapMemoryLimit limit(BitmapMemoryInUse() + 1000);
    messages.ids.clear();
    RecordingPage page({1000, 1500});
    EXPECT_EQ(RenderPrintPage(page, windows), -1);
    EXPECT_EQ(messages.ids, (std::vector<int>{kMsgLowerResolution, kMsgNoColourPrint}));
    EXPECT_TRUE(page.transfers.empty());
  }
  EXPECT_EQ(gPathSequence.m_pPath, nullptr);
}

TEST_F(PageRendererTest, AOneBitPageThatCannotBeMadeIsNotDrawn) {
  windows.layout = SquareAtTopRight(kBlack, kWhite);
  Print(kKindDrawA, kVector);
  ScopedBitmapMemoryLimit limit(BitmapMemoryInUse() + 1000);
  RecordingPage page({1000, 1500});
  EXPECT_EQ(RenderPrintPage(page, windows), -1);
  EXPECT_TRUE(page.transfers.empty());
  EXPECT_EQ(messages.ids, std::vector<int>{62063});
  EXPECT_EQ(messages.beeps, 1);
}

}  // namespace
}  // namespace tmb::test
