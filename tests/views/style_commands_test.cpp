// The style commands of a drawing view: a preset applied and drawn, then taken back or
// kept; ids without a style; and the comparison sheets through a fake frame output,
// whole, cut short by the output, and as long as the style menus' branch allows.
#include <string>
#include <vector>

#include "convert/presets/preset_list.h"
#include "convert/presets/preset_sheet_output.h"
#include "convert/presets/style_def_source.h"
#include "convert/presets/style_values.h"
#include "core/document/tmb_doc.h"
#include "core/record/char_slots.h"
#include "resources/style_commands.h"
#include "support/recorded_character.h"
#include "views/view_fixture.h"

namespace tmb::test {
namespace {

// What a sheet wrote: the values of each picture, its name, and how the series ended.
class FakeSheetOutput : public PresetSheetOutput {
 public:
  struct Picture {
    ParamBlock params;
    std::string name;
    std::array<int32_t, 2> running;
    int inked = 0;
  };
  explicit FakeSheetOutput(const CTmbView* view) : view_(view) { SetPresetSheetOutput(this); }
  ~FakeSheetOutput() override { SetPresetSheetOutput(nullptr); }

  int Begin(const CCharData& record, int count) override {
    begun = record.m_param;
    announced = count;
    return beginFails ? -1 : 0;
  }
  int SaveFrameImage(const ParamBlock& params, int index, int count, DeviceContext&, const Surface& picture) override {
    if (index == failAt) return -1;
    EXPECT_EQ(count, announced);
    EXPECT_EQ(index, int(pictures.size()));
    int inked = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) inked += picture.GetPixel(x, y) != kWhite;
    }
    pictures.push_back({params, "", view_->m_sheetRunning, inked});
    return 0;
  }
  void AddImageName(const std::string& name) override {
    ASSERT_FALSE(pictures.empty());
    pictures.back().name = name;
  }
  void End(const ParamBlock&, DeviceContext&, int count) override { ended.push_back(count); }
  void OpenResults(const ParamBlock&) override { ++opened; }

  bool beginFails = false;
  int failAt = -1;
  ParamBlock begun{};
  int announced = 0;
  std::vector<Picture> pictures;
  std::vector<int> ended;
  int opened = 0;

 private:
  const CTmbView* view_;
};

// A branch of the style menus with count styles, each setting 崩し to its index.
class StyleBranch : public StyleDefSource {
 public:
  explicit StyleBranch(int count) : count_(count) { SetStyleDefSource(this); }
  ~StyleBranch() override { SetStyleDefSource(nullptr); }
  int StyleCount() const override { return count_; }
  std::string ApplyStyle(ParamBlock& params, int index) override {
    params[0] = index;
    // A long name of three-byte characters, cut for the index page.
    std::string name;
    for (int i = 0; i < 100; ++i) name += "書";
    return name;
  }

 private:
  int count_;
};

class StyleCommands : public DrawingViewTest {
 protected:
  void SetUp() override {
    DrawingViewTest::SetUp();
    AppendRecordedCharacter(a);
    a.m_nLoadState = 2;
    a.m_param[3] = 25;  // a broad brush of the user's own
    a.m_param[47] = 1;
    view = &MakeView();
    FirstPaint(*view);
  }
  std::vector<Colour> Picture() const {
    const Surface& s = BackBuffer();
    std::vector<Colour> out;
    for (int y = 0; y < s.height(); ++y) {
      for (int x = 0; x < s.width(); ++x) out.push_back(s.GetPixel(x, y));
    }
    return out;
  }
  // The picture the character gives when painted with params.
  std::vector<Colour> PaintedWith(const ParamBlock& params) {
    const ParamBlock own = a.m_param;
    a.m_param = params;
    a.m_nOutlineDirty = 1;
    CTmbView::ClientDC dc(*view);
    view->PaintCharacterView(dc);
    a.m_param = own;
    return Picture();
  }

  CTmbView* view = nullptr;
};

