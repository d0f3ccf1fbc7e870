#include "app/sheets/shape_sheet_copies.h"

#include <algorithm>

int ShapeSheetCopies::Load(int pageNumber, const CCharDataFull& record) {
  int filled = 0;
  for (Page& page : m_pages) {
    if (pageNumber >= 0 && page.number != pageNumber) continue;
    page.load(record);
    ++filled;
  }
  return filled;
}

bool ShapeSheetCopies::Store(CCharDataFull& record) {
  for (Page& page : m_pages) {
    if (Shown(page) && page.hooks.exchange && !page.hooks.exchange()) return false;
  }
  for (Page& page : m_pages) {
    if (Shown(page)) page.store(record);
  }
  return true;
}

bool ShapeSheetCopies::Holds(int pageNumber) const {
  return std::any_of(m_pages.begin(), m_pages.end(), [&](const Page& page) { return page.number == pageNumber; });
}
