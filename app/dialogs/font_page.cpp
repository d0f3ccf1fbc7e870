#include "app/dialogs/font_page.h"

#include <QFont>
#include <QFontInfo>
#include <QLineEdit>
#include <algorithm>
#include <array>
#include <cstdio>

#include "app/dialogs/font_mode_dialogs.h"
#include "core/document/doc_windows.h"
#include "core/document/tmb_doc.h"
#include "core/file/path_helpers.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "core/store/char_store.h"
#include "core/store/store_paths.h"
#include "platform/service/file_chooser.h"
#include "platform/service/font_chooser.h"
#include "platform/service/messages.h"
#include "platform/text/code_page.h"
#include "platform/ui/font_chooser_dialog.h"
#include "platform/ui/list_rows.h"

namespace {

constexpr char kPictureFilter[] = "(*.bmp;*.png;*.jpg;)|*.bmp;*.png;*.jpg;|(*.*)|*.*||";
constexpr std::array<const char*, 10> kWeightNames = {"",       "THIN",   "ELIGHT", "LIGHT",  "",
                                                      "MEDIUM", "S_BOLD", "B",      "E_BOLD", "HEAVY"};
constexpr int kPictureIndexNone = -1;
constexpr int kMsgStoreNotReleased = 61523;

std::string Field(const char* field, size_t capacity) { return std::string(field, tmb::BoundedLength(field, capacity)); }

}  // namespace

const char* CFontPage::WeightName(int weight) {
  // A damaged weight (negative, or past the table) names nothing.
  if (weight < 0 || weight / 100 >= int(kWeightNames.size())) return "";
  return kWeightNames[size_t(weight / 100)];
}

std::string CFontPage::EntryLine(const CTextCharEntry& e) {
  std::array<char, 512> line{};
  if (e.m_bHidden) {
    const std::string picture(e.Picture());
    std::snprintf(line.data(), line.size(), "PIC %3d,%3d  (%3d,%3d) %3d [%s] ", e.m_nColumn, e.m_nRow, e.m_nPosX,
                  e.m_nPosY, e.m_nScale, picture.empty() ? "Un-setup" : picture.c_str());
  } else {
    std::string c(e.Char());
    if (c == " ") c = "<>";
    if (c == "\x81\x40") c = "[]";  // the full-width space
    const std::string face = Field(e.m_font.faceName, CLogFont::kFaceNameSize);
    std::snprintf(line.data(), line.size(), "%2s  %3d,%3d  (%3d,%3d) %3d [%s] %1s %s", c.c_str(), e.m_nColumn,
                  e.m_nRow, e.m_nPosX, e.m_nPosY, e.m_nScale, face.c_str(), e.m_font.italic ? "I" : " ",
                  WeightName(e.m_font.weight));
  }
  return tmb::SjisToUtf8Lossy(line.data());
}

void CFontPage::Load(CCharDataFull& record) {
  m_block.CopyFrom(record.m_textSettings[0], 0);
  record.m_textSettings[1].CopyFrom(record.m_textSettings[0], 0);
  m_bFontMode = record.m_param[kFontModeParam];
  m_nOption = record.m_param[kOptionParam];
  MembersFromBlock();
  if (built()) {
    UpdateData(false);
    BuildList();
  }
}

void CFontPage::LoadBlock(const CTextSettings& block) {
  m_block.CopyFrom(block, 0);
  MembersFromBlock();
  if (built()) {
    UpdateData(false);
    BuildList();
  }
}

void CFontPage::Store(CTmbDoc& doc) {
  CCharDataFull& rec = doc.m_char;
  const bool changed = rec.m_param[kFontModeParam] != m_bFontMode || rec.m_textSettings[0].Differs(m_block) != 0;
  if (changed && rec.m_nPoints > 0) {
    // The strokes laid out from the old block go: the user can take them back.
    doc.SaveUndoCopy();
    rec.ClearPoints();
  }
  rec.m_textSettings[0].CopyFrom(m_block, 0);
  rec.m_param[kFontModeParam] = m_bFontMode;
  rec.m_param[kOptionParam] = m_nOption;
  rec.m_nOutlineDirty = 1;
  rec.m_bModified = 1;
}

