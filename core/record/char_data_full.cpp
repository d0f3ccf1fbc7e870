#include "core/record/char_data_full.h"

#include "core/file/stored_path.h"
#include "platform/text/code_page.h"

CCharDataFull::CCharDataFull()
    : m_pLevels(std::make_unique<int8_t[]>(kMaxCharPoints)), m_pLinks(std::make_unique<uint8_t[]>(kMaxCharPoints)) {
  m_textFont = DefaultTextFont();
  m_bModified = 0;
  m_bActive = 1;
  ResetSettings();
}

CCharDataFull::~CCharDataFull() = default;

std::string CCharDataFull::BackgroundPicturePath(int k) const {
  if (k != 0 && k != 1) return {};
  const std::string& text = m_text[static_cast<size_t>(kTextPicture1 + k)];
  const std::string& temp = m_tempPictures.Path(k);
  if (!temp.empty() && !text.empty() && text == tmb::Utf8ToSjisLossy(temp)) return temp;
  return ResolveStoredPath(text);
}
