// The grid of character cells laid over the canvas: guide lines, cell rectangles and cell
// centres. Cells are numbered down each column, columns from the right.
#pragma once

#include "core/geometry/fpoint.h"
#include "platform/gdi/geometry.h"

class LineSink;

// The values a grid is laid out from.
struct CCellLayout {
  int canvasWidth = 0;
  int canvasHeight = 0;
  int cellWidth = 0;
  int cellHeight = 0;
  int originX = 0;
  int originY = 0;
  int leftAnchored = 0;
};

class CCellGrid {
 public:
  // Columns and rows of whole cells over the canvas, from originY down and from originX
  // (left-anchored) or from canvasWidth - originX leftwards. A cell size or canvas that
  // holds no whole cell lays out an empty grid.
  void SetLayout(int canvasWidth, int canvasHeight, int cellWidth, int cellHeight, int originX, int originY,
                 int leftAnchored);
  void SetLayout(const CCellLayout& layout);
  // Top-left corner of cell n.
  tmb::Point CellOrigin(int n) const;
  tmb::Rect CellRect(int n) const;
  // The centre of the cell holding (x, y); (x, y) itself on an empty grid.
  CFPoint CellCentreAt(float x, float y) const;
  tmb::Point SnapToCellCentre(int x, int y) const;
  // The grid lines, shifted by the canvas origin; nothing for an empty grid.
  void DrawLines(LineSink& dc) const;
  bool IsEmpty() const { return m_nColumns <= 0 || m_nRows <= 0; }

  float m_fLeft = 0;
  float m_fTop = 0;
  float m_fRight = 0;
  float m_fBottom = 0;
  int m_nColumns = 0;
  int m_nRows = 0;
  int m_nCanvasWidth = 0;
  int m_nOriginX = 0;
  int m_nOriginY = 0;
  int m_nCellWidth = 0;
  int m_nCellHeight = 0;
  int m_nAnchor = 0;
};
