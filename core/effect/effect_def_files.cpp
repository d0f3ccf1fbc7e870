// A definition's script file: reading it, telling the user what cannot run, saving and
// editing the text, and the one-touch effect dialog that names the file.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/file/path_helpers.h"
#include "core/file/stored_path.h"
#include "core/state/draw_state.h"
#include "core/effect/effect_def.h"
#include "core/effect/effect_dialogs.h"
#include "core/effect/effect_script.h"
#include "platform/file/safe_save.h"
#include "platform/service/file_chooser.h"
#include "platform/service/messages.h"
#include "platform/text/code_page.h"
#include "platform/text/user_text.h"

namespace {

constexpr int kMsgOpenFileError = 62047;
constexpr int kMsgScriptUnreadable = 61540;  // the file, UTF-8
constexpr int kMsgScriptTooLarge = 61541;    // the limit in bytes, the file
constexpr int kMsgScriptEmpty = 61542;       // the file
constexpr int kMsgScriptDropped = 61543;     // the entries kept, the lines dropped, the file
constexpr const char* kScriptFilter = "(ef*.txt)|ef*.txt|(*.txt)|*.txt|(*.*)|*.*||";

// The data folder is only read: a script of it is saved under its name into the user's
// data folder (made when missing), and the definition names that copy from then on.
std::string WritableScriptPath(const std::string& path) {
  const std::string& data = gDrawState.m_szCurFolder;
  const std::string& user = gDrawState.m_szUserFolder;
  std::error_code ec;
  if (data.empty() || user.empty() ||
      !std::filesystem::equivalent(std::filesystem::u8path(GetDirectoryOfPath(path)), std::filesystem::u8path(data), ec)) {
    return path;
  }
  std::filesystem::create_directories(std::filesystem::u8path(user), ec);
  return JoinPath(user, GetFileNameOfPath(path));
}

}  // namespace

int CEffectDef::Reload(int parse) {
  std::string text;
  const int length = LoadTextFile(text, ResolveStoredPath(m_strFile), kMaxScriptChars);
  if (length < 0) return length;
  m_script = tmb::UserTextToCp932(text);
  m_nEntries = 0;
  m_nDroppedEntries = 0;
  if (parse) Parse();
  return length;
}

int CEffectDef::ReportScript(int readResult) const {
  const std::string file = tmb::SjisToUtf8Lossy(m_strFile);
  if (readResult == kReadFailed) {
    tmb::ShowMessage(kMsgScriptUnreadable, tmb::kMsgOk, {file});
    return 0;
  }
  if (readResult == kReadTooLarge) {
    tmb::ShowMessage(kMsgScriptTooLarge, tmb::kMsgOk, {std::to_string(kMaxScriptChars), file});
    return 0;
  }
  if (m_nEntries == 0) {
    tmb::Beep();
    tmb::ShowMessage(kMsgScriptEmpty, tmb::kMsgOk, {file});
    return 0;
  }
  if (m_nDroppedEntries > 0) {
    tmb::ShowMessage(kMsgScriptDropped, tmb::kMsgOk,
                     {std::to_string(kMaxEntries), std::to_string(m_nDroppedEntries), file});
  }
  return 1;
}

int CEffectDef::SaveText(const std::string& path) {
  const std::string_view text = std::string_view(m_script).substr(0, m_script.find('\0'));
  if (path.empty() || !tmb::SaveFileAtomically(std::filesystem::u8path(path), text.data(), text.size())) {
    tmb::Beep();
    tmb::ShowMessage(kMsgOpenFileError);
    return -1;
  }
  return 1;
}

int CEffectDef::SaveScriptAs(std::string& fileName, int mode) {
  const std::string previous = fileName;
  std::string path = WritableScriptPath(ResolveStoredPath(fileName));
  if (mode == 2) {
    tmb::FileChoice choice;
    choice.filter = kScriptFilter;
    choice.folder = GetDirectoryOfPath(path);
    choice.fileName = GetFileNameOfPath(path);
    choice.defaultExtension = "txt";
    if (!tmb::Choosers().SaveFile(choice, path)) return 0;
  }
  if (SaveText(path) < 0) {
    fileName = previous;
    return 0;
  }
  if (path != ResolveStoredPath(fileName)) fileName = tmb::Utf8ToSjis(path).value_or(tmb::Utf8ToSjisLossy(path));
  return 1;
}

int CEffectDef::EditScript(std::string& fileName) {
  CEffectScriptDlg dialog;
  dialog.m_strText = m_script;
  if (dialog.DoModal() != tmb::kAnswerOk) return 0;
  // The edited text stays even when saving it fails: the user was told and can save again.
  m_script = dialog.m_strText;
  Parse();
  if (dialog.m_nAction == 1 || dialog.m_nAction == 2) SaveScriptAs(fileName, dialog.m_nAction);
  return 1;
}

int CEffectDef::RunOneTouchDialog() {
  COneTouchEffectDlg& dialog = gOneTouchEffectDlg;
  dialog.m_strFile = m_strFile;
  dialog.m_nAction = 0;
  dialog.m_nColourSource = m_nColourSource;
  dialog.m_nPointX = unsigned(std::max(m_ptSample.x, 0));
  dialog.m_nPointY = unsigned(std::max(m_ptSample.y, 0));
  dialog.m_strSuffix = m_strSuffix;
  dialog.m_pDef = this;
  const int answer = dialog.DoModal();
  dialog.m_pDef = nullptr;
  if (answer != tmb::kAnswerOk) return -1;
  m_strFile = dialog.m_strFile;
  m_nColourSource = dialog.m_nColourSource;
  const auto coordinate = [](unsigned v) { return int(std::min<unsigned>(v, INT32_MAX)); };
  m_ptSample = {coordinate(dialog.m_nPointX), coordinate(dialog.m_nPointY)};
  m_strSuffix = dialog.m_strSuffix;
  if (!ReportScript(Reload(1))) return -1;
  return dialog.m_nAction;
}
