#include "app/dialogs/effect_script_forms.h"

#include <QFont>
#include <QWidget>
#include <cstdint>

#include "app/dialogs/font_page.h"
#include "app/tmb_app.h"
#include "core/file/path_helpers.h"
#include "core/file/stored_path.h"
#include "core/effect/effect_def.h"
#include "platform/service/file_chooser.h"
#include "platform/service/messages.h"
#include "platform/text/code_page.h"
#include "platform/ui/binding_form.h"

namespace {

constexpr int kScriptEdit = 102;
constexpr int kMsgSuffixFolder = 61548;
constexpr char kScriptFilter[] = "(ef*.txt)|ef*.txt|(*.txt)|*.txt|(*.*)|*.*||";

// Scripts show in the text font of the drawing state.
void UseTextFont(tmb::ui::DialogWindow& window) {
  if (QWidget* edit = window.Control(kScriptEdit)) edit->setFont(CFontPage::ListFont());
}

std::string Narrow(const std::string& utf8) { return tmb::Utf8ToSjis(utf8).value_or(tmb::Utf8ToSjisLossy(utf8)); }

}  // namespace

bool COneTouchEffectForm::IsSafeSuffix(const std::string& suffix) {
  return suffix.find('/') == std::string::npos && suffix.find('\\') == std::string::npos;
}

int COneTouchEffectForm::Run(COneTouchEffectDlg& values) {
  m_values = values;
  m_strSuffix = tmb::SjisToUtf8Lossy(values.m_strSuffix);
  m_strFile = tmb::SjisToUtf8Lossy(values.m_strFile);
  if (!tmb::ui::IsAccepted(DoModal(theApp.mainWindow()))) return tmb::kAnswerCancel;
  TakeFileName();
  m_values.m_strSuffix = Narrow(m_strSuffix);
  m_values.m_nAction = m_nAction;
  values = m_values;
  return tmb::kAnswerOk;
}

void COneTouchEffectForm::TakeFileName() { m_values.m_strFile = Narrow(m_strFile); }

std::vector<tmb::ui::Binding> COneTouchEffectForm::Bindings() {
  using namespace tmb::ui;
  COneTouchEffectDlg& v = m_values;
  return {
      // The second button takes an id of its own: 326 is the X edit.
      RadioButtons({kColourRadio, kPointRadio}, &v.m_nColourSource,
                   {"編集ｳｨﾝﾄﾞｳの現背景色([カラー変更]で変更可)", "領域内の指定点の色"}, "背景色"),
      UnsignedEdit(kPointX, &v.m_nPointX, 0, UINT32_MAX, "X (左上から)"),
      UnsignedEdit(kPointY, &v.m_nPointY, 0, UINT32_MAX, "Y (左上から)"),
      TextEdit(kSuffix, &m_strSuffix,
               "ファイル名への付加文字 (例えば“t”を指定し、ファイル名が a.bmp であれば、効果が付けられた新しいファイル名は "
               "at.bmp となります。)"),
      TextEdit(kFile, &m_strFile, "エフェクトスクリプトファイル"),
      PushButton(kOpen, "開く"),
      PushButton(kEdit, "編集"),
      PushButton(kSave, "保存"),
      ActionButton(kRunOnFiles, 1, "ファイル選択・実行"),
  };
}

bool COneTouchEffectForm::OnValidate(tmb::ui::DialogWindow& window) {
  if (IsSafeSuffix(m_strSuffix)) return true;
  tmb::ShowMessage(kMsgSuffixFolder, tmb::kMsgOk, {m_strSuffix});
  if (QWidget* edit = window.Control(kSuffix)) edit->setFocus();
  return false;
}

void COneTouchEffectForm::OpenScript(tmb::ui::DialogWindow& window) {
  tmb::FileChoice choice;
  choice.filter = kScriptFilter;
  const std::string current = ResolveStoredPath(m_values.m_strFile);
  choice.folder = GetDirectoryOfPath(current);
  choice.fileName = "*.txt";
  std::string path;
  if (!tmb::Choosers().OpenFile(choice, path)) return;
  m_strFile = path;
  TakeFileName();
  if (CEffectDef* def = m_values.m_pDef) {
    def->m_strFile = m_values.m_strFile;
    def->ReportScript(def->Reload(1));
  }
  window.form()->UpdateData(false);
}

void COneTouchEffectForm::OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) {
  if (code != tmb::ui::Notify::kClicked) return;
  CEffectDef* def = m_values.m_pDef;
  switch (id) {
    case kOpen: OpenScript(window); break;
    case kEdit:
      if (!def || !window.form()->UpdateData(true)) return;
      TakeFileName();
      if (def->EditScript(m_values.m_strFile) == 1) {
        m_strFile = tmb::SjisToUtf8Lossy(m_values.m_strFile);
        window.form()->UpdateData(false);
      }
      break;
    case kSave:
      if (!def || !window.form()->UpdateData(true)) return;
      TakeFileName();
      // Without a file name the save asks for one.
      if (def->SaveScriptAs(m_values.m_strFile, m_values.m_strFile.empty() ? 2 : 1) == 1) {
        m_strFile = tmb::SjisToUtf8Lossy(m_values.m_strFile);
        window.form()->UpdateData(false);
      }
      break;
    default: break;
  }
}

int CEffectScriptForm::Run(CEffectScriptDlg& values) {
  m_strText = tmb::SjisToUtf8Lossy(values.m_strText);
  if (!tmb::ui::IsAccepted(DoModal(theApp.mainWindow()))) return tmb::kAnswerCancel;
  values.m_strText = Narrow(m_strText);
  if (m_nAction != 0) values.m_nAction = m_nAction;
  return tmb::kAnswerOk;
}

std::vector<tmb::ui::Binding> CEffectScriptForm::Bindings() {
  using namespace tmb::ui;
  return {
      MultiLineEdit(kScriptEdit, &m_strText, "スクリプト"),
      ActionButton(354, 1, "上書き保存"),
      ActionButton(407, 2, "新規保存"),
  };
}

void CEffectScriptForm::OnInitDialog(tmb::ui::DialogWindow& window) { UseTextFont(window); }

std::vector<tmb::ui::Binding> CFontModeScriptDlg::Bindings() {
  return {tmb::ui::MultiLineEdit(kScriptEdit, &m_strText, "スクリプト")};
}

void CFontModeScriptDlg::OnInitDialog(tmb::ui::DialogWindow& window) { UseTextFont(window); }
