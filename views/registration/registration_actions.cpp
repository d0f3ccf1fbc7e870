// What the registration panel's buttons and start do: reading a list (file, clipboard or
// the list information file), saving the written character as its picture, moving on to
// the next character without one, and the options.
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "views/view_mouse_dialogs.h"
#include "brush/render/brush_state.h"
#include "core/document/tmb_doc.h"
#include "core/file/path_edit.h"
#include "core/state/draw_state.h"
#include "core/state/mouse_messages.h"
#include "export/picture/character_image_file.h"
#include "platform/file/safe_save.h"
#include "platform/service/file_chooser.h"
#include "platform/service/messages.h"
#include "platform/ui/clipboard.h"
#include "resources/string_table.h"
#include "views/registration/key_edit.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace {

constexpr int kMsgOpenFile = 62047;
constexpr int kMsgNothingWritten = 62062;
constexpr int kMsgOpenInfoFile = 62072;
constexpr int kMsgBadListBytes = 61570;
constexpr char kListFilter[] = "(*.txt)|*.txt|(*.*)|*.*||";
constexpr char kDataExtension[] = ".wdf";
constexpr char kPictureFolderTitle[] = "登録画像の保存フォルダ";

CRegistrationPanel& Panel() { return gDrawState.m_toolPanel; }

// Tells the user once of the bytes a list reader left out.
void ReportBadBytes(const CCharacterList& list) {
  if (list.badBytes > 0) tmb::ShowMessage(kMsgBadListBytes, tmb::kMsgOk, {std::to_string(list.badBytes)});
}

bool FolderExists(const std::string& folder) {
  std::error_code ec;
  return !folder.empty() && std::filesystem::is_directory(std::filesystem::path(folder), ec);
}

void MakeFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(folder), ec);
}

}  // namespace

void CTmbView::StartRegistration() {
  CRegistrationPanel& panel = Panel();
  if (!panel.m_bStarted) {
    panel.m_bStarted = 1;
    if (!m_edit) {
      m_edit = new CKeyEdit(this, m_pArea->viewport());
      m_edit->hide();
    }
    if (FolderExists(gDrawState.m_szArgD)) {
      panel.m_szFolder = gDrawState.m_szArgD;
    } else {
      panel.m_szFolder = RegistrationFolderOf("", gDrawState.m_szUserFolder);
      MakeFolder(panel.m_szFolder);
    }
  }
  if (m_bInitialised) {
    ClientDC dc(*this);
    CreatePanelFonts(dc);
  }
  // The writing box shows what the window holds: what a confirm saves.
  gDrawState.SetRegistrationFlags(1);
  ShowRegistrationPanel(1);
  if (!gDrawState.m_szArgT.empty()) {
    ClientDC dc(*this);
    LoadCharacterList(dc, gDrawState.m_szArgT);
  }
}

void CTmbView::ToggleRegistration() {
  CRegistrationPanel& panel = Panel();
  if (panel.m_bShown) {
    gDrawState.SetRegistrationFlags(0);
    ShowRegistrationPanel(0);
  } else if (!panel.m_bStarted) {
    StartRegistration();
  } else {
    gDrawState.SetRegistrationFlags(1);
    ShowRegistrationPanel(1);
  }
}

void CTmbView::SetPictureSize(int size) {
  Panel().m_sizePicture = {size, size};
  ShowRegistrationPanel(2);
}

int CTmbView::LoadCharacterList(tmb::DeviceContext& dc, const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!tmb::ReadWholeFile(std::filesystem::path(path), bytes, kMaxCharacterListBytes)) {
    tmb::Beep();
    tmb::ShowMessage(kMsgOpenFile);
    return 0;
  }
  CRegistrationPanel& panel = Panel();
  const int wasWide = panel.m_bWide;
  CCharacterList list = ReadCharacterList(bytes);
  ReportBadBytes(list);
  // The pictures of a wide list are named by their codes.
  if (list.wide) panel.m_bCodeNames = 1;
  panel.SetList(std::move(list));
  if (m_edit) m_edit->ShowList(QString::fromStdString(panel.m_listText));
  if (panel.m_bWide != wasWide || panel.m_bWide) ShowRegistrationPanel(2);
  // SetList left no character current: the first unwritten one is taken.
  if (!panel.m_entries.empty()) NextCharacter(dc);
  DrawRegistrationPanel(dc);
  return 1;
}

