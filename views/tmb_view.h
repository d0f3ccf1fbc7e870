// The drawing view of drawing windows A and B: a scrolled view over the paper that shows
// its window's character through a back buffer (the picture of the window's brush render
// state), with the off-screen contexts every painting goes through, the idle release of
// those contexts, keys, and the entry points the commands call. The pen input, the
// registration panel and the popup menus add their behaviour to this one class.
#pragma once

#include <QCursor>
#include <QPointer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "brush/render/outline_preview.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/page_context.h"
#include "platform/gdi/surface.h"
#include "platform/ui/view.h"
#include "views/print/print_source.h"

class CBrushState;
class CCharData;
class CCharDataFull;
class CKeyEdit;
class CLayoutDlg;
class CStrokePathEx;
class CTmbDoc;
class CTmbViewArea;
class QPushButton;
struct CPointRecord;
struct CStampSizes;
namespace tmb::ui {
template <class View>
class SurfaceScrollArea;
}  // namespace tmb::ui

// One of the four on-view records of the pen input: the buttons of the registration panel
// (a rectangle first and an enabled word last) and the points the input works with.
struct CViewInputRecord {
  tmb::Rect m_rect{};
  std::array<tmb::Point, 5> m_points{};
  int32_t m_bEnabled = 0;
};

class CTmbView : public tmb::ui::View, public COutlinePreviewView, public CPrintSource {
  Q_OBJECT

 public:
  // Timer 1 looks for an idle user every 5 s and releases the off-screen contexts after
  // more than 10 s without input.
  static constexpr int kIdleTimer = 1;
  static constexpr int kIdleTimerMs = 5000;
  static constexpr uint32_t kIdleReleaseMs = 10000;
  // View modes (m_nMode).
  static constexpr int kModeDraw = 0;
  static constexpr int kModeEdit = 1;
  static constexpr int kModePointEdit = 10;

  // Takes its window kind from the kind being created (CDrawState::m_nCreatingKind).
  CTmbView(tmb::ui::Document* document, int viewClass, QWidget* parent = nullptr);
  ~CTmbView() override;

  // The drawing view of window kind 0 or 2 (-1: the current drawing window); null when
  // that window has none.
  static CTmbView* ViewOfKind(int kind);
  // The document of this view's window; null while the window has none.
  CTmbDoc* GetDocument() const;

  // ---- the framework
  void OnInitialUpdate() override;
  // The document changed: the window shows the back buffer again at the next paint.
  void OnUpdate() override;
  // Makes dc draw into the view's window surface in logical coordinates (the scroll
  // position taken off). Drawing there reaches the screen at the next paint.
  void OnPrepareDC(tmb::DeviceContext& dc);

  // A prepared context on the window surface that shows what was drawn when it goes.
  class ClientDC {
   public:
    explicit ClientDC(CTmbView& view);
    ~ClientDC();
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;
    operator tmb::DeviceContext&() { return dc_; }
    tmb::DeviceContext& dc() { return dc_; }

   private:
    CTmbView& view_;
    tmb::DeviceContext dc_;
  };

  // ---- set-up (first paint) and the off-screen contexts
  void OnDraw(tmb::DeviceContext& dc);
  void SetUpPalette(tmb::DeviceContext& dc);
  // Window B's step of every paint, which has nothing to do.
  void EmptyDrawStep();
  void InitDrawing(tmb::DeviceContext& dc);
  void PrepareOffscreenDCs(tmb::DeviceContext& dc);
  void ReleaseOffscreenDCs() override;
  // The record's parameters and brush values into the window's brush render state, and
  // the brush values back.
  void SaveParamsToBrushState();
  void LoadParamsFromBrushState();
  void SyncBrushState();
  void PaintBrushCharacter(tmb::DeviceContext& dc, tmb::Colour colour, int mode);
  // Renders the window's brush set again when the record's brush words differ from those
  // it was rendered from, or when the change detection of a load or a page raised the
  // record's redraw flags of the two windows (which the render then takes down).
  void RenderBrushSetIfChanged(tmb::DeviceContext& dc);

