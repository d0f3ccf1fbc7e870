#include "app/stand_in_documents.h"

#include <filesystem>
#include <fstream>

#include "core/draw_state.h"
#include "core/start_globals.h"
#include "platform/service/file_chooser.h"
#include "platform/service/messages.h"

namespace {

const char kFilter[] = "(*.wdf)|*.wdf|(*.*)|*.*||";

}  // namespace

int CStandInCharDoc::LoadFile(const std::string& path, int) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    // The start file may be missing without a word; anything else is reported.
    if (!gStartLoading) {
      tmb::Beep();
      tmb::ShowMessage(62047);
    }
    gDrawState.m_szCharFilePath.clear();
    return 0;
  }
  loaded_ = path;
  hasPath_ = !gStartLoading;
  MarkSaved();
  UpdateAllViews();
  return 1;
}

void CStandInCharDoc::LoadDroppedFile() { LoadFile(gDrawState.m_szCharFilePath, 0); }

void CStandInCharDoc::OpenFileDialog() {
  tmb::FileChoice choice{"", kFilter, gDrawState.m_szLastFolder, "*.wdf", "wdf"};
  std::string path;
  if (!tmb::Choosers().OpenFile(choice, path)) return;
  gDrawState.m_szCharFilePath = path;
  LoadFile(path, 0);
  gDrawState.m_szLastFolder = std::filesystem::path(path).parent_path().string();
}

void CStandInCharDoc::SaveAs() {
  tmb::FileChoice choice{"", kFilter, gDrawState.m_szLastFolder, "*.wdf", "wdf"};
  std::string path;
  if (!tmb::Choosers().SaveFile(choice, path)) return;
  gDrawState.m_szCharFilePath = path;
  gDrawState.m_szLastFolder = std::filesystem::path(path).parent_path().string();
  hasPath_ = true;
  ++saves_;
  MarkSaved();
}

void CStandInCharDoc::SaveToCurrentPath() {
  if (!hasPath_) return;
  ++saves_;
  MarkSaved();
}

void CStandInCharDoc::MarkSaved() {
  m_char.m_bModified = 0;
  SetModified(false);
}

void CStandInPictureDoc::SaveImageAs() {
  ++saves_;
  SetModified(false);
}
