#include "app/tmb_app.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <filesystem>

#include "app/app_settings.h"
#include "app/char_file_answers.h"
#include "app/child_frames.h"
#include "app/command_line.h"
#include "app/dialogs/area_setting_dialog.h"
#include "app/dialogs/effect_dialog_forms.h"
#include "app/dialogs/setting_dialogs.h"
#include "app/dialogs/settings_value_dialogs.h"
#include "app/dummy_doc.h"
#include "app/frame_view.h"
#include "app/kind_lookup.h"
#include "app/main_frame.h"
#include "app/pane_factories.h"
#include "app/program_folders.h"
#include "app/settings/style_menus.h"
#include "app/start_checks.h"
#include "app/tmb_document.h"
#include "app/window_boxes.h"
#include "brush/bitmap/effect_routines.h"
#include "convert/driver/part_store.h"
#include "core/file/char_file_services.h"
#include "core/record/char_slots.h"
#include "core/record/std_setting_dlg.h"
#include "core/state/draw_state.h"
#include "core/state/mouse_speed.h"
#include "core/state/start_globals.h"
#include "convert/driver/character_parts.h"
#include "core/store/font_sub_table.h"
#include "core/text/glyph_outline_read.h"
#include "platform/service/machine.h"
#include "platform/service/messages.h"
#include "platform/service/profile.h"
#include "resources/command_ids.h"
#include "resources/menus.h"
#include "views/tmb_view.h"

CTmbApp theApp;

namespace {

using tmb::ui::DocTemplate;
using tmb::ui::Document;

const char kPictureDocString[] = "Tamberi\nTamberi\nTamberi\nBitmap Data(*.bmp)\n.bmp\nBitmapFile\nBitmapFile";

std::string CurrentFolder() {
  std::error_code ec;
  std::string folder = std::filesystem::current_path(ec).string();
  return ec ? std::string() : folder;
}

std::string WithExtension(const std::string& path, const char* extension) {
  return std::filesystem::path(path).replace_extension(extension).string();
}

}  // namespace

CTmbApp::CTmbApp() {
  OnCommand(tmb::kCmdAppAbout, [] { CAboutDlg().DoModal(theApp.mainWindow()); });
  OnCommand(tmb::kCmdAppExit, [this] {
    if (mainWindow()) mainWindow()->close();
  });
}

CMainFrame* CTmbApp::mainFrame() const { return qobject_cast<CMainFrame*>(mainWindow()); }

void CTmbApp::RegisterTemplates() {
  auto charDoc = []() -> Document* { return new CTmbDocument; };
  auto pictureDoc = []() -> Document* {
    auto* doc = new CDummyDoc;
    doc->OnNewDocument();
    return doc;
  };
  auto frameView = [](Document* d) -> tmb::ui::ChildFrame* { return new CFrame_View(d); };
  auto frameBmp = [](Document* d) -> tmb::ui::ChildFrame* { return new CFrame_Bmp(d); };
  auto framePre = [](Document* d) -> tmb::ui::ChildFrame* { return new CFrame_Pre(d); };
  // The view of each template, handed to frames that hold a single view; the drawing
  // frames build their own three panes.
  auto pane = [](tmb::ui::ViewFactory PaneFactories::*which) {
    return [which](Document* d, QWidget* parent) { return (Panes().*which)(d, parent); };
  };
  struct Entry {
    int kind;
    int menu;
    const char* docString;
    DocTemplate::DocumentFactory document;
    DocTemplate::FrameFactory frame;
    tmb::ui::ViewFactory view;
  };
  const Entry entries[] = {
      {kKindDrawA, tmb::kMenuCharacter, "", charDoc, frameView, pane(&PaneFactories::settings)},
      {kKindSettings, tmb::kMenuCharacter, "", charDoc, frameView, pane(&PaneFactories::settings)},
      {kKindDataTree, tmb::kMenuCharacter, "", charDoc, frameView, pane(&PaneFactories::tree)},
      {kKindImageEditor, tmb::kMenuPicture, kPictureDocString, pictureDoc, frameBmp, pane(&PaneFactories::picture)},
      {kKindZoom, tmb::kMenuPicture, kPictureDocString, pictureDoc, frameBmp, pane(&PaneFactories::zoom)},
      {kKindDrawB, tmb::kMenuCharacter, "", charDoc, frameView, pane(&PaneFactories::drawing)},
      {kKindPreview, tmb::kMenuCharacter, "", pictureDoc, framePre, pane(&PaneFactories::preview)},
  };
  for (const Entry& e : entries) {
    m_pTemplate[static_cast<size_t>(e.kind)] =
        AddDocTemplate(std::make_unique<DocTemplate>(e.menu, e.docString, e.document, e.frame, e.view));
  }
}

