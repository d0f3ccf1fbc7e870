// What the style commands read of the style-definition tree: the values of the style
// chosen in the style menus, the styles of the current branch and the two keep switches.
// The settings panel installs the tree; until then no style is chosen and the branch is
// empty.
#pragma once

#include <string>

#include "core/record/param_block.h"

class StyleDefSource {
 public:
  virtual ~StyleDefSource() = default;
  // Collects the values of the chosen style into params, ancestors first (a value of
  // -1000 leaves the entry to them). false, with params untouched, when none is chosen.
  virtual bool CollectChosenValues(ParamBlock& /*params*/) { return false; }
  // The number of styles under the current branch.
  virtual int StyleCount() const { return 0; }
  // Applies style index of the current branch to params; its name (UTF-8).
  virtual std::string ApplyStyle(ParamBlock& /*params*/, int /*index*/) { return {}; }
  // The first switch keeps parameter 5, the second parameters 156, 157 and 170.
  virtual bool KeepsFlyingWhite() const { return false; }
  virtual bool KeepsShapeColours() const { return false; }
};

// The installed tree; the empty default until another is set.
StyleDefSource& StyleDefs();
// Installs source (not owned); nullptr restores the default.
void SetStyleDefSource(StyleDefSource* source);
