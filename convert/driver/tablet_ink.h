// The ink of the two drawing windows: the strokes of each window as the handwriting
// recogniser reads them as text, and as the conversion merges them into a character.
//
// A window's pen and mouse capture writes every stroke once, into the window's drawn
// record, and the live drawing shows it as it is written. The ink is the run of that
// record's strokes the capture wrote since the ink was last cleared, read where they lie
// when asked, never a copy: nothing of it is drawn, merged or stored a second time. What
// the ink adds is the recogniser, and the line between handwriting still to be read and
// strokes that came otherwise (from a file, from the dictionary). Attached with a model
// that could be read, the ink is active; without one every operation returns at once and
// the ink holds nothing, and the program works as it does on a machine without a
// recogniser.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/geometry/fpoint.h"
#include "platform/gdi/geometry.h"
#include "platform/ink/handwriting_recogniser.h"

class CCharData;
class CStrokePath;
class CStrokeWork;
class CTmbView;

class CTabletInk {
 public:
  virtual ~CTabletInk() = default;

  // Makes the ink of window index (0 A, 1 B) the ink of view, reading with the shared
  // recogniser. 0 when done, also when no model is found (nothing is set up) or when the
  // model found cannot be read (attached, but not active). Nothing happens once attached.
  int Attach(CTmbView* view, int index);
  // The view is going: the ink becomes inactive. The application runs on.
  void Detach();

  // The capture starts a stroke at point first of the window's drawn record: while the
  // ink holds no stroke, the ink begins there. Nothing while the ink is not active.
  void CollectStrokeFrom(int first);
  // The number of ink points collected: the drawn record's from the ink's first stroke on.
  virtual int InkPointCount() const;
  // The number of the drawn record's stroke (counting from 0) that the ink begins with;
  // the record's stroke count when the ink holds nothing.
  virtual int FirstInkStroke() const;
  // Whether the ink's strokes are the drawn record's own, written and shown as they came
  // (as they are whenever the ink is active): then neither the live drawing nor the
  // conversion's merge adds anything of them.
  bool WrittenIntoRecord() const { return m_bActive != 0; }
  // Keeps the scroll offset (when store is not negative) and counts the strokes as moved
  // onto the canvas: the capture stores paper points, which scrolling does not move.
  virtual void OffsetInk(CFPoint offset, int store);
  // Empties path and gives it the ink's points, with their stroke starts and pressures,
  // in canvas coordinates of the screen (paper point plus the canvas origin).
  virtual void CopyInkToStrokes(CStrokeWork& path);
  // The ink holds nothing from now on, until the capture writes again; the strokes stay
  // the record's. Returns 1.
  virtual int ClearInk();
  // Reads strokes [first, end) of the ink as one character: its top reading that code
  // page 932 can hold, or "" when none can. 1 when read; 0 when the ink is not active or
  // the range is not one of the ink's (first > end, first < 0 or end past the strokes).
  virtual int RecognizeText(int first, int end, std::string& text);
  // The width and colour the ink is drawn with; a negative width changes nothing.
  void SetPenAttributes(int width, tmb::Colour colour);
  // Shows the text of all strokes in a message, or that there is nothing to read with.
  void ShowRecognition();

  // The stroke of the fixed packets (20, 100) and (1300, 2100), as a start and an end point.
  static void MakeFixedStroke(CStrokePath& path);
  // A reading whose candidates are the fixed words in order, best first.
  static std::vector<tmb::InkCandidate> MakeFixedRecognition();

  // The strokes of the ink: the drawn record's from the ink's first stroke, split at
  // their starts.
  std::vector<std::vector<tmb::Point>> Strokes() const;

  // How a collector would draw the ink: width, colour, transparency (-1 none set).
  struct DrawingAttributes {
    int width = 1;
    tmb::Colour colour = 0;
    int transparency = -1;
  };
  void SetInkDrawingAttributes(int width, tmb::Colour colour, int transparency);
  const DrawingAttributes& GetDrawingAttributes() const { return m_attributes; }

  int m_bActive = 0;       // the recogniser's model is loaded
  int m_bInitialised = 0;  // attached
  CTmbView* m_pView = nullptr;
  int m_nIndex = 0;  // window index: 0 A, 1 B
  tmb::Point m_ptScroll{};
  int m_nMovedStrokes = 0;
  int m_nInkStart = -1;  // the drawn record's point the ink begins at; -1 none

 private:
  // The record's point the ink begins at: the first stroke start at or after
  // m_nInkStart (the record may have been edited since); the count when none.
  int InkStartIn(const CCharData& rec) const;

  DrawingAttributes m_attributes;
};

// The ink of each drawing window (0 = A, 1 = B).
extern std::array<CTabletInk, 2> gInkSamples;
// Whether the last attach found a recogniser's model (read or not).
extern int gInkAvailable;
// Whether ink input works: the last attach loaded the recogniser's model.
extern int gInkActive;
// The colour a newly attached ink is drawn in.
extern tmb::Colour gInkPenColour;

// The files the recogniser's model is looked for in, in order: where its package puts
// it, then the data folder.
std::vector<std::string> HandwritingModelPlaces();
// Replaces the places looked in (empty: the usual ones) and forgets the loaded model, so
// that the next attach looks again.
void SetHandwritingModelPlaces(std::vector<std::string> places);

// What a conversion does with the collected ink of a window.
enum InkMode {
  kInkMerge = 0,    // merged into the character, then cleared: it has become strokes
  kInkDiscard = 1,  // cleared
  kInkLeave = 2,    // left alone
};

// The ink mode of each drawing window (0 = A, 1 = B); pen input sets kInkMerge.
extern std::array<int, 2> gInkModes;

// The ink of window 0 or 1 (any other index gets an empty one).
CTabletInk& TabletInkOf(int window);
// Installs the ink of a window (not owned); nullptr restores the window's own.
void SetTabletInk(int window, CTabletInk* ink);