bool CTmbApp::InitInstance() {
  CDrawState& s = gDrawState;
  // 1. The machine: its free space is that of the user's folder, the one the program
  // writes to.
  s.m_szUserFolder = UserDataFolder();
  if (CheckFreeDiskSpace(s.m_szUserFolder) == -1) return false;
  // The image effects' pixel routines, which scripts and menu commands run by number.
  RegisterEffectRoutines();
  // 2. to 6. Folders, the start drive and the help file. The data folder is found from
  // the program's own place, wherever it was started from, and is only read.
  m_bImageEditorOpen = 0;
  s.m_nStartDrive = 0;  // no drive letters here
  s.m_szCurFolderCrt = CurrentFolder();
  s.m_bStartDriveIsCdRom = tmb::Machine().IsOnOpticalDisc(s.m_szCurFolderCrt) ? 1 : 0;
  const QString program =
      m_strProgramFile.empty() ? QCoreApplication::applicationFilePath() : QString::fromStdString(m_strProgramFile);
  gProgramFolder = QFileInfo(program).absolutePath().toStdString();
  const std::vector<std::string> dataFolders = DataFolderCandidates(gProgramFolder);
  s.m_szCurFolder = FindDataFolder(dataFolders);
  m_strHelpPath = HelpFilePath(s.m_szCurFolder);
  // 6. The recent files.
  m_recentFiles.Read(tmb::Profile());
  // 7. to 9. Profile values, user boxes, start file and colours, pointer speed.
  tmb::ProfileStore& profile = tmb::Profile();
  LoadProfileValues(profile, s);
  LoadWindowBoxes(profile, s);
  LoadAppSettings(profile, s);
  s.m_nSavedMouseSpeed = GetMouseSpeedLevel(gSavedMouseThresholds);
  // The engine's services of fonts and parts: the face cache computes a face's value from
  // its glyphs, and conversions store the parts of handwritten characters.
  gFontSubTable.SetValueFunction(GlyphFaceTurnValue);
  SetCharacterPartStore(&TextStorePartStore());
  // The questions the engines ask of the dialogs.
  SetStdSettingDialogRunner(&gStdSettingForm);
  SetCharFileDialogs(&gCharFileAnswers);
  SetEffectDialogRunner(&gEffectDialogForms);
  SetAreaSettingRunner(RunAreaSettingWindow);
  // 10. and 11. One document per window kind, and the templates.
  s.m_bMultiDoc = 1;
  RegisterTemplates();
  // 12. The main window.
  auto* frame = new CMainFrame(this);
  SetMainWindow(frame);
  if (!frame->Create(m_metrics)) return false;
  frame->show();
  CheckDataFiles(s.m_szCurFolder, dataFolders);
  // 13. The character slots, which also put the pen values at their start values.
  InitCharacterSlots();
  // 14. The start-settings dialog when the user wants it.
  if (s.m_nStartSetting == 0) BasicSettingsDialog(1);
  // 15. The canvas.
  if (frame->StartCanvas() == -1) return false;
  // The style definitions, read once, before any window asks for its menus; the answers
  // of the character file reader give loaded records their version.
  ReadStyleDef(gProgramFolder, s.m_szCurFolder);
  // 16. to 18. Drawing windows A and B; A is active.
  for (int kind : {kKindDrawA, kKindDrawB}) {
    s.m_nCreatingKind = kind;
    if (!OpenWindowOfKind(kind)) return false;
  }
  ApplyStyleVersion();
  m_pSharedDoc = m_pKindDoc[0];
  SetTmbDocWindows(&m_docWindows);
  s.m_charWindowKinds[0] = kKindDrawA;
  s.m_charWindowKinds[1] = kKindDrawB;
  s.m_windowOpen.fill(-1);
  frame->ActivateViewOfKind(kKindDrawA, 0);
  // 19. Installing registers the file type with the desktop (a desktop entry and a MIME
  // package); a start registers nothing.
  // 20. The command line.
  s.m_bArgT = s.m_bArgD = 0;
  ApplyCommandLine();
  // 21. The start file.
  LoadStartFile();
  // A list named on the command line starts the registration on window A, before its
  // first paint reads the list information file.
  if (!s.m_szArgT.empty() || !s.m_szArgF.empty()) {
    if (CTmbView* view = CTmbView::ViewOfKind(kKindDrawA)) view->StartRegistration();
  }
  frame->UpdateMainTitle();
  return true;
}

