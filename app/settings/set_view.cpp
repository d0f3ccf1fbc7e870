#include "app/settings/set_view.h"

#include <QPushButton>
#include <QSplitter>
#include <algorithm>
#include <cstdio>

#include "app/settings/set_row_values.h"
#include "app/settings/set_scroll_bar.h"
#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "core/state/mouse_messages.h"
#include "platform/text/code_page.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/paper_scroll.h"
#include "resources/string_table.h"
#include "views/tmb_view.h"

namespace {

constexpr int kDrawingPane = 1;
constexpr int kParamRowSet = 200;  // the record's display mode picks the row set
// The string table's labels: the seven row labels, the three buttons and, from label
// slot 8 on, eight more of which slots 14 and 15 title windows A and B in sets 1 and 2.
constexpr int kRowLabelStrings = 62073;
constexpr int kRowLabels = 7;
constexpr int kButtonStrings = 62080;
constexpr int kMoreLabelStrings = 62123;
constexpr int kMoreLabelSlot = 8;
constexpr int kTitleSlotA = 14;
constexpr int kTitleSlotB = 15;
constexpr int kTitleA = 62094;
constexpr int kTitleB = 62095;
constexpr tmb::Colour kWhite = 0xFFFFFF;
constexpr tmb::Colour kBlack = 0x000000;
constexpr tmb::Colour kFrameLight = 0xE8E8E8;
constexpr tmb::Colour kFrameDark = 0x909090;
constexpr int kJapaneseCharset = 128;
constexpr int kLargeFontHeight = 16;
const char* const kLabelFace = "ＭＳ Ｐゴシック";
const char* const kValueFace = "Courier new";

struct RowSet {
  int rows;
  std::array<int, 7> params;
};

constexpr RowSet kRowSets[] = {{7, {0, 1, 7, 2, 3, 4, 5}}, {2, {0, 2}}, {1, {2}}};

// A value outside the sets shows set 0: a file can put any number in the record.
int RowSetOf(int32_t mode) { return mode >= 0 && mode < int(std::size(kRowSets)) ? int(mode) : 0; }

// Labels go by parameter: 0 to 5 have their own, 7 the light brush's (slot 6).
int LabelSlotOf(int p) { return p == 7 ? 6 : p; }

std::u16string Wide(const std::string& utf8) { return tmb::Utf8ToUtf16(utf8).value_or(u""); }

}  // namespace

CSetView::CSetView(tmb::ui::Document* document, int viewClass, QWidget* parent)
    : tmb::ui::View(document, viewClass, parent), m_nKind(gDrawState.m_nCreatingKind) {
  setObjectName(QStringLiteral("setView%1").arg(m_nKind));
  setFocusPolicy(Qt::StrongFocus);
  m_lastApplied.fill(-1);
  for (int i = 0; i < kRows; ++i) {
    CSetScrollBar* bar = new CSetScrollBar(this);
    bar->setObjectName(QStringLiteral("row%1").arg(i + 1));
    bar->SetRange(0, m_nScale, false);
    bar->hide();
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, i](int action) {
      switch (action) {
        case QAbstractSlider::SliderSingleStepSub: return OnHScroll(i, kScrollLineLeft, 0);
        case QAbstractSlider::SliderSingleStepAdd: return OnHScroll(i, kScrollLineRight, 0);
        case QAbstractSlider::SliderPageStepSub: return OnHScroll(i, kScrollPageLeft, 0);
        case QAbstractSlider::SliderPageStepAdd: return OnHScroll(i, kScrollPageRight, 0);
        case QAbstractSlider::SliderToMinimum: return OnHScroll(i, kScrollLeft, 0);
        case QAbstractSlider::SliderToMaximum: return OnHScroll(i, kScrollRight, 0);
        default: return;  // the thumb reports through its own signals
      }
    });
    connect(bar, &QAbstractSlider::sliderMoved, this, [this, i](int pos) { OnHScroll(i, kScrollThumbTrack, pos); });
    connect(bar, &QAbstractSlider::sliderReleased, this,
            [this, i, bar] { OnHScroll(i, kScrollThumbPosition, bar->sliderPosition()); });
    m_bars[size_t(i)] = bar;
  }
  for (int i = 0; i < kButtons; ++i) {
    auto* button = new QPushButton(this);
    button->setObjectName(QStringLiteral("button%1").arg(i + 1));
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    // Buttons 1, 2 and 3: rebuild and redraw, the writing-area font menu, clear all.
    connect(button, &QPushButton::clicked, this, [this, i] {
      if (CTmbView* view = CharacterView()) view->RunSettingAction(i);
    });
    m_buttons[size_t(i)] = button;
  }
}

