#include "app/dialogs/effect_dialog_forms.h"

#include "imageedit/view/bmp_view_window.h"

namespace {

// The colour at the upper-left corner of the image editor's set region; none while the
// editor is closed or has no picture or no region.
std::optional<tmb::Colour> EditorRegionCornerColour() {
  CBmpViewWindow* window = CBmpViewWindow::Instance();
  if (!window) return std::nullopt;
  const CBmpView& editor = window->editor();
  tmb::Rect region = editor.m_region;
  region.Normalize();
  if (editor.m_bmpWork.IsNull() || region.IsEmpty()) return std::nullopt;
  const tmb::Colour c = editor.m_bmpWork.GetPixel(region.left, region.top);
  if (c == tmb::kInvalidColour) return std::nullopt;
  return c;
}

}  // namespace

CEffectDialogForms gEffectDialogForms;

CEffectDialogForms::CEffectDialogForms() { m_change.m_regionCornerColour = EditorRegionCornerColour; }