  // ---- focus, idle timer, mouse speed
  void OnSetFocus();
  void OnKillFocus();
  void OnTimer(int id);
  // With on 0 the saved system speed comes back; otherwise the speed of the view's mode
  // is set, once per change of mode.
  void SetMouseSpeedForMode(int on);
  // The pen input notes each input at the time now: the full time for the idle release,
  // its low 16 bits for the interval between samples.
  void NoteInputTime(uint32_t now);
  // Milliseconds from the last noted sample to now, modulo 65,536.
  int SampleInterval(uint32_t now) const;

  // ---- keys (Windows virtual-key codes); a key-up reads the keys held at its key-down
  void OnKeyDown(int key, bool ctrl, bool shift);
  void OnKeyUp(int key);
  void ReplayLastKey();

  // ---- painting
  int PaintCharacterView(tmb::DeviceContext& dc);
  int DrawCharacterStrokes(tmb::DeviceContext& dc, int from, int to);
  // DrawCharacterStrokes with the rendering words at 3 and 101 for the one call.
  int DrawCharacterStrokesAlt(tmb::DeviceContext& dc, int from, int to);
  // The point display once, when the record's outline is not marked changed; afterwards
  // it is.
  void RedrawStrokesIfChanged(tmb::DeviceContext& dc);
  void PaintWritingArea(tmb::DeviceContext& dc);
  // Mode 0 fills the back buffer and shows it, 1 only fills it, 2 also forgets the
  // strokes' drawing state.
  void ClearWritingArea(tmb::DeviceContext& dc, int mode);
  void ClearWritingArea(tmb::DeviceContext* pDC) override;
  void DrawGuides(tmb::DeviceContext& dc);
  void RefreshWritingArea() override;
  // Sets paper pixel (x, y) of the back buffer to colour and shows it in the window (the
  // zoom window paints the writing area this way); a pixel off the buffer is left alone.
  void DrawPenDotOnCharacterView(int x, int y, tmb::Colour colour);
  void RepaintNow();
  // The window shows what was drawn into it at once, not at the next paint (the frames of
  // an animation, drawn one after the other without a return to the event loop).
  void ShowWindowNow();
  // The settings pane beside the view is drawn again at once.
  void RedrawSettingsPane();
  void RepaintBackBuffer();
  void RedrawGuides();
  // Moves a scroll bar (0 horizontal, else vertical) by delta and shows the writing area.
  void ScrollBy(tmb::DeviceContext& dc, int bar, int delta);
  // Both scroll positions to (x, y), and the writing area shown.
  void ScrollTo(tmb::DeviceContext& dc, int x, int y);
  // A 4 x 4 dot around (x, y): outline in pen, inside in brush.
  static void DrawDot(tmb::DeviceContext& dc, int x, int y, tmb::Colour pen, tmb::Colour brush);
  void RedrawInSteps(int force);
  // The written strokes as lines of colour: into the back buffer from the first point
  // (offscreen 1), else onto the window from the first point not yet painted.
  void DrawStrokeLines(tmb::DeviceContext& dc, tmb::Colour colour, int offscreen);
  void ShowOriginalLineDrawMode();
  int TogglePointDisplay(int toggle);

  // ---- editing the character
  void EraseStrokes(tmb::DeviceContext& dc, int x, int y, int mode);
  void RedrawAfterErase(int mode);
  void SetEditMode(int mode);
  void ClearAll();
  void RestoreCharacter(int which);
  void Undo() { RestoreCharacter(0); }
  // The brush outline of the working record from the drawn record, nothing redrawn.
  void RebuildOutline();
  void RebuildOutlineAndRedraw(int force);
  void RunSettingAction(int action);
  void CopyDataBetweenWindows(int direction);
  void OverlayOtherWindow();
  void RefreshAfterLoad();

  // ---- the popup menus and the frame parts of the edit mode
  // The popup of the view popups (ViewPopup) a right press opens now; -1 for none.
  int ContextMenuOf() const;
  void ShowContextMenu(tmb::Point device);
  // The style popup at the paper's bottom-right corner.
  void ShowStyleMenu();
  // While this view's window is the active one: the style menu "字体(&S)" as the menu
  // bar's second menu, once per menu bar.
  void InsertStyleMenu();
  // The frame-part command mode (FramePartMode) on the current edit rectangle; a mode that
  // cannot act beeps and leaves the character as it was.
  void ClearFramePart(int mode);