// The keep switch is the character's own, not that of the defaults the style starts from.
TEST_F(StyleCommands, NoConversionIsDrawnOnceThenTheOldValuesReturnOrStay) {
  for (int keep : {0, 1}) {
    SCOPED_TRACE(keep);
    a.m_param[kStyleKeepParam] = keep;
    gCharSlots[0].m_param[kStyleKeepParam] = 1 - keep;
    a.m_param[47] = 1;
    const ParamBlock before = a.m_param;
    EXPECT_EQ(view->RunCommand(33138), true);  // 無変換: style 1
    const std::vector<Colour> drawn = Picture();
    ParamBlock expected = before;
    if (keep) {
      // The defaults with no conversion stay.
      for (int k : {0, 1, 2, 3, 4}) EXPECT_EQ(a.m_param[size_t(k)], (std::array{0, 0, 10, 6, 0})[size_t(k)]);
      expected = a.m_param;
    }
    expected[47] = 0;
    EXPECT_EQ(a.m_param, expected);
    EXPECT_EQ(view->m_bBusy, 0);
    // The drawing was made with the style's values: the defaults and preset 0.
    SetStyleValues(a, 1, view->SlotIndex(), SaveStyleValues(a));
    const ParamBlock styled = a.m_param;
    a.m_param = expected;
    EXPECT_EQ(drawn, PaintedWith(styled));
    ParamBlock unstyled = before;
    unstyled[47] = 0;
    EXPECT_NE(drawn, PaintedWith(unstyled));
  }
  EXPECT_TRUE(messages.ids.empty());
}

// An id without a style must not leave the record on the defaults and the slot's brush
// values: nothing would bring the user's own settings (the broad brush) back.
TEST_F(StyleCommands, IdsWithoutAStyleChangeNothingAndDrawNothing) {
  const ParamBlock before = a.m_param;
  const std::vector<Colour> shown = Picture();
  for (int id : {10, 23, 24}) {
    CTmbView::ClientDC dc(*view);
    EXPECT_EQ(view->ApplyStylePreset(dc, id), 0) << id;
    EXPECT_EQ(view->ApplyStyleCommand(id), 1) << id;
    EXPECT_EQ(a.m_param, before) << id;
    EXPECT_EQ(a.m_param[3], 25) << id;
    EXPECT_EQ(Picture(), shown) << id;
  }
}