int CTmbView::LoadRegistrationList(tmb::DeviceContext& dc) {
  std::vector<uint8_t> bytes;
  CListInfo info;
  if (!tmb::ReadWholeFile(std::filesystem::path(gDrawState.m_szArgF), bytes, kMaxCharacterListBytes) ||
      !ReadListInfo(bytes, info)) {
    tmb::Beep();
    tmb::ShowMessage(kMsgOpenInfoFile);
    return -1;
  }
  CRegistrationPanel& panel = Panel();
  panel.m_szFolder = RegistrationFolderOf(info.folder, gDrawState.m_szUserFolder);
  MakeFolder(panel.m_szFolder);
  ReportBadBytes(info.list);
  panel.m_bCodeNames = 1;
  panel.SetList(std::move(info.list));
  const bool sized = info.box.cx >= kMinPictureBox && info.box.cx <= kMaxPictureBox &&
                     info.box.cy >= kMinPictureBox && info.box.cy <= kMaxPictureBox;
  if (sized) panel.m_sizePicture = {info.box.cx, info.box.cy};
  ShowRegistrationPanel(2);
  if (!panel.m_entries.empty()) NextCharacter(dc);
  DrawRegistrationPanel(dc);
  return 1;
}

void CTmbView::OnPanelTextEdited(const std::string& utf8) {
  CRegistrationPanel& panel = Panel();
  const int wasWide = panel.m_bWide;
  panel.SetList(CharacterListOfText(utf8));
  // A text that follows a wide list shows in the text box again.
  if (wasWide) ShowRegistrationPanel(2);
  RefreshPanelText();
}

void CTmbView::OnPanelCaret(int pos) {
  CRegistrationPanel& panel = Panel();
  panel.m_nCurrent = panel.EntryAtTextPos(pos);
  panel.m_bAllDone = 0;
  RefreshPanelText();
}

void CTmbView::NextCharacter(tmb::DeviceContext& dc) {
  // Before the first paint the list is read at start-up and nothing is written yet.
  if (m_bInitialised) ClearAll();
  CRegistrationPanel& panel = Panel();
  const int next = panel.NextUnwritten(panel.m_nCurrent + 1);
  panel.m_bAllDone = next < 0 && !panel.m_entries.empty() ? 1 : 0;
  panel.m_nCurrent = next;
  if (next >= 0 && m_edit && !panel.m_bWide) m_edit->SelectAt(panel.m_entries[size_t(next)].textPos);
  if (m_bInitialised) PaintWritingArea(dc);
}

int CTmbView::ConfirmAndSave(tmb::DeviceContext& dc) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return 0;
  CRegistrationPanel& panel = Panel();
  // With nothing written, the picture the box took in is the character's picture.
  const bool fromBox = doc->m_char.m_nPoints == 0;
  if (fromBox && !panel.m_bPictureFilled) {
    tmb::ShowMessage(kMsgNothingWritten);
    return 0;
  }
  if (panel.m_nCurrent < 0) {
    // No character is current: the user names one, which joins the list at its end.
    CDlg201 ask;
    if (!tmb::ui::IsAccepted(ask.DoModal(this))) return 0;
    CCharacterList named = CharacterListOfText(ask.m_strText);
    if (named.entries.empty()) return 0;
    CRegistrationEntry entry = named.entries.front();
    entry.textPos = int(QString::fromStdString(panel.m_listText).size());
    entry.done = 0;
    panel.m_entries.push_back(entry);
    panel.m_nCurrent = int(panel.m_entries.size()) - 1;
  }
  const std::string path = panel.NextPicturePath();
  // A folder that went away since the list was read: the user is told which file could
  // not be written, and the character stays current.
  if (!FolderExists(panel.m_szFolder)) {
    tmb::Beep();
    tmb::Messages().Show(kMsgOpenFile, tmb::LoadStringText(kMsgOpenFile) + "\n" + path, tmb::kMsgOk);
    return 0;
  }
  // The picture is what the writing box holds as it stands: the strokes written into it,
  // not the character run again through the conversion and the brush.
  if (fromBox) StretchPanelPictureIntoWritingBox();
  const tmb::Point topLeft{panel.m_rcWriting.left, panel.m_rcWriting.top};
  // A save that failed has told the user; the character stays current to be saved again.
  const tmb::Surface* picture = BackBuffer();
  if (!picture || SaveCharacterImageFile(&dc, *picture, topLeft, path) != 1) {
    return 0;
  }
  panel.m_entries[size_t(panel.m_nCurrent)].done = 1;
  if (panel.m_bSaveData) {
    // The character data file beside the picture becomes the document's file.
    std::filesystem::path data = std::filesystem::path(path);
    data.replace_extension(kDataExtension);
    gDrawState.m_szCharFilePath = data.string();
    doc->m_bHasPath = 1;
    if (doc->SaveToCurrentPath() != 1) return 0;
  }
  NextCharacter(dc);
  return 1;
}

