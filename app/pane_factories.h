// The views the frames put in their panes: the data-file tree, the drawing view, the
// settings panel, the image editor and its zoom window, and the preview.
#pragma once

#include "platform/ui/child_frame.h"

struct PaneFactories {
  tmb::ui::ViewFactory tree;      // the data-file tree
  tmb::ui::ViewFactory drawing;   // the drawing view
  tmb::ui::ViewFactory settings;  // the settings panel
  tmb::ui::ViewFactory picture;   // the image editor's picture
  tmb::ui::ViewFactory zoom;      // the image editor's zoom view
  tmb::ui::ViewFactory preview;   // the preview
};

PaneFactories& Panes();
// Back to the panes of the program.
void ResetPanes();
