#include "app/dialogs/dict_file_dialog.h"

#include <QFont>
#include <QWidget>
#include <algorithm>
#include <filesystem>

#include "app/settings/settings_glue.h"
#include "app/dialogs/font_page.h"
#include "app/tmb_app.h"
#include "convert/driver/tablet_ink.h"
#include "core/document/tmb_doc.h"
#include "core/file/path_helpers.h"
#include "core/state/draw_state.h"
#include "convert/driver/dictionary_runs.h"
#include "core/effect/effect_script.h"
#include "platform/file/safe_save.h"
#include "platform/service/file_chooser.h"
#include "platform/service/messages.h"
#include "platform/text/code_page.h"
#include "platform/text/user_text.h"
#include "platform/ui/binding_form.h"
#include "views/tmb_view.h"

CDictFileDlg gDictFileDlg;

namespace {

constexpr char kTextFilter[] = "(*.txt)|*.txt|(*.*)|*.*||";
constexpr int kMsgFileError = 62047;
constexpr int kActionSave = 1;
constexpr int kActionOverwrite = 2;
constexpr int kActionRead = 3;

tmb::FileChoice TextChoice(const std::string& path) {
  tmb::FileChoice choice;
  choice.filter = kTextFilter;
  choice.folder = path.empty() ? gDrawState.m_szLastFolder : GetDirectoryOfPath(path);
  choice.fileName = path.empty() ? "*.txt" : GetFileNameOfPath(path);
  choice.defaultExtension = "txt";
  return choice;
}

}  // namespace

std::vector<tmb::ui::Binding> CDetailSettingDlg::Bindings() {
  using namespace tmb::ui;
  return {
      CheckBox(662, &m_bFit, "縦横比にフィット"),
      CheckBox(663, &m_bCentre, "センタリング"),
      SignedEdit(664, &m_nScale, 1, kMaxScale, "スケール"),
      SpinButton(665, 664, 1, kMaxScale),
  };
}

std::vector<tmb::ui::Binding> CDictFileDlg::Bindings() {
  using namespace tmb::ui;
  return {
      MultiLineEdit(kTextEdit, &m_strText, "文字"),
      PushButton(kSaveButton, "保存"),
      PushButton(kOverwriteButton, "上書き保存"),
      PushButton(kLoadButton, "読込"),
      PushButton(kExpandButton, "展開: 実行"),
      PushButton(kRegisterButton, "登録: 実行"),
      PushButton(kFrameButton, "フレーム"),
      PushButton(kDetailButton, "詳細設定"),
  };
}

void CDictFileDlg::OnInitDialog(tmb::ui::DialogWindow& window) {
  if (QWidget* edit = window.Control(kTextEdit)) edit->setFont(CFontPage::ListFont());
}

void CDictFileDlg::OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) {
  if (code != tmb::ui::Notify::kClicked) return;
  switch (id) {
    case kSaveButton:
    case kOverwriteButton:
      if (!window.form()->UpdateData(true)) return;
      m_nAction = id == kSaveButton ? kActionSave : kActionOverwrite;
      SaveText(id == kOverwriteButton);
      break;
    case kLoadButton: ReadTextFile(window); break;
    case kExpandButton: Expand(window); break;
    case kRegisterButton:
      if (window.form()->UpdateData(true)) Register();
      break;
    case kFrameButton: EditFrame(); break;
    case kDetailButton: EditDetails(); break;
    default: break;
  }
}

CTmbDoc* CDictFileDlg::TargetDocument(CTmbView*& view) const {
  view = CTmbView::ViewOfKind(m_nWindow ? kKindDrawB : kKindDrawA);
  CTmbDoc* doc = view ? view->GetDocument() : nullptr;
  if (!doc) tmb::Beep();
  return doc;
}

void CDictFileDlg::ReadTextFile(tmb::ui::DialogWindow& window) {
  std::string path;
  if (!tmb::Choosers().OpenFile(TextChoice(m_strPath), path)) return;
  gDrawState.m_szLastFolder = GetDirectoryOfPath(path);
  std::string bytes;
  if (LoadTextFile(bytes, path, kMaxFileBytes) < 0) {
    tmb::Beep();
    tmb::ShowMessage(kMsgFileError);
    return;
  }
  m_strPath = path;
  m_strText = tmb::UserTextToUtf8(bytes);
  window.form()->UpdateData(false);
  OnInitDialog(window);
  m_nAction = kActionRead;
}

