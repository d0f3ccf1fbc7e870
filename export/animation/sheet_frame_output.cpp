#include "export/animation/sheet_frame_output.h"

#include "core/canvas/work_canvas.h"
#include "export/animation/frame_movie_outputs.h"
#include "export/animation/frame_output.h"

CSheetFrameOutput gSheetFrameOutput(gSaveOutput);

void CSheetFrameOutput::GrowSaveArea(const tmb::Rect& /*rect*/) {
  // Every picture of a sheet is the whole paper, which holds the character wherever it lies.
  m_output.m_rcCanvas = {0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height};
}

int CSheetFrameOutput::Begin(const CCharData& record, int count) {
  m_nCount = count;
  m_bWhole = false;
  return m_output.Begin(record, count);
}

int CSheetFrameOutput::SaveFrameImage(const ParamBlock& params, int index, int count, tmb::DeviceContext& dc,
                                      const tmb::Surface& picture) {
  return m_output.SaveFrameImage(params, index, count, index, count, dc, picture);
}

void CSheetFrameOutput::AddImageName(const std::string& name) {
  if (m_output.m_bHtml) IndexPage().AddCaption(name);
}

void CSheetFrameOutput::End(const ParamBlock& params, tmb::DeviceContext& dc, int count) {
  // A sheet cut short (a picture not drawn or not written) ends as a stopped run: its
  // movies hold the pictures written, and it opens none of them.
  if (count < m_nCount) gAnimAborted = 1;
  m_bWhole = m_output.End(params, dc, count, count) == 1 && !gAnimAborted;
}

void CSheetFrameOutput::OpenResults(const ParamBlock& params) {
  // A movie that could not be finished left an earlier file under its name.
  if (m_bWhole) m_output.OpenResults(params);
}
