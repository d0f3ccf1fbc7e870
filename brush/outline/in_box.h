// Whether a point lies in the box spanned by two corners given in either order.
#pragma once

// True when x lies between x0 and x1 and y between y0 and y1, edges included.
bool IsInBox(int x0, int y0, int x, int y, int x1, int y1);
