// The work path of the brush engine and the conversion: a point path with a record per
// point, two per-point byte arrays, a pen pressure per point, a copy of the 512 brush
// parameters and a grid of character cells.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/geometry/cell_grid.h"
#include "core/path/stroke_path.h"
#include "core/record/param_block.h"

namespace tmb {
class DeviceContext;
class Surface;
}
class CBrushState;

class CStrokeWork : public CStrokePath {
 public:
  CStrokeWork();
  explicit CStrokeWork(int capacity);
  ~CStrokeWork() override;

  void Reallocate(int capacity) override;
  // Appends the integer sample (x, y) with its pressure and flag; 0 when full, else 1.
  int AddSample(int x, int y, int pressure, int flag);
  // Takes all 512 brush parameters of other.
  void CopyParamsFrom(const CStrokeWork& other);
  // Takes other's parameters, option words and record settings, and clears the
  // link-points flag.
  void CopySettingsFrom(const CStrokeWork& other);
  // Lays the cell grid out from the stored layout values.
  void SetGridLayout();

  // The conversion driver (convert/driver/): this path becomes the character of source
  // converted as this path's parameters ask. 1 when converted; 0 when the conversion is
  // switched off (parameter 47), and this path then holds an unchanged copy of source.
  // source may change: collected ink is merged into it.
  int ConvertCharacter(CStrokeWork& source);
  // The morph interpolation (convert/morph/): this path becomes the in-between character
  // of the paired paths a and b (other paths than this one) at percent (held within 0 to
  // 100), read with this path's parameters (the time lag and the stretch tolerance).
  // Takes the smaller of the two counts; returns it.
  int InterpolateCharacters(const CStrokePath& a, const CStrokePath& b, int percent);

  // Reshaping that the conversion offers beside its passes (convert/analysis/); no pass
  // runs it.
  //
  // Every stroke whose segment from its start is nearly level (flatter than 1 in 4, a
  // chord of at least a pixel) and nearly straight (every point within about 0.18 of the
  // chord from it) is slanted to rise towards its end: a point at distance d from the
  // start moves up by (d - L / 2) / 4, L the chord's length. Returns 1.
  int RaiseLevelStrokes();
  // Cuts each stroke where its horizontal or vertical direction reverses and turns every
  // slanted run between two such points into an L-shaped step, each point moving to the
  // nearer leg. amount other than 1 moves the inner step corners by amount - 1 pixels
  // away from the corner before them; snap keeps that move short of the other runs. Mode
  // 2 takes the whole path as one run of points.
  void SquareStrokeSteps(int mode, int amount, int snap);

  // Outline filling (brush/render/). The strokes are closed contours whose points of
  // attribute 3 are the control points of quadratic curves; a contour's byte in the
  // stroke-mark buffer is its flag: 0 painted, non-zero white (255 also drawn with a white
  // outline).
  //
  // Adds the piece that starts at point i of the contour from strokeStart to out: point i
  // when point i + 1 is on the curve, else the curve through the run of control points
  // after i (closing to strokeStart past the stroke's end), flattened; points repeated
  // stay. Mode 1 draws the straight piece as a line and, like mode 5, sets the curve's
  // pixels, at scale, in colour into pDC (when given); mode -1 appends the straight piece
  // to sidePath (when given) as a stroke of its two points. Returns the index of the last
  // point used.
  int BuildStrokePolygon(int i, int strokeStart, std::vector<CFPoint>& out, int mode, tmb::DeviceContext* pDC,
                         tmb::Colour colour, float scale, CStrokePath* sidePath = nullptr) const;
  // Orders the contours outer first, swapping the first pair out of order (a contour
  // ranked before one whose box strictly holds its own, or after one its box holds) until
  // none is, and flags as holes those that do not run clockwise at their topmost point
  // (the others with invert), in the new order; returns 1.
  int CollectStrokeOutlines(int invert);
  // Paints the contours into pDC at scale (points times scale, rounded): mode 0 only
  // collects them (pDC may be null), 1 draws their outlines, 2 to 4 and 6 and 7 fill them
  // as polygons by their flags (3 and 7 run CollectStrokeOutlines first), 5 sets only the
  // pixels of their curves. Unless keepBackground, the scaled paper is made white first.
  // Contours outside the selected division of the morph correspondence are left out.
  // Every contour drawn is also appended, as integer points, to outPath when given.
  void FillOutlines(tmb::DeviceContext* pDC, tmb::Colour colour, int mode, int keepBackground, CStrokePath* outPath,
                    float scale, int invert);
  // The same into pBitmap through a memory context compatible with pDC.
  void FillOutlinesInto(tmb::DeviceContext* pDC, tmb::Surface* pBitmap, tmb::Colour colour, int mode,
                        int keepBackground, CStrokePath* outPath, float scale, int invert);
  // Moves points that stick out by one pixel from a nearly level or upright run back
  // into line with their neighbours.
  void SnapNearAxisPoints();

