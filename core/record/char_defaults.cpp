// Record defaults, the defaults of the six character slots and the copies of parameter
// categories between records.
#include <algorithm>
#include <span>
#include <string>

#include "core/record/param_defaults.h"
#include "core/document/doc_windows.h"
#include "core/file/path_helpers.h"
#include "core/record/char_data.h"
#include "core/record/char_data_full.h"
#include "core/record/char_slots.h"
#include "core/record/default_files.h"
#include "core/record/std_setting_dlg.h"
#include "core/state/draw_state.h"
#include "platform/service/messages.h"
#include "platform/text/code_page.h"

namespace {

constexpr int kValueTableFill = 150;
constexpr int kFrameCountParam = 50;

bool InRange(int k, int a, int b) { return k >= a && k <= b; }

// The default folder for what a record's settings write (the current folder at start), in
// code page 932 as records hold texts. The data folder is only read, never written to.
std::string DefaultOutputFolder() { return tmb::Utf8ToSjisLossy(gDrawState.m_szCurFolderCrt); }

// name (UTF-8) in the data folder, in code page 932.
std::string DataFile(const char* name) { return tmb::Utf8ToSjisLossy(JoinPath(gDrawState.m_szCurFolder, name)); }

// The drawing-state pen settings that the guide-line category and a reset restore.
void RestorePenSettings() {
  gDrawState.m_nPenDelay = gDrawState.m_nPenDelayStart;
  gDrawState.m_nPenSpeed = gDrawState.m_nPenSpeedStart;
  gDrawState.m_nPenRestrain = gDrawState.m_nPenRestrainStart;
}

void CopyParams(ParamBlock& dst, const ParamBlock& src, int a, int b) {
  std::copy(src.begin() + a, src.begin() + b + 1, dst.begin() + a);
}

}  // namespace

void CCharDataFull::ResetSettings() {
  RestorePenSettings();
  gDrawState.m_nPenSwitch = 1;
  SetDefaultParams();
  UpdateRangeFromMode();
  m_bActive = 1;
  m_nLoadState = 1;
  m_bStrokeEnded = 1;
  m_textSettings[0].Init();
}

void CCharData::SetDefaultParams() {
  InitShapeSettings(m_param, gDrawState.m_nProgramVersion);
  m_param[176] = gDrawState.m_nLineModeMask;
  m_valueTable.fill(m_param[121]);
  m_param[122] = kValueTableFill;
  m_param[123] = kValueTableFill;
  m_valueTable[0] = kValueTableFill;
  // Parameter 50 (the frame count) names the last entry; kept within the table.
  m_valueTable[std::clamp(m_param[kFrameCountParam], 1, kValueTableSize) - 1] = kValueTableFill;
  m_text[kTextAnimationName] = "ani";
  m_text[kTextFolder] = DefaultOutputFolder();
  if (CCharDataFull* full = Full()) {
    full->m_nOutlineDirty = 1;
    full->m_rangeFrom = 0;
  }
}

void CCharData::SetDefaults() {
  CopySettingsByCategory(kCategoryAll, nullptr);
  CopySettingsByCategory(kCategoryGuide, nullptr);
  ClearPoints();
  if (CCharDataFull* full = Full()) full->m_textFont = DefaultTextFont();
}

void CCharData::SetDefaultsBySlot(int slot) {
  if (slot < 0 || slot >= kCharSlotCount) return;
  CCharDataFull* full = Full();
  GetSlotParamDefaults(m_param, full ? std::span<int32_t>(full->m_paramMax) : std::span<int32_t>(),
                       slot);
  const bool odd = slot % 2 == 1;
  m_text[kTextPicture2] = DataFile(kDefaultPictureFlowers);
  m_text[kTextPicture1] = DataFile(odd ? kDefaultPictureForest : kDefaultPictureFlowers);
  if (slot <= 3) {
    const bool shaped = slot >= 2;
    m_param[kShapeModeParam] = shaped ? 3 : 0;
    m_param[10] = shaped ? 4 : 0;
    if (shaped) {
      m_param[156] = slot == 2 ? 0xF06020 : 0x8020F0;
      if (full) full->m_rangeFrom = m_param[156];
    }
    m_text[kTextEffectFile] = DataFile(kDefaultEffectFiles[static_cast<size_t>(slot)]);
    if (slot == 3) m_param[100] = 1;
    if (full) full->m_flags[kFlagRedrawA] = 1;
  }
  m_bRedrawStrokes = 1;
  m_bRedraw2 = 1;
}