void CSetView::OnInitialUpdate() {
  FlushMouseMessages();
  for (int i = 0; i < kRowLabels; ++i) m_labelTable[size_t(i)] = tmb::LoadStringText(kRowLabelStrings + i);
  for (int i = kMoreLabelSlot; i < kLabelSlots; ++i) {
    m_labelTable[size_t(i)] = tmb::LoadStringText(kMoreLabelStrings + i - kMoreLabelSlot);
  }
  for (int i = 0; i < kButtons; ++i) {
    m_buttonLabels[size_t(i)] = tmb::LoadStringText(kButtonStrings + i);
    m_buttons[size_t(i)]->setText(QString::fromStdString(m_buttonLabels[size_t(i)]));
  }
  m_bButtonsHidden = m_bPrevButtonsHidden = gDrawState.m_bSettingViewButton;
  tmb::ui::View::OnInitialUpdate();
}

CTmbView* CSetView::CharacterView() const {
  auto* splitter = qobject_cast<QSplitter*>(parentWidget());
  return splitter && splitter->count() > kDrawingPane ? qobject_cast<CTmbView*>(splitter->widget(kDrawingPane))
                                                      : nullptr;
}

CTmbDoc* CSetView::GetCharDocument() const {
  CTmbView* view = CharacterView();
  return view ? view->GetDocument() : nullptr;
}

int CSetView::RowParam(int row) const {
  const RowSet& set = kRowSets[size_t(m_nSet)];
  return row >= 0 && row < set.rows ? set.params[size_t(row)] : -1;
}

void CSetView::ToggleButtons() {
  m_bButtonsHidden = m_bButtonsHidden ? 0 : 1;
  gDrawState.m_bSettingViewButton = m_bButtonsHidden;
  RedrawNow();
}

// ---- building and placing the controls

void CSetView::BuildControls(tmb::DeviceContext& dc) {
  const int f = gDrawState.m_nRowHeight;
  tmb::TextMetrics metrics;
  dc.GetTextMetrics(metrics);
  const bool large = metrics.height >= kLargeFontHeight;
  m_fontLabel = {};
  m_fontLabel.height = 7 * f / 10;
  m_fontLabel.weight = large ? 700 : 400;
  m_fontLabel.charSet = kJapaneseCharset;
  m_fontLabel.faceName = kLabelFace;
  m_fontButton = m_fontLabel;
  m_fontButton.height = 3 * f / 4;
  m_fontValue = m_fontLabel;
  m_fontValue.weight = large ? 700 : 500;
  m_fontValue.italic = true;
  m_fontValue.faceName = kValueFace;
  QFont buttonFont = font();
  buttonFont.setPixelSize(std::max(1, m_fontButton.height));
  buttonFont.setBold(large);
  for (QPushButton* button : m_buttons) button->setFont(buttonFont);
  m_bBuilt = 1;
  PlaceControls();
  FillRowLabels();
  ShowRowsAndButtons();
}

void CSetView::PlaceControls() {
  const int f = gDrawState.m_nRowHeight;
  for (int i = 0; i < kRows; ++i) {
    // There is never a palette device: the rows always get their extra spacing.
    const int extra = 2 * 2 * i + 2 + f / 2;
    tmb::Rect& r = m_rcRows[size_t(i)];
    r.top = f / 4 + extra + f + 2 * f * i;
    r.bottom = r.top + 3 * f / 4;
    r.left = f / 2;
    r.right = std::max(r.left + 1, width() - f / 2 + 1);
    m_bars[size_t(i)]->setGeometry(r.left, r.top, r.Width(), std::max(1, r.Height()));
  }
  const tmb::Rect& last = m_rcRows[kRows - 1];
  const int w = 75 * m_fontButton.height / 10;
  const int x = (last.left + last.right) / 2 - w / 2;
  for (int i = 0; i < kButtons; ++i) {
    const int top = last.bottom + 16 * f / 10 + 2 * f * i;
    m_buttons[size_t(i)]->setGeometry(x, top, std::max(1, w), std::max(1, 120 * f / 100));
  }
}

void CSetView::FillRowLabels() {
  const RowSet& set = kRowSets[size_t(m_nSet)];
  m_nRows = set.rows;
  for (int i = 0; i < kRows; ++i) {
    m_rowLabels[size_t(i)] = i < set.rows ? m_labelTable[size_t(LabelSlotOf(set.params[size_t(i)]))] : "";
  }
}

void CSetView::ShowRowsAndButtons() {
  for (int i = 0; i < kRows; ++i) m_bars[size_t(i)]->setVisible(i < m_nRows);
  const bool buttons = m_nSet == 0 && !m_bButtonsHidden;
  for (QPushButton* button : m_buttons) button->setVisible(buttons);
}

