#include "views/print/page_renderer.h"

#include <algorithm>

#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "core/state/draw_state.h"
#include "platform/gdi/device_context.h"
#include "platform/service/messages.h"
#include "views/print/page_geometry.h"
#include "views/print/print_source.h"

namespace {

constexpr int kModeImage = 0;
constexpr int kRangeRegion = 1;
// A colour page that cannot be made is tried at a half, a quarter and an eighth.
constexpr int kLastDivisor = 8;
constexpr tmb::Colour kWhite = 0xFFFFFF;

bool IsPrintKind(int kind) {
  return kind == kKindDrawA || kind == kKindImageEditor || kind == kKindDrawB || kind == kKindPreview;
}

int Fail() {
  tmb::Beep();
  return 0;
}

int PrintImagePage(tmb::PageContext& page, const tmb::Surface& picture, const CPageGeometry& g) {
  if (page.StretchToPage(picture, g.source, g.page)) return 1;
  // Nothing reached the page: the job is abandoned rather than a blank page sent.
  tmb::Beep();
  tmb::ShowMessage(kMsgPageCopyFailed);
  return 0;
}

// The picture of the page: one bit for black ink on white paper, else colour, made
// smaller (divisor in *divisor) when memory is short and the user agrees. -1 when none.
int MakePagePicture(tmb::Surface& bitmap, tmb::Size size, bool mono, int* divisor) {
  *divisor = 1;
  if (mono) {
    if (bitmap.Create(size.cx, size.cy, tmb::PixelFormat::kMono1)) return 1;
    tmb::Beep();
    tmb::ShowMessage(62063);
    return -1;
  }
  if (bitmap.Create(size.cx, size.cy, tmb::PixelFormat::kColour32)) return 1;
  if (tmb::ShowMessage(kMsgLowerResolution, tmb::kMsgOkCancel) != tmb::kAnswerOk) return -1;
  for (int d = 2; d <= kLastDivisor; d *= 2) {
    *divisor = d;
    if (bitmap.Create(size.cx / d, size.cy / d, tmb::PixelFormat::kColour32)) return 1;
  }
  tmb::ShowMessage(kMsgNoColourPrint);
  return -1;
}

int PrintVectorPage(tmb::PageContext& page, CPrintWindows& windows, int kind, const CPageGeometry& g) {
  CPathSequence& sequence = gPathSequence;
  // The outlines are the sequence's only for this page.
  struct Release {
    CPathSequence& s;
    ~Release() { s.FreePath(); }
  } release{sequence};
  if (!windows.LayOutOutlines(kind, sequence) || !sequence.m_pPath) return Fail();
  const CSequenceFrame& frame = sequence.m_frames[0];
  const bool mono = tmb::PlainColour(frame.colour) == 0 && tmb::PlainColour(frame.colourB) == kWhite;
  tmb::Surface bitmap;
  int divisor = 1;
  if (MakePagePicture(bitmap, g.page, mono, &divisor) < 0) return -1;

  tmb::DeviceContext dc(&bitmap);
  dc.FillSolidRect(bitmap.Bounds(), frame.colourB);
  const float w = float(g.source.Width()), h = float(g.source.Height());
  const float k = std::min(float(bitmap.width()) / w, float(bitmap.height()) / h);
  CStrokePath& path = *sequence.m_pPath;
  path.Translate(-float(g.source.left), -float(g.source.top));
  path.Scale(k);
  path.FillStrokes(&dc, frame.colour, 1, {}, 0);
  if (page.StretchToPage(bitmap, bitmap.Bounds(), g.page)) return 1;
  tmb::Beep();
  tmb::ShowMessage(kMsgPageCopyFailed);
  return 0;
}

}  // namespace

int RenderPrintPage(tmb::PageContext& page, CPrintWindows& windows) {
  const int target = gDrawState.m_nPrintTarget == -1 ? gPrintSourceKind : gDrawState.m_nPrintTarget;
  if (!IsPrintKind(target)) return Fail();
  CPrintSource* source = windows.SourceOfKind(target);
  if (!source) return Fail();
  const bool drawing = target == kKindDrawA || target == kKindDrawB;
  if (!drawing) source->BringForward();
  const bool image = gDrawState.m_nPrintMode == kModeImage;
  const tmb::Surface* picture = source->PrintPicture();
  if (image && (!picture || picture->IsNull())) return Fail();

  const tmb::Size canvas{gWorkCanvas.m_width, gWorkCanvas.m_height};
  const int range = gDrawState.m_nPrintRange == kRangeRegion ? kRangeRegion : 0;
  const tmb::Rect region = range == kRangeRegion ? source->PrintSelection() : tmb::Rect{};
  if (range == kRangeRegion && NormalisePrintRegion(region, canvas).IsEmpty()) {
    tmb::Beep();
    // The editor and the preview have a selection to make; a drawing window's edit
    // rectangle is simply absent.
    if (!drawing) tmb::ShowMessage(kMsgNoRegion);
    return 0;
  }
  CPageGeometry g;
  if (!ComputePageGeometry(page.PageSize(), canvas, range, region, gDrawState.m_nPrintScale, g)) return Fail();
  if (image) return PrintImagePage(page, *picture, g);
  // A vector page always shows the current character, over the part the target names.
  return PrintVectorPage(page, windows, drawing ? target : gDrawState.ResolveKind(kKindCurrentDraw), g);
}
