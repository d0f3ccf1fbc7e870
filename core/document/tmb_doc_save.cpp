// The save road of the character document: one block per character window, written to a
// temporary file that replaces the target only when every block is complete.
#include <algorithm>
#include <vector>

#include "core/document/doc_windows.h"
#include "core/document/tmb_doc.h"
#include "core/file/path_helpers.h"
#include "core/state/draw_state.h"
#include "core/state/mouse_messages.h"
#include "platform/file/safe_save.h"
#include "platform/service/file_chooser.h"
#include "platform/service/messages.h"

namespace {

// The documents of the character windows, in the order of the window list; a window
// without a document is left out.
std::vector<CTmbDoc*> CharWindowDocs() {
  std::vector<CTmbDoc*> docs;
  const int count = std::min<int>(gDrawState.m_nCharWindows, static_cast<int>(gDrawState.m_charWindowKinds.size()));
  for (int i = 0; i < count; ++i) docs.push_back(TmbDocOfKind(gDrawState.m_charWindowKinds[static_cast<size_t>(i)]));
  return docs;
}

int SaveFailed() {
  tmb::ShowMessage(62047);
  return 0;
}

}  // namespace

int CTmbDoc::SaveCharacterFile(const std::string& path) {
  const std::vector<CTmbDoc*> docs = CharWindowDocs();
  // Without a single window there is nothing to save, and the file is left alone.
  if (std::find_if(docs.begin(), docs.end(), [](CTmbDoc* d) { return d != nullptr; }) == docs.end()) {
    return SaveFailed();
  }
  tmb::SafeSave save(std::filesystem::u8path(path));
  if (!save.Begin()) return SaveFailed();
  // Window i is part i + 1, whose characters are looked up in set i + 1: the window's own
  // set (StoreSetOfWindow), the one its loads refill, whatever block of the file it came from.
  for (size_t i = 0; i < docs.size(); ++i) {
    if (docs[i] && !docs[i]->m_char.WriteBlock(save.file(), static_cast<int>(i) + 1)) return SaveFailed();
  }
  if (!save.Commit()) return SaveFailed();
  for (CTmbDoc* doc : docs) {
    if (doc) doc->m_char.m_bModified = 0;
  }
  return 1;
}

int CTmbDoc::SaveToCurrentPath() {
  if (!m_bHasPath) return 0;
  return SaveCharacterFile(gDrawState.m_szCharFilePath);
}

int CTmbDoc::SaveAs() {
  tmb::FileChoice choice{"", kCharFileFilter, gDrawState.m_szLastFolder, "*.wdf", "wdf"};
  std::string path;
  const bool chosen = tmb::Choosers().SaveFile(choice, path);
  FlushMouseMessages();
  if (!chosen) return 0;
  const int saved = SaveCharacterFile(path);
  gDrawState.m_szLastFolder = GetDirectoryOfPath(path);
  if (saved) {
    gDrawState.m_szCharFilePath = path;
    DocWindows().NoteCurrentFile(path);
    for (CTmbDoc* doc : CharWindowDocs()) {
      if (doc) doc->m_bHasPath = 1;
    }
  }
  DocWindows().UpdateAllViews(*this);
  return saved;
}

void CTmbDoc::ForgetCurrentFile() {
  gDrawState.m_szCharFilePath.clear();
  for (CTmbDoc* doc : CharWindowDocs()) {
    if (doc) doc->m_bHasPath = 0;
  }
  DocWindows().UpdateAllViews(*this);
}
