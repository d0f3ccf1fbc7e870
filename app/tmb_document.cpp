#include "app/tmb_document.h"

CTmbDocument::CTmbDocument() : m_doc(std::make_unique<CTmbDoc>()) { m_doc->OnNewDocument(); }

CTmbDocument::~CTmbDocument() = default;

int CTmbDocument::LoadFile(const std::string& path, int mode) { return m_doc->LoadFile(path, mode); }

void CTmbDocument::LoadDroppedFile(const std::string& path) { m_doc->LoadDroppedFile(path); }

void CTmbDocument::OpenFileDialog() { m_doc->OpenFileDialog(); }

void CTmbDocument::SaveAs() { m_doc->SaveAs(); }

void CTmbDocument::SaveToCurrentPath() { m_doc->SaveToCurrentPath(); }