void CFontPage::MembersFromBlock() {
  m_nCharsPerLine = m_block.m_nCharsPerLine;
  m_nCellSize = m_block.m_nCellSize;
  m_nAspect = m_block.m_nAspect;
  m_nMarginX = m_block.m_nPosX;
  m_nMarginY = m_block.m_nPosY;
  m_nDispX = m_block.m_template.m_nPosX;
  m_nDispY = m_block.m_template.m_nPosY;
  m_nScale = m_block.m_template.m_nScale;
  m_strText = tmb::SjisToUtf8Lossy(m_block.m_strText);
}

void CFontPage::MembersIntoBlock() {
  MembersIntoBlockFields();
  m_block.Reparse(tmb::Utf8ToSjisLossy(m_strText));
}

void CFontPage::MembersIntoBlockFields() {
  m_block.m_nCharsPerLine = m_nCharsPerLine;
  m_block.m_nCellSize = m_nCellSize;
  m_block.m_nAspect = m_nAspect;
  m_block.m_nPosX = m_nMarginX;
  m_block.m_nPosY = m_nMarginY;
  m_block.m_template.m_nPosX = m_nDispX;
  m_block.m_template.m_nPosY = m_nDispY;
  m_block.m_template.m_nScale = m_nScale;
}

std::vector<tmb::ui::Binding> CFontPage::Bindings() {
  using namespace tmb::ui;
  return {
      TextEdit(kText, &m_strText, "文字"),
      SignedEdit(kCharsPerLine, &m_nCharsPerLine, 1, kMaxCharsPerLine, "１行文字数"),
      SignedEdit(356, &m_nCellSize, 4, 512, "基準フレーム: 大きさ"),
      SignedEdit(357, &m_nAspect, 4, 1024, "縦横比"),
      SignedEdit(358, &m_nMarginX, -128, 1024, "マージン: 左"),
      SignedEdit(359, &m_nMarginY, -128, 1024, "上"),
      SignedEdit(529, &m_nDispX, -512, 512, "文字毎: 変位 X"),
      SignedEdit(530, &m_nDispY, -512, 512, "変位 Y"),
      SignedEdit(535, &m_nScale, 10, 3000, "拡大比"),
      CheckBox(536, &m_bFontMode, "フォントモード"),
      SelectList(kList, &m_lines, true, "桁位置  変位  拡大比"),
      PushButton(kUpdate, "更新"),
      PushButton(kPicture, "画像ファイル読込"),
      PushButton(kFont, "フォント詳細"),
      PushButton(kAxisOrder, "軸順の再設定"),
      PushButton(kOption, "オプション"),
  };
}

QFont CFontPage::ListFont() {
  tmb::Font& font = gDrawState.m_font;
  if (font.faceName.empty()) {
    const QFont fixed = tmb::ui::ListFont();
    tmb::ui::TakeQFont(fixed, font);
    font.height = -QFontInfo(fixed).pixelSize();
  }
  return tmb::ui::ToQFont(font);
}

void CFontPage::OnInitDialog() {
  m_nState = 0;
  if (auto* edit = qobject_cast<QLineEdit*>(Control(kText))) edit->setMaxLength(kMaxTextChars);
  // The lines are columns of fixed width.
  if (QWidget* list = Control(kList)) list->setFont(ListFont());
  m_block.m_template.SetPicture("");
  BuildList();
}

void CFontPage::BuildList() {
  m_lines.clear();
  for (int i = 0; i < m_block.UsedEntries(); ++i) m_lines.push_back(EntryLine(m_block.m_entries[size_t(i)]));
  tmb::ui::SetListLines(Control(kList), m_lines);
}

std::vector<int> CFontPage::Selected() const { return tmb::ui::SelectedRows(Control(kList)); }

void CFontPage::TextChanged() {
  auto* count = qobject_cast<QLineEdit*>(Control(kCharsPerLine));
  auto* text = qobject_cast<QLineEdit*>(Control(kText));
  if (!count || !text) return;
  bool ok = false;
  const int perLine = count->text().trimmed().toInt(&ok);
  // A count being typed, or out of range, lays nothing out and says nothing yet: OK
  // checks it.
  if (!ok || perLine < 1 || perLine > kMaxCharsPerLine) return;
  m_nCharsPerLine = perLine;
  m_strText = text->text().toStdString();
  m_block.m_nCharsPerLine = perLine;
  m_block.Reparse(tmb::Utf8ToSjisLossy(m_strText));
  BuildList();
}

