// The application object: the start-up (machine checks, profile values, document
// templates, main window, drawing windows A and B, command line and start file), the
// shut-down that writes the profile back, and the documents by window kind.
#pragma once

#include <QPointer>
#include <array>
#include <optional>
#include <string>

#include "app/doc_window_links.h"
#include "core/state/screen_metrics.h"
#include "platform/ui/application.h"
#include "platform/ui/document.h"

class CMainFrame;

class CTmbApp : public tmb::ui::Application {
 public:
  CTmbApp();

  bool InitInstance() override;
  int ExitInstance() override;

  // A new window of kind through its template; its document is kept for the kind. 1, or
  // 0 when the window could not be made.
  int OpenWindowOfKind(int kind);
  // Opens the image editor once; 1 when it was opened now, else 0.
  int OpenImageEditor();
  // Opens the preview window when it is not open; 1 when it was opened.
  int OpenPreview();
  // Mode 1: the start-settings dialog; mode 0: the basic settings of the File menu.
  void BasicSettingsDialog(int mode);
  CMainFrame* mainFrame() const;

  // The program's own command line (the arguments after the program's name).
  void SetCommandLine(std::string text) { m_strCommandLine = std::move(text); }
  // The program's own file in place of the running one's, which places the data folder
  // (tests); empty for the running one.
  void SetProgramFile(std::string path) { m_strProgramFile = std::move(path); }
  // Metrics that replace the display's own (tests).
  void SetScreenMetrics(std::optional<ScreenMetrics> metrics) { m_metrics = metrics; }
  // Closes every window and forgets templates and documents (tests); the command line,
  // program file and screen metrics stay.
  void Reset();

  QPointer<tmb::ui::Document> m_pSharedDoc;
  std::array<QPointer<tmb::ui::Document>, 5> m_pKindDoc;
  std::array<tmb::ui::DocTemplate*, 8> m_pTemplate{};
  int m_bImageEditorOpen = 0;
  std::string m_strHelpPath;

 private:
  void RegisterTemplates();
  void ApplyCommandLine();
  void LoadStartFile();

  std::string m_strCommandLine;
  std::string m_strProgramFile;
  std::optional<ScreenMetrics> m_metrics;
  CDocWindowLinks m_docWindows;
};

extern CTmbApp theApp;
