// What the main window's command handlers share: the drawing view, document and record a
// command works on, and adapters that turn an operation into a handler. Commands look
// their target up with the lookup that beeps when it finds nothing; update handlers, which
// run at every idle moment, look quietly.
#pragma once

#include <functional>

#include "app/kind_lookup.h"
#include "core/state/draw_state.h"
#include "platform/ui/command_target.h"
#include "views/tmb_view.h"

class CCharDataFull;

// The drawing view of kind for a command (beeps when its document has none).
CTmbView* CommandView(int kind = kKindCurrentDraw);
// The drawing view, document and drawn record of the current drawing window for an update
// handler; null, quietly, when there is none.
CTmbView* PeekCurrentView();
CTmbDocument* PeekCurrentDoc();
CCharDataFull* PeekCurrentRecord();

// A handler that runs a member of the current drawing view with args, when there is one.
template <typename Member, typename... Args>
tmb::ui::CommandTarget::Handler OnCurrentView(Member member, Args... args) {
  return [member, args...] {
    if (CTmbView* view = CommandView()) std::invoke(member, view, args...);
  };
}

// A handler that runs a member of the engine's character document of the current drawing
// window, when there is one.
template <typename Member>
tmb::ui::CommandTarget::Handler OnCurrentDoc(Member member) {
  return [member] {
    if (CTmbDocument* doc = GetCharDocumentOfKind(kKindCurrentDraw)) std::invoke(member, doc->engine());
  };
}

// An update handler that enables the command while the current drawing window has a
// record and checks it while checked(record) holds.
tmb::ui::CommandTarget::UpdateHandler CheckFromRecord(std::function<bool(const CCharDataFull&)> checked);

// Sets field to value for the length of work, then puts its old value back.
void WithValueFor(int& field, int value, const std::function<void()>& work);
