// The animation sheet's glyph pages on their own: leaving a motion page fits the file
// page's waits to its frame count within the wait table, the frame count keeps the
// tabs' range, the median button hands over four values, each page's buttons confirm
// with their mode, and the copies between a record and the pages reach only their own
// places.
#include "export/sheet/glyph_animate_pages.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "core/record/char_data_full.h"
#include "export/animation/anim_sheet_copies.h"
#include "export/animation/animation_params.h"
#include "export/sheet/ani_p_sheet.h"
#include "support/scripted_messages.h"
#include "support/ui/control_ids.h"
#include "support/ui/scripted_dialogs.h"

namespace tmb::test {
namespace {

using Waits = std::array<int32_t, kValueTableSize>;

class GlyphAnimatePages : public ::testing::Test {
 protected:
  void SetUp() override {
    sheet.m_onConfirm = [this](CAniPage& page, CAniPage::ApplyMode mode) {
      confirmed.push_back(&page);
      modes.push_back(mode);
    };
  }
  // The two motion pages, built, showing the sheet's values.
  std::vector<CGlyphAnimMotionPage*> MotionPages() {
    return {&sheet.glyphBasePage(), &sheet.glyphLiteBasePage()};
  }
  static int& Frames(CAniSheetValues& v, CGlyphAnimMotionPage* page, CAniPSheet& sheet) {
    return page == static_cast<CGlyphAnimMotionPage*>(&sheet.glyphBasePage()) ? v.glyph.base.m_nFrames
                                                                            : v.glyph.liteBase.m_nFrames;
  }
  // The file page's waits fitted to count, page at frames and built.
  void Prepare(CGlyphAnimMotionPage* page, int count, int frames, const Waits& waits) {
    sheet.m_values.save.m_waits = waits;
    sheet.m_values.save.m_nWaitCount = count;
    Frames(sheet.m_values, page, sheet) = frames;
    page->OnSetActive();
  }
  static void Type(CAniPage* page, int id, int value) {
    qobject_cast<QLineEdit*>(page->Control(id))->setText(QString::number(value));
  }
  static void Click(CAniPage* page, int id) { qobject_cast<QAbstractButton*>(page->Control(id))->click(); }

