// The page renderer of printing and print preview: one page of a drawing window, the image
// editor or the preview, as chosen by the drawing state's print target, range, mode and
// scale. Image mode stretches the window's picture onto the page; vector mode fills the
// character's brush outlines into a picture of the page's size. Drawing windows print in
// either mode; the image editor and the preview always print their picture.
#pragma once

#include <string>

#include "platform/gdi/page_context.h"

class CPathSequence;
class CPrintSource;

// What the renderer asks of the windows.
class CPrintWindows {
 public:
  virtual ~CPrintWindows() = default;
  // The source of window kind (0 A, 1 the image editor, 2 B, 3 the preview); null when
  // that window is not open.
  virtual CPrintSource* SourceOfKind(int kind) = 0;
  // Lays the character of drawing window kind out as brush outlines at full size in
  // sequence, begun with one frame: its colour the character's ink, its colour B the
  // paper. False when there is no character to lay out.
  virtual bool LayOutOutlines(int kind, CPathSequence& sequence) = 0;
};

// The two questions of a colour page too large for memory.
constexpr int kMsgLowerResolution = 61580;
constexpr int kMsgNoColourPrint = 61581;
// Region printing of the image editor or the preview without a selection, and a picture
// that did not reach the page.
constexpr int kMsgNoRegion = 62059;
constexpr int kMsgPageCopyFailed = 62057;
// No window to print: none active, the one named not open, or it shows no picture.
constexpr int kMsgNoPrintWindow = 61620;
constexpr int kMsgPrintWindowClosed = 61621;
constexpr int kMsgPrintWindowEmpty = 61622;

// The window kind a page prints: the print target, or the window that was active when
// printing began while the target is the active window.
int PrintTargetKind();
// What a print job of window kind is called in the print queue (and in a PDF's title): the
// file the window shows, the picture file for the image editor and the character file for
// the others, or the window's name while it shows none.
std::string PrintJobName(int kind);

// Whether the print settings name something to print: a window that is open, its picture
// in image mode, and a region when the range asks for one. When not, the user is told
// why (a beep and a message).
bool CanRenderPrintPage(CPrintWindows& windows);
// Renders the page: 1 printed (also when the picture did not reach the page in image
// mode, after a beep and 62057), 0 nothing printed (after a beep and, where it helps, a
// message), -1 the user stopped or no page picture could be made.
int RenderPrintPage(tmb::PageContext& page, CPrintWindows& windows);
