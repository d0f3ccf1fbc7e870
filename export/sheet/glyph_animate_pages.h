// The animation sheet's pages of the glyph family, which it holds beside its tabs: the
// motion page "動作" (template 301), its reduced twin (template 307) and the font
// correction page "補正" (template 309). Their buttons ("実行", "OK", and on the motion
// pages "表示") apply the sheet's tabs to every record of the animation, as a tab's do;
// the reduced motion page first stores the tabs into the current window's record.
// Cancel hides the sheet and the page keeps its values.
#pragma once

#include "export/sheet/ani_page.h"

class CGlyphAnimPage : public CAniPage {
  Q_OBJECT

 public:
  static constexpr int kShowButton = 403;

  bool StoresOnConfirm() const override { return false; }

 protected:
  CGlyphAnimPage(int templateId, const std::string& caption, CAniSheetValues& values)
      : CAniPage(templateId, caption, kAnimPageNone, values) {}
  void OnPageNotify(int id, tmb::ui::Notify code) override;
  // One of the page's other controls told it something.
  virtual void OnGlyphNotify(int /*id*/, tmb::ui::Notify) {}
};

// The two motion pages: leaving one fits the file page's waits to its frame count.
class CGlyphAnimMotionPage : public CGlyphAnimPage {
  Q_OBJECT

 public:
  static constexpr int kFramesEdit = 306;
  static constexpr int kFramesSpin = 411;

  bool OnKillActive() override;

 protected:
  using CGlyphAnimPage::CGlyphAnimPage;
  virtual int Frames() const = 0;
  // The lines both motion pages open with: stretch, frame count and split position.
  static std::vector<tmb::ui::Binding> MotionLines(int* stretch, int* frames, int* split);
};

class CGlyphTideAnimatePageBase : public CGlyphAnimMotionPage {
  Q_OBJECT

 public:
  static constexpr int kMedianButton = 605;

  explicit CGlyphTideAnimatePageBase(CAniSheetValues& values) : CGlyphAnimMotionPage(301, "動作", values) {}

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  void OnGlyphNotify(int id, tmb::ui::Notify code) override;
  int Frames() const override { return m_values.glyph.base.m_nFrames; }

 private:
  void RunMedianDialog();
};

class CGlyphTideAnimatePageLiteBase : public CGlyphAnimMotionPage {
  Q_OBJECT

 public:
  explicit CGlyphTideAnimatePageLiteBase(CAniSheetValues& values) : CGlyphAnimMotionPage(307, "動作", values) {}
  bool StoresOnConfirm() const override { return true; }

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  int Frames() const override { return m_values.glyph.liteBase.m_nFrames; }
};

class CGlyphTideAnimatePageLiteFont : public CGlyphAnimPage {
  Q_OBJECT

 public:
  explicit CGlyphTideAnimatePageLiteFont(CAniSheetValues& values) : CGlyphAnimPage(309, "補正", values) {}

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
};
