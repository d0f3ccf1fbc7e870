// The values a style command gives a record and takes back: the defaults with the
// window's brush values, a preset or the chosen style of the style menus, its keep
// switches, and the way back after the drawing.
#include "convert/presets/style_values.h"

#include <gtest/gtest.h>

#include <memory>

#include "convert/presets/preset_list.h"
#include "convert/presets/style_def_source.h"
#include "core/record/char_data_full.h"
#include "core/record/char_slots.h"
#include "support/char_globals.h"

namespace tmb::test {
namespace {

// A chosen style of the style menus: 崩し 40, 太さ 120, and its own colours.
class ChosenStyle : public StyleDefSource {
 public:
  bool CollectChosenValues(ParamBlock& params) override {
    params[0] = 40;
    params[3] = 120;
    params[5] = 9;
    params[156] = 0x123456;
    params[157] = 0x654321;
    params[kShapeModeParam] = 1;
    if (keep >= 0) params[kStyleKeepParam] = keep;
    return true;
  }
  bool KeepsFlyingWhite() const override { return keepFlyingWhite; }
  bool KeepsShapeColours() const override { return keepColours; }

  bool keepFlyingWhite = false;
  bool keepColours = false;
  int keep = -1;  // the style's own keep switch; -1 leaves the defaults' one
};

class StyleValues : public CharGlobalsTest {
 protected:
  void SetUp() override {
    CharGlobalsTest::SetUp();
    InitCharacterSlots();
    rec->CopySettingsByCategory(kCategoryAll, nullptr);
    // The user's own settings, a character and a background picture.
    rec->m_param[0] = 7;
    rec->m_param[47] = 1;
    rec->m_param[100] = 3;
    rec->m_param[194] = 11;
    rec->m_paramMax[0] = 33;
    rec->m_nPoints = 2;
    rec->m_pPoints[1] = {5, 6};
    rec->m_text[kTextPicture1] = "mine.bmp";
  }
  void TearDown() override {
    SetStyleDefSource(nullptr);
    CharGlobalsTest::TearDown();
  }
  // Applies style id as a style command does up to the drawing.
  CStyleSavedValues Apply(int id, int slot = 0) {
    const CStyleSavedValues saved = SaveStyleValues(*rec);
    styled = SetStyleValues(*rec, id, slot, saved);
    return saved;
  }

  bool styled = false;

