// The layout of framed parts: the strokes inside the edit frames of a character aligned,
// spread, sized, moved, scaled or centred relative to one another, or taken out.
#pragma once

class CStrokePath;
struct CEditRegions;

// Operations of LayoutFrames.
enum LayoutOperation {
  kLayoutAlign = 0,       // every frame's edge or axis onto that of the reference frame
  kLayoutDistribute = 1,  // edges or axes evenly spaced between the outermost two
  kLayoutEqualise = 2,    // the reference frame's width, height or both
  kLayoutMove = 3,        // by (a, b)
  kLayoutScale = 4,       // by a and b percent from each box's top-left corner
  kLayoutCentre = 5,      // the union of the boxes centred on the paper
  kLayoutClear = 10,      // the framed strokes deleted, the frames emptied
};

// The edge or axis a layout compares: an odd one is vertical, an even one horizontal.
enum LayoutEdge {
  kEdgeLeft = 0,
  kEdgeTop = 1,
  kEdgeRight = 2,
  kEdgeBottom = 3,
  kEdgeCentreX = 4,  // the vertical centre axis
  kEdgeCentreY = 5,  // the horizontal centre axis
};

// What the layout takes as each frame's box.
enum LayoutBox {
  kBoxExtent = 0,  // the bounds of the points inside the frame
  kBoxFrame = 1,   // the frame itself
};

// Which way the equalising and the centring work.
enum LayoutDimension {
  kDimensionWidth = 0,
  kDimensionHeight = 1,
  kDimensionBoth = 2,
};

// Lays out the strokes of path that lie in the frames of regions (the first frame a
// stroke touches holds it). With second, the frames are matched on path and the strokes
// of the same numbers in second are laid out instead. The frames follow their strokes;
// the reference frame (regions.m_nReference) is the model of aligning and equalising,
// which do nothing while it names no frame. Frame sums are held within the int range;
// scaling by a negative percent leaves normalised frames. Returns 1.
int LayoutFrames(CStrokePath& path, CStrokePath* second, int operation, CEditRegions& regions, int edge, int box,
                 int dimension, int a, int b);