  ScriptedMessages messages;
  ScriptedDialogs dialogs;
  CAniPSheet sheet;
  std::vector<CAniPage*> confirmed;
  std::vector<CAniPage::ApplyMode> modes;
};

Waits TenFramesWithGaps() {
  Waits w{};
  for (int i = 0; i < 10; ++i) w[size_t(i)] = 10;
  w[3] = 0;
  w[5] = 77;
  w[20] = 5;
  return w;
}

TEST_F(GlyphAnimatePages, EachPageHasItsControlsUnderIdsOfTheirOwn) {
  const std::vector<std::pair<CAniPage*, std::vector<int>>> pages = {
      {&sheet.glyphBasePage(), {436, 435, 306, 411, 402, 409, 365, 463, 366, 412, 367, 605, 1, 324, 403, 2}},
      {&sheet.glyphLiteBasePage(), {436, 435, 306, 411, 402, 409, 366, 437, 365, 1, 324, 403, 2}},
      {&sheet.glyphLiteFontPage(), {595, 594, 597, 596, 1, 324, 2}},
  };
  for (const auto& [page, ids] : pages) {
    SCOPED_TRACE(page->templateId());
    page->OnSetActive();
    ExpectEveryIdOnce(*page, ids);
  }
  // None of them is a tab.
  EXPECT_EQ(sheet.pageCount(), CAniPSheet::kTabs);
}

TEST_F(GlyphAnimatePages, RaisingTheFramesOnLeavingGivesTheEmptyWaitsBelowTheNewCountThirty) {
  for (CGlyphAnimMotionPage* page : MotionPages()) {
    SCOPED_TRACE(page->templateId());
    Prepare(page, 10, 10, TenFramesWithGaps());
    Type(page, CGlyphAnimMotionPage::kFramesEdit, 12);
    ASSERT_TRUE(page->OnKillActive());
    Waits expected = TenFramesWithGaps();
    expected[3] = expected[10] = expected[11] = 30;
    EXPECT_EQ(sheet.m_values.save.m_waits, expected);
    EXPECT_EQ(sheet.m_values.save.m_nWaitCount, 12);

    // Lowering again changes no wait.
    Type(page, CGlyphAnimMotionPage::kFramesEdit, 10);
    ASSERT_TRUE(page->OnKillActive());
    EXPECT_EQ(sheet.m_values.save.m_waits, expected);
    EXPECT_EQ(sheet.m_values.save.m_nWaitCount, 10);
  }
}

TEST_F(GlyphAnimatePages, ADamagedCountOfAThousandTouchesOnlyTheTablesSlots) {
  for (CGlyphAnimMotionPage* page : MotionPages()) {
    SCOPED_TRACE(page->templateId());
    CCharDataFull rec;
    rec.m_param[kAnimFrames] = 1000;
    LoadGlyphAnimPages(rec, sheet.m_values.glyph);
    Prepare(page, 10, Frames(sheet.m_values, page, sheet), Waits{});
    EXPECT_EQ(qobject_cast<QLineEdit*>(page->Control(CGlyphAnimMotionPage::kFramesEdit))->text(),
              QStringLiteral("100"));
    ASSERT_TRUE(page->OnKillActive());
    Waits all{};
    all.fill(30);
    EXPECT_EQ(sheet.m_values.save.m_waits, all);
    EXPECT_EQ(sheet.m_values.save.m_nWaitCount, kValueTableSize);
    EXPECT_TRUE(messages.ids.empty());
  }
}

TEST_F(GlyphAnimatePages, TheFrameCountKeepsTheTabsRange) {
  for (CGlyphAnimMotionPage* page : MotionPages()) {
    SCOPED_TRACE(page->templateId());
    Prepare(page, 10, 10, TenFramesWithGaps());
    for (int bad : {1, 101, 1000}) {
      messages.ids.clear();
      Type(page, CGlyphAnimMotionPage::kFramesEdit, bad);
      EXPECT_FALSE(page->OnKillActive()) << bad;
      EXPECT_EQ(messages.ids, std::vector<int>{61501}) << bad;
      EXPECT_EQ(sheet.m_values.save.m_waits, TenFramesWithGaps());
    }
    Type(page, CGlyphAnimMotionPage::kFramesEdit, 100);
    EXPECT_TRUE(page->OnKillActive());
  }
}

TEST_F(GlyphAnimatePages, EachButtonConfirmsWithItsModeAndCancelKeepsTheValues) {
  struct Case {
    CAniPage* page;
    int button;
    CAniPage::ApplyMode mode;
  };
  const std::vector<Case> cases = {
      {&sheet.glyphBasePage(), CAniPage::kConfirm, CAniPage::kApplyConfirm},
      {&sheet.glyphBasePage(), CAniPage::kOk, CAniPage::kApplyOk},
      {&sheet.glyphBasePage(), CGlyphAnimPage::kShowButton, CAniPage::kApplyShow},
      {&sheet.glyphLiteBasePage(), CAniPage::kConfirm, CAniPage::kApplyConfirm},
      {&sheet.glyphLiteBasePage(), CAniPage::kOk, CAniPage::kApplyOk},
      {&sheet.glyphLiteBasePage(), CGlyphAnimPage::kShowButton, CAniPage::kApplyShow},
      {&sheet.glyphLiteFontPage(), CAniPage::kConfirm, CAniPage::kApplyConfirm},
      {&sheet.glyphLiteFontPage(), CAniPage::kOk, CAniPage::kApplyOk},
  };
  for (const Case& c : cases) {
    confirmed.clear();
    modes.clear();
    c.page->OnSetActive();
    Click(c.page, c.button);
    EXPECT_EQ(confirmed, std::vector<CAniPage*>{c.page}) << c.button;
    EXPECT_EQ(modes, std::vector<CAniPage::ApplyMode>{c.mode}) << c.button;
  }
  EXPECT_EQ(sheet.glyphLiteFontPage().Control(CGlyphAnimPage::kShowButton), nullptr);

  std::vector<CAniPage*> cancelled;
  sheet.m_onCancel = [&](CAniPage& page) { cancelled.push_back(&page); };
  CAniPage& font = sheet.glyphLiteFontPage();
  Type(&font, 597, 123);
  Click(&font, CAniPage::kCancel);
  EXPECT_EQ(cancelled, std::vector<CAniPage*>{&font});
  EXPECT_EQ(qobject_cast<QLineEdit*>(font.Control(597))->text(), QStringLiteral("123"));
}

// The copies between a record and the glyph pages reach only the pages' own places.
TEST_F(GlyphAnimatePages, TheGlyphPagesCopiesReachOnlyTheirOwnRecordPlaces) {
  struct Case {
    const char* name;
    std::function<void(CCharData&, const CGlyphAnimValues&)> from;
    std::vector<int> params;
  };
  const std::vector<Case> cases = {
      {"motion", [](CCharData& r, const CGlyphAnimValues& g) { AnimFromGlyphBasePage(r, g.base); },
       {50, 64, 65, 142, 61, 78, 71, 276, 141, 271, 140}},
      {"motion lite", [](CCharData& r, const CGlyphAnimValues& g) { AnimFromGlyphLiteBasePage(r, g.liteBase); },
       {50, 65, 61, 78, 71}},
      {"font correction", [](CCharData& r, const CGlyphAnimValues& g) { AnimFromGlyphLiteFontPage(r, g.liteFont); },
       {261, 267}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CCharDataFull rec;
    for (int k = 0; k < kParamCount; ++k) rec.m_param[size_t(k)] = -7000 - k;
    CGlyphAnimValues glyph;
    int value = 1;
    for (int p : c.params) rec.m_param[size_t(p)] = value++;
    const ParamBlock before = rec.m_param;
    LoadGlyphAnimPages(rec, glyph);
    CCharDataFull other;
    const ParamBlock untouched = other.m_param;
    c.from(other, glyph);
    for (int k = 0; k < kParamCount; ++k) {
      const bool own = std::find(c.params.begin(), c.params.end(), k) != c.params.end();
      EXPECT_EQ(other.m_param[size_t(k)], own ? before[size_t(k)] : untouched[size_t(k)]) << k;
    }
    c.from(rec, glyph);
    EXPECT_EQ(rec.m_param, before);
  }
}

TEST_F(GlyphAnimatePages, TheMedianButtonHandsOverTheLinkingAndFlowMediansUnlessCancelled) {
  CGlyphAnimBaseValues& v = sheet.m_values.glyph.base;
  v.m_nRenmenValue = 11;
  v.m_nRenmenMode = 0;
  v.m_nFlowValue = 222;
  v.m_nFlowMode = 1;
  CAniPage& page = sheet.glyphBasePage();
  page.OnSetActive();
  dialogs.Then([](ui::DialogWindow& d) {
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(368))->text(), QStringLiteral("11"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(374))->text(), QStringLiteral("222"));
    qobject_cast<QLineEdit*>(d.Control(368))->setText(QStringLiteral("12"));
    qobject_cast<QLineEdit*>(d.Control(374))->setText(QStringLiteral("300"));
    return ui::kIdCancel;
  });
  Click(&page, CGlyphTideAnimatePageBase::kMedianButton);
  EXPECT_EQ(v.m_nRenmenValue, 11);
  EXPECT_EQ(v.m_nFlowValue, 222);
  dialogs.Then([](ui::DialogWindow& d) {
    qobject_cast<QLineEdit*>(d.Control(368))->setText(QStringLiteral("12"));
    qobject_cast<QLineEdit*>(d.Control(374))->setText(QStringLiteral("300"));
    return ScriptedDialogs::PressOk(d);
  });
  Click(&page, CGlyphTideAnimatePageBase::kMedianButton);
  EXPECT_EQ(v.m_nRenmenValue, 12);
  EXPECT_EQ(v.m_nRenmenMode, 0);
  EXPECT_EQ(v.m_nFlowValue, 300);
  EXPECT_EQ(v.m_nFlowMode, 1);
}

}  // namespace
}  // namespace tmb::test
