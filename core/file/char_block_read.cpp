// Reading one character block: the head and its questions, then the body into a scratch
// record, committed to the record only when the whole block was read.
#include <algorithm>
#include <memory>

#include "core/file/char_block_body.h"
#include "core/file/char_block_convert.h"
#include "core/file/char_block_format.h"
#include "core/file/char_file_services.h"
#include "core/record/char_data_full.h"
#include "core/record/char_slots.h"
#include "core/store/store_section.h"
#include "platform/file/binary_file.h"
#include "platform/service/messages.h"

namespace {

// Questions before anything is read: a newer data version, and a file without points
// read over a character. false when the user declined.
bool AskBeforeReading(const CharBlockHeader& h, const CCharDataFull& record, int& mode, int partIndex) {
  if (h.version > kDataVersion && tmb::ShowMessage(62064, tmb::kMsgOkCancel) == tmb::kAnswerCancel) return false;
  if (mode == kReadAll && h.points == 0 && h.revision4 == 0 && record.m_nPoints > 0 && partIndex == 1) {
    switch (FileDialogs().AskSettingFile()) {
      case kSettingFileConvert: mode = kReadSettings; break;
      case kSettingFileReplace: break;
      default: return false;
    }
  }
  return true;
}

// A record to read into, holding what the reader may keep of the target: the settings
// before the reset from slot 0 (parameters 32 to 36 and 194 survive it), the value table
// and the effect script. The reset itself is the one every load makes.
std::unique_ptr<CCharData> PrimeScratch(const CCharDataFull& target) {
  auto scratch = std::make_unique<CCharData>();
  scratch->m_param = target.m_param;
  scratch->m_text = target.m_text;
  scratch->m_valueTable = target.m_valueTable;
  scratch->m_effect.CopyFrom(target.m_effect);
  scratch->m_bEffectChanged = target.m_bEffectChanged;
  scratch->m_bRedrawStrokes = target.m_bRedrawStrokes;
  scratch->m_bRedraw2 = target.m_bRedraw2;
  scratch->CopySettingsByCategory(kCategoryAll, nullptr);
  return scratch;
}

void RemoveTempPictures(CharBlockExtras& extras) {
  CTempPictures drop;
  for (int k = 0; k < 2; ++k) drop.Adopt(k, extras.tempPicture[k]);
}

}  // namespace

int CCharDataFull::ReadBlock(tmb::BinaryFile& file, int& mode, int anchor, int partIndex, int storeSet) {
  CharBlockHeader h;
  if (ReadBlockHead(file, h) != 1) return -1;
  if (mode == kReadProbe) return h.version < 300 ? 0 : 1;
  uint16_t points = 0, strokes = 0, reserved1 = 0, reserved2 = 0;
  if (!file.ReadU16(points) || !file.ReadU16(strokes) || !file.ReadU16(reserved1) || !file.ReadU16(reserved2)) {
    return ReportDamagedBlock();
  }
  h.points = points;
  h.strokes = strokes;
  if (h.points > kMaxCharPoints) return ReportDamagedBlock();
  if (!AskBeforeReading(h, *this, mode, partIndex)) return -1;

  std::unique_ptr<CCharData> scratch = PrimeScratch(*this);
  CharBlockExtras extras;
  extras.section->CopyFrom(m_textSettings[0], 0);
  if (!ReadBlockBody(file, h, *scratch, mode, anchor, storeSet, extras)) {
    RemoveTempPictures(extras);
    return ReportDamagedBlock();
  }
  // The strokes of the block's text characters reach the store only once the whole
  // block is in, and only the set of the window the record belongs to.
  if (extras.sectionRead && TakeStoreSection(extras.storeSection, file, *extras.section) < 0) {
    RemoveTempPictures(extras);
    return ReportDamagedBlock();
  }

  // The whole block is in: it becomes the record's.
  SnapshotSettings();
  m_param = scratch->m_param;
  m_text = scratch->m_text;
  m_valueTable = scratch->m_valueTable;
  m_effect.CopyFrom(scratch->m_effect);
  m_bEffectChanged = scratch->m_bEffectChanged;
  m_bRedraw2 = scratch->m_bRedraw2;
  // What the reset from slot 0 does to the fields of a full record.
  std::copy_n(gCharSlots[0].m_paramMax.begin(), 8, m_paramMax.begin());
  m_flags[kFlagRedrawShape] = 1;
  if (extras.sectionRead) m_textSettings[0].CopyFrom(*extras.section, 0);
  if (extras.fontRead) m_textFont = extras.font;
  for (int k = 0; k < 2; ++k) m_tempPictures.Adopt(k, extras.tempPicture[k]);
  if (mode == kReadAll) {
    ClearPoints();
    CopyPoints(*scratch);
    m_bModified = 0;
  }
  UpdateRangeFromMode();
  m_nOutlineDirty = 1;
  m_bRedrawStrokes = 1;
  DetectSettingsChanges();
  if (h.revision2 < kFirstNewBrushRevision) gOldBrushLayout = 1;
  if (extras.cut) tmb::ShowMessage(kMsgCharacterCut);
  return h.firstPart;
}
