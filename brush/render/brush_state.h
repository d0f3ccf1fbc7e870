// The brush render state of a drawing window: the brush tip in 8 kinds, each rendered in
// 32 sizes into one brush set with its two masks and the centre of every size, ready to
// be stamped along a stroke at each point's level. One state per drawing window.
#pragma once

#include <array>

#include "core/canvas/work_bitmap.h"
#include "core/record/param_block.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

class CStrokeWork;

class CBrushState {
 public:
  static constexpr int kKinds = 8;
  static constexpr int kSizes = 32;
  static constexpr int kCell = 32;                 // a cell's side in pixels
  static constexpr int kSetWidth = kKinds * kCell;  // 256
  static constexpr int kSetHeight = kSizes * kCell;  // 1024
  static constexpr int kStripHeight = 2 * kCell;   // the tip strip: two rows of tips

  // Takes the canvas size, makes the state's picture for pDC, loads the tip into every
  // kind of the strip's top row (62056 for a tip that cannot be loaded, which stays
  // white) and copies that row to the bottom row, makes the brush set (white) and its
  // masks, and renders the set when render is non-zero. Returns 1; when a bitmap cannot be
  // made, tells the user (62063), keeps nothing and returns 0, and the state stays
  // uncreated.
  int Create(tmb::DeviceContext* pDC, int render);
  // Deletes the state's bitmaps; the state is uncreated afterwards.
  void DeleteObjects();
  // Copies the brush set, both masks, the tip strip and the tip centres of other.
  void BuildMasks(tmb::DeviceContext* pDC, const CBrushState& other);
  // When the render request is set: thins the tips of kinds 1 to 7 out of the brush kind
  // (parameter 10) by the brush size (parameter 41) and scatter (parameter 40), renders
  // the set and its masks from the strip's top row and clears the request.
  void RenderBrushSet(tmb::DeviceContext* pDC);
  // Keeps colour as the brush colour. Mode 0 paints the set in colour through its masks
  // into the canvas's two colour work bitmaps, the colour bitmap and the spare bitmap
  // (colour where a tip has ink, white elsewhere); mode 1 recolours the strip's bottom
  // row, the unthinned tips (black becomes colour, lighter greys lighter shades of it,
  // white stays white), and renders the set from it, masks unchanged. Clears the first
  // saved value.
  void PaintCharacter(tmb::DeviceContext* pDC, tmb::Colour colour, int mode);
  // The parameters and the five brush values of work into gBrushStates[index], and the five
  // values back into work; nothing for an index that names no state.
  static void SaveToWork(const CStrokeWork& work, int index);
  static void RestoreToWork(CStrokeWork& work, int index);
  // The 32 x 32 cell of kind and size index (size - 1) in the brush set.
  static tmb::Rect GetCellRect(int kind, int sizeIndex);
  // Back to the state after construction (tests start from here).
  void Reset();

  CWorkBitmap m_bitmap;  // the state's picture of the canvas size
  int m_width = 0;
  int m_height = 0;
  int m_widthCopy = 0;
  int m_heightCopy = 0;
  tmb::Surface m_tipStrip;    // kSetWidth x kStripHeight colour
  tmb::Surface m_loadedTips;  // the strip's top row as loaded: the source that thinning never touches
  tmb::Surface m_brushSet;    // kSetWidth x kSetHeight colour
  tmb::Surface m_mask1;       // monochrome: 1 where the set has ink
  tmb::Surface m_mask2;       // monochrome: 1 where the set is white
  std::array<tmb::Point, kSizes> m_tipCentres{};  // per size: the centre of kind 0's ink in its cell
  ParamBlock m_param{};
  int m_bCreated = 0;
  int m_bRenderRequest = 0;
  std::array<int, 4> m_saved{};  // values kept across a redraw; the last is the brush colour

 private:
  // Copies the cell of kind sourceKind of source's top row into kind target of the
  // strip's top row and whitens a fixed scatter of its ink, more of it for a higher
  // density.
  void RenderTip(int target, int density, const tmb::Surface& source, int sourceKind);
  // Renders every size of every kind from the strip row at y = row; with rebuildMasks
  // makes the masks of the set again.
  void RenderSetFromRow(tmb::DeviceContext* pDC, int row, bool rebuildMasks);
  // Writes the centre of kind 0's ink for size s and fills its corner gaps in black.
  void FinishKindZeroCell(int s);
  // The strip's bottom row as the unthinned tips in colour.
  void RecolourStrip(tmb::Colour colour);
};

// The states of drawing windows A (0) and B (1).
extern CBrushState gBrushStates[2];
// The drawing option of the character being drawn (its parameter 352), for the brush
// painting.
extern int gBrushDrawOption;
