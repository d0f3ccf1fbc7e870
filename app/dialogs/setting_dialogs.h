// The settings dialogs of the start: the paper size at start (template 283), the basic
// settings (template 235), each kept for the whole run, the initial settings (template
// 252), and the about box.
#pragma once

#include "platform/ui/dialog.h"

class CStartSettingDlg : public tmb::ui::ModalDialog {
 public:
  CStartSettingDlg() : ModalDialog(283, "スタート設定") {}

  int m_nHeight = 0;    // 570, pixels of the paper
  int m_nWidth = 0;     // 571
  int m_bNoShow = 0;    // 569: do not show this dialog at start

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

class CBasicSettingDlg : public tmb::ui::ModalDialog {
 public:
  CBasicSettingDlg() : ModalDialog(235, "基本設定") {}

  unsigned m_nWidth = 0;   // 102, pixels of the paper
  unsigned m_nHeight = 0;  // 110
  int m_nDataSize = 0;     // 111, times the standard amount of data
  int m_bNoShow = 0;       // 433: do not show the settings dialog at start

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

class CInitSettingDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr int kMinSide = 100;
  static constexpr int kMaxSide = 3000;

  CInitSettingDlg() : ModalDialog(252, "初期設定") {}

  int m_nOpened = 0;     // 1 once the dialog was opened
  int m_nWidth = 0;      // 429: largest picture area
  int m_nHeight = 0;     // 428
  int m_nValueSet = 0;   // 427: standard value set
  int m_bNoShow = 0;     // 432: do not show this dialog again

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow&) override { m_nOpened = 1; }
};

class CAboutDlg : public tmb::ui::ModalDialog {
 public:
  CAboutDlg() : ModalDialog(322, "关于 Tamberi") {}
  static constexpr int kVersionText = 1000;

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
};

extern CStartSettingDlg gStartSettingDlg;
extern CBasicSettingDlg gBasicSettingDlg;
