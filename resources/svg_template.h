// The SVG animation template (resource type 23, number 315): a page whose script shows
// the frame groups put in place of its marker one after another.
#pragma once

#include <string_view>

namespace tmb {

// Where the frames go: one <g class="frame"> element per frame.
constexpr std::string_view kSvgTemplateFramesMarker = "<!--FRAMES-->";
extern const std::string_view kSvgAnimationTemplate;

}  // namespace tmb
