#include "views/print/page_renderer.h"

#include <algorithm>
#include <string>

#include "core/canvas/work_canvas.h"
#include "core/file/path_helpers.h"
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

// The window's name as the print target menu names it.
std::string PrintWindowName(int kind) {
  switch (kind) {
    case kKindDrawA: return "描画ｳｨﾝﾄﾞｳA";
    case kKindDrawB: return "描画ｳｨﾝﾄﾞｳB";
    case kKindImageEditor: return "編集ｳｨﾝﾄﾞｳ";
    default: return "ﾌﾟﾚﾋﾞｭｰｳｨﾝﾄﾞｳ";
  }
}

int Fail() {
  tmb::Beep();
  return 0;
}

int PrintImagePage(tmb::PageContext& page, const tmb::Surface& picture, const CPageGeometry& g) {
  if (!page.StretchToPage(picture, g.source, g.page)) {
    // The user is told; the page itself goes on.
    tmb::Beep();
    tmb::ShowMessage(kMsgPageCopyFailed);
  }
  return 1;
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

// What a page prints: the window, its picture (image mode) and the part of the paper.
struct CPrintChoice {
  int target = -1;
  CPrintSource* source = nullptr;
  bool image = false;
  const tmb::Surface* picture = nullptr;
  int range = 0;
  tmb::Rect region;
};

// The window a page prints (as the print target names it) and its part; false, after a
// beep and a message saying why, when there is nothing to print.
bool ChoosePrintSource(CPrintWindows& windows, CPrintChoice& choice) {
  choice.target = PrintTargetKind();
  if (!IsPrintKind(choice.target)) {
    tmb::Beep();
    tmb::ShowMessage(kMsgNoPrintWindow);
    return false;
  }
  choice.source = windows.SourceOfKind(choice.target);
  const std::string name = PrintWindowName(choice.target);
  if (!choice.source) {
    tmb::Beep();
    tmb::ShowMessage(kMsgPrintWindowClosed, tmb::kMsgOk, {name});
    return false;
  }
  // In vector mode every target prints the current character, over the part it names.
  choice.image = gDrawState.m_nPrintMode == kModeImage;
  choice.picture = choice.source->PrintPicture();
  if (choice.image && (!choice.picture || choice.picture->IsNull())) {
    tmb::Beep();
    tmb::ShowMessage(kMsgPrintWindowEmpty, tmb::kMsgOk, {name});
    return false;
  }
  choice.range = gDrawState.m_nPrintRange == kRangeRegion ? kRangeRegion : 0;
  choice.region = choice.range == kRangeRegion ? choice.source->PrintSelection() : tmb::Rect{};
  const tmb::Size canvas{gWorkCanvas.m_width, gWorkCanvas.m_height};
  if (choice.range == kRangeRegion && NormalisePrintRegion(choice.region, canvas).IsEmpty()) {
    // A drawing window's empty edit rectangle prints nothing, as a page of no width does.
    tmb::Beep();
    if (choice.target != kKindDrawA && choice.target != kKindDrawB) tmb::ShowMessage(kMsgNoRegion);
    return false;
  }
  return true;
}

}  // namespace

int PrintTargetKind() { return gDrawState.m_nPrintTarget == -1 ? gPrintSourceKind : gDrawState.m_nPrintTarget; }

std::string PrintJobName(int kind) {
  const std::string& file = kind == kKindImageEditor ? gDrawState.m_szPictureFilePath : gDrawState.m_szCharFilePath;
  return file.empty() ? PrintWindowName(kind) : GetFileNameOfPath(file);
}

bool CanRenderPrintPage(CPrintWindows& windows) {
  CPrintChoice choice;
  return ChoosePrintSource(windows, choice);
}

int RenderPrintPage(tmb::PageContext& page, CPrintWindows& windows) {
  CPrintChoice choice;
  if (!ChoosePrintSource(windows, choice)) return 0;
  if (choice.target != kKindDrawA && choice.target != kKindDrawB) choice.source->BringForward();
  const tmb::Size canvas{gWorkCanvas.m_width, gWorkCanvas.m_height};
  CPageGeometry g;
  if (!ComputePageGeometry(page.PageSize(), canvas, choice.range, choice.region, gDrawState.m_nPrintScale, g)) {
    return Fail();
  }
  if (choice.image) return PrintImagePage(page, *choice.picture, g);
  const bool drawing = choice.target == kKindDrawA || choice.target == kKindDrawB;
  return PrintVectorPage(page, windows, drawing ? choice.target : gDrawState.ResolveKind(kKindCurrentDraw), g);
}
