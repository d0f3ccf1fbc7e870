// The image editor's picture and its operations: one picture of the canvas size, painted
// dot by dot, with a rectangular region that is selected by a rubber band and whose
// contents are lifted, moved, stretched, cut, copied, pasted and undone, pictures taken
// from files, the clipboard and the other windows. Everything draws on platform
// contexts; the window that shows it is reached through CBmpViewHost.
#pragma once

#include <string>

#include "core/canvas/work_bitmap.h"
#include "imageedit/editor/bmp_view_host.h"
#include "core/effect/effect_def.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"

class CBmpView {
 public:
  // Mouse modes.
  enum Mode { kModePaint = 0, kModeRegion = 1, kModeFloat = 2, kModeStretch = 3, kModeMove = 4 };
  // Edit operations of RunEditOperation.
  enum EditOperation { kEditCut = 1, kEditCopy = 2, kEditPaste = 3, kEditUndo = 4 };
  // Float states: where the floating block stands on the screen.
  enum FloatState { kFloatNone = 0, kFloatDrawn = 1, kFloatCommit = 2, kFloatErase = 3 };
  // Undo kinds.
  static constexpr int kUndoNone = 0;
  static constexpr int kUndoWhole = 4;
  // A drag shorter than this in both directions is a click.
  static constexpr int kClickSpan = 4;
  // A stretch is drawn only past this span in both directions.
  static constexpr int kMinStretchSpan = 9;
  // The region's edges take the pointer this close.
  static constexpr int kEdgeGrip = 8;
  // Auto-scroll: margin at the client's edges and the step in scroll units.
  static constexpr int kScrollMargin = 16;
  static constexpr int kScrollStep = 32;

  // The host is not owned; null: a view without a window.
  explicit CBmpView(CBmpViewHost* host = nullptr);
  CBmpView(const CBmpView&) = delete;
  CBmpView& operator=(const CBmpView&) = delete;

  void SetHost(CBmpViewHost* host) { m_pHost = host ? host : &NullHost(); }
  CBmpViewHost& host() const { return *m_pHost; }

  // ---- set-up and drawing
  // Sizes the three bitmaps to the canvas, the region to the whole canvas.
  void OnInitialUpdate();
  void OnDraw(tmb::DeviceContext& dc);
  // Once: makes the bitmaps, clears the picture, readies the effect definition; then takes
  // a pending capture. False when the bitmaps cannot be made.
  bool EnsureSetup(tmb::DeviceContext* pDC);
  void CaptureNow();
  // The surround, the picture and the frame on the client context.
  void Redraw();
  void Redraw(tmb::DeviceContext& dc);
  void RedrawResettingScroll();
  void DrawRegion();
  void RedrawRegionOutline();
  void ShowRegionFrame();
  void HideRegionFrame();

  // ---- the picture
  void ClearImage(int withFrame);
  void FillImageRect(const tmb::Rect& rect, int withFrame);
  void SaveUndoImage();
  void Undo();
  void PaintPoint(tmb::DeviceContext& dc, int x, int y);
  // One pixel of the picture in colour (the zoom window's painting); outside it nothing.
  void DrawPenDot(int x, int y, tmb::Colour colour);
  tmb::Colour BackgroundColour() const;

