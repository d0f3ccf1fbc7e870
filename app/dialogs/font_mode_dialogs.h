// The small dialogs around the font page: the list of the store's pictures (template
// 279), the font mode's options (284), the font axis options (285, which nothing opens)
// and the text-font options (267, which nothing opens).
#pragma once

#include <string>
#include <vector>

#include "core/record/log_font.h"
#include "platform/ui/dialog.h"

class CImageListDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr int kList = 522;

  CImageListDlg() : ModalDialog(279, "画像リスト") {}

  // Fills the list with the names of the pictures of the character store (code page 932,
  // shown in UTF-8).
  void FillFromStore();

  std::vector<std::string> m_names;  // 522, code page 932
  int m_nChosen = -1;                // the line double-clicked; -1 when none was
  std::string m_strChosen;           // its name, code page 932

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  // OK asks for a new picture file rather than a listed one, and says so.
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
  void OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) override;

 private:
  std::vector<std::string> m_lines;
};

class CFontModeOptionDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr int kRelease = 572;
  static constexpr int kActionRelease = 2;

  CFontModeOptionDlg() : ModalDialog(284, "フォントモード：オプション") {}

  int m_bOutlineEffect = 0;  // 551

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

class CFontAxisOptionDlg : public tmb::ui::ModalDialog {
 public:
  CFontAxisOptionDlg() : ModalDialog(285, "フォント軸の設定　オプション") {}

  // In binding order; the limit starts at its lowest value, so that an untouched OK
  // passes.
  int m_bLimitWidth = 0;      // 576
  int m_nWidthLimit = 1;      // 577, 1..1024
  int m_bAutoFit = 0;         // 574
  int m_bWhiteOnBlack = 0;    // 578
  int m_bJoinNear = 1;        // 575
  int m_bDropBranches = 1;    // 579
  int m_nSlantTolerance = 0;  // 590
  int m_nUnevenLimit = 0;     // 591

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

class CDlg267 : public tmb::ui::ModalDialog {
 public:
  CDlg267() : ModalDialog(267, "文字フォント") {}

  std::string m_strText;  // 476
  int m_nMode = -1;       // 480
  int m_nValue = 0;       // 483, 0..100
  CLogFont m_font;        // chosen with 481

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
  void OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) override;
};
