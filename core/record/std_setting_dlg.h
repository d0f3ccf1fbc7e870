// The standard-settings dialog as the record sees it: which categories of settings to
// copy and from where. The shell installs the runner that shows the real dialog; until
// then the dialog answers Cancel.
#pragma once

class CStdSettingDlg;

class StdSettingDialogRunner {
 public:
  virtual ~StdSettingDialogRunner() = default;
  // Shows the dialog on dialog's values and stores the user's choices there; returns
  // tmb::kAnswerOk or tmb::kAnswerCancel.
  virtual int Run(CStdSettingDlg& dialog) = 0;
};

class CStdSettingDlg {
 public:
  int DoModal();

  int m_nMode = 0;    // non-zero: the dialog chooses what to save or load, not a source
  int m_bBrush = 0;
  int m_bOther = 0;
  int m_bShape = 0;
  int m_bGuide = 0;
  int m_bCharacter = 0;
  int m_bEffect = 0;
  int m_nSource = 0;  // 0: the first source option (the start-up settings file's slots)
};

// The two application-wide instances: [0] for the settings of a slot, [1] for the copies
// between the windows.
extern CStdSettingDlg gStdSettingDlgs[2];

// Installs runner (not owned); nullptr restores the one that answers Cancel.
void SetStdSettingDialogRunner(StdSettingDialogRunner* runner);
