// Supersampled rendering of any point path, as CStrokeWork::RenderToBitmap renders a work
// path (core/path/stroke_work.h): the brush shapes and the outline merge render outlines
// that are plain paths.
#pragma once

#include "core/record/param_block.h"
#include "platform/gdi/surface.h"

class CStrokePath;
namespace tmb {
class DeviceContext;
}

// CStrokeWork::RenderToBitmap on path's points and flags.
int RenderPathToBitmap(const CStrokePath& path, tmb::DeviceContext* pDC, tmb::Surface* target, int mode,
                       const ParamBlock& params, tmb::Colour outlineColour);
