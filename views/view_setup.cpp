// The drawing view's set-up at its first paint (display depth, brush render state), its
// two off-screen contexts and their release when the user is idle or leaves the view.
#include <algorithm>

#include "core/bitmap/palettes.h"
#include "brush/render/brush_state.h"
#include "convert/analysis/stroke_feature_list.h"
#include "core/document/doc_windows.h"
#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "core/state/mouse_speed.h"
#include "platform/service/clock.h"
#include "platform/service/display_modes.h"
#include "platform/service/messages.h"
#include "platform/ui/timers.h"
#include "views/registration/key_edit.h"
#include "views/tmb_view.h"
#include "views/view_params.h"

namespace {

constexpr int kMsgNotFullColour = 62116;
constexpr int kMsgSixteenBits = 62117;
// The display warnings come back at every tenth start.
constexpr int kWarnEveryStarts = 10;
constexpr int kTrueColourBits = 24;

bool IsDrawingWindowIndex(int index) { return index == 0 || index == 1; }

}  // namespace

// ---- first paint

void CTmbView::SetUpPalette(tmb::DeviceContext& dc) {
  WarnAboutDisplay();
  OpenTablet();
  InitDrawing(dc);
  if (CCharDataFull* rec = DrawnRecord()) {
    // After the settings of the set-up, which would take the palette display's mode away.
    if (gDrawState.m_bPaletteDevice) rec->m_param[kParamLineModeMask] = 1;
    rec->m_effect.m_strFile = rec->m_text[kTextEffectFile];
  }
  gDrawState.m_bViewsReady = 1;
  m_bInitialised = 1;
  // The conversion's stroke feature lists get their records before any conversion runs.
  if (m_nKind == kKindDrawA) {
    for (CStrokeFeatureList& list : gStrokeFeatureLists) list.Allocate(-1);
  }
}

void CTmbView::WarnAboutDisplay() {
  tmb::DisplayModes& display = tmb::Display();
  gDrawState.m_nDisplayBits = display.CurrentBitsPerPixel();
  const bool warnHere = m_nKind == kKindDrawA && gDrawState.m_nStartCount % kWarnEveryStarts == 0;
  // The messages wait until the paint that set the view up is over.
  if (gDrawState.m_nDisplayBits == 16 && display.LargestBitsPerPixel() >= kTrueColourBits && warnHere) {
    AfterPaint([] { tmb::ShowMessage(kMsgSixteenBits); });
  }
  gDrawState.m_bPaletteDevice = display.IsPaletteDevice() ? 1 : 0;
  if (!gDrawState.m_bPaletteDevice) return;
  gPaletteMode = 1;
  InitAppPalettes();
  if (warnHere) AfterPaint([] { tmb::ShowMessage(kMsgNotFullColour); });
}

void CTmbView::InitDrawing(tmb::DeviceContext& dc) {
  BusyScope busy(*this);
  CTmbDoc* doc = GetDocument();
  // A record that a file filled keeps the file's settings.
  if (doc && doc->m_char.m_nLoadState != 2) doc->m_char.LoadSettingsFromSlot(m_nKind != kKindDrawA);
  m_nIndex = m_nKind != kKindDrawA ? 1 : 0;
  if (doc) doc->m_nIndex = m_nIndex;
  SaveParamsToBrushState();
  CBrushState& state = gBrushStates[m_nIndex];
  state.Create(&dc, 0);
  if (m_nIndex == 0) RenderBrushSetNow(dc);
  LoadParamsFromBrushState();
  BindBrushState();
  // Window B stamps with the brush set of window A, whichever of the two was set up first.
  CTmbView* other = ViewOfKind(m_nIndex == 0 ? kKindDrawB : kKindDrawA);
  if (other && other != this && other->m_bDrawingReady) {
    gBrushStates[1].BuildMasks(&dc, gBrushStates[0]);
    CTmbView* a = m_nIndex == 0 ? this : other;
    CTmbView* b = m_nIndex == 0 ? other : this;
    b->m_brushSetSource = a->m_brushSetSource;
    CreatePanelFonts(dc);
  }
  m_bDrawingReady = 1;
  m_dwLastInput = tmb::TickCount();
  ClearWritingArea(dc, 1);
}

void CTmbView::BindBrushState() {
  m_pBrushState = IsDrawingWindowIndex(m_nIndex) ? &gBrushStates[m_nIndex] : nullptr;
  m_pShownBrushState = m_pBrushState;
  if (m_pBrushState) {
    m_pBrushBitmaps = {&m_pBrushState->m_tipStrip, &m_pBrushState->m_brushSet, &m_pBrushState->m_mask1,
                       &m_pBrushState->m_mask2};
  } else {
    m_pBrushBitmaps = {};
  }
}

void CTmbView::SaveParamsToBrushState() {
  CCharDataFull* rec = DrawnRecord();
  if (!rec || !IsDrawingWindowIndex(m_nIndex)) return;
  CBrushState& state = gBrushStates[m_nIndex];
  state.m_param = rec->m_param;
  state.m_bRenderRequest = rec->m_brushValues[kBrushRenderRequest];
  std::copy(rec->m_brushValues.begin() + 1, rec->m_brushValues.end(), state.m_saved.begin());
}

void CTmbView::LoadParamsFromBrushState() {
  CCharDataFull* rec = DrawnRecord();
  if (!rec || !IsDrawingWindowIndex(m_nIndex)) return;
  const CBrushState& state = gBrushStates[m_nIndex];
  rec->m_brushValues[kBrushRenderRequest] = state.m_bRenderRequest;
  std::copy(state.m_saved.begin(), state.m_saved.end(), rec->m_brushValues.begin() + 1);
}

