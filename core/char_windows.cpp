#include "core/char_windows.h"

namespace {

CharWindowRecords* gProvider = nullptr;

}  // namespace

void SetCharWindowRecords(CharWindowRecords* provider) { gProvider = provider; }

CCharDataFull* DrawnRecordOfKind(int kind) { return gProvider ? gProvider->DrawnRecord(kind) : nullptr; }
