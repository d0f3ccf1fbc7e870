// The picture series of the style presets' comparison sheets, saved through the frame
// output of the presets (gSaveOutput): one numbered picture per preset, its name as the
// caption on the index page.
#pragma once

#include "convert/presets/preset_sheet_output.h"

class CFrameOutput;

class CSheetFrameOutput final : public PresetSheetOutput {
 public:
  explicit CSheetFrameOutput(CFrameOutput& output) : m_output(output) {}

  // The area written becomes the whole paper.
  void GrowSaveArea(const tmb::Rect& rect) override;
  int Begin(const CCharData& record, int count) override;
  int SaveFrameImage(const ParamBlock& params, int index, int count, tmb::DeviceContext& dc,
                     const tmb::Surface& picture) override;
  void AddImageName(const std::string& name) override;
  void End(const ParamBlock& params, tmb::DeviceContext& dc, int count) override;
  void OpenResults(const ParamBlock& params) override;

 private:
  CFrameOutput& m_output;
  int m_nCount = 0;      // the pictures Begin was told of
  bool m_bWhole = false;  // End finished a whole sheet with every movie in place
};

// The sheets' output over gSaveOutput, installed by the application at start-up.
extern CSheetFrameOutput gSheetFrameOutput;
