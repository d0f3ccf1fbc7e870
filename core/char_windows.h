// The drawn records of the drawing windows A (kind 0) and B (kind 2), as the document
// layer provides them to the settings copies between the windows. Until a provider is
// installed no window has a record.
#pragma once

class CCharDataFull;

class CharWindowRecords {
 public:
  virtual ~CharWindowRecords() = default;
  // The drawn record of the drawing window of kind, or null.
  virtual CCharDataFull* DrawnRecord(int kind) = 0;
};

// Installs provider (not owned); nullptr restores the empty one.
void SetCharWindowRecords(CharWindowRecords* provider);
CCharDataFull* DrawnRecordOfKind(int kind);
