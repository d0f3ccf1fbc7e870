// Parameter copies, the derived range pair and change detection of a character record.
#include <memory>

#include "core/record/char_data.h"
#include "core/record/char_data_full.h"

namespace {

constexpr int kShapeFirst = 150;
constexpr int kShapeLast = 158;

}  // namespace

bool CCharData::IsModeInMask(int mask) const {
  switch (m_param[kShapeModeParam]) {
    case 0:
      return (mask & 1) != 0;
    case 1:
      return (mask & 8) != 0;
    case 2:
      return (mask & 4) != 0;
    case 3:
      return (mask & 2) != 0;
    default:
      return false;
  }
}

bool CCharData::IsParamActive(int k) const {
  const int mode = m_param[kShapeModeParam];
  if (k == 150 || k == 151) return mode == 2;
  if (k >= 152 && k <= 155) return mode == 1;
  if (k == 156) return mode == 3;
  if (k == 157) return true;
  if (k == 158) return IsModeInMask(m_param[177]);
  return false;
}

void CCharData::CopyActiveShapeParams(const CCharData& src) {
  for (int k = kShapeFirst; k <= kShapeLast; ++k) {
    if (IsParamActive(k) && m_param[k] != src.m_param[k] && Full()) Full()->m_nOutlineDirty = 1;
    m_param[k] = src.m_param[k];
  }
}

void CCharData::CopySettings(const CCharData& src) {
  CopyActiveShapeParams(src);
  m_param = src.m_param;
  UpdateRangeFromMode();
}

void CCharData::CopySettingsAndNames(const CCharData& src) {
  CopySettings(src);
  m_text = src.m_text;
  m_effect.CopyFrom(src.m_effect);
}

void CCharData::CopyFrom(const CCharData& src) {
  if (&src == this) return;
  CopyPoints(src);
  CopySettingsAndNames(src);
  m_regions = src.m_regions;
}

void CCharData::SwapWith(CCharData& other) {
  if (&other == this) return;
  auto temp = std::make_unique<CCharData>();
  temp->CopyFrom(*this);
  CopyFrom(other);
  other.CopyFrom(*temp);
}

void CCharData::UpdateRangeFromMode() {
  CCharDataFull* full = Full();
  if (!full) return;
  switch (m_param[kShapeModeParam]) {
    case 0:
      full->m_rangeFrom = full->m_rangeTo = 0;
      break;
    case 3:
      full->m_rangeFrom = full->m_rangeTo = m_param[156];
      break;
    case 2:
      full->m_rangeFrom = m_param[150];
      full->m_rangeTo = m_param[151];
      break;
    case 1: {
      // The four colours 152 to 155 with their switches 172 to 175: the first and the
      // last colour switched on.
      int first = -1;
      int last = -1;
      for (int k = 0; k < 4; ++k) {
        if (m_param[172 + k] == 0) continue;
        if (first < 0) first = k;
        last = k;
      }
      full->m_rangeFrom = first < 0 ? 0 : m_param[152 + first];
      full->m_rangeTo = last < 0 ? 0 : m_param[152 + last];
      break;
    }
    default:
      break;
  }
  if (m_param[179] != 0) full->m_rangeTo = m_param[158];
}

void CCharData::SnapshotSettings() {
  if (CCharDataFull* full = Full()) full->m_paramSnapshot = m_param;
}

void CCharData::DetectSettingsChanges() {
  CCharDataFull* full = Full();
  if (!full) return;
  auto changed = [&](int k) { return m_param[k] != full->m_paramSnapshot[k]; };
  auto raise = [&](bool all) {
    full->m_nOutlineDirty = 1;
    full->m_flags[kFlagRedrawA] = 1;
    full->m_flags[kFlagRedrawB] = 1;
    if (all) full->m_flags[kFlagRedrawShape] = 1;
  };
  if (changed(191) || changed(192)) raise(true);
  if (changed(10) || changed(181) || changed(176)) raise(false);
  if (changed(kShapeModeParam)) full->m_nOutlineDirty = 1;
  if (changed(40) || changed(41) || changed(37)) raise(false);
}

void CCharData::ClearShapeMode() {
  m_param[kShapeModeParam] = 0;
  m_param[176] &= ~1;
  m_param[177] &= ~1;
  m_param[180] &= ~1;
}