  // ---- the region and the clip buffer
  void PlaceRegionAt(int x, int y);
  void RunEditOperation();
  void Cut();
  // False (after a beep) when the region holds no part of the picture.
  bool Copy();
  void BeginPaste();
  void CutAndBeginPaste();
  void CancelMode();
  // Copies the block between the corners of source into the clip buffer and floats it.
  void PasteBitmapRegion(tmb::Point corner1, tmb::Point corner2, const tmb::Surface& source);
  // The block the region of window kind names, floated for a paste; a beep when that
  // window has no picture or the block is empty.
  void TakeWindowRegion(int kind);
  // Takes the picture of window kind into the picture: whole, or byRegion its cells that
  // hold writing, put in vertical order, the editor brought forward first unless not
  // bringForward. A beep and no change when that window has no picture (or, by region,
  // no characters).
  void CaptureWindowImage(int byRegion, int noRedraw, int kind, bool bringForward = true);
  // The cells of source's grid (kind's character's guide grid) that hold a point of its
  // drawn or working record, read row by row from the left, copied into dest down the
  // columns from the right.
  void CopyCellsToVerticalOrder(tmb::Surface& dest, const tmb::Surface& source, int kind);
  bool EditRegionByDialog();
  // The effects' sample of card turning at phase (0 to 200 a half turn): the cells of the
  // current drawing window's grid that meet clip, squeezed about their middle (direction
  // 0 in height, 1 in width, both with both set) into the canvas's colour bitmap, whose
  // clip part is then shown.
  void DrawFlipSample(int cellWidth, int cellHeight, const tmb::Rect& clip, int phase, int direction, int both);
  // The strokes of the animation's path sequence filled into a cleared picture.
  void ShowVectorStrokes();

  // ---- printing: OnDraw then renders a page; a print preview hides the main frame's
  // on-canvas bar meanwhile
  void OnBeginPrinting(int preview);
  void OnEndPrinting();

  // ---- files and the clipboard
  // Reads the picture at path into the target m_nSaveRange names (0 the picture, 1 the
  // clip buffer, 2 pCallerBitmap). A failure changes nothing and shows one message:
  // 62047 cannot open, 62048 refused, 62043 too large. Returns the reader's result.
  int LoadPicture(const std::string& path, tmb::Surface* pCallerBitmap = nullptr);
  int OpenDroppedImage();
  // A picture read elsewhere (a character file's background picture): the block of size
  // at (0, 0) of from, cut to the picture, becomes the picture on the background colour,
  // as a picture file loaded whole does.
  void ShowPicture(const tmb::Surface& from, tmb::Size size);
  // One file of the batch effect: in is read into a picture of its own (the editor's
  // pictures stay as they are), run through the one-touch effect (unless noEffect) and
  // written to out in the format its extension names. 1, or 0 when either the read or the
  // write failed (nothing is written after a failed read); only the writer speaks, of a
  // failed write.
  int ProcessPictureFile(const std::string& in, const std::string& out, int noEffect);
  // The clipboard's picture: whole, aligned to the right edge of the picture (the left
  // part kept); else into the clip buffer for a paste. Cut to the picture's size. On a
  // display of 256 colours the palette the picture came with (when it came with one)
  // becomes the application palette and the colours of tables 0 and 1, and the picture
  // counts as changed.
  void ReceiveClipboard(const tmb::Surface& picture, int whole, const tmb::Palette* palette = nullptr);

  // ---- the image effects
  // Whether the region holds part of the picture.
  bool HasArea() const;
  // The one-touch effect (the whole definition) on the region of the picture, saved for
  // undo first; batch 1 runs without the undo and the zoom window.
  void ApplyOneTouchEffect(tmb::DeviceContext* pDC, int batch);
  void ApplyOneTouchEffectOn(tmb::Surface& picture, const tmb::Rect& region, tmb::DeviceContext* pDC, int batch);
  // The effects' scratch bitmap at the canvas size; null when it cannot be made.
  tmb::Surface* EffectWorkBitmap();

  // ---- mouse (device pixels of the window's client area)
  void OnLButtonDown(tmb::Point device);
  void OnMouseMove(tmb::Point device, bool leftOnly);
  void OnLButtonUp(tmb::Point device);
  void OnRButtonUp(tmb::Point device);
  // A right press, a key press and the loss of the focus take the default processing and
  // change nothing: the popup and the cancel of a paste come with the right button's
  // release, the editor's keys are its accelerators, and a paste under way stays.
  void OnRButtonDown(tmb::Point device);
  void OnKeyDown(int key);
  void OnKillFocus();
  // 1 right edge, 2 bottom edge, else 0 (frame shown only).
  int HitRegionEdge(tmb::Point p) const;
  // Whether p lies in the region; a region covering the whole canvas counts for nothing.
  bool HitRegionInside(tmb::Point p);
  // Scrolls when p nears a client edge in the direction it moves; p then follows the
  // cursor. Whether it scrolled.
  bool AutoScroll(tmb::Point& p, tmb::Point previous);