void CSetView::SetFrameTitle() {
  tmb::ui::ChildFrame* owner = frame();
  if (!owner) return;
  const bool b = m_nKind != kKindDrawA;
  const std::string title =
      m_nSet != 0 ? m_labelTable[size_t(b ? kTitleSlotB : kTitleSlotA)] : tmb::LoadStringText(b ? kTitleB : kTitleA);
  owner->setWindowTitle(QString::fromStdString(title));
}

// ---- drawing

void CSetView::paintEvent(QPaintEvent*) {
  tmb::ui::FitSurfaceToSize(m_surface, size());
  if (m_surface.IsNull()) return;
  tmb::DeviceContext dc(&m_surface);
  OnDraw(dc);
  tmb::ui::ShowSurface(*this, m_surface);
}

void CSetView::resizeEvent(QResizeEvent* event) {
  tmb::ui::View::resizeEvent(event);
  if (m_bBuilt) PlaceControls();
}

void CSetView::OnDraw(tmb::DeviceContext& dc) {
  if (!m_bBuilt) BuildControls(dc);
  CTmbDoc* doc = GetCharDocument();
  m_nSet = doc ? RowSetOf(doc->m_char.m_param[kParamRowSet]) : 0;
  if (m_nSet != m_nPrevSet || m_bButtonsHidden != m_bPrevButtonsHidden) {
    if (m_nSet != m_nPrevSet) {
      FillRowLabels();
      SetFrameTitle();
    }
    ShowRowsAndButtons();
  }
  // The whole panel is drawn again each time: the surface is the panel's only picture.
  dc.FillSolidRect({0, 0, m_surface.width(), m_surface.height()}, kWhite);
  if (doc) {
    DrawFrames(dc);
    for (int r = 0; r < m_nRows; ++r) DrawRow(dc, r);
  }
  m_nPrevSet = m_nSet;
  m_bPrevButtonsHidden = m_bButtonsHidden;
  gDrawState.m_bSettingViewButton = m_bButtonsHidden;
}

void CSetView::DrawFrames(tmb::DeviceContext& dc) {
  for (int r = 0; r < m_nRows; ++r) {
    const tmb::Rect& rc = m_rcRows[size_t(r)];
    // A sunken edge one pixel outside the bar: dark above and left, light below and right.
    dc.FillSolidRect({rc.left - 1, rc.top - 1, rc.right + 1, rc.top}, kFrameDark);
    dc.FillSolidRect({rc.left - 1, rc.top - 1, rc.left, rc.bottom + 1}, kFrameDark);
    dc.FillSolidRect({rc.left - 1, rc.bottom, rc.right + 1, rc.bottom + 1}, kFrameLight);
    dc.FillSolidRect({rc.right, rc.top - 1, rc.right + 1, rc.bottom + 1}, kFrameLight);
  }
}

void CSetView::DrawRow(tmb::DeviceContext& dc, int row) {
  CTmbDoc* doc = GetCharDocument();
  const int p = RowParam(row);
  if (!doc || p < 0) return;
  CCharDataFull& rec = doc->m_char;
  const int32_t v = rec.m_param[size_t(p)];
  if (rec.m_paramMax[size_t(p)] < v) rec.m_paramMax[size_t(p)] = RowMaximum(v, rec.m_paramMax[size_t(p)]);
  const int32_t maximum = rec.m_paramMax[size_t(p)];
  // A bar being dragged follows the pointer, not the value.
  CSetScrollBar* bar = m_bars[size_t(row)];
  if (!bar->isSliderDown()) bar->SetPos(RowPosition(v, maximum, m_nScale), false);

  const tmb::Rect& rc = m_rcRows[size_t(row)];
  dc.SetBackgroundMode(tmb::kOpaque);
  dc.SetBackgroundColour(kWhite);
  dc.SetTextColour(kBlack);
  const int y = rc.top - m_fontLabel.height - 4;
  dc.SelectFont(m_fontLabel);
  dc.TextOut(rc.left, y, Wide(m_rowLabels[size_t(row)]));

  char text[40];
  if (gDrawState.m_bMultiDoc == 0) {
    std::snprintf(text, sizeof text, "%3d  (<%4d)", v, maximum);
  } else {
    std::snprintf(text, sizeof text, "%3d   ", v);
  }
  m_rowValueTexts[size_t(row)] = text;
  dc.SelectFont(m_fontValue);
  const std::u16string wide = Wide(text);
  const int h = m_fontValue.height;
  // The text ends at the bar's right edge at the latest, so that the maximum stays in view.
  const int x = std::max(rc.left, std::min(rc.right - 3 * h / 2 - h / 4 + 1, rc.right - dc.GetTextExtent(wide).cx));
  dc.TextOut(x, y, wide);
}
