#include "app/tmb_document.h"

CTmbDocument::CTmbDocument() { m_doc.OnNewDocument(); }
