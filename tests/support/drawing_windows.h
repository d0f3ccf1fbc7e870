// Drawing windows A and B with a document each, installed as the windows the documents
// see for the life of the object.
#pragma once

#include <memory>

#include "core/document/doc_windows.h"
#include "core/document/tmb_doc.h"

namespace tmb::test {

class DrawingWindows final : public TmbDocWindows {
 public:
  DrawingWindows() { SetTmbDocWindows(this); }
  ~DrawingWindows() override { SetTmbDocWindows(nullptr); }
  DrawingWindows(const DrawingWindows&) = delete;
  DrawingWindows& operator=(const DrawingWindows&) = delete;

  CTmbDoc* DocumentOfKind(int kind) override { return kind == 0 ? docA.get() : kind == 2 ? docB.get() : nullptr; }

  std::unique_ptr<CTmbDoc> docA = std::make_unique<CTmbDoc>();
  std::unique_ptr<CTmbDoc> docB = std::make_unique<CTmbDoc>();
  CCharDataFull* a = &docA->m_char;  // the drawn records
  CCharDataFull* b = &docB->m_char;
};

}  // namespace tmb::test
