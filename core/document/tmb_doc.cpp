#include "core/document/tmb_doc.h"

#include <new>

#include "platform/service/messages.h"

CTmbDoc::CTmbDoc()
    : m_attr(std::make_unique<uint8_t[]>(kMaxCharPoints)), m_attr2(std::make_unique<uint8_t[]>(kMaxCharPoints)) {
  m_char.m_pPointAttr = m_attr.get();
  m_char.m_pPointAttr2 = m_attr2.get();
  m_pFloatPoints.reset(new (std::nothrow) CFPoint[kMaxCharPoints]);
  if (!m_pFloatPoints) {
    tmb::Beep();
    tmb::ShowMessage(62043);
  }
}

CTmbDoc::~CTmbDoc() {
  m_char.m_pPointAttr = nullptr;
  m_char.m_pPointAttr2 = nullptr;
}

int CTmbDoc::OnNewDocument() {
  m_char.SetDefaults();
  m_nReserved = 0;
  m_bHasPath = 0;
  m_bUndoValid = 0;
  m_bUndoAtNextStroke = 0;
  m_bTempSaved = 0;
  m_bUndoBeforeOpen = m_bTempSaveBeforeOpen = 0;
  m_work.m_nPoints = 0;
  m_base[kBaseUndo].m_nPoints = 0;
  m_base[kBaseTempSave].m_nPoints = 0;
  m_char.m_bLoaded = 1;
  m_char.m_bPicturesPending = 0;
  m_char.m_nExtValue = 0;
  m_char.m_nFrameCount = 31;
  m_char.m_nFramePending = 0;
  return 1;
}

void CTmbDoc::SaveUndoCopy() {
  m_base[kBaseUndo].CopyFrom(m_char);
  m_bUndoValid = 1;
  m_bUndoAtNextStroke = 0;
  m_bUndoBeforeOpen = 0;
}

void CTmbDoc::TempSave() {
  m_base[kBaseTempSave].CopyFrom(m_char);
  m_bTempSaved = 1;
  m_bTempSaveBeforeOpen = 0;
}

int CTmbDoc::RestoreBase(BaseRecord which) {
  const bool undo = which == kBaseUndo;
  if (!(undo ? m_bUndoValid : m_bTempSaved)) return 0;
  m_char.CopyFrom(m_base[which]);
  if (undo) m_bUndoValid = 0;
  // Saved under the opened file's path, that file would get the character it replaced.
  if (undo ? m_bUndoBeforeOpen : m_bTempSaveBeforeOpen) ForgetCurrentFile();
  return 1;
}
