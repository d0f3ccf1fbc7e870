#include "app/sheets/glyph_font_page.h"

#include <QFont>
#include <QLineEdit>

#include "app/dialogs/font_page.h"
#include "core/record/log_font.h"
#include "platform/service/font_chooser.h"
#include "platform/text/code_page.h"
#include "platform/ui/list_rows.h"

namespace {

constexpr int kAxisOrderSet = 2;

}  // namespace

std::vector<tmb::ui::Binding> CGlyphTidePageLiteFontPoint::PageBindings() {
  using namespace tmb::ui;
  return {
      TextEdit(kText, &m_strText, "文字"),
      SignedEdit(527, &m_nCharsPerLine, 1, 128, "１行文字数"),
      SignedEdit(356, &m_nCellSize, 4, 512, "基準フレーム: 大きさ"),
      SignedEdit(358, &m_nMarginX, -128, 1024, "マージン: 左"),
      SignedEdit(359, &m_nMarginY, -128, 1024, "上"),
      SignedEdit(529, &m_nDispX, -512, 512, "文字毎: 変位 X"),
      SignedEdit(530, &m_nDispY, -512, 512, "変位 Y"),
      SignedEdit(535, &m_nScale, 10, 3000, "拡大比"),
      SelectList(kList, &m_lines, true, "桁位置  変位  拡大比"),
      PushButton(kFont, "フォント詳細"),
      PushButton(kUpdate, "更新"),
      PushButton(kAxisOrder, "軸順の再設定"),
  };
}

void CGlyphTidePageLiteFontPoint::MembersFromBlock() {
  const CTextSettings& b = m_values.m_block;
  m_nCharsPerLine = b.m_nCharsPerLine;
  m_nCellSize = b.m_nCellSize;
  m_nMarginX = b.m_nPosX;
  m_nMarginY = b.m_nPosY;
  m_nDispX = b.m_template.m_nPosX;
  m_nDispY = b.m_template.m_nPosY;
  m_nScale = b.m_template.m_nScale;
  m_strText = tmb::SjisToUtf8Lossy(b.m_strText);
}

void CGlyphTidePageLiteFontPoint::MembersIntoBlock() {
  // A member the user left alone still holds the block's value, even one its edit showed
  // clamped.
  CTextSettings& b = m_values.m_block;
  b.m_nCharsPerLine = m_nCharsPerLine;
  b.m_nCellSize = m_nCellSize;
  b.m_nPosX = m_nMarginX;
  b.m_nPosY = m_nMarginY;
  b.m_template.m_nPosX = m_nDispX;
  b.m_template.m_nPosY = m_nDispY;
  b.m_template.m_nScale = m_nScale;
  // The same text is not laid out again, so the entries keep what they hold.
  const std::string text = tmb::Utf8ToSjisLossy(m_strText);
  if (text != b.m_strText) b.Reparse(text);
}

bool CGlyphTidePageLiteFontPoint::ExchangeValues(bool save) {
  if (!save) {
    MembersFromBlock();
    UpdateData(false);
    BuildList();
    return true;
  }
  if (!UpdateData(true)) return false;
  MembersIntoBlock();
  return true;
}

void CGlyphTidePageLiteFontPoint::OnInitDialog() {
  m_nState = 0;
  // The edit refuses a longer text; a longer one the record brought is shown cut and kept
  // while the user leaves it alone (the load below forgets the cut).
  if (auto* edit = qobject_cast<QLineEdit*>(Control(kText))) edit->setMaxLength(kMaxTextChars);
  if (QWidget* list = Control(kList)) list->setFont(CFontPage::ListFont());
  MembersFromBlock();
  UpdateData(false);
  BuildList();
}

void CGlyphTidePageLiteFontPoint::BuildList() {
  const CTextSettings& b = m_values.m_block;
  m_lines.clear();
  for (int i = 0; i < b.UsedEntries(); ++i) m_lines.push_back(CFontPage::EntryLine(b.m_entries[size_t(i)]));
  tmb::ui::SetListLines(Control(kList), m_lines);
}

void CGlyphTidePageLiteFontPoint::UpdateEntries() {
  if (!ExchangeValues(true)) return;
  const std::vector<int> rows = tmb::ui::SelectedRows(Control(kList));
  for (int row : rows) m_values.m_block.StoreTemplateToEntry(row);
  BuildList();
  tmb::ui::SelectRows(Control(kList), rows);
}

void CGlyphTidePageLiteFontPoint::SetAxisOrder() {
  if (!ExchangeValues(true)) return;
  const std::vector<int> rows = tmb::ui::SelectedRows(Control(kList));
  if (!rows.empty()) m_values.m_block.m_nCurEntry = rows.back();
  m_nState = kAxisOrderSet;
}

void CGlyphTidePageLiteFontPoint::ChooseFont() {
  CLogFont& font = m_values.m_block.m_template.m_font;
  tmb::Font chosen = PlatformFontOf(font);
  if (tmb::ChooseFont(chosen)) TakePlatformFont(chosen, font);
}

void CGlyphTidePageLiteFontPoint::OnControlNotify(int id, tmb::ui::Notify code) {
  if (code != tmb::ui::Notify::kClicked) return;
  switch (id) {
    case kFont: ChooseFont(); break;
    case kUpdate: UpdateEntries(); break;
    case kAxisOrder: SetAxisOrder(); break;
    default: break;
  }
}
