// Writing one character block in the present layout (see char_block_format.h).
#include <algorithm>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/file/char_block_body.h"
#include "core/file/char_block_format.h"
#include "core/file/file_select.h"
#include "core/file/string_records.h"
#include "core/record/char_data_full.h"
#include "core/store/store_section.h"
#include "platform/file/binary_file.h"
#include "platform/file/byte_writer.h"
#include "platform/file/safe_save.h"

namespace {

constexpr int kPictureSwitch1 = 115;  // background picture 1 is in use
constexpr int kPictureSwitch2 = 116;

int16_t ToInt16(int v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); }

// Parameter 50 as it is stored: the number of value-table entries that follow, which the
// reader accepts only within the table.
int32_t StoredTableCount(int32_t p50) { return std::clamp(p50, 1, kValueTableSize); }

}  // namespace

int CCharDataFull::WriteBlock(tmb::BinaryFile& file, int partIndex) {
  const int n = std::clamp(m_nPoints, 0, kMaxCharPoints);
  int strokes = 0;
  for (int i = 0; i < n; ++i) strokes += m_pFlags[i] == 1 ? 1 : 0;

  tmb::ByteWriter w;
  w.Fixed(kBlockMagicWritten, kBlockMagicSize);
  w.U8(kDataVersion / 100).U8(kDataVersion % 100).U8(kDataRevision1).U8(kDataRevision2).U8(0);
  w.U8(static_cast<uint8_t>(m_param[200]));
  w.U16(partIndex == 1 ? 1 : 0).U16(static_cast<uint16_t>(n)).U16(static_cast<uint16_t>(strokes)).U16(0).U16(0);
  for (int k = 0; k < kParamCount; ++k) {
    w.I32(k == kValueTableParam ? StoredTableCount(m_param[k]) : m_param[k]);
  }
  if (!file.Write(w.bytes().data(), w.size())) return 0;
  for (int i = 0; i < kBlockTextCount; ++i) {
    if (WriteWideStringRecord(file, m_text[i]) < 0) return 0;
  }

  w = tmb::ByteWriter();
  w.Zeros(kBlockTextGap);
  w.U16(static_cast<uint16_t>(gWorkCanvas.m_width)).U16(static_cast<uint16_t>(gWorkCanvas.m_height));
  for (int i = 0; i < n; ++i) w.I16(ToInt16(m_pPoints[i].x));
  for (int i = 0; i < n; ++i) w.I16(ToInt16(m_pPoints[i].y));
  for (int i = 0; i < n; ++i) w.I16(static_cast<int8_t>(m_pFlags[i]));
  for (int i = 0; i < n; ++i) w.U16(static_cast<uint16_t>(m_pPressure[i]));
  if (!file.Write(w.bytes().data(), w.size())) return 0;

  const bool script = !m_effect.m_script.empty() && m_effect.m_script[0] != '\0';
  if (script ? WriteWideStringRecord(file, m_effect.m_script, kMaxScriptChars) < 0 : !file.WriteU32(0)) return 0;
  const bool usedOnly = gFileSelect.m_bEmbedUsedOnly != 0;
  if (!WritePicture(file, usedOnly && m_param[kPictureSwitch1] == 0 ? -1 : 3)) return 0;
  if (!WritePicture(file, usedOnly && m_param[kPictureSwitch2] == 0 ? -1 : 4)) return 0;
  if (SaveStoreSection(m_textSettings[0], file, partIndex) < 0) return 0;
  if (!WriteValueTable(file) || !file.WriteU32(0)) return 0;
  return file.ok() ? 1 : 0;
}

int CCharDataFull::WritePicture(tmb::BinaryFile& file, int kind) {
  std::vector<uint8_t> bytes;
  int type = kPictureNone;
  if (kind == 3 || kind == 4) {
    const std::string& path = m_picturePath[static_cast<size_t>(kind - 3)];
    if (!path.empty() && tmb::ReadWholeFile(std::filesystem::u8path(path), bytes, kMaxPictureBytes)) {
      type = PictureTypeOfBytes(bytes);
    }
  }
  if (type == kPictureNone) bytes.clear();
  const bool ok = file.WriteI32(type) && file.WriteU32(static_cast<uint32_t>(bytes.size())) &&
                  (bytes.empty() || file.Write(bytes.data(), bytes.size()));
  return ok ? 1 : 0;
}

int CCharDataFull::WriteValueTable(tmb::BinaryFile& file) {
  tmb::ByteWriter w;
  const int count = StoredTableCount(m_param[kValueTableParam]);
  for (int i = 0; i < count; ++i) w.I32(m_valueTable[static_cast<size_t>(i)]);
  return file.Write(w.bytes().data(), w.size()) ? 1 : 0;
}