  // ---- handwritten registration (window A): the panel on the paper, its list, its four
  // buttons and the pictures it saves
  // The panel's first start: fonts, folder (/d, else "fontbmp" in the user folder), text
  // box, the panel shown and the list named with /t read.
  void StartRegistration();
  // Shows the panel (started the first time) or hides it.
  void ToggleRegistration();
  // With the panel shown lays it out and shows it (state 1 takes the undo copy, puts the
  // window's character aside and clears the writing box); with it hidden puts the view
  // back into drawing mode and takes back the character put aside.
  void ShowRegistrationPanel(int state);
  // Empties the window's character and the writing box, keeping the modified flag.
  void ClearPanelWritingBox();
  void DrawRegistrationPanel(tmb::DeviceContext& dc);
  // The picture box, with the picture it took in.
  void PaintRegistrationPanel(tmb::DeviceContext& dc);
  // The picture box again while the panel is shown.
  void RefreshRegistrationPanel(tmb::DeviceContext& dc);
  // The panel's fonts, made once per run.
  void CreatePanelFonts(tmb::DeviceContext& dc);
  // The square part of the image editor's shown selection, stretched into the picture box
  // or into the writing box of the back buffer; false (nothing changed) without one.
  enum SelectionTarget { kIntoPictureBox = 0, kIntoWritingBox = 1 };
  bool TakeEditorSelection(int target);
  // The picture box's picture over the writing box of the back buffer.
  void StretchPanelPictureIntoWritingBox();
  // The selection into the writing box, shown; a beep when the editor shows none.
  void CopySelectionToPanel(tmb::DeviceContext& dc);
  // Asks for a folder and writes one line per registered picture in it on the window:
  // character, code and path. Returns the count; 0 when no folder was chosen.
  int ShowPictureListing();
  // Event 1 move, 2 release over a wide list's boxes.
  void PanelListMouse(tmb::DeviceContext& dc, int x, int y, int event);
  // Saves what is written as the current character's picture; 1 when saved.
  int ConfirmAndSave(tmb::DeviceContext& dc);
  void NextCharacter(tmb::DeviceContext& dc);
  void ReadCharacterText(tmb::DeviceContext& dc);
  void PanelOptions();
  // 1 when the list file at path (UTF-8) was read; the list is unchanged otherwise.
  int LoadCharacterList(tmb::DeviceContext& dc, const std::string& path);
  // The list information file named with /f: 1 read, -1 not.
  int LoadRegistrationList(tmb::DeviceContext& dc);
  void SetPictureSize(int size);
  void RefreshPanelText();
  // From the text box: its text was edited, its caret moved to UTF-16 position pos.
  void OnPanelTextEdited(const std::string& utf8);
  void OnPanelCaret(int pos);

  // ---- the framed layout and the move of the whole character (edit menu)
  // Runs the layout dialog; on OK takes the undo copy, lays the framed parts out and
  // redraws.
  void OnLayout();
  // Lays out the framed parts of the drawn record as dialog says (operation, edge, box and
  // dimension) with the pair (a, b), or with clear set takes the framed strokes out and
  // empties the frames. The points keep their pressures and levels.
  void ApplyLayout(const CLayoutDlg& dialog, int clear, int a, int b);
  // Runs the move dialog; on OK moves every point of the drawn record and redraws.
  void OnMoveAll();

  // ---- the style commands
  // Ids 2 and 3 render their comparison sheet, any other id applies its style; 1.
  int ApplyStyleCommand(int id);
  // Applies the preset of style command id (or, for -1, the style chosen in the style
  // menus) and draws the character with it. 1 when drawn; 0, with nothing changed, when
  // the id has no values.
  int ApplyStylePreset(tmb::DeviceContext& dc, int id);
  // Draws the character once per picture of the sheet of id and saves each picture with
  // its name. 1 when done; -1 when the output does not start or a painting or a save
  // fails. The parameters are as before on every road.
  int RenderPresetSheet(tmb::DeviceContext& dc, int id);
  // The character slot whose brush values this window's styles start from.
  int SlotIndex() const;

