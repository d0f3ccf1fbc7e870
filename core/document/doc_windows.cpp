#include "core/document/doc_windows.h"

#include "core/document/tmb_doc.h"

namespace {

TmbDocWindows gDefaultWindows;
TmbDocWindows* gWindows = &gDefaultWindows;

}  // namespace

TmbDocWindows& DocWindows() { return *gWindows; }

void SetTmbDocWindows(TmbDocWindows* windows) { gWindows = windows ? windows : &gDefaultWindows; }

CTmbDoc* TmbDocOfKind(int kind) { return gWindows->DocumentOfKind(kind); }

CCharDataFull* DrawnRecordOfKind(int kind) {
  CTmbDoc* doc = TmbDocOfKind(kind);
  return doc ? &doc->m_char : nullptr;
}
