// What the comparison sheet asks of the frame output: a series of pictures, one per
// preset, each with its name on the index page. The animation output installs the real
// one; until then a sheet cannot start.
#pragma once

#include <string>

#include "core/record/param_block.h"
#include "platform/gdi/geometry.h"

class CCharData;

namespace tmb {
class DeviceContext;
class Surface;
}  // namespace tmb

class PresetSheetOutput {
 public:
  virtual ~PresetSheetOutput() = default;
  // Grows the save area's dirty rectangle to hold rect.
  virtual void GrowSaveArea(const tmb::Rect& /*rect*/) {}
  // Prepares a series of count pictures with the settings, file-name base, save folder
  // and waits of record; -1 when it cannot start.
  virtual int Begin(const CCharData& /*record*/, int /*count*/) { return -1; }
  // Writes picture index of count from picture; -1 when it could not be written.
  virtual int SaveFrameImage(const ParamBlock& /*params*/, int /*index*/, int /*count*/, tmb::DeviceContext& /*dc*/,
                             const tmb::Surface& /*picture*/) {
    return -1;
  }
  // Appends name (at most 255 bytes) to the pictures of the index page.
  virtual void AddImageName(const std::string& /*name*/) {}
  // Finishes the series of count pictures (written so far) and writes the index page.
  virtual void End(const ParamBlock& /*params*/, tmb::DeviceContext& /*dc*/, int /*count*/) {}
  // Opens what was made when the settings ask for it.
  virtual void OpenResults(const ParamBlock& /*params*/) {}
};

// The installed output; the default cannot start.
PresetSheetOutput& SheetOutput();
// Whether an output that can start is installed.
bool SheetOutputInstalled();
// Installs output (not owned); nullptr restores the default.
void SetPresetSheetOutput(PresetSheetOutput* output);