void CCharData::CopySettingsByCategory(int category, const CCharData* src) {
  const CCharData& from = src ? *src : gCharSlots[0];
  if (&from == this) return;
  CCharDataFull* full = Full();
  const CCharDataFull* fromFull = from.Full();
  switch (category) {
    case kCategoryAll:
      CopySettingsByCategory(kCategoryOther, &from);
      CopySettingsByCategory(kCategoryEffect, &from);
      CopySettingsByCategory(kCategoryShape, &from);
      CopySettingsByCategory(kCategoryBrush, &from);
      break;
    case kCategoryBrush:
      CopyParams(m_param, from.m_param, 0, 7);
      if (full && fromFull) std::copy_n(fromFull->m_paramMax.begin(), 8, full->m_paramMax.begin());
      break;
    case kCategoryOther:
      for (int k = 8; k < kParamCount; ++k) {
        if (InRange(k, 32, 36) || InRange(k, 100, 109) || InRange(k, 150, 194)) continue;
        m_param[k] = from.m_param[k];
      }
      m_text = from.m_text;
      m_bRedrawStrokes = 1;
      m_bRedraw2 = 1;
      break;
    case kCategoryGuide:
      CopyParams(m_param, from.m_param, 32, 36);
      RestorePenSettings();
      break;
    case kCategoryShape:
      CopyParams(m_param, from.m_param, 150, 193);
      if (full) {
        full->m_flags[kFlagRedrawShape] = 1;
        full->m_nOutlineDirty = 1;
      }
      UpdateRangeFromMode();
      break;
    case kCategoryEffect:
      CopyParams(m_param, from.m_param, 100, 109);
      m_effect.m_strFile = from.m_effect.m_strFile;
      m_text[kTextEffectFile] = from.m_text[kTextEffectFile];
      m_bEffectChanged = 1;
      break;
    default:
      break;
  }
}

void CCharData::LoadSettingsFromSlot(bool second) {
  const int mode = std::clamp(gDrawState.m_nStartLoadMode, 0, 2);
  CopySettingsByCategory(kCategoryAll, &gCharSlots[2 * mode + (second ? 1 : 0)]);
}

int CCharData::CopySettingsWithDialog(int source, bool second) {
  CStdSettingDlg& dialog = gStdSettingDlgs[source == 0 ? 0 : 1];
  if (dialog.DoModal() != tmb::kAnswerOk) return 0;
  const int pair = second ? 1 : 0;
  if (source == 0) {
    const bool fromStartFile = dialog.m_nSource == 0 && gDrawState.m_nStartLoadMode == 2;
    return ApplySettingsCopy(gCharSlots[(fromStartFile ? 4 : 0) + pair], dialog);
  }
  CCharDataFull* a = DrawnRecordOfKind(0);
  CCharDataFull* b = DrawnRecordOfKind(2);
  if (!a || !b || a == b) return 0;
  return source == 1 ? b->ApplySettingsCopy(*a, dialog) : a->ApplySettingsCopy(*b, dialog);
}

int CCharData::ApplySettingsCopy(const CCharData& source, const CStdSettingDlg& dialog) {
  SnapshotSettings();
  CCharDataFull* full = Full();
  if (dialog.m_bGuide) CopySettingsByCategory(kCategoryGuide, &source);
  if (dialog.m_bBrush) CopySettingsByCategory(kCategoryBrush, &source);
  if (dialog.m_bOther) {
    CopySettingsByCategory(kCategoryOther, &source);
    m_bRedrawStrokes = 1;
    m_bRedraw2 = 1;
    if (full) {
      full->m_flags[kFlagRedrawA] = 1;
      full->m_nOutlineDirty = 1;
    }
  }
  if (dialog.m_bShape) {
    CopySettingsByCategory(kCategoryShape, &source);
    if (full) {
      full->m_flags[kFlagRedrawA] = 1;
      full->m_flags[kFlagRedrawShape] = 1;
      full->m_nOutlineDirty = 1;
    }
  }
  if (dialog.m_bEffect) {
    CopySettingsByCategory(kCategoryEffect, &source);
    m_bEffectChanged = 1;
  }
  if (dialog.m_bCharacter && &source != this) {
    CopyPoints(source);
    m_textSettings[0].CopyFrom(source.m_textSettings[0], 0);
  }
  DetectSettingsChanges();
  const bool major = dialog.m_bBrush || dialog.m_bShape || dialog.m_bEffect || dialog.m_bCharacter;
  if (major && full) full->m_bLoaded = 1;
  if (major) return 1;
  return dialog.m_bGuide ? 2 : 0;
}
