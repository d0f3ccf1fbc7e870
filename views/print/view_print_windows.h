// The windows as the page renderer meets them: each window's registered print source, and
// the character of a drawing window laid out as outlines by redrawing its view.
#pragma once

#include "views/print/page_renderer.h"

class CViewPrintWindows final : public CPrintWindows {
 public:
  CPrintSource* SourceOfKind(int kind) override;
  bool LayOutOutlines(int kind, CPathSequence& sequence) override;
};

// The page renderer's page of the windows, and whether there is one, with the print target
// held at kind meanwhile: a window that prints itself prints its own picture.
int RenderPrintPageOfKind(tmb::PageContext& page, int kind);
bool CanPrintPageOfKind(int kind);
