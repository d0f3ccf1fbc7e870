#include "convert/presets/style_def_source.h"

namespace {

StyleDefSource gNoStyles;
StyleDefSource* gStyleDefs = &gNoStyles;

}  // namespace

StyleDefSource& StyleDefs() { return *gStyleDefs; }

void SetStyleDefSource(StyleDefSource* source) { gStyleDefs = source ? source : &gNoStyles; }
