// The style commands of the drawing view: one preset (or the style chosen in the style
// menus) applied to the character and drawn, and the comparison sheet that draws the
// character once per preset and saves each picture with its name.
#include <algorithm>
#include <string>

#include "brush/render/brush_state.h"
#include "convert/presets/preset_list.h"
#include "convert/presets/preset_sheet_output.h"
#include "convert/presets/preset_sheets.h"
#include "convert/presets/style_def_source.h"
#include "convert/presets/style_values.h"
#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "platform/service/progress.h"
#include "resources/style_commands.h"
#include "views/style_command_windows.h"
#include "views/tmb_view.h"

namespace {

StyleCommandWindows gNoWindows;
StyleCommandWindows* gStyleWindows = &gNoWindows;

// The animation-save settings a sheet forces on: frame pictures, PNG, the index page and
// the three the frame output reads beside them.
constexpr int kSheetSwitches[] = {59, 60, 126, 136, 137, 252};
constexpr size_t kMaxNameBytes = 255;

// The pictures of one sheet: the presets of a style command's sheet or the styles of the
// style menus' current branch.
class SheetPictures {
 public:
  explicit SheetPictures(int id) : id_(id) {
    if (id == kStyleFromStyleMenus) {
      count_ = std::clamp(StyleDefs().StyleCount(), 0, kMaxSheetPictures);
    } else {
      list_ = PresetSheetOf(id);
      count_ = int(list_.presets.size());
    }
  }
  int count() const { return count_; }
  // Writes picture i's values into params; its name.
  std::string Apply(ParamBlock& params, int i) const {
    if (id_ == kStyleFromStyleMenus) return StyleDefs().ApplyStyle(params, i);
    gPresetList.Apply(params, list_.presets[size_t(i)]);
    return list_.names[size_t(i)];
  }

 private:
  int id_;
  int count_ = 0;
  CPresetSheetList list_;
};

// A name cut to at most max bytes, never inside a UTF-8 character.
std::string CutName(std::string name, size_t max) {
  if (name.size() <= max) return name;
  size_t n = max;
  while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
  name.resize(n);
  return name;
}

}  // namespace

StyleCommandWindows& StyleWindows() { return *gStyleWindows; }

void SetStyleCommandWindows(StyleCommandWindows* windows) { gStyleWindows = windows ? windows : &gNoWindows; }

void CTmbView::RegisterStyleCommands() {
  for (const tmb::StyleCommand& command : tmb::StyleCommands()) {
    const int style = command.style;
    OnCommand(command.id, [this, style] { ApplyStyleCommand(style); });
    // A sheet waits for an output to save its pictures to.
    if (style == kStyleSheetConversionTypes || style == kStyleSheetModelStyles) {
      tmb::ui::CommandTarget::OnUpdate(command.id, [](tmb::ui::CommandUpdate& u) { u.Enable(SheetOutputInstalled()); });
    }
  }
}

int CTmbView::SlotIndex() const {
  return 2 * std::clamp(gDrawState.m_nStartLoadMode, 0, 2) + (m_nKind != kKindDrawA ? 1 : 0);
}

int CTmbView::ApplyStyleCommand(int id) {
  ClientDC dc(*this);
  if (id == kStyleSheetConversionTypes || id == kStyleSheetModelStyles) {
    RenderPresetSheet(dc, id);
  } else {
    ApplyStylePreset(dc, id);
  }
  return 1;
}

int CTmbView::ApplyStylePreset(tmb::DeviceContext& dc, int id) {
  CCharDataFull* rec = DrawnRecord();
  // An id without a style changes nothing: the user's settings stay as they were.
  if (!rec || !StyleApplies(id)) return 0;
  const CStyleSavedValues saved = SaveStyleValues(*rec);
  const bool styled = SetStyleValues(*rec, id, SlotIndex(), saved);
  StyleWindows().ReloadShapeSheet();
  PrepareOffscreenDCs(dc);
  PaintCharacterView(dc);
  ReleaseOffscreenDCs();
  RedrawSettingsPane();
  EndStyleValues(*rec, saved, styled);
  RestoreArrowCursor();
  return 1;
}

int CTmbView::RenderPresetSheet(tmb::DeviceContext& dc, int id) {
  CCharDataFull* rec = DrawnRecord();
  if (!rec || !m_pBrushState) return -1;
  const SheetPictures pictures(id);
  const int count = pictures.count();
  if (count <= 0) return -1;
  // Whatever happens below, the record gets these values back.
  const ParamBlock before = rec->m_param;
  for (int k : kSheetSwitches) rec->m_param[size_t(k)] = 1;
  const ParamBlock base = rec->m_param;
  PresetSheetOutput& output = SheetOutput();
  tmb::Rect bounds;
  rec->GetBoundRect(bounds);
  output.GrowSaveArea(bounds);
  if (output.Begin(*rec, count) < 0) {
    rec->m_param = before;
    return -1;
  }
  m_sheetRunning = {1, 1};
  StyleWindows().ShowPreview();
  tmb::Progress().SetPos(0);
  int written = 0;
  for (; written < count; ++written) {
    rec->m_param = base;
    const std::string name = pictures.Apply(rec->m_param, written);
    PrepareOffscreenDCs(dc);
    rec->m_bConvertRequested = 1;
    const int painted = PaintCharacterView(dc);
    ReleaseOffscreenDCs();
    if (painted == -1) break;
    StyleWindows().RedrawPreview();
    if (output.SaveFrameImage(rec->m_param, written, count, dc, m_pBrushState->m_bitmap) < 0) break;
    output.AddImageName(CutName(name, kMaxNameBytes));
    tmb::Progress().SetPos((written + 1) * 100 / count);
  }
  m_sheetRunning = {0, 0};
  // The output is closed on every road; only a whole sheet is opened for the user.
  output.End(rec->m_param, dc, written);
  if (written == count) output.OpenResults(rec->m_param);
  rec->m_param = before;
  RestoreArrowCursor();
  tmb::Progress().SetPos(0);
  return written == count ? 1 : -1;
}
