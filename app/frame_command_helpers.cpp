#include "app/frame_command_helpers.h"

#include "app/main_frame.h"
#include "app/tmb_app.h"
#include "app/tmb_document.h"

CTmbView* CommandView(int kind) { return qobject_cast<CTmbView*>(GetViewOfKind(kind)); }

CTmbView* PeekCurrentView() {
  CMainFrame* frame = theApp.mainFrame();
  return frame ? qobject_cast<CTmbView*>(frame->PeekViewOfKind(gDrawState.ResolveKind(kKindCurrentDraw))) : nullptr;
}

CTmbDocument* PeekCurrentDoc() { return GetCharDocumentOfKind(kKindCurrentDraw); }

CCharDataFull* PeekCurrentRecord() {
  CTmbDocument* doc = PeekCurrentDoc();
  return doc ? doc->DrawnRecord() : nullptr;
}

tmb::ui::CommandTarget::UpdateHandler CheckFromRecord(std::function<bool(const CCharDataFull&)> checked) {
  return [checked = std::move(checked)](tmb::ui::CommandUpdate& u) {
    const CCharDataFull* rec = PeekCurrentRecord();
    u.Enable(rec != nullptr);
    u.SetCheck(rec && checked(*rec));
  };
}

void WithValueFor(int& field, int value, const std::function<void()>& work) {
  const int old = field;
  field = value;
  work();
  field = old;
}
