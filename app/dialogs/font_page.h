// The font page (template 275) of the writing sheet: one text-settings block of a
// character record, edited whole on a copy: the text, the grid, the default character
// entry and the list of the laid-out entries, with the fonts and pictures of the selected
// ones. The sheet that holds it loads it from the record and hands OK and Cancel on.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/text/text_settings.h"
#include "platform/ui/property_sheet.h"

class CCharDataFull;
class CTmbDoc;
class QFont;

class CFontPage : public tmb::ui::PropertyPage {
 public:
  static constexpr int kList = 522;
  static constexpr int kCharsPerLine = 527;
  static constexpr int kText = 532;
  static constexpr int kUpdate = 533;
  static constexpr int kPicture = 534;
  static constexpr int kFont = 531;
  static constexpr int kAxisOrder = 537;
  static constexpr int kOption = 499;
  static constexpr int kMaxCharsPerLine = 128;
  static constexpr int kMaxTextChars = 128;
  static constexpr int kFontModeParam = 200;
  static constexpr int kOptionParam = 224;

  CFontPage() : PropertyPage(275, "フォント") {}

  // The list line of entry e (UTF-8).
  static std::string EntryLine(const CTextCharEntry& e);
  // The name of a font weight: weight / 100 names one of ten; blank outside 0 to 999.
  static const char* WeightName(int weight);
  // The font the font pages show their lists in: the drawing state's, which the
  // desktop's fixed-pitch font becomes the first time a page asks for it.
  static QFont ListFont();

  // The record's first block into the page (and into the record's second block, as a
  // backup), with the font-mode switch (m_param 200) and the option (m_param 224).
  void Load(CCharDataFull& record);
  // A block of its own into the page, for a page shown on a copy of a block.
  void LoadBlock(const CTextSettings& block);
  // The page back into doc's drawn record, which is flagged as changed. When the switch or
  // the block changed, the strokes laid out from the old block go, after the undo copy.
  void Store(CTmbDoc& doc);

  // The sheet's hand-over on OK and its reload on Cancel; the window kind (0 A, 2 B)
  // whose document the page edits and whose temporary store files the option's release
  // deletes.
  std::function<void()> m_onHandOver;
  std::function<void()> m_onReload;
  int m_nWindowKind = 0;

  void OnOK() override;
  void OnCancel() override;

  CTextSettings m_block;
  int m_nState = 0;  // 0 after the page was set up, 2 after the axis order was set again
  int m_bFontMode = 0;   // 536
  int m_nOption = 0;     // the font-mode option's check
  // Bound members.
  int m_nCharsPerLine = 10;  // 527
  int m_nCellSize = 128;     // 356
  int m_nAspect = 100;       // 357
  int m_nMarginX = 0;        // 358
  int m_nMarginY = 0;        // 359
  int m_nDispX = 0;          // 529
  int m_nDispY = 0;          // 530
  int m_nScale = 100;        // 535
  std::string m_strText;     // 532, UTF-8
  std::vector<std::string> m_lines;  // 522

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog() override;
  void OnNotify(int id, tmb::ui::Notify code) override;

 private:
  void MembersFromBlock();
  // The members into the block, and the text laid out again; the first without the layout.
  void MembersIntoBlock();
  void MembersIntoBlockFields();
  void BuildList();
  // The two edits of an EN_CHANGE, read alone: the text laid out again while the number
  // of characters per line is within its range.
  void TextChanged();
  void UpdateEntries();
  void TakeEntry(int row);
  void ChoosePicture();
  void ChooseFont();
  void SetAxisOrder();
  void RunOption();
  // The document of the page's window is told its font-mode text is to be laid out again.
  void NeedRelayout() const;
  std::vector<int> Selected() const;
};