  // ---- pen input (views/input/): the button and move handlers take device pixels of
  // the view's window; the operations below them take paper points and a client context.
  void OnLButtonDown(tmb::Point device);
  // leftHeld: the left button is down during the move.
  void OnMouseMove(tmb::Point device, bool leftHeld);
  void OnLButtonUp(tmb::Point device);
  // A double click's second press: the framework's handling only, no stroke.
  void OnLButtonDblClk(tmb::Point device);
  void OnRButtonDown(tmb::Point device);
  void OnRButtonUp(tmb::Point device);
  void BeginStroke(tmb::DeviceContext& dc, int x, int y);
  // One sample; final is non-zero for the release.
  void AddStrokePoint(tmb::DeviceContext& dc, int x, int y, int final);
  void EndStroke(tmb::DeviceContext& dc, int x, int y);
  // Forgets a stroke left pending (its press, samples, dirty box and capacity warning):
  // after the pen settings changed, the next stroke starts afresh under the new ones.
  void ClearPendingStroke();
  // Event 0 press, 1 move, 2 release; non-zero when the registration panel took it.
  int RouteRegistrationMouse(tmb::DeviceContext& dc, int x, int y, int event);
  // The visible part of the paper (m_rcVisible) in logical coordinates.
  void UpdateVisibleRect();
  // The view's reference to the one tablet context: taken at the first paint, given back
  // when the view goes.
  void OpenTablet();
  void CloseTablet();
  // The sample log's six columns of one value per point of the record (the sweep starts
  // from no minimum interval), and their release.
  void AllocSampleBuffers();
  void FreeSampleBuffers();

  // ---- live stroke drawing: stamps of the brush set along each new segment
  // kind: 1 a stroke's first segment, 2 its last, 0 one between.
  void DrawLiveStroke(tmb::DeviceContext& dc, tmb::Point from, tmb::Point to, int kind);
  // The live segment as a black line of width 2, in the back buffer and on the window.
  void DrawPlainLiveLine(tmb::DeviceContext& dc, tmb::Point from, tmb::Point to);
  // The width of a segment (fx, fy) by the settings of the live-stroke work object; rec
  // holds the previous length, the pressure (-1 none), a residue and the last length.
  static int StrokeWidthAt(float fx, float fy, int kind, int endFlag, const CPointRecord& rec);
  void PrepareSegmentSizes(CStampSizes& out, int i, int kind, int interpolate, int count);
  // Stamps the segment from (x0, y0) by (dx, dy), its last pixel left out; live stamps go
  // to the window dc (and the back buffer where the window does not show them), others
  // to the back buffer. Returns the size of the first stamp.
  // gradient (0 none) sizes the stamps by GradientPosition of m_gradientValues instead.
  int StampSegment(tmb::DeviceContext& dc, int x0, int y0, int dx, int dy, const CStampSizes& sizes,
                   tmb::DeviceContext& brushDC, tmb::DeviceContext& backDC, int gradient, int endFlag,
                   const CCharData& rec, int live);
  // The stamp size at step t of n along the segment, moving the running size by one.
  static int InterpolateStampSize(int t, int n, int minor, const CStampSizes& sizes, int* up, int* down);
  // The brush set column of the next stamp; stored in *out and returned.
  static int PickStampColumn(int* out, int n, int endFlag, int counter);
  void StampCell(tmb::DeviceContext& dc, tmb::DeviceContext& brushDC, tmb::DeviceContext& backDC, int x, int y,
                 int size, int column, int mode, const CCharData& rec, int live);
  // Point display: the back buffer cleared and every written point's segment stamped,
  // each point's width stored with it. Returns 1.
  int StampCharacterPoints(tmb::DeviceContext& dc);

