// What the brush-outline engine uses of the document that holds the drawn and working
// records: its float point buffer and the pointer to the record being rebuilt.
#pragma once

class CCharDataFull;
struct CFPoint;

struct COutlineDocument {
  CFPoint* m_pFloatPoints = nullptr;  // kMaxCharPoints entries; the engine's own when null
  const CCharDataFull* m_pSourceRecord = nullptr;  // set by the engine while it rebuilds
};
