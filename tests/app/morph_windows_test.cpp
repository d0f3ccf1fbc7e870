// The morph in the running application: a file with two characters fills windows A and
// B, the pair of their characters is prepared, and window A paints the character at 0,
// 50 and 100 per cent, left as pictures for a person to look at.
#include <filesystem>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "brush/render/brush_state.h"
#include "convert/morph/morph_pair.h"
#include "core/record/param_defaults.h"
#include "core/record/char_data_full.h"
#include "resources/command_ids.h"
#include "support/drawing_windows.h"
#include "support/generated_character.h"
#include "support/picture_files.h"
#include "support/recorded_character.h"
#include "support/temp_dir.h"
#include "views/tmb_view.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;

constexpr Colour kWhite = 0xFFFFFF;
constexpr int kConvertingStyle = 400;
// Pen jumps longer than this divide the characters, so that strokes pair up.
constexpr int kGapDistance = 30;

// The pixels that are ink in exactly one of two pictures of one size.
int Differing(const Surface& p, const Surface& q) {
  int n = 0;
  for (int y = 0; y < p.height(); ++y) {
    for (int x = 0; x < p.width(); ++x) n += (p.GetPixel(x, y) != kWhite) != (q.GetPixel(x, y) != kWhite);
  }
  return n;
}

int Ink(const Surface& s) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) n += s.GetPixel(x, y) != kWhite;
  }
  return n;
}

class MorphWindows : public AppTest {
 protected:
  void TearDown() override {
    gMorphPair.Clear();
    AppTest::TearDown();
  }
  // The recorded character as part 1 and a generated one as part 2, both in the
  // converting style with plain strokes, written by the program's own writer.
  fs::path WritePair() {
    const fs::path path = dir / "pair.wdf";
    DrawingWindows windows;
    for (CTmbDoc* doc : {windows.docA.get(), windows.docB.get()}) {
      doc->OnNewDocument();
      CCharDataFull& rec = doc->m_char;
      GetSlotParamDefaults(rec.m_param, {}, 0);
      rec.m_param[37] = kConvertingStyle;
      rec.m_param[kMorphSwitch] = 1;
      // Neither cursive nor a brush vein: the change of shape shows best. The links stay,
      // as the drawing draws nothing without them.
      for (int p : {0, 1}) rec.m_param[size_t(p)] = 0;
    }
    AppendRecordedCharacter(*windows.a);
    AppendGeneratedCharacter(*windows.b, 2024, kRecordedStrokeCount, kRecordedPointsPerStroke);
    EXPECT_EQ(windows.docA->SaveCharacterFile(path.string()), 1);
    return path;
  }
  // What the view of kind paints now, as a copy of its back buffer.
  static Surface Painted(int kind) {
    CTmbView* view = CTmbView::ViewOfKind(kind);
    EXPECT_TRUE(view);
    if (!view) return {};
    view->RepaintNow();
    Surface copy;
    const Surface& back = gBrushStates[kind == kKindDrawA ? 0 : 1].m_bitmap;
    EXPECT_TRUE(copy.Create(back.width(), back.height(), PixelFormat::kColour32));
    DeviceContext from(const_cast<Surface*>(&back));
    DeviceContext(&copy).BitBlt(0, 0, back.width(), back.height(), &from, 0, 0, kSrcCopy);
    return copy;
  }

  TempDir dir;
};

TEST_F(MorphWindows, WindowAPaintsAThenSomethingUnlikeBothThenB) {
  const fs::path path = WritePair();
  ASSERT_TRUE(Start());
  ShowAndPaint();
  chooser.Next(path.string());
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFileOpen));
  CCharDataFull& a = *GetCharDocumentOfKind(kKindDrawA)->DrawnRecord();
  CCharDataFull& b = *GetCharDocumentOfKind(kKindDrawB)->DrawnRecord();
  ASSERT_GT(a.m_nPoints, 100);
  ASSERT_GT(b.m_nPoints, 100);
  ASSERT_NE(a.m_pPoints[0], b.m_pPoints[0]);

  // Each window's own character, before there is a pair.
  const Surface ownA = Painted(kKindDrawA);
  const Surface ownB = Painted(kKindDrawB);
  ASSERT_GT(Ink(ownA), 0);
  ASSERT_GT(Differing(ownA, ownB), Ink(ownA) / 2);

  ASSERT_GE(gMorphPair.Prepare(kGapDistance), 0);
  Surface at[3];
  const int percents[3] = {0, 50, 100};
  for (int i = 0; i < 3; ++i) {
    a.m_flags[kFlagMorphPercent] = percents[i];
    a.m_nOutlineDirty = 1;
    at[i] = Painted(kKindDrawA);
    EXPECT_FALSE(SavePictureForViewing(at[i], "morph_window_a_" + std::to_string(percents[i])).empty());
    EXPECT_GT(Ink(at[i]), Ink(ownA) / 3) << percents[i];
  }
  // At the ends, the character of the window it starts from or ends at: much nearer to it
  // than to the other.
  EXPECT_LT(Differing(at[0], ownA) * 3, Differing(at[0], ownB));
  EXPECT_LT(Differing(at[2], ownB) * 3, Differing(at[2], ownA));
  // Half-way it is neither.
  const int middle = Ink(at[1]);
  EXPECT_GT(Differing(at[1], ownA), middle / 3);
  EXPECT_GT(Differing(at[1], ownB), middle / 3);
  EXPECT_GT(Differing(at[1], at[0]), middle / 3);
  EXPECT_GT(Differing(at[1], at[2]), middle / 3);

  // Without the pair window A is its own character again.
  gMorphPair.Clear();
  a.m_nOutlineDirty = 1;
  EXPECT_EQ(Differing(Painted(kKindDrawA), ownA), 0);
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
