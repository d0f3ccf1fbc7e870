#include "app/kind_lookup.h"

#include "app/main_frame.h"
#include "app/tmb_app.h"
#include "core/state/draw_state.h"

tmb::ui::Document* GetDocumentOfKind(int kind) {
  if (!gDrawState.m_bMultiDoc) return theApp.m_pSharedDoc;
  switch (gDrawState.ResolveKind(kind == kKindSettings || kind == kKindDataTree ? kKindCurrentDraw : kind)) {
    case kKindDrawA: return theApp.m_pKindDoc[0];
    case kKindDrawB: return theApp.m_pKindDoc[2];
    case kKindImageEditor:
    case kKindZoom: return theApp.m_pKindDoc[1];
    case kKindPreview: return theApp.m_pKindDoc[3];
    case kKindFontAxis: return theApp.m_pKindDoc[4];
    default: return nullptr;
  }
}

CTmbDocument* GetCharDocumentOfKind(int kind) { return qobject_cast<CTmbDocument*>(GetDocumentOfKind(kind)); }

tmb::ui::View* GetViewOfKind(int kind) {
  auto* frame = qobject_cast<CMainFrame*>(theApp.mainWindow());
  return frame ? frame->FindViewOfKind(gDrawState.ResolveKind(kind)) : nullptr;
}
