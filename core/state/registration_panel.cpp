// The registration panel's list state and layout: the current character, the search for
// the next one without a picture, the prompt, and where the panel's parts lie on the paper.
#include "core/state/registration_panel.h"

#include <algorithm>

#include "core/state/draw_state.h"

namespace {

constexpr int kButtonWidth = 100;
constexpr int kPanelRightInset = 50;
constexpr int kPanelTop = 25;
constexpr int kPanelMargin = 20;  // the panel is at least two buttons and twice this wide
constexpr int kTextListWidth = 240;
constexpr int kTextListHeight = 50;
constexpr int kCellsPerRow = 20;  // a box is two cells wide
constexpr int kBoxesPerRow = kCellsPerRow / 2;
// An empty wide list is laid out as one of this many bytes.
constexpr int kEmptyListBytes = 40;
constexpr int kGap = 20;  // between the list, the prompt, the picture box and the writing box
constexpr int kMinRowHeight = 16;

}  // namespace

int CRegistrationPanel::ListRows() const {
  const int bytes = m_entries.empty() ? kEmptyListBytes : int(m_entries.size() * 2);
  return bytes / kCellsPerRow + 1;
}

void CRegistrationPanel::SetList(CCharacterList list) {
  m_entries = std::move(list.entries);
  m_listText = std::move(list.text);
  m_bWide = list.wide;
  m_nCurrent = -1;
  m_bAllDone = 0;
  m_nHover = -1;
  LookUpPictures();
  // A new list of the same kind keeps the layout: its boxes still get their rows.
  LayOutRows();
}

void CRegistrationPanel::LayOutRows() {
  m_rows.clear();
  if (!m_bWide) return;
  const int rows = ListRows();
  gDrawState.m_textCell = {2 * m_nCellWidth, m_nCellHeight};
  m_rows.resize(size_t(rows));
  for (int r = 0; r < rows; ++r) {
    SetupTextRow(m_rows[size_t(r)], {m_rcList.left, m_rcList.top + r * m_nCellHeight}, m_rcList.Width(),
                 kBoxesPerRow, r * kBoxesPerRow, m_nCurrent);
  }
}

void CRegistrationPanel::LookUpPictures() {
  for (CRegistrationEntry& e : m_entries) {
    e.done = !m_bNoCheck && LargestPictureNumber(m_szFolder, PictureBaseName(e, m_bCodeNames)) > 0 ? 1 : 0;
  }
}

void CRegistrationPanel::Layout(int canvasWidth, tmb::Size characterImage, int rowHeight) {
  const int row = std::max(rowHeight, kMinRowHeight);
  const int buttonHeight = row * 9 / 10;
  const int width = std::max(2 * kButtonWidth + 2 * kPanelMargin, m_sizePicture.cx);
  const int left = canvasWidth - kPanelRightInset - width;
  m_rcPanel = {left, kPanelTop, left + width, kPanelTop};
  const int bx = left + (width - 2 * kButtonWidth) / 2;
  int y = kPanelTop + 10;
  for (int i = 0; i < 4; ++i) {
    const int x = bx + (i % 2) * kButtonWidth, top = y + (i / 2) * buttonHeight;
    m_rcButtons[size_t(i)] = {x, top, x + kButtonWidth, top + buttonHeight};
  }
  y += 2 * buttonHeight + 10;
  if (m_bWide) {
    m_nCellWidth = (width - 2 * 10) / kCellsPerRow;
    m_nCellHeight = 2 * m_nCellWidth;
    const int rows = ListRows();
    const int listWidth = m_nCellWidth * kCellsPerRow;
    const int lx = left + (width - listWidth) / 2;
    m_rcList = {lx, y, lx + listWidth, y + rows * m_nCellHeight};
  } else {
    const int lx = left + (width - kTextListWidth) / 2;
    m_rcList = {lx, y, lx + kTextListWidth, y + kTextListHeight};
  }
  LayOutRows();
  m_nTextHeight = row;
  y = m_rcList.bottom + kGap;
  m_rcPrompt = {left + 4, y, left + width - 4, y + row};
  y = m_rcPrompt.bottom;
  if (m_bPictureBox) {
    const int px = left + (width - m_sizePicture.cx) / 2;
    m_rcPicture = {px, y + kGap, px + m_sizePicture.cx, y + kGap + m_sizePicture.cy};
    y = m_rcPicture.bottom;
  } else {
    m_rcPicture = {};
  }
  m_rcPanel.bottom = y + 10;
  const int wx = left + (width - characterImage.cx) / 2;
  m_rcWriting = {wx, m_rcPanel.bottom + kGap, wx + characterImage.cx, m_rcPanel.bottom + kGap + characterImage.cy};
}

tmb::Rect CRegistrationPanel::BoxOf(int i) const {
  const size_t r = size_t(i / kBoxesPerRow), c = size_t(i % kBoxesPerRow);
  return i >= 0 && r < m_rows.size() ? m_rows[r].cells[c] : tmb::Rect{};
}

tmb::Rect CRegistrationPanel::BoxTextOf(int i) const {
  const size_t r = size_t(i / kBoxesPerRow), c = size_t(i % kBoxesPerRow);
  return i >= 0 && r < m_rows.size() ? m_rows[r].inner[c] : tmb::Rect{};
}

int CRegistrationPanel::EntryAt(int x, int y) const {
  if (!m_bWide || m_nCellHeight <= 0 || y < m_rcList.top) return -1;
  const size_t r = size_t((y - m_rcList.top) / m_nCellHeight);
  if (r >= m_rows.size()) return -1;
  const CTextRow& row = m_rows[r];
  for (size_t c = 0; c < row.cells.size(); ++c) {
    if (!row.cells[c].Contains({x, y})) continue;
    const int i = row.first + int(c);
    return i < int(m_entries.size()) ? i : -1;
  }
  return -1;
}

int CRegistrationPanel::NextUnwritten(int from) const {
  for (int i = std::max(from, 0); i < int(m_entries.size()); ++i) {
    if (m_bNoCheck || !m_entries[size_t(i)].done) return i;
  }
  return -1;
}

std::string CRegistrationPanel::Prompt() const {
  if (m_bAllDone && !m_entries.empty()) return "文字は全て登録済みです";
  if (m_nCurrent < 0 || m_nCurrent >= int(m_entries.size())) return "文字の書き込みが可能です";
  const CRegistrationEntry& e = m_entries[size_t(m_nCurrent)];
  return "「 " + e.text + (e.done ? " 」は書込済みの文字です   " : " 」を書き込んでください   ");
}

int CRegistrationPanel::EntryAtTextPos(int pos) const {
  for (size_t i = 0; i < m_entries.size(); ++i) {
    if (m_entries[i].textPos >= pos) return int(i);
  }
  return -1;
}