void CFontPage::UpdateEntries() {
  const int before = m_block.m_nCharsPerLine;
  if (!UpdateData(true)) return;
  const std::vector<int> rows = Selected();
  if (m_nCharsPerLine == before && rows.empty()) return;
  // The lines the user selected take the default entry before the text is laid out again,
  // so that each takes it where it stood in the list.
  MembersIntoBlockFields();
  for (int row : rows) m_block.StoreTemplateToEntry(row);
  m_block.Reparse(tmb::Utf8ToSjisLossy(m_strText));
  BuildList();
  tmb::ui::SelectRows(Control(kList), rows);
}

void CFontPage::TakeEntry(int row) {
  if (row < 0 || row >= m_block.UsedEntries()) return;
  const CTextCharEntry& e = m_block.m_entries[size_t(row)];
  m_block.m_template = e;
  m_nDispX = e.m_nPosX;
  m_nDispY = e.m_nPosY;
  m_nScale = e.m_nScale;
  UpdateData(false);
  OnInitDialog();
}

void CFontPage::ChoosePicture() {
  CImageListDlg list;
  list.FillFromStore();
  const int answer = list.DoModal(this);
  CTextCharEntry& t = m_block.m_template;
  if (answer == tmb::ui::kIdOk && list.m_nChosen >= 0) {
    t.SetPicture(list.m_strChosen);
    t.m_nPictureIndex = list.m_nChosen;
  } else {
    // Without a listed picture (a new file asked for, or the list closed) a file is chosen.
    tmb::FileChoice choice;
    choice.filter = kPictureFilter;
    choice.folder = gDrawState.m_szLastFolder;
    choice.fileName = "*.bmp";
    std::string path;
    if (!tmb::Choosers().OpenFile(choice, path)) return;
    t.SetPicture(tmb::Utf8ToSjisLossy(path));
    t.m_nPictureIndex = kPictureIndexNone;
    // The next picture is looked for where this one was.
    gDrawState.m_szLastFolder = GetDirectoryOfPath(path);
  }
  for (int row : Selected()) {
    CTextCharEntry& e = m_block.m_entries[size_t(row)];
    e.SetPicture(t.Picture());
    e.m_nPictureIndex = t.m_nPictureIndex;
  }
  BuildList();
  NeedRelayout();
}

void CFontPage::ChooseFont() {
  tmb::Font font = PlatformFontOf(m_block.m_template.m_font);
  if (tmb::ChooseFont(font)) TakePlatformFont(font, m_block.m_template.m_font);
}

void CFontPage::SetAxisOrder() {
  if (!UpdateData(true)) return;
  const std::vector<int> rows = Selected();
  if (!rows.empty()) m_block.m_nCurEntry = rows.back();
  m_nState = 2;
}

void CFontPage::RunOption() {
  CFontModeOptionDlg option;
  option.m_bOutlineEffect = m_nOption;
  if (!tmb::ui::IsAccepted(option.DoModal(this))) return;
  m_nOption = option.m_bOutlineEffect;
  if (option.m_nAction == CFontModeOptionDlg::kActionRelease) {
    // The axis lines saved with files were read into this window's temporary store.
    const int set = m_nWindowKind == kKindDrawB ? 2 : 1;
    if (CharStore().RemoveTempFiles(set) != 1) {
      tmb::Beep();
      tmb::ShowMessage(kMsgStoreNotReleased, tmb::kMsgOk, {StoreFolder().string()});
    }
    NeedRelayout();
  }
}

void CFontPage::NeedRelayout() const {
  if (CTmbDoc* doc = TmbDocOfKind(m_nWindowKind)) doc->m_nFontModeState = kFontModeRelayout;
}

void CFontPage::OnNotify(int id, tmb::ui::Notify code) {
  if (code == tmb::ui::Notify::kChanged && (id == kText || id == kCharsPerLine)) {
    TextChanged();
    return;
  }
  if (code == tmb::ui::Notify::kDoubleClick && id == kList) {
    TakeEntry(tmb::ui::SelectedRow(Control(kList)));
    return;
  }
  if (code != tmb::ui::Notify::kClicked) return;
  switch (id) {
    case kUpdate: UpdateEntries(); break;
    case kPicture: ChoosePicture(); break;
    case kFont: ChooseFont(); break;
    case kAxisOrder: SetAxisOrder(); break;
    case kOption: RunOption(); break;
    default: break;
  }
}

void CFontPage::OnOK() {
  NeedRelayout();
  if (built()) MembersIntoBlock();
  if (m_onHandOver) m_onHandOver();
}

void CFontPage::OnCancel() {
  if (m_onReload) m_onReload();
}
