#include "export/avi/avi_codec_chooser.h"

namespace {

AviCodecChooser gNone;
AviCodecChooser* gChooser = &gNone;

}  // namespace

AviCodecChooser& AviCodecs() { return *gChooser; }
void SetAviCodecChooser(AviCodecChooser* chooser) { gChooser = chooser ? chooser : &gNone; }
