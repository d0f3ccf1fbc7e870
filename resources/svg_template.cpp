#include "resources/svg_template.h"

namespace tmb {

// Our own template: every frame is hidden but the current one, which the script moves on
// at the frame's "data-wait" (hundredths of a second, 10 when absent), looping.
const std::string_view kSvgAnimationTemplate = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.1" onload="start()">
<style type="text/css">g.frame { display: none; } g.frame.shown { display: inline; }</style>
<script type="text/ecmascript"><![CDATA[
var frames = [];
var current = 0;
function show(i) {
  frames[current].setAttribute("class", "frame");
  current = i;
  frames[current].setAttribute("class", "frame shown");
  var wait = parseInt(frames[current].getAttribute("data-wait") || "10", 10);
  setTimeout(function () { show((current + 1) % frames.length); }, wait * 10);
}
function start() {
  var all = document.getElementsByTagName("g");
  for (var i = 0; i < all.length; ++i) {
    if (all[i].getAttribute("class") === "frame") frames.push(all[i]);
  }
  if (frames.length > 0) show(0);
}
]]></script>
<!--FRAMES-->
</svg>
)svg";

}  // namespace tmb
