// The dialogs of effect scripts shown on the values the image effects keep: the one-touch
// effect (template 222), which names the script, opens, edits and saves it and chooses
// between the editor's region and a run over many files; the editing of a script (template
// 224); and the script box of the font mode (template 271), which nothing opens.
#pragma once

#include <string>

#include "core/effect/effect_dialogs.h"
#include "platform/ui/dialog.h"

class COneTouchEffectForm final : public tmb::ui::ModalDialog {
 public:
  static constexpr int kColourRadio = 325;
  static constexpr int kPointRadio = 3251;
  static constexpr int kPointX = 326;
  static constexpr int kPointY = 327;
  static constexpr int kSuffix = 328;
  static constexpr int kFile = 330;
  static constexpr int kOpen = 331;
  static constexpr int kEdit = 352;
  static constexpr int kSave = 406;
  static constexpr int kRunOnFiles = 329;

  COneTouchEffectForm() : ModalDialog(222, "編集ｳｨﾝﾄﾞｳ：ワンタッチエフェクト") {}

  // Shows values; unless cancelled the user's input and the action (1 for a run over
  // files, else 0) go back into them.
  int Run(COneTouchEffectDlg& values);

  // A suffix is refused when it would put a run's pictures into another folder.
  static bool IsSafeSuffix(const std::string& suffix);

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) override;
  bool OnValidate(tmb::ui::DialogWindow& window) override;

 private:
  void OpenScript(tmb::ui::DialogWindow& window);
  // The values the edits show (UTF-8) into the file name the definition reads.
  void TakeFileName();

  COneTouchEffectDlg m_values;
  std::string m_strSuffix;  // UTF-8 while shown
  std::string m_strFile;
};

// The text of an effect script (code page 932 outside, UTF-8 while shown).
class CEffectScriptForm final : public tmb::ui::ModalDialog {
 public:
  CEffectScriptForm() : ModalDialog(224, "エフェクトスクリプトファイルの編集") {}

  // Shows values; unless cancelled the edited text, and the action of a save button
  // (OK leaves the caller's preset), go back into them.
  int Run(CEffectScriptDlg& values);

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;

 private:
  std::string m_strText;
};

class CFontModeScriptDlg final : public tmb::ui::ModalDialog {
 public:
  CFontModeScriptDlg() : ModalDialog(271, "フォントモード　スクリプト") {}

  std::string m_strText;  // 102, UTF-8

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
};
