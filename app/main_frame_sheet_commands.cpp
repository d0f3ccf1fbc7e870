// The commands that open the shape sheet of a drawing window on a page, for the current
// drawing window or for a named one. Which window's sheet they address is read only
// through the current-kind lookup, so that the kinds two of them write (1 and 4) address
// window B.
#include "app/main_frame.h"
#include "core/state/draw_state.h"
#include "resources/command_ids.h"

namespace {

// The page that shows the last page shown again.
constexpr int kLastPage = -10;

struct SheetPage {
  int id;
  int page;
};

constexpr SheetPage kSheetPages[] = {
    {145, 0},         {627, 0},         {33097, 0},       {142, 1},         {628, 1},
    {33095, 1},       {144, 2},         {147, 3},         {397, 4},         {140, kLastPage},
    {141, kLastPage}, {143, kLastPage}, {146, kLastPage}, {419, kLastPage}, {489, kLastPage},
    {626, kLastPage}, {33096, kLastPage},
};

// Commands that first choose the window whose sheet is shown.
struct SheetWindow {
  int id;
  int kind;
  bool centre;
};

constexpr SheetWindow kSheetWindows[] = {
    {tmb::kCmdSheetA, kKindDrawA, false},      {tmb::kCmdSheetB, kKindDrawB, false},
    {tmb::kCmdCentreSheetA, kKindDrawA, true}, {tmb::kCmdCentreSheetB, kKindDrawB, true},
    {tmb::kCmdFontAxisSheet, kKindFontAxis, false},
};

// The source and target characters of an animation; the target's kind is read as B.
constexpr int kTargetCharacters = 1;
constexpr SheetWindow kSheetCharacters[] = {
    {tmb::kCmdSheetSource, kKindDrawA, false},
    {tmb::kCmdSheetTarget, kTargetCharacters, false},
};

}  // namespace

void CMainFrame::RegisterSheetCommands() {
  for (const SheetPage& p : kSheetPages) {
    OnCommand(p.id, [this, p] {
      gDrawState.m_nShapeSheetPage = p.page;
      ShowShapeSheet(false);
    });
  }
  for (const SheetWindow& w : kSheetWindows) {
    OnCommand(w.id, [this, w] {
      gDrawState.m_nCurDrawKind = w.kind;
      ShowShapeSheet(w.centre);
    });
  }
  for (const SheetWindow& w : kSheetCharacters) {
    OnCommand(w.id, [this, w] {
      gDrawState.m_nCurDrawKind = w.kind;
      gDrawState.m_nShapeSheetPage = kLastPage;
      ShowShapeSheet(false);
    });
  }
}
