#include "platform/service/display_modes.h"

namespace tmb {
namespace {

DisplayModes gTrueColour;
DisplayModes* gModes = &gTrueColour;

}  // namespace

DisplayModes& Display() { return *gModes; }

void SetDisplayModes(DisplayModes* modes) { gModes = modes ? modes : &gTrueColour; }

}  // namespace tmb