  // Supersampled rendering (brush/render/): the strokes, scaled by 4, are filled into
  // the canvas's scaled work bitmap and reduced into target, ink in outlineColour over
  // the paper colour of params (parameter 157). Modes: 2 adds the solid strokes to target
  // itself without clearing it and 5 clears target first, both unreduced; 3 only reduces
  // what the scaled work bitmap holds; 1 fills the contours by their flags; any other
  // mode fills every stroke solid. Returns 1, or 0 without a target.
  int RenderToBitmap(tmb::DeviceContext* pDC, tmb::Surface* target, int mode, const ParamBlock& params,
                     tmb::Colour outlineColour);
  // Fills every stroke, solid in colour, into target.
  void FillToBitmap(tmb::DeviceContext* pDC, tmb::Surface* target, tmb::Colour colour);

  // Drawing of the converted character (brush/render/) into the picture of a brush render
  // state. Every call refuses to draw, and leaves the picture as it is, while the state is
  // not created.
  //
  // Selects state as the drawing target, or with null the state of this path's window
  // (none for a window other than 0 or 1), and takes the addresses of its bitmaps.
  void SelectBrushState(CBrushState* state);
  // Makes the two memory contexts, compatible with pDC: the canvas's spare bitmap in the
  // first, the state's picture in the second. Nothing when they exist already, the window
  // index is negative, or no created state is selected. 1 when the contexts exist.
  int PrepareWorkDCs(tmb::DeviceContext* pDC);
  // Puts back what the contexts held before and deletes them.
  void ReleaseWorkDCs();
  // Fills the whole state picture with the paper colour (parameter 157) when useColour is
  // non-zero, else with white.
  void FillStateBitmap(tmb::DeviceContext* pDC, int useColour);
  // Paints this converted character (points [start, end), end -1 for all) into the
  // selected state's picture: as dots round every point when parameter 291 is set (round
  // the points of source when the conversion is off), else as the brush-rendered strokes.
  // Returns 1.
  int DrawCharacter(tmb::DeviceContext* pDC, int start, int end, const CStrokeWork& source);
  // The brush-rendered strokes: the picture is cleared, and unless linking (parameter 2)
  // is 0 the strokes of [start, end) (or of the partial display, parameter 90) are
  // rendered in the outline colour over the paper colour, at four times the paper and
  // reduced (parameter 240 = 2), or through the paper-sized stroke pictures with the
  // scratch effect (parameters 5, 220, 221).
  void DrawConverted(tmb::DeviceContext* pDC, int start, int end);
  // Begins a one-frame path sequence and draws every stroke (from a flag 1 or 2 to the
  // point before the next) from `from` on, the last one cut before `to`, with DrawStroke.
  void DrawStrokeRange(tmb::DeviceContext* pDC, int from, int to, int mode);
  // Hands the widths of points [first, last] to the brush-shapes pass: mode 1 draws the
  // stroke into the paper-sized stroke picture and adds it to the spare bitmap of the
  // first memory context, mode 2 adds it at four times the paper into the scaled work
  // bitmap, mode 3 only collects its outline in the path sequence, mode 0 does nothing.
  void DrawStroke(tmb::DeviceContext* pDC, int first, int last, int mode);
  // The brush-shapes pass (brush/render/brush_shapes.cpp): gives the stroke [from, to)
  // the outline a slanted brush writes, each side half the level in levels (the first for
  // point from) away, a stroke shorter than the width setting (parameter 3) straightened
  // first, and appends it, opened by flag 3, to the path sequence's path; a sequence path
  // too full for it is reported once on the export road. style 3 only builds it; style 0
  // paints it with the scratch effect into the canvas's third mask bitmap; any other style
  // adds it at four times the paper into target (whole with fullMode, unless parameter
  // 351 is set). Returns 1.
  int RenderBrushShapes(tmb::DeviceContext* pDC, int from, int to, int fullMode, std::span<const int> levels,
                        int style, tmb::Surface* target);
  // The scratch effect of flying white: white streaks along the strokes of this path,
  // a streak starting at a point with a chance of density percent, ORed into rect of pDC.
  void DrawCharacterStrokes(tmb::DeviceContext* pDC, const tmb::Rect& rect, int density);

