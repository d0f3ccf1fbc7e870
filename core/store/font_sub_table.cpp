#include "core/store/font_sub_table.h"

#include <algorithm>
#include <vector>

#include "core/record/cp932_field.h"
#include "core/store/char_store.h"
#include "core/store/store_paths.h"
#include "core/store/wide_text.h"
#include "platform/file/safe_save.h"

CFontSubTable gFontSubTable;

namespace {

std::u16string FaceOf(const CLogFont& font) {
  return Cp932ToUtf16(Cp932FieldText(font.faceName, CLogFont::kFaceNameSize));
}

}  // namespace

void CFontSubTable::Reset() {
  m_faceNames = {};
  m_values.fill(0);
  m_bLoaded = false;
  m_nCount = 0;
}

int CFontSubTable::Load() {
  std::vector<uint8_t> bytes;
  if (!ReadStoreFile(StoreFilePath(kFontSubFileName), bytes)) return -1;
  m_nCount = static_cast<int>(std::min<size_t>(bytes.size() / kRecordSize, kCapacity));
  for (int i = 0; i < m_nCount; ++i) {
    const uint8_t* r = bytes.data() + static_cast<size_t>(i) * kRecordSize;
    auto& name = m_faceNames[static_cast<size_t>(i)];
    name.fill(u'\0');
    LoadUtf16Le(r, name.data(), kFaceUnits);
    m_values[static_cast<size_t>(i)] = r[2 * kFaceUnits];
  }
  m_bLoaded = true;
  return 1;
}

int CFontSubTable::Save() {
  std::vector<uint8_t> bytes(static_cast<size_t>(m_nCount) * kRecordSize, 0);
  for (int i = 0; i < m_nCount; ++i) {
    uint8_t* r = bytes.data() + static_cast<size_t>(i) * kRecordSize;
    StoreUtf16Le(r, {m_faceNames[static_cast<size_t>(i)].data(), kFaceUnits});
    r[2 * kFaceUnits] = m_values[static_cast<size_t>(i)];
  }
  const std::filesystem::path path = StoreFilePath(kFontSubFileName);
  return MakeFolderOf(path) && tmb::SaveFileAtomically(path, bytes.data(), bytes.size()) ? 1 : -1;
}

int CFontSubTable::GetValue(const CLogFont& font) {
  // A table that could not be read is not saved over the file.
  const bool usable = m_bLoaded || Load() == 1;
  const std::u16string face = FaceOf(font);
  for (int i = 0; usable && i < m_nCount; ++i) {
    const auto& name = m_faceNames[static_cast<size_t>(i)];
    if (WideFieldText(name.data(), kFaceUnits) == std::u16string_view(face).substr(0, kFaceUnits - 1)) {
      return m_values[static_cast<size_t>(i)];
    }
  }
  if (!m_valueFunction) return 0;
  const int computed = m_valueFunction(font);
  // A damaged or missing face is asked again next time rather than remembered wrongly.
  if (computed < 0) return 0;
  const int value = computed != 0 ? 1 : 0;
  if (usable && Add(Cp932FieldText(font.faceName, CLogFont::kFaceNameSize), value) == 1) Save();
  return value;
}

int CFontSubTable::Add(std::string_view faceName, int value) {
  if (m_nCount >= kCapacity) return -1;
  auto& name = m_faceNames[static_cast<size_t>(m_nCount)];
  StoreWideField(name.data(), kFaceUnits, Cp932ToUtf16(faceName));
  name[kFaceUnits] = u'\0';
  m_values[static_cast<size_t>(m_nCount)] = static_cast<uint8_t>(value);
  ++m_nCount;
  return 1;
}
