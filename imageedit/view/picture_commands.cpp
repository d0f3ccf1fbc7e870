#include "imageedit/view/picture_commands.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

#include "core/canvas/bitmap_blits.h"
#include "core/canvas/work_canvas.h"
#include "core/document/tmb_doc.h"
#include "core/file/path_helpers.h"
#include "core/path/path_sequence.h"
#include "core/state/draw_state.h"
#include "core/state/mouse_messages.h"
#include "export/picture/picture_file_writer.h"
#include "export/svg/svg_writer.h"
#include "export/swf/swf_picture_save.h"
#include "imageedit/view/bmp_view_window.h"
#include "imageedit/view/clipboard_pictures.h"
#include "platform/gdi/pixel.h"
#include "platform/service/file_chooser.h"
#include "platform/service/messages.h"
#include "platform/service/wait_cursor.h"
#include "platform/ui/clipboard.h"
#include "views/pre_view.h"
#include "views/tmb_view.h"

namespace {

constexpr int kMsgCannotCreateBitmap = 62063;
constexpr char kFilterPalette[] = "(*.bmp)|*.bmp|(*.*)|*.*||";
constexpr char kFilterDrawing[] =
    "(*.bmp)|*.bmp|(*.png)|*.png|(*.jpg)|*.jpg|(*.swf)|*.swf|(*.svg)|*.svg|(*.*)|*.*||";
constexpr char kFilterOther[] = "(*.bmp)|*.bmp|(*.png)|*.png|(*.jpg)|*.jpg|(*.svg)|*.svg|(*.*)|*.*||";

bool IsDrawingKind(int kind) { return kind == kKindCurrentDraw || kind == kKindDrawA || kind == kKindDrawB; }

std::string LowerExtension(const std::string& path) {
  std::string ext = GetFileExt(path);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return ext;
}

constexpr int kMsgOpenFile = 62047;
constexpr int kMsgNoRegion = 62059;

// The filter the save dialog showed for the last picture saved, counted from 0.
int gSaveFilterIndex = 0;

// The entry of filter ("label|pattern|...") whose pattern is "*.ext"; -1 when none is.
int FilterIndexOfExtension(const std::string& filter, const std::string& ext) {
  const std::string pattern = "*." + ext;
  size_t at = 0;
  for (int index = 0;; ++index) {
    const size_t bar = filter.find('|', at);
    if (bar == std::string::npos || bar == at) return -1;
    const size_t end = filter.find('|', bar + 1);
    if (end == std::string::npos) return -1;
    if (filter.compare(bar + 1, end - bar - 1, pattern) == 0) return index;
    at = end + 1;
  }
}

// The drawing window's character as an SWF movie or an SVG picture: the outlines its
// strokes leave in the path sequence while the view redraws, framed by the canvas or by
// the current rectangle.
bool SaveVectorPicture(int kind, const std::string& path, bool swf) {
  CTmbView* view = CTmbView::ViewOfKind(kind);
  CTmbDoc* doc = view ? view->GetDocument() : nullptr;
  if (!doc) {
    tmb::Beep();
    return false;
  }
  tmb::WaitCursor wait;
  gPathSequence.Init(1);
  view->RedrawInSteps(0);
  tmb::Rect frame = gWorkCanvas.m_rect;
  if (gDrawState.m_nSaveRange != 0) {
    frame = WindowRegionOfKind(kind);
    frame.Normalize();
  }
  gPathSequence.m_rcCanvas = frame;
  gPathSequence.m_nFrameCounter = 0;
  const CCharDataFull& record = doc->m_char;
  gPathSequence.AddFrame(tmb::PlainColour(tmb::Colour(uint32_t(record.m_rangeFrom))), record.m_param);
  const std::filesystem::path file = std::filesystem::u8path(path);
  if (swf ? SaveSwfPicture(file, record) : SaveSvgPicture(file, record)) return true;
  tmb::Beep();
  tmb::ShowMessage(kMsgOpenFile);
  return false;
}

// The block of kind's picture a save or send takes; empty when there is none.
tmb::Rect BlockOf(int kind, const tmb::Surface& picture, int whole) {
  tmb::Rect r = whole ? tmb::Rect{0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height} : WindowRegionOfKind(kind);
  r.Normalize();
  const tmb::Rect b = picture.Bounds();
  return {std::max(r.left, b.left), std::max(r.top, b.top), std::min(r.right, b.right), std::min(r.bottom, b.bottom)};
}

}  // namespace

