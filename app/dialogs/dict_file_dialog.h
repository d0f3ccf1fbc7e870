// The dictionary-file dialog (template 313) and its detail settings (template 314): a
// text, typed or read from a file, whose characters are expanded from the text store
// into a drawing window's character or registered from the strokes written there.
#pragma once

#include <string>

#include "platform/ui/dialog.h"

class CTmbDoc;
class CTmbView;

class CDetailSettingDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr int kMaxScale = 1000;

  CDetailSettingDlg() : ModalDialog(314, "詳細設定") {}

  int m_bFit = 0;     // 662: scale the characters
  int m_bCentre = 0;  // 663
  int m_nScale = 0;   // 664 with spin 665, percent

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

class CDictFileDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr int kTextEdit = 524;
  static constexpr int kSaveButton = 407;
  static constexpr int kOverwriteButton = 661;
  static constexpr int kLoadButton = 408;
  static constexpr int kExpandButton = 409;
  static constexpr int kRegisterButton = 410;
  static constexpr int kFrameButton = 411;
  static constexpr int kDetailButton = 412;
  // Bytes of a text file that are read.
  static constexpr size_t kMaxFileBytes = 65536;

  CDictFileDlg() : ModalDialog(313, "辞書ファイル") {}

  std::string m_strText;  // 524, UTF-8
  std::string m_strPath;  // the text file read or saved last (UTF-8)
  int m_nWindow = 0;      // 0 window A, otherwise window B
  // The detail values: scale on, centring on, scale percent (m_param 300 to 302).
  int m_bFit = 0;
  int m_bCentre = 0;
  int m_nScale = 100;

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
  void OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) override;

 private:
  // The document of the dialog's window, and its view in view; null (after a beep) when
  // the window is not open.
  CTmbDoc* TargetDocument(CTmbView*& view) const;
  void ReadTextFile(tmb::ui::DialogWindow& window);
  // Writes the text to path; false (after a message) when it could not.
  bool WriteTextFile(const std::string& path);
  void SaveText(bool overwrite);
  void Expand(tmb::ui::DialogWindow& window);
  void Register();
  // The guide frame of the window's character, whose cells the runs use.
  void EditFrame();
  void EditDetails();
};

extern CDictFileDlg gDictFileDlg;

// The dictionary command on view: the dialog gets the view's window and m_param 300 to
// 302 of its character; 1 when it ended with OK (the three values are stored back), else
// -1.
int RunDictionaryDialog(CTmbView* view);