  uint8_t* m_pWidths = nullptr;   // brush width per point, written by the last pass
  uint8_t* m_pLevels = nullptr;   // width level per point
  int16_t* m_pPressure = nullptr;  // pen pressure per point in percent, -1 for none
  ParamBlock m_param{};
  CCellGrid m_grid;
  CCellLayout m_gridLayout;
  std::array<int, 4> m_options{1, 1, 1, 1};
  // What a character record hands over with its parameters (CCharData::CopySettingsToWork).
  int m_bLoaded = 0;
  int m_rangeFrom = 0;  // the first colour of the shape mode: the outline colour of the drawing
  int m_rangeTo = 0;
  int m_nMorphState = 0;    // animation frame in progress
  int m_nMorphPercent = 0;  // percentage of the frame
  int m_nFrameCount = 0;
  int m_nRecordValue = 0;
  int m_nMaxWidth = 31;  // the widest stroke the record allows (its maximum level)
  // What the conversion keeps with the path.
  int m_nWindow = 0;            // the drawing window the character comes from, 0 (A) or 1 (B)
  int m_bLinkPoints = 0;        // the path holds inserted link points (flag 255)
  int m_bConvertRequested = 0;  // raised by the style commands, cleared by a conversion
  // What the drawing keeps (SelectBrushState, PrepareWorkDCs).
  CBrushState* m_pBrushState = nullptr;      // the state drawn into
  tmb::Surface* m_pStateBitmap = nullptr;    // its picture, the second context's target
  std::array<tmb::Surface*, 4> m_pBrushBitmaps{};  // its tip strip, brush set, mask 1, mask 2
  std::unique_ptr<tmb::DeviceContext> m_pWorkDC[2];  // the memory contexts while prepared
  tmb::Surface* m_pReplaced[2] = {nullptr, nullptr};  // what they held before
  int m_bWorkDCsPrepared = 0;
  // Set by a drawing; the view clears the first before it draws, a style below 300 the third.
  std::array<int, 3> m_drawFlags{};
  // The brush values a brush render state keeps across a redraw, in the order the state
  // takes them (CBrushState::SaveToWork).
  std::array<int32_t, 5> m_brushWords{};

 protected:
  // The widths, levels and pressures travel with their points.
  void CopySlots(const CStrokePath& src, int srcIndex, int dstIndex, int n) override;
  std::unique_ptr<CStrokePath> NewEmptyLike() const override;
  const CStrokeWork* AsWork() const override { return this; }

 private:
  void AllocWorkArrays();
  void FreeWorkArrays();
};
