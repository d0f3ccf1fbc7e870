// Pictures entering and leaving the image editing view: files read into the picture or the
// clip buffer, the per-file step of the batch effect, and the clipboard's picture.
#include <algorithm>

#include "core/bitmap/palettes.h"
#include "core/canvas/work_canvas.h"
#include "core/state/draw_state.h"
#include "export/picture/picture_file_reader.h"
#include "export/picture/picture_file_writer.h"
#include "export/picture/picture_read_result.h"
#include "imageedit/editor/bmp_view.h"
#include "platform/gdi/raster_ops.h"
#include "platform/service/messages.h"

namespace {

constexpr int kCmdPictureLoaded = 32937;
constexpr int kMsgNoMemory = 62043;
constexpr int kMsgCannotOpen = 62047;
constexpr int kMsgNotAPicture = 62048;
constexpr int kMsgInClipBuffer = 62058;

int MessageOfResult(int result) {
  switch (result) {
    case kPictureNotOpened: return kMsgCannotOpen;
    case kPictureTooLarge: return kMsgNoMemory;
    default: return kMsgNotAPicture;
  }
}

}  // namespace

int CBmpView::LoadPicture(const std::string& path, tmb::Surface* pCallerBitmap) {
  if (!EnsureSetup(nullptr)) return kPictureTooLarge;
  const int range = gDrawState.m_nSaveRange;
  tmb::Surface* target = range == 0 ? &m_bmpWork : range == 1 ? &m_bmpClip : pCallerBitmap;
  if (!target || target->IsNull()) return kPictureNotOpened;
  BeginWaitCursor();
  // The picture is proved sound before anything of the view changes.
  int result = ReadPictureFile(nullptr, path, nullptr, nullptr);
  tmb::Size size{};
  if (result == kPictureRead) {
    if (range == 0) {
      HideRegionFrame();
      SaveUndoImage();
      target->Fill(BackgroundColour());
    }
    result = ReadPictureFile(nullptr, path, target, &size);
  }
  if (result != kPictureRead) {
    EndWaitCursor();
    tmb::ShowMessage(MessageOfResult(result));
    return result;
  }
  if (range == 0) {
    Redraw();
    m_bModified = gDrawState.m_bPaletteDevice ? 1 : 0;
    FollowInZoomView();
  } else if (range == 1) {
    m_sizeClip = size;
    m_bClipFilled = 1;
    if (gDrawState.m_nPlaceMode == 0) tmb::ShowMessage(kMsgInClipBuffer);
  }
  EndWaitCursor();
  if (range != 2) m_pHost->SendCommand(kCmdPictureLoaded);
  return result;
}

int CBmpView::OpenDroppedImage() { return LoadPicture(gDrawState.m_szPictureFilePath); }

void CBmpView::ShowPicture(const tmb::Surface& from, tmb::Size size) {
  if (!EnsureSetup(nullptr) || m_bmpWork.IsNull() || from.IsNull()) return;
  HideRegionFrame();
  SaveUndoImage();
  m_bmpWork.Fill(BackgroundColour());
  tmb::DeviceContext work(&m_bmpWork);
  tmb::DeviceContext src(const_cast<tmb::Surface*>(&from));
  work.BitBlt(0, 0, std::min(size.cx, from.width()), std::min(size.cy, from.height()), &src, 0, 0, tmb::kSrcCopy);
  Redraw();
  m_bModified = gDrawState.m_bPaletteDevice ? 1 : 0;
  FollowInZoomView();
}

int CBmpView::ProcessPictureFile(const std::string& in, const std::string& out, int noEffect) {
  const tmb::Size canvas = CanvasSize();
  tmb::Surface picture;
  if (canvas.cx <= 0 || canvas.cy <= 0 || !picture.Create(canvas.cx, canvas.cy, tmb::PixelFormat::kColour32)) return 0;
  picture.Fill(BackgroundColour());
  tmb::Size size{};
  if (ReadPictureFile(nullptr, in, &picture, &size) != kPictureRead || size.cx <= 0 || size.cy <= 0) return 0;
  const tmb::Rect region{0, 0, size.cx, size.cy};
  if (!noEffect) ApplyOneTouchEffectOn(picture, region, nullptr, 1);
  const int format = PictureFormatOfPath(out);
  if (format == kFormatNone) return 0;
  return SaveDCImageFile(nullptr, &picture, 0, 0, size.cx, size.cy, out, format, 1);
}

void CBmpView::ReceiveClipboard(const tmb::Surface& picture, int whole, const tmb::Palette* palette) {
  if (!EnsureSetup(nullptr) || picture.IsNull() || m_bmpWork.IsNull() || m_bmpClip.IsNull()) return;
  if (gDrawState.m_bPaletteDevice && palette && palette->IsCreated()) {
    CopyPalette(gCurPaletteA, palette);
    GetPaletteColours(gColourTables[0], gCurPaletteA);
    CopyPaletteColours(gColourTables[1], gColourTables[0], 0, kColourTableEntries);
    tmb::DeviceContext dc;
    m_pHost->PrepareClientDC(dc);
    SelectAppPalette(&dc);
    Modified();
  }
  const int w = std::min(picture.width(), m_bmpWork.width());
  const int h = std::min(picture.height(), m_bmpWork.height());
  tmb::DeviceContext src(const_cast<tmb::Surface*>(&picture));
  if (!whole) {
    tmb::DeviceContext clip(&m_bmpClip);
    clip.BitBlt(0, 0, w, h, &src, 0, 0, tmb::kSrcCopy);
    m_sizeClip = {w, h};
    m_bClipFilled = 1;
    return;
  }
  SaveUndoImage();
  tmb::DeviceContext work(&m_bmpWork);
  work.BitBlt(m_bmpWork.width() - w, 0, w, h, &src, 0, 0, tmb::kSrcCopy);
  Modified();
  Redraw();
  FollowInZoomView();
}