void CTmbView::ReadCharacterText(tmb::DeviceContext& dc) {
  CDlg197 source;
  const int result = source.DoModal(this);
  if (!tmb::ui::IsAccepted(result)) return;
  if (source.m_nAction == CDlg197::kAction135) {
    tmb::FileChoice choice;
    choice.filter = kListFilter;
    choice.defaultExtension = "txt";
    std::string path;
    const bool chosen = tmb::Choosers().OpenFile(choice, path);
    // The clicks that closed the chooser are not meant for the panel.
    FlushMouseMessages();
    FlushMouseMessages();
    if (chosen) LoadCharacterList(dc, path);
    return;
  }
  // The clipboard's text takes the text box's place, and the box reads it as any edit;
  // what is written stays.
  if (m_edit) m_edit->PasteOver(tmb::ui::Clipboard().Text());
}

void CTmbView::PanelOptions() {
  CRegistrationPanel& panel = Panel();
  CDlg198 options;
  options.m_bCheck176 = panel.m_bSaveData;
  options.m_bCheck188 = panel.m_bCodeNames;
  options.m_nRadio132 = panel.m_bOverwrite ? 0 : 1;
  options.m_nRadio137 = panel.m_bNoCheck ? 1 : 0;
  options.m_bCheck189 = panel.m_bPictureBox;
  options.m_nValue = unsigned(std::clamp(panel.m_sizePicture.cx, int(CDlg198::kMinValue), int(CDlg198::kMaxValue)));
  options.m_strText = panel.m_szFolder;
  if (!tmb::ui::IsAccepted(options.DoModal(this))) return;
  if (options.m_nAction == CDlg198::kAction135) {
    std::string folder;
    if (BrowseForFolder(folder, panel.m_szFolder, kPictureFolderTitle) == 1) options.m_strText = folder;
  }
  const bool boxChanged = (options.m_bCheck189 != 0) != (panel.m_bPictureBox != 0);
  const bool sizeChanged = int(options.m_nValue) != panel.m_sizePicture.cx;
  const bool namesChanged = (options.m_bCheck188 != 0) != (panel.m_bCodeNames != 0) ||
                            options.m_strText != panel.m_szFolder || (options.m_nRadio137 == 1) != (panel.m_bNoCheck != 0);
  panel.m_bSaveData = options.m_bCheck176;
  panel.m_bCodeNames = options.m_bCheck188;
  panel.m_bOverwrite = options.m_nRadio132 == 0;
  panel.m_nOptionWord = options.m_nRadio137;
  panel.m_bNoCheck = options.m_nRadio137 == 1 ? 1 : 0;
  panel.m_bPictureBox = options.m_bCheck189;
  panel.m_szFolder = options.m_strText;
  if (namesChanged) panel.LookUpPictures();
  if (sizeChanged) {
    SetPictureSize(int(options.m_nValue));
  } else if (boxChanged) {
    ShowRegistrationPanel(2);
  }
  RefreshPanelText();
}