  // ---- printing (views/print/): the frame's print and print preview commands run a job
  // of one page; while it runs, paints leave the window alone.
  void OnFilePrint(int preview);
  void OnBeginPrinting(int preview);
  // The page renderer's result for the page.
  int OnPrint(tmb::PageContext& page);
  void OnEndPrinting();
  int RenderPrintPage(tmb::PageContext& page);
  // What the page renderer prints of this window: the picture of its brush render state
  // and the document's current edit rectangle.
  const tmb::Surface* PrintPicture() override;
  tmb::Rect PrintSelection() override;

  // ---- raster routines over the canvas rectangle (no command runs them)
  // A colour-key mask of a's pixels of colour, through which a is merged into b.
  void MaskMergeColour(tmb::DeviceContext& dc, tmb::Surface* a, tmb::Surface* b, tmb::Colour colour);
  // The same through mask, filled with colour first.
  void MaskMerge(tmb::DeviceContext& dc, tmb::Surface* a, tmb::Surface* b, tmb::Surface* mask, tmb::Colour colour);
  // source (w x h) into target with the inverse of colour ORed into it first (0: the copy
  // inverted; white: copied as it is).
  void CopyWithTint(tmb::DeviceContext& dc, tmb::Surface* target, tmb::Surface* source, int w, int h,
                    tmb::Colour colour);
  // source's pixels where mask is 0, dc's kept where it is 1; a beep when it fails.
  void MaskedCopy(tmb::DeviceContext& dc, int left, int top, int right, int bottom, tmb::DeviceContext& source,
                  const tmb::Surface* mask);
  void CopyBitmapRect(tmb::DeviceContext& dc, tmb::Surface* target, int left, int top, int right, int bottom,
                      tmb::Surface* source);
  // A copy of rect from source with dc's background colour set for it.
  void CopyWithBackground(tmb::DeviceContext& dc, tmb::DeviceContext& source, tmb::Colour background,
                          const tmb::Rect& rect);
  void HalftoneCopyBitmaps(tmb::DeviceContext& dc, tmb::Surface* a, tmb::Surface* b, tmb::Size size);
  // Every stroke of rec through the brush-shape renderer, as the picture of each stroke
  // in the canvas's third mask bitmap; the number of strokes.
  int RenderBrushShapesTo(tmb::DeviceContext& dc, const CCharDataFull& rec);
  // The same for the window's character, on the view's own contexts.
  int RenderBrushShapesOfCharacter();
  // path's side lines (dark red and green) and then the path itself, into target.
  void DrawSideLinesTo(tmb::DeviceContext& dc, const CStrokePathEx& path, tmb::Surface* target);
  // Part (x, y, w, h) of the shown picture onto dc at the same paper place; with shaded,
  // line mode 0 and bit 0 of parameter 176 its ink in grey.
  void CopyWithGreyShade(tmb::DeviceContext& dc, int x, int y, int w, int h, int shaded);
  // A white 750 x 1050 picture with three nested frames, saved as "gakuhut.png" in the
  // current folder; the writer's result.
  int SavePictureFrame(tmb::DeviceContext& dc);

  // ---- cursors
  void BeginWaitCursor();
  void EndWaitCursor();
  void RestoreArrowCursor();
  void SetDrawingCursor();

  // ---- what the outline preview asks of the view
  void PrepareClientDC(tmb::DeviceContext& dc) override;
  tmb::Surface* BackBuffer() override;
  tmb::Surface* DrawingBitmap() override;

  // The window surface the view shows (device pixels of the visible part).
  const tmb::Surface& windowSurface() const { return m_windowSurface; }
  // The client area in logical coordinates (the visible part of the scrolled paper).
  tmb::Rect ClientRectLogical() const;
  // The paper with the canvas origin as a margin on every side: what the views over the
  // paper scroll over.
  static QSize ScrolledSize();
  CTmbViewArea* area() const { return m_pArea; }