void CTmbView::SyncBrushState() {
  SaveParamsToBrushState();
  LoadParamsFromBrushState();
}

void CTmbView::RenderBrushSetNow(tmb::DeviceContext& dc) {
  SaveParamsToBrushState();
  const bool requested = gBrushStates[m_nIndex].m_bRenderRequest != 0;
  gBrushStates[m_nIndex].RenderBrushSet(&dc);
  LoadParamsFromBrushState();
  if (requested) NoteBrushSetSource();
}

void CTmbView::PaintBrushCharacter(tmb::DeviceContext& dc, tmb::Colour colour, int mode) {
  if (!IsDrawingWindowIndex(m_nIndex)) return;
  BusyScope busy(*this);
  SaveParamsToBrushState();
  gBrushStates[m_nIndex].PaintCharacter(&dc, colour, mode);
  LoadParamsFromBrushState();
}

// ---- the off-screen contexts

void CTmbView::PrepareOffscreenDCs(tmb::DeviceContext& dc) {
  if (m_bOffscreen || !m_pBrushState || !m_pBrushState->m_bCreated) return;
  m_dcBrush = tmb::DeviceContext::CompatibleWith(&dc);
  m_pOldBrushBitmap = m_dcBrush.SelectSurface(&m_pBrushState->m_brushSet);
  m_dcBack = tmb::DeviceContext::CompatibleWith(&dc);
  m_pShownBitmap = ShownBitmap();
  m_pShownBrushState = m_pBrushState;
  for (CBrushState& state : gBrushStates) {
    if (m_pShownBitmap == &state.m_bitmap) m_pShownBrushState = &state;
  }
  m_pOldBackBitmap = m_dcBack.SelectSurface(m_pShownBitmap);
  m_bOffscreen = 1;
}

void CTmbView::ReleaseOffscreenDCs() {
  if (!m_bOffscreen) return;
  m_dcBrush.SelectSurface(m_pOldBrushBitmap);
  m_dcBack.SelectSurface(m_pOldBackBitmap);
  m_dcBrush = tmb::DeviceContext();
  m_dcBack = tmb::DeviceContext();
  m_pOldBrushBitmap = m_pOldBackBitmap = nullptr;
  m_pShownBitmap = nullptr;
  m_bOffscreen = 0;
}

CTmbView::OffscreenScope::OffscreenScope(CTmbView& view, tmb::DeviceContext& dc)
    : view_(view), mine_(!view.m_bOffscreen) {
  view_.PrepareOffscreenDCs(dc);
  mine_ = mine_ && view_.m_bOffscreen;
}

CTmbView::OffscreenScope::~OffscreenScope() {
  if (mine_) view_.ReleaseOffscreenDCs();
}

// ---- focus and the idle release

void CTmbView::OnSetFocus() {
  // This window becomes the current drawing window.
  CTmbDoc* doc = GetDocument();
  const int windows = std::clamp(gDrawState.m_nCharWindows, 0, int(gDrawState.m_charWindowKinds.size()));
  for (int i = 0; i < windows && doc; ++i) {
    const int kind = gDrawState.m_charWindowKinds[size_t(i)];
    if (TmbDocOfKind(kind) == doc) gDrawState.m_nCurDrawKind = kind;
  }
  // The registration panel's text box takes the keys while the panel is up.
  if (gDrawState.m_toolPanel.m_bShown && gDrawState.m_toolPanel.m_bFocusEdit && m_edit && m_edit->isVisible()) {
    m_edit->setFocus();
  }
  SetMouseSpeedForMode(1);
  if (!m_bOffscreen) {
    tmb::DeviceContext dc;
    PrepareClientDC(dc);
    PrepareOffscreenDCs(dc);
    tmb::ui::Timers().Set(this, kIdleTimer, kIdleTimerMs, [this] { OnTimer(kIdleTimer); });
  }
}

void CTmbView::OnKillFocus() {
  SetMouseSpeedForMode(0);
  ReleaseOffscreenDCs();
  tmb::ui::Timers().Kill(this, kIdleTimer);
}

void CTmbView::OnTimer(int id) {
  if (id != kIdleTimer || m_nMode != kModeDraw || m_bStrokeActive) return;
  if (tmb::TickCount() - m_dwLastInput > kIdleReleaseMs) ReleaseOffscreenDCs();
}

void CTmbView::NoteInputTime(uint32_t now) {
  m_dwLastInput = now;
  m_wLastSample = uint16_t(now);
}

int CTmbView::SampleInterval(uint32_t now) const { return uint16_t(uint16_t(now) - m_wLastSample); }

void CTmbView::SetMouseSpeedForMode(int on) {
  // The pointer speed is the user's own unless the settings let the view change it.
  if (!gDrawState.m_bChangeMouseSpeed) return;
  if (!on) {
    gDrawState.m_nMouseSpeedMode = -1;
    RestoreMouseSpeed(gDrawState.m_nSavedMouseSpeed);
    return;
  }
  if (m_nMode == gDrawState.m_nMouseSpeedMode) return;
  if (m_nMode == kModeDraw) {
    SetMouseSpeedLevel(gDrawState.m_nPenSpeed);
  } else {
    RestoreMouseSpeed(gDrawState.m_nSavedMouseSpeed);
  }
  gDrawState.m_nMouseSpeedMode = m_nMode;
}
