// The load road of the character document: the open dialog, the one-touch conversion,
// dropped files and the load of a file into the character windows.
#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>

#include "core/document/doc_windows.h"
#include "core/document/tmb_doc.h"
#include "core/file/char_block_format.h"
#include "core/file/file_select.h"
#include "core/file/path_helpers.h"
#include "core/record/char_slots.h"
#include "core/state/draw_state.h"
#include "core/state/mouse_messages.h"
#include "core/state/start_globals.h"
#include "core/store/store_paths.h"
#include "core/store/store_section.h"
#include "core/store/temp_set_keeper.h"
#include "platform/file/binary_file.h"
#include "platform/service/file_chooser.h"
#include "platform/service/messages.h"

namespace {

// Windows A and B: the first two of the character windows.
constexpr int kLoadWindows = 2;
constexpr int kStartSlot = 4;  // slots 4 and 5 take the start file's settings
constexpr int kMsgStoreNotWritten = 61522;  // the store's folder

struct LoadTarget {
  int kind = -1;
  CTmbDoc* doc = nullptr;
  bool loaded = false;
};

// A window's undo as it was before a load, to be put back when the load does not reach
// the window.
class KeptUndo {
 public:
  explicit KeptUndo(const CTmbDoc& doc)
      : copy_(std::make_unique<CCharData>()),
        valid_(doc.m_bUndoValid),
        atNextStroke_(doc.m_bUndoAtNextStroke),
        beforeOpen_(doc.m_bUndoBeforeOpen) {
    copy_->CopyFrom(doc.m_base[kBaseUndo]);
  }
  void PutBack(CTmbDoc& doc) const {
    doc.m_base[kBaseUndo].CopyFrom(*copy_);
    doc.m_bUndoValid = valid_;
    doc.m_bUndoAtNextStroke = atNextStroke_;
    doc.m_bUndoBeforeOpen = beforeOpen_;
  }

 private:
  std::unique_ptr<CCharData> copy_;
  int32_t valid_;
  int32_t atNextStroke_;
  int32_t beforeOpen_;
};

// Which window (0 A, 1 B) part 1 and part 2 go to in each file-choice mode; -1 for the
// scratch record (part 1) or no read (part 2).
constexpr int kPart1Window[] = {0, 1, 0, 1, -1, -1};
constexpr int kPart2Window[] = {1, 0, -1, -1, 1, 0};

}  // namespace

void CTmbDoc::OpenFileDialog() {
  tmb::FileChoice choice{"", kCharFileFilter, gDrawState.m_szLastFolder, "*.wdf", "wdf"};
  std::string path;
  const bool chosen = tmb::Choosers().OpenFile(choice, path);
  FlushMouseMessages();
  FlushMouseMessages();
  if (!chosen) return;
  DocWindows().UpdateWindowAndSheets();
  LoadFile(path, m_bBusy);
  gDrawState.m_szLastFolder = GetDirectoryOfPath(path);
}

void CTmbDoc::OnOneTouchConvert() {
  m_bBusy = 1;
  OpenFileDialog();
  m_bBusy = 0;
  if (!m_bConvertedOnce) {
    m_bConvertedOnce = true;
    DocWindows().UpdateAllViews(*this);
  }
}

int CTmbDoc::LoadDroppedFile(const std::string& path) { return LoadFile(path, 0); }