  std::unique_ptr<CCharDataFull> rec = std::make_unique<CCharDataFull>();
};

// The keep switch that decides is the character's own (no preset sets it), not the one of
// the defaults the style starts from: with the two different the defaults' would take the
// other way.
TEST_F(StyleValues, NoConversionOnTheDefaultsThenTheOldValuesOrTheStylesStay) {
  struct Case {
    int user, defaults;
  };
  for (const Case c : {Case{0, 0}, Case{1, 1}, Case{0, 1}, Case{1, 0}}) {
    SCOPED_TRACE(testing::Message() << "user " << c.user << " defaults " << c.defaults);
    rec->m_param[kStyleKeepParam] = c.user;
    gCharSlots[0].m_param[kStyleKeepParam] = c.defaults;
    const bool keep = c.user != 0;
    const ParamBlock before = rec->m_param;
    const CStyleSavedValues saved = Apply(1);
    const ParamBlock& p = rec->m_param;
    EXPECT_EQ((std::array{p[0], p[1], p[2], p[3], p[4]}), (std::array{0, 0, 10, 6, 0}));
    // Everything else is the defaults, but for the parameter no copy carries.
    EXPECT_EQ(p[100], gCharSlots[0].m_param[100]);
    EXPECT_EQ(p[47], gCharSlots[0].m_param[47]);
    EXPECT_EQ(p[kStyleKeepParam], c.user);
    EXPECT_EQ(p[194], 11);
    EXPECT_TRUE(styled);
    EXPECT_EQ(rec->m_bConvertRequested, 1);
    // The points and the texts are the user's.
    EXPECT_EQ(rec->m_nPoints, 2);
    EXPECT_EQ(rec->m_pPoints[1], (Point{5, 6}));
    EXPECT_EQ(rec->m_text[kTextPicture1], "mine.bmp");

    EndStyleValues(*rec, saved, styled);
    ParamBlock expected = before;
    if (keep) expected = p;
    expected[47] = 0;
    EXPECT_EQ(rec->m_param, expected);
    EXPECT_EQ(rec->m_paramMax[0], keep ? gCharSlots[0].m_paramMax[0] : 33);
    rec->m_param = before;
    rec->m_paramMax[0] = 33;
  }
}

TEST_F(StyleValues, TheBrushValuesComeFromTheWindowsSlotThenThePreset) {
  gCharSlots[1].m_param[5] = 61;
  gCharSlots[1].m_param[0] = 62;
  Apply(6, 1);
  EXPECT_EQ(rec->m_param[5], 61);
  EXPECT_EQ(rec->m_param[0], 4);  // the cursive preset
  EXPECT_EQ(rec->m_param[1], 0);
  EXPECT_EQ(rec->m_param[328], 1);
}

TEST_F(StyleValues, OnlyListedIdsAndTheStyleMenusApply) {
  for (int id : {0, 1, 4, 9, 11, 22, kStyleFromStyleMenus}) EXPECT_TRUE(StyleApplies(id)) << id;
  for (int id : {2, 3, 10, 23, 24, -2}) EXPECT_FALSE(StyleApplies(id)) << id;
}

// A tree with no style chosen, whose keep switches are on.
class NoChosenStyle : public StyleDefSource {
 public:
  bool KeepsFlyingWhite() const override { return true; }
  bool KeepsShapeColours() const override { return true; }
};

// The style menus with no style chosen give the defaults and the window's brush values,
// with what the keep switches keep, and nothing of a style. With parameter 380 on they
// would stay and the user's own settings would be gone for good: they were only shown,
// and the saved values come back.
TEST_F(StyleValues, TheStyleMenusWithoutAChosenStyleShowTheDefaultsAndGiveTheValuesBack) {
  NoChosenStyle none;
  SetStyleDefSource(&none);
  gCharSlots[1].m_param[0] = 62;
  rec->m_param[5] = 3;
  rec->m_param[156] = 0xF06020;
  for (int keep : {0, 1}) {
    SCOPED_TRACE(keep);
    rec->m_param[kStyleKeepParam] = keep;
    const ParamBlock before = rec->m_param;
    const CStyleSavedValues saved = Apply(kStyleFromStyleMenus, 1);
    EXPECT_FALSE(styled);
    EXPECT_EQ(rec->m_bConvertRequested, 1);
    EXPECT_EQ(rec->m_param[0], 62);
    EXPECT_EQ(rec->m_param[100], gCharSlots[0].m_param[100]);
    EXPECT_EQ(rec->m_param[5], 3);
    EXPECT_EQ(rec->m_param[156], 0xF06020);
    EndStyleValues(*rec, saved, styled);
    ParamBlock expected = before;
    expected[47] = 0;
    EXPECT_EQ(rec->m_param, expected);
    EXPECT_EQ(rec->m_paramMax[0], 33);
    rec->m_param = before;
  }
}

TEST_F(StyleValues, TheChosenStyleWithAndWithoutItsKeepSwitches) {
  ChosenStyle chosen;
  SetStyleDefSource(&chosen);
  rec->m_param[5] = 3;
  rec->m_param[156] = 0xF06020;
  rec->m_param[157] = 0x0000FF;
  rec->m_param[kShapeModeParam] = 3;
  rec->m_rangeFrom = 77;
  const ParamBlock before = rec->m_param;

  Apply(kStyleFromStyleMenus);
  EXPECT_EQ(rec->m_param[0], 40);
  EXPECT_EQ(rec->m_param[3], 120);
  EXPECT_EQ(rec->m_param[5], 9);
  EXPECT_EQ(rec->m_param[156], 0x123456);
  EXPECT_EQ(rec->m_rangeFrom, 77);

  rec->m_param = before;
  chosen.keepFlyingWhite = chosen.keepColours = true;
  Apply(kStyleFromStyleMenus);
  EXPECT_EQ(rec->m_param[0], 40);
  EXPECT_EQ(rec->m_param[5], 3);
  EXPECT_EQ(rec->m_param[156], 0xF06020);
  EXPECT_EQ(rec->m_param[157], 0x0000FF);
  EXPECT_EQ(rec->m_param[kShapeModeParam], 3);
  EXPECT_EQ(rec->m_rangeFrom, 0xF06020);  // one colour: the range starts at it
  rec->m_param = before;
  rec->m_param[kShapeModeParam] = 1;
  Apply(kStyleFromStyleMenus);
  EXPECT_EQ(rec->m_rangeFrom, 0);
}

// A chosen style that sets the keep switch itself overrides the defaults' one and the
// user's: the decision is taken on the values the style was drawn with.
TEST_F(StyleValues, TheChosenStylesOwnKeepSwitchDecides) {
  ChosenStyle chosen;
  SetStyleDefSource(&chosen);
  for (int keep : {0, 1}) {
    SCOPED_TRACE(keep);
    chosen.keep = keep;
    rec->m_param[kStyleKeepParam] = 1 - keep;
    gCharSlots[0].m_param[kStyleKeepParam] = 1 - keep;
    const ParamBlock before = rec->m_param;
    const CStyleSavedValues saved = Apply(kStyleFromStyleMenus);
    ASSERT_TRUE(styled);
    EndStyleValues(*rec, saved, styled);
    EXPECT_EQ(rec->m_param[0], keep ? 40 : before[0]);
    EXPECT_EQ(rec->m_param[3], keep ? 120 : before[3]);
    EXPECT_EQ(rec->m_param[kStyleKeepParam], keep ? keep : 1 - keep);
    rec->m_param = before;
  }
}

}  // namespace
}  // namespace tmb::test