// The style menus with no style chosen draw the character with the defaults and the
// slot's brush values, then give the user's own settings back, even with the switch that
// keeps a style's values on.
TEST_F(StyleCommands, TheStyleMenusWithoutAChosenStyleDrawTheDefaultsThenGiveTheValuesBack) {
  for (int keep : {0, 1}) {
    SCOPED_TRACE(keep);
    a.m_param[kStyleKeepParam] = keep;
    a.m_param[47] = 1;
    a.m_bConvertRequested = 0;
    const ParamBlock before = a.m_param;
    {
      CTmbView::ClientDC dc(*view);
      EXPECT_EQ(view->ApplyStylePreset(dc, kStyleFromStyleMenus), 1);
    }
    const std::vector<Colour> drawn = Picture();
    EXPECT_EQ(a.m_bConvertRequested, 1);
    ParamBlock expected = before;
    expected[47] = 0;
    EXPECT_EQ(a.m_param, expected);
    EXPECT_EQ(a.m_param[3], 25);
    EXPECT_FALSE(SetStyleValues(a, kStyleFromStyleMenus, view->SlotIndex(), SaveStyleValues(a)));
    const ParamBlock defaults = a.m_param;
    a.m_param = expected;
    EXPECT_EQ(drawn, PaintedWith(defaults));
    EXPECT_NE(drawn, PaintedWith(expected));
  }
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(StyleCommands, EveryStyleCommandOfTheMenusReachesItsStyle) {
  gCharSlots[0].m_param[kStyleKeepParam] = 1;
  for (const tmb::StyleCommand& c : tmb::StyleCommands()) {
    const int preset = PresetOfStyleCommand(c.style);
    if (preset < 0) continue;  // the sheets
    ParamBlock expected = a.m_param;
    gPresetList.Apply(expected, preset);
    EXPECT_TRUE(view->RunCommand(c.id)) << c.id;
    for (int k : {0, 3}) EXPECT_EQ(a.m_param[size_t(k)], expected[size_t(k)]) << c.id;
  }
}

TEST_F(StyleCommands, TheConversionTypesSheetSavesFivePicturesByNameAndGivesTheValuesBack) {
  FakeSheetOutput output(view);
  const ParamBlock before = a.m_param;
  a.m_bConvertRequested = 0;
  EXPECT_EQ(view->ApplyStyleCommand(kStyleSheetConversionTypes), 1);
  EXPECT_EQ(a.m_bConvertRequested, 1);  // each picture asks for its conversion
  ASSERT_EQ(output.pictures.size(), 5u);
  const char* names[] = {"無変換", "行書・細字", "行書・標準", "草書", "旧版"};
  const int presets[] = {0, 3, 2, 4, 1};
  for (size_t i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    const FakeSheetOutput::Picture& p = output.pictures[i];
    EXPECT_EQ(p.name, names[i]);
    // The record's own values, the forced switches and the preset, nothing of the others.
    ParamBlock expected = before;
    for (int k : {59, 60, 126, 136, 137, 252}) expected[size_t(k)] = 1;
    gPresetList.Apply(expected, presets[i]);
    EXPECT_EQ(p.params, expected);
    EXPECT_EQ(p.running, (std::array<int32_t, 2>{1, 1}));
    EXPECT_GT(p.inked, 0);
  }
  EXPECT_EQ(output.begun[59], 1);
  EXPECT_EQ(output.announced, 5);
  EXPECT_EQ(output.ended, std::vector<int>{5});
  EXPECT_EQ(output.opened, 1);
  EXPECT_EQ(a.m_param, before);
  EXPECT_EQ(view->m_sheetRunning, (std::array<int32_t, 2>{0, 0}));

  // The model styles: five pictures, the last of them 連綿草.
  FakeSheetOutput models(view);
  EXPECT_EQ(view->ApplyStyleCommand(kStyleSheetModelStyles), 1);
  ASSERT_EQ(models.pictures.size(), 5u);
  EXPECT_EQ(models.pictures[4].name, "連綿草");
  EXPECT_EQ(models.pictures[0].params[7], 3);  // preset 10
}

// Whether the view offers the sheet command id.
bool Offered(CTmbView& view, int id) {
  ui::CommandUpdate update(id);
  return view.RunUpdate(update) && update.enabled();
}

// A sheet that cannot start must not leave the animation-save switches it forces on:
// the user's own choices for the frame pictures would be lost.
TEST_F(StyleCommands, ASheetWhoseOutputFailsGivesEveryValueBackAndClosesTheOutput) {
  const ParamBlock before = a.m_param;
  ASSERT_EQ(before[59], 0);
  for (int id : {33136, 33159}) EXPECT_FALSE(Offered(*view, id)) << id;
  {
    // No output installed: the sheet cannot start.
    CTmbView::ClientDC dc(*view);
    EXPECT_EQ(view->RenderPresetSheet(dc, kStyleSheetConversionTypes), -1);
    EXPECT_EQ(a.m_param, before);
  }
  FakeSheetOutput output(view);
  for (int id : {33136, 33159}) EXPECT_TRUE(Offered(*view, id)) << id;
  output.beginFails = true;
  CTmbView::ClientDC dc(*view);
  EXPECT_EQ(view->RenderPresetSheet(dc, kStyleSheetConversionTypes), -1);
  EXPECT_EQ(a.m_param, before);
  EXPECT_TRUE(output.pictures.empty());
  EXPECT_TRUE(output.ended.empty());

  output.beginFails = false;
  output.failAt = 2;
  EXPECT_EQ(view->RenderPresetSheet(dc, kStyleSheetConversionTypes), -1);
  EXPECT_EQ(a.m_param, before);
  EXPECT_EQ(output.pictures.size(), 2u);
  EXPECT_EQ(output.ended, std::vector<int>{2});
  EXPECT_EQ(output.opened, 0);
  EXPECT_EQ(view->m_sheetRunning, (std::array<int32_t, 2>{0, 0}));
}

TEST_F(StyleCommands, TheStyleMenusSheetHoldsAtMostItsTableOfPictures) {
  FakeSheetOutput output(view);
  const ParamBlock before = a.m_param;
  {
    StyleBranch none(0);
    CTmbView::ClientDC dc(*view);
    EXPECT_EQ(view->RenderPresetSheet(dc, kStyleFromStyleMenus), -1);
    EXPECT_EQ(output.announced, 0);
  }
  // Drawing hundreds of pictures takes long: a plain character will do.
  a.m_nPoints = 0;
  AddThreeStrokes(a);
  StyleBranch many(100000);
  CTmbView::ClientDC dc(*view);
  EXPECT_EQ(view->RenderPresetSheet(dc, kStyleFromStyleMenus), 1);
  EXPECT_EQ(output.announced, 256);
  ASSERT_EQ(output.pictures.size(), 256u);
  EXPECT_EQ(output.pictures[255].params[0], 255);
  // Names are cut for the index page at a character's boundary.
  EXPECT_EQ(output.pictures[0].name.size(), 255u);
  EXPECT_EQ(a.m_param, before);
}

}  // namespace
}  // namespace tmb::test