void CTmbApp::ApplyCommandLine() {
  CDrawState& s = gDrawState;
  CommandLine line = ParseCommandLine(m_strCommandLine);
  if (line.hasT) s.m_szArgT = line.argT, s.m_bArgT = 1;
  if (line.hasD) s.m_szArgD = line.argD, s.m_bArgD = 1;
  if (line.hasF) s.m_szArgF = line.argF, s.m_bArgF = 1;
  for (const std::string& file : line.files) {
    if (auto* doc = qobject_cast<CTmbDocument*>(m_pSharedDoc.data())) doc->engine().LoadFile(file, 0);
  }
}

void CTmbApp::LoadStartFile() {
  CDrawState& s = gDrawState;
  if (s.m_nStartLoadMode != kStartNamedFile || s.m_strStartFile.empty()) return;
  // The start file gives its settings only, and the title names it; the windows get no
  // path, so a save still asks where to write.
  s.m_szCharFilePath = WithExtension(s.m_strStartFile, ".wdf");
  gStartLoading = 1;
  if (auto* doc = qobject_cast<CTmbDocument*>(m_pSharedDoc.data())) doc->engine().LoadFile(s.m_szCharFilePath, 0);
  gStartLoading = 0;
}

int CTmbApp::ExitInstance() {
  m_recentFiles.Write(tmb::Profile());
  SaveProfileValues(tmb::Profile(), gDrawState);
  SaveWindowBoxes(tmb::Profile(), gDrawState);
  return 1;
}

int CTmbApp::OpenWindowOfKind(int kind) {
  if (kind < 0 || kind >= static_cast<int>(m_pTemplate.size()) || !m_pTemplate[kind] || !mainWindow()) return 0;
  Document* doc = m_pTemplate[kind]->OpenNew(*mainWindow());
  if (!doc) return 0;
  if (kind < static_cast<int>(m_pKindDoc.size())) m_pKindDoc[kind] = doc;
  return 1;
}

int CTmbApp::OpenImageEditor() {
  if (m_bImageEditorOpen) return 0;
  gDrawState.m_nCreatingKind = kKindImageEditor;
  if (!OpenWindowOfKind(kKindImageEditor)) return 0;
  m_bImageEditorOpen = 1;
  return 1;
}

int CTmbApp::OpenPreview() {
  // Once open, the preview stays for the program's life: its frame refuses every close.
  if (m_pKindDoc[kKindPreview]) return 0;
  gDrawState.m_nCreatingKind = kKindPreview;
  return OpenWindowOfKind(kKindPreview);
}

void CTmbApp::BasicSettingsDialog(int mode) {
  CDrawState& s = gDrawState;
  if (mode == 1) {
    CStartSettingDlg& dlg = gStartSettingDlg;
    dlg.m_nWidth = s.m_sizeCanvas.cx;
    dlg.m_nHeight = s.m_sizeCanvas.cy;
    dlg.m_bNoShow = s.m_nStartSetting;
    if (!tmb::ui::IsAccepted(dlg.DoModal(mainWindow()))) return;
    s.m_sizeCanvas = {dlg.m_nWidth, dlg.m_nHeight};
    s.m_nStartSetting = dlg.m_bNoShow;
    return;
  }
  CBasicSettingDlg& dlg = gBasicSettingDlg;
  dlg.m_nWidth = static_cast<unsigned>(s.m_sizeCanvas.cx);
  dlg.m_nHeight = static_cast<unsigned>(s.m_sizeCanvas.cy);
  dlg.m_nDataSize = s.m_nMaxDataSize;
  dlg.m_bNoShow = s.m_nStartSetting;
  if (!tmb::ui::IsAccepted(dlg.DoModal(mainWindow()))) return;
  s.m_strStartFile = "(Default1)";
  s.m_nStartLoadMode = kStartDefault1;
  s.m_nStartSetting = dlg.m_bNoShow;
  const tmb::Size size{static_cast<int>(dlg.m_nWidth), static_cast<int>(dlg.m_nHeight)};
  if (size == s.m_sizeCanvas && dlg.m_nDataSize == s.m_nMaxDataSize) return;
  if (tmb::ShowMessage(62049, tmb::kMsgOkCancel) != tmb::kAnswerOk) return;
  // The program ends; the new values are written at shut-down.
  s.m_sizeCanvas = size;
  s.m_nMaxDataSize = dlg.m_nDataSize;
  if (mainWindow()) mainWindow()->close();
}

void CTmbApp::Reset() {
  SetTmbDocWindows(nullptr);
  SetStdSettingDialogRunner(nullptr);
  SetCharFileDialogs(nullptr);
  SetEffectDialogRunner(nullptr);
  SetAreaSettingRunner(nullptr);
  delete mainWindow();
  SetMainWindow(nullptr);
  RemoveDocTemplates();
  m_pTemplate.fill(nullptr);
  for (auto& doc : m_pKindDoc) doc = nullptr;
  m_pSharedDoc = nullptr;
  m_bImageEditorOpen = 0;
}
