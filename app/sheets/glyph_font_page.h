// The font-point page of the glyph family (template 306 "フォント"): the text-layout page
// reduced to the text (at most 20 characters), the grid, the default character entry and
// the list of the laid-out entries, on a copy of the record's first text-settings block.
// Its Cancel reloads every page.
#pragma once

#include <string>
#include <vector>

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"

class CGlyphTidePageLiteFontPoint : public CShapeSheetPage {
  Q_OBJECT

 public:
  static constexpr int kList = 522;
  static constexpr int kText = 532;
  static constexpr int kFont = 531;
  static constexpr int kUpdate = 533;
  static constexpr int kAxisOrder = 537;
  static constexpr int kMaxTextChars = 20;

  CGlyphTidePageLiteFontPoint() : CShapeSheetPage(306, "フォント", kAllPages) {}

  FontBlockValues m_values;
  int m_nState = 0;  // 0 after the page was set up, 2 after the axis order was set again

  // Loading shows the block; saving takes the edits into the block, a field the user
  // left alone keeping the block's own value.
  bool ExchangeValues(bool save) override;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  void OnInitDialog() override;
  void OnControlNotify(int id, tmb::ui::Notify code) override;

 private:
  void MembersFromBlock();
  void MembersIntoBlock();
  void BuildList();
  void UpdateEntries();
  void SetAxisOrder();
  void ChooseFont();

  // Bound members.
  int m_nCellSize = 128;     // 356
  int m_nCharsPerLine = 10;  // 527
  int m_nMarginY = 0;        // 359
  int m_nMarginX = 0;        // 358
  int m_nDispY = 0;          // 530
  int m_nDispX = 0;          // 529
  int m_nScale = 100;        // 535
  std::string m_strText;     // 532, UTF-8
  std::vector<std::string> m_lines;  // 522
};