  // ---- state (names as the rest of the system reads them)
  CBrushState* m_pShownBrushState = nullptr;  // whose picture m_dcBack holds
  tmb::Surface* m_pShownBitmap = nullptr;     // the picture m_dcBack holds while prepared
  CBrushState* m_pBrushState = nullptr;       // gBrushStates[m_nIndex]
  // Its tip strip, brush set and two masks, used by the brush painting.
  std::array<tmb::Surface*, 4> m_pBrushBitmaps{};
  int32_t m_nKind = 0;        // 0 window A, 2 window B
  int32_t m_nIndex = -1;      // 0 (A) or 1 (B) once InitDrawing ran
  int32_t m_nStampCount = 0;  // stamps of the current drawing (live strokes)
  int32_t m_bDrawingReady = 0;
  int32_t m_nMode = kModeDraw;
  int32_t m_bPreviewSource = 0;    // show the preview's picture instead of this window's
  int32_t m_nPreviewSelector = 0;  // 1 the preview's picture, 0 that of the first window
  int32_t m_nLastDisplayMode = 0;  // parameter 200 at the last stepped redraw
  int32_t m_bStrokeActive = 0;     // 0 none, 1 pressed, 2 sampling, 3 final sample taken
  int32_t m_bInitialised = 0;
  int32_t m_bPrintPreview = 0;
  int32_t m_bBarHidden = 0;  // a print preview hid the main frame's bar
  int32_t m_bOffscreen = 0;
  int32_t m_bBusy = 0;
  std::array<int32_t, 2> m_renderWords{};
  int32_t m_bThinLine = 0;  // live strokes as plain lines in the ink colour
  // A stamp size by gradient: the size to start from, the range it spans and the length
  // over which it does (0: the segment's).
  std::array<int32_t, 3> m_gradientValues{};
  std::array<int32_t, 2> m_sheetRunning{};  // 1 while a comparison sheet renders
  tmb::DeviceContext m_dcBrush;  // the brush set of the window's state
  tmb::DeviceContext m_dcBack;   // the back buffer: the picture of m_pShownBrushState
  tmb::Surface* m_pOldBrushBitmap = nullptr;
  tmb::Surface* m_pOldBackBitmap = nullptr;
  uint32_t m_dwLastInput = 0;  // millisecond time of the last input or set-up
  uint16_t m_wLastSample = 0;  // low 16 bits of the time of the last accepted sample
  int32_t m_bGuidesDrawn = 0;      // the guides are drawn again with every writing-area paint
  int32_t m_bBackgroundOption = 0;  // clear to parameter 157 instead of white
  int32_t m_nAutoCapture = -1;     // capture of the first drawing into the image editor
  int32_t m_bCaptureOption = 0;
  // The brush words the brush set was rendered from (kind, style, scatter, size, line-mode
  // mask and parameter 181); none yet.
  std::array<int32_t, 6> m_brushSetSource{INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN};
  tmb::Surface m_panelPicture;  // what the registration panel's picture box shows
  tmb::Surface m_previewBlank;  // the blank page drawn on instead of the preview's picture
  tmb::Point m_ptErase{};  // paper point of the erase from the nearby part on

  // Pen input: stroke capture, rubber bands, point edits, tablet sampling.
  tmb::Point m_ptLast{};
  std::array<int32_t, 4> m_rcDirty{};  // smallest x, y, largest x, y of the stroke
  tmb::Rect m_rcVisible{};
  int32_t m_nRubber = 0;
  int32_t m_bAutoScrolled = 0;
  tmb::Point m_ptAnchor{};
  tmb::Point m_ptEdited{};
  int32_t m_nEditedFlag = 0;
  int32_t m_nEditedIndex = 0;
  std::array<CViewInputRecord, 4> m_buttons{};
  int32_t m_nStartPackets = 0;
  int32_t m_nSampleLog = 0;  // 0 off, 1 requested, 2 running
  std::array<std::vector<int32_t>, 6> m_sampleColumns;
  int32_t m_nSampleStroke = 0;
  int32_t m_nSampleStep = 0;
  int32_t m_nSampleCount = 0;      // accepted samples since the log began
  int32_t m_bTabletOpen = 0;       // the view holds a reference to the tablet context
  int32_t m_bCapacityWarning = 0;  // the stroke filled the record past the warning mark
  QCursor m_savedCursor;           // the cursor before the wait cursor