bool CDictFileDlg::WriteTextFile(const std::string& path) {
  const std::string bytes = tmb::Utf8ToSjisLossy(m_strText);
  if (!tmb::SaveFileAtomically(std::filesystem::u8path(path), bytes.data(), bytes.size())) {
    tmb::Beep();
    tmb::ShowMessage(kMsgFileError);
    return false;
  }
  return true;
}

void CDictFileDlg::SaveText(bool overwrite) {
  std::string path = m_strPath;
  // Overwriting needs a file: without one it asks, as saving does.
  if ((!overwrite || path.empty()) && !tmb::Choosers().SaveFile(TextChoice(path), path)) return;
  if (WriteTextFile(path)) m_strPath = path;
}

void CDictFileDlg::Expand(tmb::ui::DialogWindow& window) {
  if (!window.form()->UpdateData(true)) return;
  const std::string text = tmb::Utf8ToSjisLossy(m_strText);
  // An empty text expands nothing: the dialog stays for the user to type one.
  if (SplitTextCharacters(text) == 0) return;
  CTmbView* view = nullptr;
  CTmbDoc* doc = TargetDocument(view);
  if (!doc) return;
  // The detail values chosen in this run are the ones the expansion uses; OK, which it
  // ends with, keeps them in the record.
  ParamBlock& p = doc->m_char.m_param;
  p[kDictScaleParam] = m_bFit;
  p[kDictCentreParam] = m_bCentre;
  p[kDictPercentParam] = m_nScale;
  if (ExpandTextCharacters(*doc, text) != 1) return;
  // The strokes written before are gone with the expansion: the redraw drops the ink
  // they were, and the expanded characters are no ink to be read again.
  const int w = m_nWindow ? 1 : 0;
  gInkModes[size_t(w)] = kInkDiscard;
  view->ReleaseOffscreenDCs();
  view->RedrawInSteps(0);
  // A redraw that converted nothing (the points shown bare) dropped nothing either.
  if (TabletInkOf(w).InkPointCount() > 0) TabletInkOf(w).ClearInk();
  gInkModes[size_t(w)] = kInkLeave;
  // The frames of the expanded characters over them, with their labels.
  view->RepaintBackBuffer();
  window.accept();
}

void CDictFileDlg::Register() {
  CTmbView* view = nullptr;
  CTmbDoc* doc = TargetDocument(view);
  if (!doc) return;
  const int result = RegisterTextCharacters(doc->m_char, tmb::Utf8ToSjisLossy(m_strText), m_nWindow ? 1 : 0);
  if (result == 0) tmb::Beep();
  if (result < 0) tmb::ShowMessage(kMsgFileError);
  view->RedrawInSteps(0);
  // The runs of strokes that were registered show on the character.
  if (result > 0) view->RepaintBackBuffer();
}

void CDictFileDlg::EditFrame() {
  CTmbView* view = nullptr;
  CTmbDoc* doc = TargetDocument(view);
  if (!doc) return;
  if (RunGuideFrameDialog(doc->m_char) == 0) return;
  view->RefreshWritingArea();
  view->RedrawGuides();
}

void CDictFileDlg::EditDetails() {
  CDetailSettingDlg detail;
  detail.m_bFit = m_bFit;
  detail.m_bCentre = m_bCentre;
  detail.m_nScale = std::clamp(m_nScale, 1, CDetailSettingDlg::kMaxScale);
  if (!tmb::ui::IsAccepted(detail.DoModal(theApp.mainWindow()))) return;
  m_bFit = detail.m_bFit;
  m_bCentre = detail.m_bCentre;
  m_nScale = detail.m_nScale;
}

int RunDictionaryDialog(CTmbView* view) {
  CTmbDoc* doc = view ? view->GetDocument() : nullptr;
  if (!doc) return -1;
  CDictFileDlg& dlg = gDictFileDlg;
  ParamBlock& p = doc->m_char.m_param;
  dlg.m_nWindow = view->m_nKind == kKindDrawB ? 1 : 0;
  dlg.m_bFit = p[kDictScaleParam];
  dlg.m_bCentre = p[kDictCentreParam];
  dlg.m_nScale = p[kDictPercentParam];
  if (dlg.DoModal(theApp.mainWindow()) != tmb::ui::kIdOk) return -1;
  p[kDictScaleParam] = dlg.m_bFit;
  p[kDictCentreParam] = dlg.m_bCentre;
  p[kDictPercentParam] = dlg.m_nScale;
  return 1;
}
