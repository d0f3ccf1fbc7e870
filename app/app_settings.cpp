#include "app/app_settings.h"

#include <algorithm>
#include <limits>

#include "app/dialogs/pen_dialogs.h"
#include "app/value_limits.h"
#include "core/state/draw_state.h"
#include "platform/service/profile.h"

namespace {

const char kData[] = "Data";

int ColourToProfile(tmb::Colour c) { return static_cast<int>(c & 0xFFFFFF); }

tmb::Colour ColourFromProfile(tmb::ProfileStore& profile, const char* key, tmb::Colour fallback) {
  return static_cast<tmb::Colour>(profile.GetInt(kData, key, ColourToProfile(fallback))) & 0xFFFFFF;
}

}  // namespace

void LoadProfileValues(tmb::ProfileStore& profile, CDrawState& state) {
  const bool modern = state.m_nWinVersion >= kPointerSpeedVersion;
  // The pen values are held to the ranges the pen dialog offers; the speed is stored one
  // above its level.
  state.m_nPenDelayStart =
      std::clamp(profile.GetInt(kData, "PenDelay", 15), 0, static_cast<int>(CBrushSetDlg::kMaxDelay));
  state.m_nPenDelay = state.m_nPenDelayStart;
  const int speed = profile.GetInt(kData, "PenSpeed", modern ? 3 : 1);
  state.m_nPenSpeedStart = std::clamp(speed, 1, CBrushSetDlg::kMaxSpeed + 1) - 1;
  state.m_bChangeMouseSpeed = profile.GetInt(kData, "ChangeMouseSpeed", modern ? 0 : 1);
  state.m_nPenRestrainStart = profile.GetInt(kData, "PenRestrain", 0);
  // The paper size saved at shut-down is not read back: every start begins with the
  // standard paper, which only the start-settings dialog changes for the run.
  state.m_sizeCanvas = {CDrawState::kDefaultCanvasWidth, CDrawState::kDefaultCanvasHeight};
  state.m_nMaxDataSize = std::clamp(profile.GetInt(kData, "MaxDataSize", 1), CDrawState::kMinMaxDataSize,
                                    CDrawState::kMaxMaxDataSize);
  // Counted up at every shut-down: never below zero, and never past the largest count.
  state.m_nStartCount = std::clamp(profile.GetInt(kData, "CountV3", 0), 0, std::numeric_limits<int>::max() - 1);
  state.m_nStartSetting = profile.GetInt(kData, "StartSetting", 1);
  // The user's files belong in the user's folder: the data folder is only read.
  std::string drawPath = profile.GetString(kData, "DrawFilePath", state.m_szUserFolder);
  state.m_szDrawFilePath = AcceptPathValue(drawPath) ? drawPath : state.m_szUserFolder;
  state.m_bSettingViewButton = 0;
  state.m_bDrawTempOriginalLine = profile.GetInt(kData, "DrawTempOriginalLine", 1);
  state.m_nRedrawSteps = profile.GetInt(kData, "DrawByTempAnimation", 1);
}

void LoadAppSettings(tmb::ProfileStore& profile, CDrawState& state) {
  std::string start = profile.GetString(kData, "StartLoadFileName", "(Default1)");
  if (start.empty() || !AcceptPathValue(start)) start = "(Default1)";
  state.m_strStartFile = start;
  state.m_nSheetClearMode = profile.GetInt(kData, "SheetClearMode", 0);
  const auto& scheme = CDrawState::kBackSchemes[0];
  state.m_crBackA = ColourFromProfile(profile, "BackColorA", scheme[0]);
  state.m_crBackB = ColourFromProfile(profile, "BackColorB", scheme[1]);
  state.m_crBackPreview = ColourFromProfile(profile, "BackColorPreview", scheme[2]);
  state.m_crBackEdit = ColourFromProfile(profile, "BackColorEdit", scheme[3]);
  state.m_crTabletPen = ColourFromProfile(profile, "TabletPCDrawingPenColor", 0xFF0000);
  if (start == "(Default1)") {
    state.m_nStartLoadMode = kStartDefault1;
  } else if (start == "(Default2)") {
    state.m_nStartLoadMode = kStartDefault2;
  } else {
    state.m_nStartLoadMode = kStartNamedFile;
  }
}

void SaveProfileValues(tmb::ProfileStore& profile, const CDrawState& state) {
  profile.WriteInt(kData, "PenSpeed", state.m_nPenSpeed + 1);
  profile.WriteInt(kData, "ChangeMouseSpeed", state.m_bChangeMouseSpeed);
  profile.WriteInt(kData, "PenDelay", state.m_nPenDelay);
  profile.WriteInt(kData, "PenRestrain", state.m_nPenSwitch);
  profile.WriteInt(kData, "BmpWidthV3", state.m_sizeCanvas.cx);
  profile.WriteInt(kData, "BmpHeightV3", state.m_sizeCanvas.cy);
  profile.WriteString(kData, "StartLoadFileName", state.m_strStartFile);
  profile.WriteInt(kData, "SheetClearMode", state.m_nSheetClearMode);
  profile.WriteInt(kData, "CountV3", state.m_nStartCount + 1);
  profile.WriteInt(kData, "StartSetting", state.m_nStartSetting);
  profile.WriteInt(kData, "BackColorA", ColourToProfile(state.m_crBackA));
  profile.WriteInt(kData, "BackColorB", ColourToProfile(state.m_crBackB));
  profile.WriteInt(kData, "BackColorPreview", ColourToProfile(state.m_crBackPreview));
  profile.WriteInt(kData, "BackColorEdit", ColourToProfile(state.m_crBackEdit));
  profile.WriteInt(kData, "MaxDataSize", state.m_nMaxDataSize);
  profile.WriteString(kData, "DrawFilePath", state.m_szDrawFilePath);
  profile.WriteInt(kData, "SettingViewBotton", state.m_bSettingViewButton);
  profile.WriteInt(kData, "TabletPCDrawingPenColor", ColourToProfile(state.m_crTabletPen));
  profile.WriteInt(kData, "DrawTempOriginalLine", state.m_bDrawTempOriginalLine);
  profile.WriteInt(kData, "DrawByTempAnimation", state.m_nRedrawSteps);
}