  // ---- the floating block
  void DrawFloat(int x, int y, int w, int h, tmb::Size source);
  void DrawFloatAt(int x, int y);

  void BeginWaitCursor();
  void EndWaitCursor();
  void FollowInZoomView() { m_pHost->FollowInZoomView(); }
  void NotifyZoomPoint() { m_pHost->NotifyZoomPoint(); }

  // ---- state
  CWorkBitmap m_bmpWork;   // the picture
  CWorkBitmap m_bmpUndo;   // the picture before the last destructive operation
  CWorkBitmap m_bmpClip;   // the lifted, copied or pasted block
  tmb::Size m_sizeClip{};  // what the clip buffer holds
  int m_bClipFilled = 0;
  int m_nFrameState = -1;  // -1 never shown, 0 hidden, 1 shown
  int m_nUndoKind = kUndoNone;
  int m_nMode = kModeRegion;
  int m_bVectorDisplay = 0;
  int m_nEffect = 0;
  int m_bForeignPaste = 0;
  int m_nEditOperation = 0;
  int m_bModified = 0;
  int m_bPaletteChanged = 0;  // clearing the picture then resets the palette tables
  int m_bPaletteFull = 0;     // the editor's palette took all the colours it can
  int m_bPrinting = 0;
  int m_bPreviewHidBar = 0;
  tmb::Point m_ptLastRef{};
  int m_nFloatState = kFloatNone;
  int m_nRubberBand = 0;  // 0 idle, 1 pressed, 2 dragging
  tmb::Rect m_region{};
  tmb::Rect m_lastFloat{};
  tmb::Point m_ptLift{};
  tmb::Rect m_prevRegion{};
  int m_bWholeRedraw = 0;
  int m_bSetUpDone = 0;
  int m_bFirstCaptureDone = 0;
  int m_bWaitCursor = 0;
  int m_bAutoScrolled = 0;
  int m_bLifted = 0;  // the gripped block left its place (the picture was saved for undo)
  int m_nEdgeHit = 0;
  int m_nInsideHit = 0;
  tmb::Point m_ptGrab{};
  int m_bDialogUsed = 0;
  CEffectDef m_effectDef;
  CEffectDef m_effectDef2;  // the definition as the last scaling ran it
  tmb::Size m_sizeArea{};   // the size of the area the last scaling took
  tmb::Surface m_bmpEffectWork;
  tmb::Point m_ptPress{};  // image point of the last press
  tmb::Point m_ptLast{};   // image point of the last move of a drag

 private:
  static CBmpViewHost& NullHost();
  // The canvas rectangle in logical coordinates and the image point of a device point.
  tmb::Point ToLogical(tmb::Point device) const;
  tmb::Point ToImage(tmb::Point logical) const;
  bool InCanvas(tmb::Point image) const;
  tmb::Size CanvasSize() const;
  void DrawFrame(tmb::DeviceContext& dc);
  void ToggleFrame(int state);
  void FillWork(const tmb::Rect& rect, tmb::Colour colour);
  void Modified() { m_bModified = 1; }
  void RegionDown(tmb::Point p);
  void RegionMove(tmb::Point p);
  void RegionUp();
  void FloatMove(tmb::Point logical, tmb::Point p);
  void FloatUp(tmb::Point p);
  // The colours in use by the drawing windows added to the editor's palette.
  void MergeWindowColours();
  void LiftMove(tmb::Point p);
  void LiftUp(tmb::Point p);
  void RestoreFloatArea(tmb::DeviceContext& dc);

  CBmpViewHost* m_pHost;
};

// The pending capture: a window kind whose picture the editor takes at its next paint
// (-1 none). The drawing view's painter sets it.
extern int gPendingCaptureKind;
// The pointer's last image position in the editor (the main frame shows it).
extern tmb::Point gEditorPointer;
