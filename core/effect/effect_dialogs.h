// The dialogs that effect definitions exchange values with, as the engines see them: the
// values each dialog keeps between runs, and a runner the shell installs to show them.
// Until a runner is installed every dialog answers Cancel.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/gdi/pixel.h"

class CEffectDef;

// A colour slot of a dialog: red, green and blue bytes.
using RgbSlot = std::array<uint8_t, 3>;
RgbSlot RgbSlotOf(tmb::Colour colour);
tmb::Colour ColourOfSlot(const RgbSlot& slot);

// The special-effect detail values (template 179).
class CEffectDetailDlg {
 public:
  enum Slot { kSlotOutline, kSlotRelief, kSlotStone, kSlotGrade1, kSlotGrade2, kSlots };
  int DoModal();

  RgbSlot m_slots[kSlots]{};
  int m_nCurrentSlot = 0;
  int m_nLightColouring = 50;       // 102 "淡色化の強度", 1..100
  int m_nStoneDensity = 50;         // 103 "石版の濃さ", 1..100
  int m_nReliefHeight = 3;          // 105 "浮き彫りの高さ", 1..100
  int m_nShadowHeight = 5;          // 108 "影の高さ", 1..100
  int m_nHollowWidth = 3;           // 112 "くり抜き枠の太さ", 1..20
  int m_nAntiqueDensity = 5;        // 110 "古色化の濃度", 1..10
  unsigned m_nOutlineWidth = 3;     // 113 "付加輪郭の太さ", 1..100
  unsigned m_nBlurStrength = 3;     // 114 "ぼかし・くもりの強度", 1..10
  int m_bReliefOutline = 0;         // 176 "浮き彫り・影への単線輪郭付加"
  int m_bTransparentBack = 0;       // 188 "彩度・明度変更時の背景透過"
  int m_bOutlineGradient = 0;       // 235 "付加輪郭色のグラデーション化"
  int m_bReliefGradient = 0;        // 189 "浮き彫り部のグラデーション化"
  int m_bStrokeGradientWrap = 0;    // 464 "文字部グラデーション色の折返し"
  int m_bPaperGradientWrap = 0;     // 465 "用紙部グラデーション色の折返し"
};

// The colour change of the image editor (template 217).
class CColorChangeDlg {
 public:
  enum Slot { kSlotCharacter, kSlotPaper, kSlotBackground, kSlotRightClick, kSlots };
  int DoModal();

  RgbSlot m_slots[kSlots]{};
  int m_nCurrentSlot = 0;
  int m_nRedShift = 0;    // 107, -255..255: the channel changes of the set items
  int m_nGreenShift = 0;  // 231
  int m_nBlueShift = 0;   // 232
  int m_nSetChoice = 0;   // which set items the channel change works on, 0..3
  int m_nAction = 0;      // the change button that ended the dialog, 1..6; 0 none
};

// The scaling of the picture region (template 149).
class CZoomDlg {
 public:
  int DoModal();

  int m_nMode = 0;                 // 132: pixels, ratio, same ratio, trapezoid, incline, ellipse
  unsigned m_nHeight = 750;        // 102, 1..canvas height
  unsigned m_nWidth = 500;         // 103, 1..canvas width
  unsigned m_nHeightPercent = 100; // 105, 1..500
  unsigned m_nWidthPercent = 100;  // 108, 1..500
  unsigned m_nSamePercent = 100;   // 110, 1..500
  int m_nTopPercent = 100;         // 112, -500..500: the upper side of the trapezoid
  int m_nBottomPercent = 100;      // 113, -500..500: its lower side
  int m_nAngle = 90;               // 114, 0..359: the inner angle at the upper left
};

// The one-touch effect (template 222). Strings are code page 932.
class COneTouchEffectDlg {
 public:
  int DoModal();

  int m_nColourSource = 0;          // 325: 0 the editor's background colour, 1 a sample point
  unsigned m_nPointX = 0;           // 326
  unsigned m_nPointY = 0;           // 327
  std::string m_strSuffix = "_";    // 328: added to each file title of a batch
  std::string m_strFile;            // 330: the effect script file
  int m_nAction = 0;                // 1: "ファイル選択・実行" ended the dialog
  // The definition whose script the dialog's open, edit and save buttons work on; set by
  // the definition that runs the dialog.
  CEffectDef* m_pDef = nullptr;
};

// The editing of an effect script (template 224). The text is code page 932.
class CEffectScriptDlg {
 public:
  int DoModal();

  std::string m_strText;
  int m_nAction = 0;  // 1 "上書き保存", 2 "新規保存"; kept as the caller preset it for OK
};

// Shows the dialogs; each call shows one on its values, stores the user's input there and
// returns tmb::kAnswerOk or tmb::kAnswerCancel.
class EffectDialogRunner {
 public:
  virtual ~EffectDialogRunner() = default;
  virtual int Run(CEffectDetailDlg& dialog);
  virtual int Run(CColorChangeDlg& dialog);
  virtual int Run(CZoomDlg& dialog);
  virtual int Run(COneTouchEffectDlg& dialog);
  virtual int Run(CEffectScriptDlg& dialog);
};

// Installs runner (not owned); nullptr restores the one that answers Cancel.
void SetEffectDialogRunner(EffectDialogRunner* runner);

// The four dialogs the image effects share for the whole run.
extern COneTouchEffectDlg gOneTouchEffectDlg;
extern CEffectDetailDlg gEffectDetailDlg;
extern CZoomDlg gZoomDlg;
extern CColorChangeDlg gColorChangeDlg;
