// The classes of view a window-kind lookup looks for.
#pragma once

enum ViewClass {
  kViewTmb = 1,  // the drawing view
  kViewSet,      // the settings panel
  kViewList,     // the data-file tree
  kViewBmp,      // the image editor's picture
  kViewBmpl,     // the image editor's zoom view
  kViewPre,      // the preview
  kViewColset,   // the image editor module's empty view
};
