#include "core/record/char_data_full.h"

CCharDataFull::CCharDataFull()
    : m_pLevels(std::make_unique<int8_t[]>(kMaxCharPoints)), m_pLinks(std::make_unique<uint8_t[]>(kMaxCharPoints)) {
  m_textFont = DefaultTextFont();
  m_bModified = 0;
  m_bActive = 1;
  ResetSettings();
}

CCharDataFull::~CCharDataFull() = default;
