// The background colours of the windows and the tablet pen's colour: each chosen in the
// colour chooser, and the two colour schemes; a window shows its new colour at once.
#include "app/frame_command_helpers.h"
#include "app/main_frame.h"
#include "app/tmb_app.h"
#include "imageedit/view/bmp_view_window.h"
#include "platform/service/colour_chooser.h"
#include "resources/command_ids.h"
#include "views/input/tablet_ink_input.h"
#include "views/pre_view.h"

namespace {

struct ColourChoice {
  int id;
  tmb::Colour CDrawState::*colour;
  int kind;  // the window that shows it; -1 none
};

constexpr ColourChoice kColourChoices[] = {
    {tmb::kCmdBackA, &CDrawState::m_crBackA, kKindDrawA},
    {tmb::kCmdBackB, &CDrawState::m_crBackB, kKindDrawB},
    {tmb::kCmdBackEditor, &CDrawState::m_crBackEdit, kKindImageEditor},
    {tmb::kCmdBackPreview, &CDrawState::m_crBackPreview, kKindPreview},
    // The tablet pen's colour goes to the windows' ink, which no window shows.
    {tmb::kCmdTabletPen, &CDrawState::m_crTabletPen, -1},
};

}  // namespace

void CMainFrame::RegisterColourCommands() {
  for (const ColourChoice& c : kColourChoices) {
    OnCommand(c.id, [this, c] {
      if (c.kind == kKindImageEditor) theApp.OpenImageEditor();
      if (!tmb::ChooseColour(gDrawState.*c.colour)) return;
      if (c.id == tmb::kCmdTabletPen) SetTabletPenColour(gDrawState.m_crTabletPen);
      RefreshBackground(c.kind);
    });
  }
  for (int row : {0, 1}) {
    OnCommand(row == 0 ? tmb::kCmdBackSchemeDefault : tmb::kCmdBackSchemeGrey, [this, row] {
      gDrawState.ApplyBackScheme(row);
      for (int kind : {kKindDrawA, kKindDrawB, kKindPreview, kKindImageEditor}) RefreshBackground(kind);
    });
  }
}

void CMainFrame::RefreshBackground(int kind) {
  if (kind < 0 || (kind == kKindImageEditor && !theApp.m_bImageEditorOpen)) return;
  tmb::ui::View* view = PeekViewOfKind(kind);
  // Each window paints its surround into its own surface, which the screen only copies.
  if (auto* drawing = qobject_cast<CTmbView*>(view)) {
    drawing->RefreshWritingArea();
  } else if (auto* editor = qobject_cast<CBmpViewWindow*>(view)) {
    editor->editor().Redraw();
  } else if (auto* preview = qobject_cast<CPre_View*>(view)) {
    preview->RedrawPreview();
  } else if (view) {
    view->RedrawNow();
  }
}