tmb::Surface* WindowPictureOfKind(int kind) {
  if (kind == kKindPreview) {
    CPre_View* preview = CPre_View::Instance();
    return preview && !preview->m_bmpPreview.IsNull() ? &preview->m_bmpPreview : nullptr;
  }
  if (kind == kKindImageEditor) {
    CBmpViewWindow* editor = CBmpViewWindow::Instance();
    tmb::Surface* work = editor ? &editor->editor().m_bmpWork : nullptr;
    return work && !work->IsNull() ? work : nullptr;
  }
  CTmbView* view = IsDrawingKind(kind) ? CTmbView::ViewOfKind(kind) : nullptr;
  tmb::Surface* picture = view ? view->BackBuffer() : nullptr;
  return picture && !picture->IsNull() ? picture : nullptr;
}

tmb::Rect WindowRegionOfKind(int kind) {
  if (kind == kKindPreview) return CPre_View::Instance() ? CPre_View::Instance()->m_rcSelect : tmb::Rect{};
  if (kind == kKindImageEditor) {
    CBmpViewWindow* editor = CBmpViewWindow::Instance();
    return editor ? editor->editor().m_region : tmb::Rect{};
  }
  CTmbView* view = IsDrawingKind(kind) ? CTmbView::ViewOfKind(kind) : nullptr;
  CTmbDoc* doc = view ? view->GetDocument() : nullptr;
  if (!doc) return {};
  const CEditRegions& table = doc->m_char.m_regions.m_list;
  const tmb::Point topLeft = table.GetCurrentTopLeft(), bottomRight = table.GetCurrentBottomRight();
  return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

bool SaveImageAs(int kind) {
  tmb::FileChoice choice;
  choice.filter = gDrawState.m_bPaletteDevice ? kFilterPalette : IsDrawingKind(kind) ? kFilterDrawing : kFilterOther;
  choice.folder = gDrawState.m_szLastFolder;
  choice.filterIndex = gSaveFilterIndex;
  std::string path;
  const bool chosen = tmb::Choosers().SaveFile(choice, path);
  FlushMouseMessages();
  if (!chosen) return false;
  // The next save offers the filter of this one's format; a name the filter does not
  // list keeps the filter there was.
  const int shown = FilterIndexOfExtension(choice.filter, LowerExtension(path));
  if (shown >= 0) gSaveFilterIndex = shown;
  const int format = PictureFormatOfPath(path);
  if (IsDrawingKind(kind) && format == kFormatNone) return SaveVectorPicture(kind, path, LowerExtension(path) == "swf");
  tmb::Surface* picture = WindowPictureOfKind(kind);
  if (format == kFormatNone || !picture) {
    tmb::Beep();
    return false;
  }
  tmb::WaitCursor wait;
  const int whole = gDrawState.m_nSaveRange == 0;
  const tmb::Rect block = BlockOf(kind, *picture, whole);
  // A picture of the canvas's own size is written as it is; any other is cut first.
  const bool region = !whole || picture->size() != tmb::Size{gWorkCanvas.m_width, gWorkCanvas.m_height};
  return SaveDCImageFile(nullptr, picture, block.left, block.top, block.Width(), block.Height(), path, format,
                         region) == 1;
}

void SendImageToClipboard(int kind, int whole) {
  tmb::Surface* picture = WindowPictureOfKind(kind);
  const tmb::Rect block = picture ? BlockOf(kind, *picture, whole) : tmb::Rect{};
  if (!picture || block.IsEmpty()) {
    tmb::Beep();
    // The window's frame (or region) is what a send of part of it takes.
    if (picture && !whole) tmb::ShowMessage(kMsgNoRegion);
    return;
  }
  // The block is kept as the drawing state's clipboard picture, which the clipboard takes.
  CWorkBitmap& held = gDrawState.m_bmpClipboard;
  held.Destroy();
  held.SetSizeToCreate(block.Width(), block.Height());
  tmb::DeviceContext screen;
  if (held.Create(&screen, 1) < 0 || !CopyBitmapArea(&screen, &held, 0, 0, block.Width(), block.Height(), picture,
                                                     block.left, block.top)) {
    held.Destroy();
    tmb::Beep();
    tmb::ShowMessage(kMsgCannotCreateBitmap);
    return;
  }
  gDrawState.m_sizeClipboard = {block.Width(), block.Height()};
  tmb::ui::Clipboard().SetImage(ImageFromSurface(held, held.Bounds()));
  gDrawState.m_bClipboardOwned = 1;
}