  // The character the window held when the registration panel came up, shown again when
  // the panel goes; null while the panel is not shown.
  std::unique_ptr<CCharData> m_pPanelKept;
  // The registration panel's list box and push button, made by the registration.
  CKeyEdit* m_edit = nullptr;
  QPushButton* m_button = nullptr;

 private:
  friend class CTmbViewArea;
  friend class tmb::ui::SurfaceScrollArea<CTmbView>;

  // Prepares the off-screen contexts for the length of a painting step and releases
  // them again when they were not prepared before.
  class OffscreenScope {
   public:
    OffscreenScope(CTmbView& view, tmb::DeviceContext& dc);
    ~OffscreenScope();
    OffscreenScope(const OffscreenScope&) = delete;
    OffscreenScope& operator=(const OffscreenScope&) = delete;

   private:
    CTmbView& view_;
    bool mine_;
  };

  // The wait cursor and m_bBusy for the length of a piece of painting; an inner scope
  // leaves them to the outer one.
  class BusyScope {
   public:
    explicit BusyScope(CTmbView& view);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    CTmbView& view_;
    bool mine_;
  };

  CCharDataFull* DrawnRecord() const;
  // The feature markers and the analysis overlay of the last conversion, into the back
  // buffer.
  void DrawConversionMarks(tmb::DeviceContext& dc);
  void BindBrushState();
  void RenderBrushSetNow(tmb::DeviceContext& dc);
  // The record's brush values that the window's brush set now comes from.
  void NoteBrushSetSource();
  // Copies a character of more than five points into the image editor once, when the
  // capture option asks for it.
  void CaptureFirstCharacter(const CCharDataFull& rec);
  // The picture the back buffer is: the window's own, or with the preview as the source the
  // preview's (a blank copy when the record asks for one) or the first character window's.
  tmb::Surface* ShownBitmap();
  void TakeShownPicture(const CCharDataFull& rec);
  void WarnAboutDisplay();
  // Runs work after the present event: what a paint must not do inside a paint event.
  void AfterPaint(std::function<void()> work);
  void SendFrameCommand(int id);
  // The edit and style commands the view itself handles.
  void RegisterCommands();
  void RegisterPrintCommands();
  void RegisterStyleCommands();
  void UpdateCursor();
  void UpdateScrollRanges();
  // The window surface at the size of the viewport; a new one asks for a full redraw.
  void FitWindowSurface();
  // The window shows the back buffer again at the next paint.
  void Invalidate();
  // What was drawn on the window surface reaches the screen now, not at the next paint.
  void ShowNow();

  // Pen input: the stroke's end after the last sample, the points and the edit modes.
  // A point of the window in logical coordinates (the scroll position added).
  tmb::Point LogicalOf(tmb::Point device) const;
  void FinishStroke(tmb::DeviceContext& dc, int x, int y);
  // Appends (x, y) with flag to the drawn record, and to the working record's points.
  void StorePoint(CTmbDoc& doc, int x, int y, int flag);
  void PressRubberBand(tmb::DeviceContext& dc, tmb::Point device, int x, int y);
  void DragRubberBand(tmb::DeviceContext& dc, tmb::Point device, int x, int y);
  void ReleaseRubberBand(tmb::DeviceContext& dc, int x, int y);
  void InsertPointNear(tmb::DeviceContext& dc, int x, int y);
  void DeletePointNear(tmb::DeviceContext& dc, int x, int y);
  // Tablet packets around a stroke and the pressure of a sample.
  void DrainStartPackets();
  void ReadSamplePressure();
  void DrainEndPackets();
  // The diagnostic sample log.
  void SampleLogBeginStroke(CCharDataFull& rec);
  void SampleLogSample(int index, uint32_t now, int interval);
  void SampleLogEndStroke();

  // Events that reach the scrolled area.
  void PaintViewport();
  void OnViewportResized();
  void OnScrolled();

  CTmbViewArea* m_pArea;
  tmb::Surface m_windowSurface;
  bool m_bNeedsDraw = true;
  bool m_bSetUpQueued = false;
};