int CTmbDoc::LoadFile(const std::string& path, int settingsOnly) {
  const bool isDefault = path == kDefaultCharFile;
  const bool quiet = isDefault || gStartLoading != 0;
  if (quiet) settingsOnly = 1;
  // The default file is the one of the data folder, wherever the program was started.
  const std::string opened = isDefault ? JoinPath(gDrawState.m_szCurFolder, path) : path;
  tmb::BinaryFile file;
  if (!file.Open(std::filesystem::u8path(opened), tmb::BinaryFile::Mode::kRead)) {
    if (!quiet) {
      tmb::Beep();
      tmb::ShowMessage(62047);
    }
    return 0;
  }
  const int choice = std::clamp(gFileSelect.m_nMode, 0, 5);
  const int anchor = gFileSelect.m_nAnchor;
  if (!settingsOnly) settingsOnly = gFileSelect.m_bSettingsOnly;

  std::array<LoadTarget, kLoadWindows> windows;
  for (int i = 0; i < kLoadWindows && i < gDrawState.m_nCharWindows; ++i) {
    windows[i].kind = gDrawState.m_charWindowKinds[static_cast<size_t>(i)];
    windows[i].doc = TmbDocOfKind(windows[i].kind);
  }

  // The probe tells new files (two blocks) from old ones; a wrong magic ends here, told
  // once. An empty file holds no block at all: told as a foreign one.
  if (file.Size() == 0) {
    tmb::Beep();
    tmb::ShowMessage(62051);
    return 0;
  }
  int firstPart = 1;
  const int probe = ProbeCharBlock(file, &firstPart);
  if (probe < 0 || !file.Seek(0)) return 0;
  const bool twoParts = probe == 1;
  // A save made while window A was closed holds B's block alone, marked as part 2.
  const bool startsWithPart2 = twoParts && firstPart == 0;
  // A window the file loads into keeps what it held for one undo. A character read into
  // an empty window leaves no undo at all: one undo would only throw the file's
  // character away (and an older copy would put back what the open replaced). The undo
  // it had is kept aside until the window has taken its part, and put back when it has
  // not: a failed open replaced nothing, so the last edit can still be taken back.
  std::array<std::optional<KeptUndo>, kLoadWindows> undos;
  auto keepForUndo = [settingsOnly, &undos](int window, CTmbDoc& doc) {
    undos[window].emplace(doc);
    if (settingsOnly || doc.m_char.m_nPoints > 0) {
      doc.SaveUndoCopy();
    } else {
      doc.m_bUndoValid = 0;
    }
  };
  if (windows[0].doc && (choice <= 2 || choice == 5)) keepForUndo(0, *windows[0].doc);
  if (windows[1].doc && (choice <= 1 || choice == 3 || choice == 4)) keepForUndo(1, *windows[1].doc);

  // A window's block refills the window's temporary store set; the old set is kept aside
  // until the window has taken the whole block, and put back when it has not (the
  // window then keeps its old document, whose strokes only that set holds). A set that
  // cannot be kept aside is left alone, and the block's strokes are held in memory.
  std::array<std::optional<TempSetKeeper>, kLoadWindows> keepers;
  auto keepSet = [&](int window) { keepers[window].emplace(StoreSetOfWindow(window)); };
  int mode = settingsOnly ? kReadSettings : kReadAll;
  const int first = kPart1Window[choice];
  auto readPart2 = [&] {
    const int second = kPart2Window[choice];
    if (second >= 0 && windows[second].doc) {
      keepSet(second);
      windows[second].loaded =
          windows[second].doc->m_char.ReadBlock(file, mode, anchor, 2, StoreSetOfWindow(second)) >= 0;
    }
  };
  if (startsWithPart2) {
    readPart2();
  } else if (twoParts) {
    // A part whose window has no document is read into the scratch record all the same,
    // so that the second part is found after it; it refills no window's store set.
    auto scratch = std::make_unique<CCharDataFull>();
    LoadTarget* target1 = first >= 0 && windows[first].doc ? &windows[first] : nullptr;
    if (target1) keepSet(first);
    CCharDataFull& record1 = target1 ? target1->doc->m_char : *scratch;
    if (record1.ReadBlock(file, mode, anchor, 1, target1 ? StoreSetOfWindow(first) : 0) >= 0) {
      if (target1) target1->loaded = true;
      readPart2();
    }
  } else if (first >= 0 && choice <= 3 && windows[first].doc) {
    keepSet(first);
    windows[first].loaded = windows[first].doc->m_char.ReadBlock(file, mode, anchor, 1, StoreSetOfWindow(first)) >= 0;
  }
  file.Close();
  bool held = false;
  for (int i = 0; i < kLoadWindows; ++i) {
    if (keepers[i] && windows[i].loaded) {
      held = held || keepers[i]->RefillHeld();
      keepers[i]->Commit();
    }
    if (undos[i] && !windows[i].loaded) undos[i]->PutBack(*windows[i].doc);
  }
  // The file is in; only the store could not take its text characters, which the
  // windows keep for their next save.
  if (held) {
    tmb::Beep();
    tmb::ShowMessage(kMsgStoreNotWritten, tmb::kMsgOk, {StoreFolder().string()});
  }

  bool any = false;
  for (LoadTarget& w : windows) {
    if (!w.loaded) continue;
    any = true;
    if (!isDefault) {
      DocWindows().LoadImageIntoView(w.kind, 0);
      DocWindows().LoadImageIntoView(w.kind, 1);
      w.doc->AfterLoad(w.doc->m_char);
    }
  }
  // The path first, so that the refreshed windows name the new file.
  if (any && mode == kReadAll && !isDefault) {
    gDrawState.m_szCharFilePath = path;
    DocWindows().NoteCurrentFile(path);
  }
  for (LoadTarget& w : windows) {
    if (!w.loaded) continue;
    w.doc->m_char.m_nLoadState = 2;
    if (mode == kReadAll) {
      w.doc->m_bHasPath = 1;
      // What the window held before is not the opened file's; settings alone replace no
      // character.
      w.doc->m_bUndoBeforeOpen = w.doc->m_bUndoValid;
      w.doc->m_bTempSaveBeforeOpen = w.doc->m_bTempSaved;
    }
    if (!quiet) w.doc->m_bUndoAtNextStroke = 1;
    DocWindows().RefreshAfterLoad(w.kind);
  }
  if (gStartLoading) {
    for (int i = 0; i < kLoadWindows; ++i) {
      if (windows[i].doc) gCharSlots[kStartSlot + i].CopyFrom(windows[i].doc->m_char);
    }
  }
  return any ? 1 : 0;
}

void CTmbDoc::AfterLoad(CCharDataFull& record) {
  record.m_effect.SetFile(record.m_text[kTextEffectFile], record.m_param[101]);
  record.m_text[kTextEffectFile].clear();
  record.m_effect.m_strFile.clear();
  record.m_bEffectChanged = 0;
  record.m_bLoaded = 1;
  record.m_nOutlineDirty = 1;
  record.m_flags[kFlagRedrawA] = 1;
  // The frame commands' ranges named points of the character that was replaced.
  record.m_nFramePending = 0;
  record.m_nFrameFirst = record.m_nFrameEnd = 0;
  for (int k = 0; k < 2; ++k) {
    std::string& text = record.m_text[kTextPicture1 + k];
    const std::string shown = record.BackgroundPicturePath(k);
    record.m_picturePath[static_cast<size_t>(k)] = shown;
    const std::string& temp = record.m_tempPictures.Path(k);
    if (!temp.empty() && shown == temp) text.clear();
  }
  record.m_bPicturesPending = 0;
}
